#include "ui/FieldView.h"


namespace tesseron {

namespace {

constexpr int Tile = 30;

QRect BrickSource(int colour, int dir) { return QRect(Tile * dir, Tile * (colour - 1), Tile, Tile); }

struct Button {
    QRect highlighted, normal, target;  // sheet regions and the place relative to the field
};

// The minimise and quit pictures sit one and two pixels apart between their two
// versions; quit is drawn 41 wide from a 40-wide picture.
const Button Buttons[4] = {
    {QRect(6, 9, 42, 41), QRect(6, 65, 42, 41), QRect(490, 90, 42, 41)},
    {QRect(55, 9, 62, 41), QRect(54, 65, 62, 41), QRect(490, 173, 62, 41)},
    {QRect(122, 9, 41, 41), QRect(122, 65, 41, 41), QRect(490, 256, 41, 41)},
    {QRect(171, 9, 40, 41), QRect(169, 65, 40, 41), QRect(490, 341, 41, 41)},
};

}  // namespace

void FieldView::DrawBrick(int x, int y) {
    if (x < 0 || x >= BoardSize || y < 0 || y >= BoardSize) return;
    const QPoint at(FieldLeft + Tile * (x + 2), FieldTop + Tile * (y + 2));
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
    surface_.Copy(sheet, BrickSource(colour, dir), QRect(at, QSize(Tile, Tile)));
}

void FieldView::DrawNext(int side, int lane, int layer) {
    if (side < 1 || side > 4 || lane < 1 || lane > ZoneSize || layer < 1 || layer > 3) return;
    QPoint at;
    switch (side) {
    case SideRight: at = QPoint(Tile * (layer + 12), Tile * (lane + 2)); break;
    case SideTop: at = QPoint(Tile * (lane + 2), Tile * (3 - layer)); break;
    case SideLeft: at = QPoint(Tile * (3 - layer), Tile * (lane + 2)); break;
    default: at = QPoint(Tile * (lane + 2), Tile * (layer + 12)); break;
    }
    at += QPoint(FieldLeft, FieldTop);
    const int c = st_.nexts.at(side, lane, layer - 1);
    if (c < 1 || c > MaxColors) {
        surface_.Draw(skin_.imBlack, at);
        return;
    }
    surface_.Copy(skin_.br, BrickSource(c, 0), QRect(at, QSize(Tile, Tile)));
}

void FieldView::DrawIcons() {
    const int32_t* o = hover_.IconOffset;
    const QPoint field(FieldLeft, FieldTop);
    surface_.Copy(skin_.citems, QRect(0, o[0], 90, 90), QRect(field, QSize(90, 90)));
    surface_.Copy(skin_.citems, QRect(90, o[1], 90, 90), QRect(field + QPoint(390, 0), QSize(90, 90)));
    surface_.Copy(skin_.citems, QRect(0, o[2] + 90, 90, 90), QRect(field + QPoint(0, 390), QSize(90, 90)));
    surface_.Copy(skin_.citems, QRect(90, o[3] + 90, 90, 90), QRect(field + QPoint(390, 390), QSize(90, 90)));
}

void FieldView::DrawButtons() {
    for (int i = 0; i < 4; ++i) {
        const Button& b = Buttons[i];
        const QRect& from = hover_.HoverButton == i + 1 ? b.highlighted : b.normal;
        surface_.Copy(skin_.pictograms, from, b.target.translated(FieldLeft, FieldTop));
    }
}

void FieldView::FieldUpDate(bool full) {
    if (full) DrawIcons();
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (full || st_.board.at(x, y).Color != st_.ShownBoard.at(x, y).Color) DrawBrick(x, y);
    if (!full) st_.ShownBoard = st_.board;
    for (int side = 1; side <= 4; ++side)
        for (int lane = 1; lane <= ZoneSize; ++lane)
            for (int layer = 1; layer <= 3; ++layer)
                if (full || st_.nexts.at(side, lane, layer - 1) != st_.ShownNexts.at(side, lane, layer - 1))
                    DrawNext(side, lane, layer);
    if (!full) st_.ShownNexts = st_.nexts;
}

void FieldView::DrawBackground() {
    const int columns = surface_.width() / 100 + 1;
    const int rows = surface_.height() / 100 + 1;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) surface_.Draw(skin_.BackgroundTile, QPoint(100 * i, 100 * j));
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
