// What screen readers see of the game window: the corner icons and side buttons as
// buttons named by their hints, each pressed exactly as a click presses it, and the
// field with how many bricks stand in it.
#include "ui/UMain.h"

#include <QCoreApplication>

namespace tesseron {

using namespace layout;

namespace {

// In the order of the corner icons and of the side buttons.
constexpr Command IconCommands[IconCount] = {Command::NewGame, Command::Scores, Command::Rules, Command::Options};
constexpr Command ButtonCommands[ButtonCount] = {Command::Undo, Command::Minimize, Command::LoadSave, Command::Quit};

int BricksIn(const Board& board) {
    int n = 0;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) n += board.at(x, y).Color > 0;
    return n;
}

}  // namespace

std::vector<PaintedControl> TMain::Controls() const {
    // A press comes later, from the event loop, and acts on the window as a click does.
    TMain* self = const_cast<TMain*>(this);
    std::vector<PaintedControl> controls;
    const auto add = [&](Command command, const Box& where) {
        // The middle of the highlight: the hint there is the control's, and so is a click.
        const int X = FieldLeft + (where.left + where.right) / 2, Y = FieldTop + (where.top + where.bottom) / 2;
        Box control{};
        PaintedControl c;
        c.name = HintAt(X, Y, &control);
        // Both edges of a control take the pointer, as its hint says.
        c.rect = zoom_.ToWindow(QRect(control.left, control.top, control.width() + 1, control.height() + 1));
        c.press = [self, command, X, Y] { self->Shortcut([&] { self->Run(command, X, Y); }); };
        controls.push_back(std::move(c));
    };
    for (int i = 0; i < IconCount; ++i) add(IconCommands[i], CornerIcon[i]);
    for (int i = 0; i < ButtonCount; ++i) add(ButtonCommands[i], Buttons[i].hover);

    PaintedControl field;
    field.role = QAccessible::Graphic;
    field.name = QCoreApplication::translate("TMain", "Field");
    const QString bricks = QString::number(BricksIn(game.st.board));
    field.description = game.st.InMotion ? QCoreApplication::translate("TMain", "Bricks: %1, one moving").arg(bricks)
                                         : QCoreApplication::translate("TMain", "Bricks: %1").arg(bricks);
    field.rect = zoom_.ToWindow(QRect(FieldLeft + Periphery, FieldTop + Periphery, Zone, Zone));
    controls.push_back(std::move(field));
    return controls;
}

}  // namespace tesseron
