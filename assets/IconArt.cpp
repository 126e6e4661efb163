#include "assets/IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace tesseron::assets {

namespace {

// The design on a 64-unit grid, shared by the bitmaps and the SVG.
constexpr double Grid = 64;
struct IconBrick {
    int col, row;  // on a 3 x 3 field
    QRgb colour;
};
constexpr QRgb Plate = qRgb(28, 30, 44), PlateRim = qRgb(90, 96, 130);
constexpr IconBrick Bricks[] = {
    {1, 0, qRgb(220, 50, 40)}, {2, 0, qRgb(240, 200, 40)}, {2, 1, qRgb(220, 50, 40)},
    {0, 2, qRgb(60, 170, 70)}, {1, 2, qRgb(60, 120, 230)}, {2, 2, qRgb(220, 50, 40)},
};
constexpr double FieldLeft = 14, FieldTop = 8, Cell = 14, Gap = 1.5;
// The shot brick waits to the left of the middle row, its arrow pointing in.
constexpr double ShotLeft = 2, ShotTop = FieldTop + Cell;
constexpr QRgb ShotColour = qRgb(220, 50, 40);

QRectF CellRect(double left, double top) { return {left + Gap / 2, top + Gap / 2, Cell - Gap, Cell - Gap}; }

QString Hex(QRgb c) { return QColor(c).name(); }

}  // namespace

QImage PaintIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    p.setPen(QPen(QColor(PlateRim), 2));
    p.setBrush(QColor(Plate));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    p.setPen(Qt::NoPen);
    for (const IconBrick& b : Bricks) {
        p.setBrush(QColor(b.colour));
        p.drawRoundedRect(CellRect(FieldLeft + Cell * b.col, FieldTop + Cell * b.row), 2, 2);
    }
    p.setBrush(QColor(ShotColour));
    p.drawRoundedRect(CellRect(ShotLeft, ShotTop), 2, 2);
    // The arrow on the shot brick and its path into the field.
    p.setBrush(QColor(255, 255, 255));
    QPainterPath arrow;
    arrow.moveTo(ShotLeft + 4, ShotTop + 4);
    arrow.lineTo(ShotLeft + 11, ShotTop + Cell / 2);
    arrow.lineTo(ShotLeft + 4, ShotTop + Cell - 4);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5, Qt::DashLine));
    p.drawLine(QPointF(FieldLeft + 2, ShotTop + Cell / 2), QPointF(FieldLeft + Cell * 2 - 2, ShotTop + Cell / 2));
    p.end();
    return img;
}

QByteArray IconSvg() {
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
                      "  <rect x=\"1\" y=\"1\" width=\"62\" height=\"62\" rx=\"10\" fill=\"%1\" stroke=\"%2\" "
                      "stroke-width=\"2\"/>\n")
                      .arg(Hex(Plate), Hex(PlateRim));
    auto brick = [&](double left, double top, QRgb colour) {
        const QRectF r = CellRect(left, top);
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"2\" fill=\"%4\"/>\n")
                   .arg(r.x())
                   .arg(r.y())
                   .arg(r.width())
                   .arg(Hex(colour));
    };
    for (const IconBrick& b : Bricks) brick(FieldLeft + Cell * b.col, FieldTop + Cell * b.row, b.colour);
    brick(ShotLeft, ShotTop, ShotColour);
    svg += QStringLiteral("  <path d=\"M %1 %2 L %3 %4 L %1 %5 Z\" fill=\"#ffffff\"/>\n")
               .arg(ShotLeft + 4)
               .arg(ShotTop + 4)
               .arg(ShotLeft + 11)
               .arg(ShotTop + Cell / 2)
               .arg(ShotTop + Cell - 4);
    svg += QStringLiteral(
               "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#ffffff\" stroke-opacity=\"0.63\" "
               "stroke-width=\"1.5\" stroke-dasharray=\"1.5 1.5\"/>\n")
               .arg(FieldLeft + 2)
               .arg(ShotTop + Cell / 2)
               .arg(FieldLeft + Cell * 2 - 2);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace tesseron::assets
