// The look of a skin and the painting of its seven bitmaps in the game's sheet layout.
#pragma once

#include "draw/Layout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>

class QPainter;

namespace tesseron::assets {

enum class BrickLook { Glossy, Faceted };
enum class TileLook { Embers, Frost };

struct SkinStyle {
    QString title;   // line 0 of the description and its file name without ".skn"
    QString folder;  // bitmaps live here, relative to the data folder; no spaces
    uint32_t seed = 1;
    BrickLook bricks = BrickLook::Glossy;
    TileLook tile = TileLook::Embers;
    std::array<QColor, 10> brickColours;
    QColor gap;                           // the seam between neighbouring bricks
    QColor tileDeep, tileHigh, tileVein;  // background tile
    QColor panelTop, panelBottom;         // icon tiles and button plates
    QColor discNormal, discHot;           // inside of the icon discs
    QColor metalLight, metalDark;         // rings and rims
    QColor glow;                          // halo of highlighted pictures
    QColor ink, inkHot;                   // pictograms, normal and highlighted
    QColor switchOn, folderColour;
    QColor textTop, textBottom, textEdge;  // glyphs
    QColor textBgTop, textBgBottom;        // the band behind each glyph
    QString titleFamily;                   // glyph strip 2
    QFont::StyleHint titleHint = QFont::Serif;
};

SkinStyle ScoarchingRed();
SkinStyle GlacierBlue();

struct SkinImages {
    QImage tile, bricks, icons, pictograms, font1, font2, font3;
};

SkinImages PaintSkin(const SkinStyle& s);

// A plus of two bars as one outline, centred at c.
QPainterPath Cross(QPointF c, double half, double halfWidth);
// The mark of brick colour 1..10, centred at c with nominal radius r.
QPainterPath Mark(int colour, QPointF c, double r);

// One brick of colour 1..10 with arrow code 0..4 (0 plain, 1 right, 2 up, 3 left,
// 4 down), designed on a 30 × 30 grid and scaled to `cell`.
void PaintBrick(QPainter& p, const QRectF& cell, const SkinStyle& s, int colour, int dir);

// The pictogram sheet keeps a small margin around the regions the game cuts from it.
constexpr int PictogramWidth = layout::PictogramSheet.width + 6;
constexpr int PictogramHeight = layout::PictogramSheet.height + 7;

}  // namespace tesseron::assets
