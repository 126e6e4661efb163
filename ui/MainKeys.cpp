// The game window's keys (the shortcuts and the lane cursor) and its hints: each key
// runs the command its icon, button or lane runs when pressed.
#include "ui/UMain.h"

#include "ui/Hint.h"

#include <QHelpEvent>
#include <QKeyEvent>

#include <algorithm>

namespace tesseron {

using namespace layout;

namespace {

// Hints in the order of the corner icons and of the side buttons.
const char* const IconHints[IconCount] = {"New game (Ctrl+N)", "Hall of fame (Ctrl+H)", "Help (F1)", "Options (Ctrl+Shift+,)"};
const char* const ButtonHints[ButtonCount] = {"Undo (Ctrl+Z)", "Minimise", "Load or save a game (Ctrl+O, Ctrl+S)",
                                              "Quit (Ctrl+Q)"};

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
    if (key == Qt::Key_F11 && mods == Qt::NoModifier) return ToggleWindowMode();
    if (mods == Qt::NoModifier) {
        switch (key) {
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
            return QString::fromLatin1(ButtonHints[i]);
        }
    for (int i = 0; i < IconCount; ++i)
        if (Inside(CornerIcon[i].shifted(FieldLeft, FieldTop), IconHoverBounds, X, Y)) {
            if (control) *control = CornerIcon[i].shifted(FieldLeft, FieldTop);
            return QString::fromLatin1(IconHints[i]);
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
