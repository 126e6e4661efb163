// The game window's keys (the shortcuts and the lane cursor) and its hints: each key
// runs the command its icon, button or lane runs when pressed.
#include "ui/UMain.h"

#include "ui/Hint.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace tesseron {

using namespace layout;

namespace {

// Hints in the order of the corner icons and of the side buttons, with their keys. Qt
// names the keys as the desktop does in the player's language ("Strg+N" in German).
struct HintText {
    const char* text;
    QKeyCombination first, second;
};
//: %1 and %2 are keys, as the desktop names them
const HintText IconHints[IconCount] = {{QT_TRANSLATE_NOOP("TMain", "New game (%1)"), Qt::CTRL | Qt::Key_N, {}},
                                       {QT_TRANSLATE_NOOP("TMain", "Hall of fame (%1)"), Qt::CTRL | Qt::Key_H, {}},
                                       {QT_TRANSLATE_NOOP("TMain", "Help (%1)"), QKeyCombination(Qt::Key_F1), {}},
                                       {QT_TRANSLATE_NOOP("TMain", "Options (%1)"), Qt::CTRL | Qt::SHIFT | Qt::Key_Comma, {}}};
const HintText ButtonHints[ButtonCount] = {
    {QT_TRANSLATE_NOOP("TMain", "Undo (%1)"), Qt::CTRL | Qt::Key_Z, {}},
    {QT_TRANSLATE_NOOP("TMain", "Minimise"), {}, {}},
    {QT_TRANSLATE_NOOP("TMain", "Load or save a game (%1, %2)"), Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_S},
    {QT_TRANSLATE_NOOP("TMain", "Quit (%1)"), Qt::CTRL | Qt::Key_Q, {}}};

QString Text(const HintText& hint) {
    QString text = QCoreApplication::translate("TMain", hint.text);
    for (QKeyCombination key : {hint.first, hint.second})
        if (key.key() != Qt::Key(0)) text = text.arg(QKeySequence(key).toString(QKeySequence::NativeText));
    return text;
}

}  // namespace

// --- Keys ----------------------------------------------------------------------

void TMain::keyPressEvent(QKeyEvent* event) {
    hint_->hide();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_N: return Shortcut([this] { Run(Command::NewGame, 0, 0); });
        case Qt::Key_Z: return Shortcut([this] { Run(Command::Undo, 0, 0); });
        case Qt::Key_H: return Shortcut([this] { Run(Command::Scores, 0, 0); });
        case Qt::Key_Q: return Shortcut([this] { Run(Command::Quit, 0, 0); });
        // The two entries of the load/save button's menu, without the menu.
        case Qt::Key_O: return Shortcut([this] { Loadgame1Click(); });
        case Qt::Key_S: return Shortcut([this] { SaveClick(); });
        default: break;
        }
    }
    // Ctrl+Shift+Comma; many layouts report Shift+Comma as '<'.
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) &&
        (key == Qt::Key_Less || (key == Qt::Key_Comma && (mods & Qt::ShiftModifier))))
        return Shortcut([this] { Run(Command::Options, 0, 0); });
    if (mods & Qt::ControlModifier) {
        ZoomKey(key);
        return;
    }
    if (key == Qt::Key_F1 && mods == Qt::NoModifier) return Shortcut([this] { Run(Command::Rules, 0, 0); });
    // Shift+Tab comes as Backtab, with or without the Shift it was typed with.
    if (key == Qt::Key_Backtab && (mods == Qt::ShiftModifier || mods == Qt::NoModifier)) return TabKey(false);
    if (key == Qt::Key_F11 && mods == Qt::NoModifier) return ToggleWindowMode();
    if (mods == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Tab: return TabKey(true);
        case Qt::Key_Up: return CursorKey(cursor::Arrow::Up);
        case Qt::Key_Down: return CursorKey(cursor::Arrow::Down);
        case Qt::Key_Left: return CursorKey(cursor::Arrow::Left);
        case Qt::Key_Right: return CursorKey(cursor::Arrow::Right);
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: return LaunchFromFrame();
        default: break;
        }
    }
    // A window left without any skin to draw can be quit with Escape.
    if (key == Qt::Key_Escape && !skinUsable_) Quit();
}

