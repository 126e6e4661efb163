#include "draw/FieldView.h"

#include "draw/Layout.h"

namespace tesseron {

using namespace layout;

namespace {

QRect R(const Box& b) { return QRect(b.left, b.top, b.width(), b.height()); }

}  // namespace

void FieldView::DrawBrick(int x, int y) {
    if (x < 0 || x >= BoardSize || y < 0 || y >= BoardSize) return;
    const QPoint at(FieldLeft + CellLeft(x), FieldTop + CellTop(y));
    const Cell& cell = st_.board.at(x, y);
    const int c = cell.Color;
    // A saved game may hold anything: a colour without a row shows as empty, an
    // arrow without a column as the plain brick.
    const int colour = c < 0 ? -c : c;
    if (c == 0 || colour > MaxColors) {
        surface_.Draw(skin_.imBlack, at);
        return;
    }
    const int dir = cell.Dir <= DirDown ? int(cell.Dir) : int(DirNone);
    const QImage& sheet = c > 0 ? skin_.br : skin_.ExplodingBricks();
    surface_.Copy(sheet, R(BrickRegion(colour, dir)), QRect(at, QSize(Brick, Brick)));
}

void FieldView::DrawNext(int side, int lane, int layer) {
    if (side < 1 || side > 4 || lane < 1 || lane > ZoneSize || layer < 1 || layer > 3) return;
    const Point p = NextAt(side, lane, layer);
    const QPoint at(FieldLeft + p.x, FieldTop + p.y);
    const int c = st_.nexts.at(side, lane, layer - 1);
    if (c < 1 || c > MaxColors) {
        surface_.Draw(skin_.imBlack, at);
        return;
    }
    surface_.Copy(skin_.br, R(BrickRegion(c, DirNone)), QRect(at, QSize(Brick, Brick)));
}

void FieldView::DrawIcons() {
    for (int i = 0; i < IconCount; ++i)
        surface_.Copy(skin_.citems, R(IconRegion(i, hover_.IconOffset[i])), R(CornerIcon[i].shifted(FieldLeft, FieldTop)));
}

void FieldView::DrawButtons() {
    for (int i = 0; i < ButtonCount; ++i) {
        const SideButton& b = Buttons[i];
        surface_.Copy(skin_.pictograms, R(hover_.HoverButton == i + 1 ? b.highlighted : b.normal),
                      R(b.drawn.shifted(FieldLeft, FieldTop)));
    }
}

void FieldView::FieldUpDate(bool full) {
    if (full) DrawIcons();
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (full || st_.board.at(x, y).Color != ShownBoard.at(x, y).Color) DrawBrick(x, y);
    if (!full) ShownBoard = st_.board;
    for (int side = 1; side <= 4; ++side)
        for (int lane = 1; lane <= ZoneSize; ++lane)
            for (int layer = 1; layer <= 3; ++layer)
                if (full || st_.nexts.at(side, lane, layer - 1) != ShownNexts.at(side, lane, layer - 1))
                    DrawNext(side, lane, layer);
    if (!full) ShownNexts = st_.nexts;
}

void FieldView::DrawBackground() {
    const int columns = surface_.width() / TileStep + 1;
    const int rows = surface_.height() / TileStep + 1;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) surface_.Draw(skin_.BackgroundTile, QPoint(TileStep * i, TileStep * j));
}

void FieldView::PaintAll() {
    if (!skin_.Present()) return;
    DrawBackground();
    FieldUpDate(true);
    DrawButtons();
}

void FieldView::DrawAllBricks() {
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) DrawBrick(x, y);
    for (int side = 1; side <= 4; ++side)
        for (int lane = 1; lane <= ZoneSize; ++lane)
            for (int layer = 1; layer <= 3; ++layer) DrawNext(side, lane, layer);
}

}  // namespace tesseron
