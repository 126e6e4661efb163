// The game window's drawing: the cells, the periphery, the corner icons, the
// side buttons and the tiled background, drawn from the skin onto a surface.
#pragma once

#include "game/GameState.h"
#include "draw/Skin.h"
#include "draw/Surface.h"

#include <cstdint>

namespace tesseron {

// Pointer hover state of the game window, read by the drawing.
struct HoverState {
    uint8_t HoverButton = 1;  // 1 undo, 2 minimise, 3 load/save, 4 quit, 0 none
    bool IconHover = false;
    int32_t IconOffset[4] = {180, 180, 180, 180};  // new game, hall of fame, help, options: 0 hovered, 180 not
};

class FieldView {
public:
    FieldView(Surface& surface, const Skin& skin, const GameState& state, HoverState& hover)
        : surface_(surface), skin_(skin), st_(state), hover_(hover) {}

    int FieldLeft = 0;
    int FieldTop = 0;

    // Board and Nexts as the last incremental redraw left them on this view's surface.
    Board ShownBoard{};
    Nexts ShownNexts{};

    void DrawBrick(int x, int y);
    void DrawNext(int side, int lane, int layer);
    void DrawIcons();
    void DrawButtons();
    // Icons, cells and periphery: everything when full, otherwise only what changed
    // colour since the last incremental redraw (which then refreshes the shown copies).
    void FieldUpDate(bool full);
    // Tiles the background tile at 100-pixel steps, two tiles past the right and bottom edges.
    void DrawBackground();
    // The drawn part of a full repaint: background, the whole field, the buttons.
    // Draws nothing while no skin description was read (line 0 still "skn").
    void PaintAll();
    // Every central cell, then every shown periphery brick (after a skin change).
    void DrawAllBricks();

private:
    Surface& surface_;
    const Skin& skin_;
    const GameState& st_;
    HoverState& hover_;
};

}  // namespace tesseron