void TMain::Shortcut(const std::function<void()>& command) {
    // What a press does after its command, so a key and a click leave the same state.
    command();
    FollowState();
    FieldUpDate(false);
}

// --- The lane cursor -------------------------------------------------------------

void TMain::CursorKey(cursor::Arrow key) {
    // A hidden cursor first shows where it was left, so the player sees it before it moves.
    MoveFrame(frameShown_ ? cursor::Step(cursor_, key) : cursor_);
}

void TMain::TabKey(bool forward) { MoveFrame(frameShown_ ? cursor::Tab(cursor_, forward) : cursor_); }

void TMain::LaunchFromFrame() {
    // Nothing framed: the key only shows the cursor, so no brick leaves unseen.
    if (!frameShown_) return MoveFrame(cursor_);
    // The press of a click at the lane's middle, so the same rules and refusals apply.
    static constexpr Command launch[5] = {Command::LaunchRight, Command::LaunchRight, Command::LaunchTop, Command::LaunchLeft,
                                          Command::LaunchBottom};
    const Box b = cursor::Bricks(cursor_);
    const int X = FieldLeft + (b.left + b.right) / 2, Y = FieldTop + (b.top + b.bottom) / 2;
    Shortcut([&] { Run(launch[cursor_.side], X, Y); });
}

void TMain::MoveFrame(std::optional<cursor::Lane> to) {
    if (!skinUsable_) to.reset();  // nothing to draw the lanes back with
    if (frameShown_ && to == cursor_) return;
    if (frameShown_)
        for (int layer = 1; layer <= 3; ++layer) view.DrawNext(cursor_.side, cursor_.lane, layer);
    frameShown_ = to.has_value();
    if (to) {
        cursor_ = *to;
        DrawFrame();
    }
    Flush();
}

void TMain::DrawFrame() { cursor::DrawFrame(surface, FieldLeft, FieldTop, cursor_); }

// --- Hints -------------------------------------------------------------------

QString TMain::HintAt(int X, int Y, Box* control) const {
    // The rectangles the hover highlights, so a hint shows exactly where a highlight does.
    for (int i = 0; i < ButtonCount; ++i)
        if (Inside(Buttons[i].hover.shifted(FieldLeft, FieldTop), ButtonHoverBounds, X, Y)) {
            // A button takes presses a little beyond its highlight: the hint keeps off both.
            const Box &h = Buttons[i].hover, &p = Buttons[i].press;
            if (control)
                *control = Box{std::min(h.left, p.left), std::min(h.top, p.top), std::max(h.right, p.right),
                               std::max(h.bottom, p.bottom)}
                               .shifted(FieldLeft, FieldTop);
            return Text(ButtonHints[i]);
        }
    for (int i = 0; i < IconCount; ++i)
        if (Inside(CornerIcon[i].shifted(FieldLeft, FieldTop), IconHoverBounds, X, Y)) {
            if (control) *control = CornerIcon[i].shifted(FieldLeft, FieldTop);
            return Text(IconHints[i]);
        }
    return {};
}

void TMain::ShowHint(const QHelpEvent& help) {
    const QPoint p = zoom_.ToLayout(QPointF(help.pos()));
    Box control{};
    const QString hint = HintAt(p.x(), p.y(), &control);
    if (hint.isEmpty()) return hint_->hide();
    // Both edges of a control take the pointer.
    hint_->ShowFor(hint, zoom_.ToWindow(QRect(control.left, control.top, control.width() + 1, control.height() + 1)),
                   help.globalPos());
}

bool TMain::event(QEvent* event) {
    switch (event->type()) {
    // Tab steps the lane cursor; Qt would only pass the focus on between the labels.
    case QEvent::KeyPress:
        if (const int key = static_cast<QKeyEvent*>(event)->key(); key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
        break;
    // One painted widget: the hint comes from the rectangle under the pointer. Qt's own
    // tooltip would sit under the pointer and take the next press.
    case QEvent::ToolTip: ShowHint(*static_cast<QHelpEvent*>(event)); return true;
    case QEvent::Leave:
    case QEvent::WindowDeactivate:
    case QEvent::Hide: hint_->hide(); break;
    default: break;
    }
    return QWidget::event(event);
}

}  // namespace tesseron
