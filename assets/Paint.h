// Small painting helpers shared by the skin and title generators. Everything here
// is deterministic: no clocks, no library random engines, only integer hashing.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <initializer_list>

#include "draw/Layout.h"

class QPainter;

namespace tesseron::assets {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed);
// Noise in 0..1 on a lattice that repeats every `period` cells, so a picture
// sampled over one period in both axes tiles without seams.
double PeriodicNoise(double x, double y, int period, uint32_t seed);
// Sum of `octaves` layers of periodic noise; x and y run over 0..1 for one tile.
double TileFbm(double x, double y, int basePeriod, int octaves, uint32_t seed);

QColor Mix(const QColor& a, const QColor& b, double t);
// f > 0 moves toward white, f < 0 toward black.
QColor Shade(const QColor& c, double f);
QColor WithAlpha(const QColor& c, int alpha);
double Luma(const QColor& c);

// A bold face of the family; when it is missing, a common face of the same kind.
QFont BoldFont(const QString& family, QFont::StyleHint hint);
// The outline of `text` with its baseline at y = 0. Throws when the font lacks one of
// the characters, so a build without usable fonts fails instead of drawing boxes.
QPainterPath TextOutline(const QString& text, const QFont& font);

// Places a glyph outline in `cell`: scaled so a capital's height becomes `capHeight`,
// baseline at `baseline` within the cell, centred horizontally and squeezed to
// `maxWidth` when wider; whatever the fallback font's metrics, the result fits.
QPainterPath FitGlyph(const QPainterPath& outline, const QFont& font, const QRectF& cell, double capHeight, double baseline,
                      double maxWidth);
// Scales and centres a path into `box`, keeping its proportions.
QPainterPath FitInto(const QPainterPath& path, const QRectF& box);

// A blank image of the size filled with one colour, ready for painting.
inline constexpr double Pi = 3.14159265358979323846;

// A closed polygon through the points.
QPainterPath Poly(std::initializer_list<QPointF> pts);
// A sheet region of the game's geometry table as a painter's rectangle.
inline QRect SheetRect(const layout::Box& b) { return QRect(b.left, b.top, b.width(), b.height()); }

QImage Canvas(int width, int height, const QColor& fill);
void SetupPainter(QPainter& p);

// Raised plate with a light top-left and dark bottom-right rim.
void Bevel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom, const QColor& rimLight,
           const QColor& rimDark);

// Average colour of an image (used to blend non-transparent pictures into a tile).
QColor AverageColour(const QImage& img);

// Writes a 24-bit Windows bitmap; throws naming the file on failure.
void SaveBmp(const QImage& img, const QString& path);

}  // namespace tesseron::assets
