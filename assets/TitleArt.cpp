#include "assets/TitleArt.h"

#include "draw/Layout.h"

#include "assets/Paint.h"
#include "assets/SkinArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace tesseron::assets {

namespace {

struct Placed {
    int x, y, colour, dir;
};

// A game in progress: a few groups about to meet and two bricks on their way.
const Placed Scene[] = {
    {5, 6, 1, 0}, {5, 7, 1, 0}, {6, 7, 1, 0},  {6, 6, 3, 2}, {4, 7, 2, 0}, {4, 8, 2, 0}, {5, 8, 4, 0},
    {6, 8, 4, 0}, {7, 8, 4, 3}, {3, 5, 6, 0},  {7, 6, 5, 4}, {7, 7, 9, 0}, {8, 7, 9, 0}, {5, 5, 8, 0},
    {6, 5, 8, 2}, {4, 6, 7, 0}, {8, 8, 10, 0}, {2, 3, 3, 1}, {6, 2, 2, 4}, {5, 9, 6, 0}, {6, 9, 6, 0},
};

QImage PaintBoard(const SkinStyle& s) {
    using namespace layout;
    QImage board = Canvas(FieldSize, FieldSize, QColor(0, 0, 0));
    QPainter p(&board);
    SetupPainter(p);
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) {
            const QRectF cell(CellLeft(x), CellTop(y), Brick, Brick);
            p.fillRect(cell, Qt::black);
            p.fillRect(QRectF(cell.left(), cell.top(), Brick, 1), QColor(109, 109, 109));
            p.fillRect(QRectF(cell.left(), cell.top(), 1, Brick), QColor(109, 109, 109));
        }
    for (const Placed& b : Scene) PaintBrick(p, QRectF(CellLeft(b.x), CellTop(b.y), Brick, Brick), s, b.colour, b.dir);
    // The periphery: three layers of plain bricks on every side.
    for (int lane = 1; lane <= 10; ++lane)
        for (int layer = 1; layer <= 3; ++layer) {
            auto colour = [&](int side) { return int(Hash(uint32_t(lane), uint32_t(layer * 7 + side), 99) % 7) + 1; };
            for (int side = 1; side <= 4; ++side) {
                const Point at = NextAt(side, lane, layer);
                PaintBrick(p, QRectF(at.x, at.y, Brick, Brick), s, colour(side), 0);
            }
        }
    // Motion trails behind the two travelling bricks.
    QLinearGradient trail(60 + 30 * 1, 0, 60 + 30 * 2, 0);
    trail.setColorAt(0, QColor(255, 220, 120, 0));
    trail.setColorAt(1, QColor(255, 220, 120, 150));
    p.fillRect(QRectF(60 + 30, 60 + 30 * 3 + 8, 30, 14), trail);
    QLinearGradient trail2(0, 60 + 30 * 1, 0, 60 + 30 * 2);
    trail2.setColorAt(0, QColor(140, 200, 255, 0));
    trail2.setColorAt(1, QColor(140, 200, 255, 150));
    p.fillRect(QRectF(60 + 30 * 6 + 8, 60 + 30, 14, 30), trail2);
    return board;
}

}  // namespace

QImage PaintTitle(const SkinStyle& s) {
    QImage img = Canvas(500, 375, QColor(8, 3, 4));
    QPainter p(&img);
    SetupPainter(p);

    QLinearGradient sky(0, 0, 0, 375);
    sky.setColorAt(0, QColor(44, 10, 8));
    sky.setColorAt(0.45, QColor(14, 4, 6));
    sky.setColorAt(1, QColor(4, 2, 4));
    p.fillRect(img.rect(), sky);

    // The field, tilted away from the viewer.
    const QImage board = PaintBoard(s);
    QTransform tilt;
    const double f = layout::FieldSize;
    QTransform::quadToQuad(QPolygonF({QPointF(0, 0), QPointF(f, 0), QPointF(f, f), QPointF(0, f)}),
                           QPolygonF({QPointF(140, 168), QPointF(360, 168), QPointF(560, 430), QPointF(-60, 430)}), tilt);
    p.save();
    p.setTransform(tilt);
    p.drawImage(QPointF(0, 0), board);
    p.restore();
    QLinearGradient fade(0, 160, 0, 250);
    fade.setColorAt(0, QColor(14, 4, 6, 255));
    fade.setColorAt(1, QColor(14, 4, 6, 0));
    p.fillRect(QRectF(0, 160, 500, 90), fade);
    QRadialGradient vignette(QPointF(250, 200), 330);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 200));
    p.fillRect(img.rect(), vignette);

    QRadialGradient warm(QPointF(250, 100), 210);
    warm.setColorAt(0, QColor(255, 110, 30, 90));
    warm.setColorAt(1, QColor(255, 110, 30, 0));
    p.fillRect(QRectF(0, 0, 500, 230), warm);

    // Ten colours in a row over the name.
    for (int c = 1; c <= 10; ++c) PaintBrick(p, QRectF(160 + 18 * (c - 1), 16, 17, 17), s, c, 0);

    const QPainterPath name =
        FitInto(TextOutline(QStringLiteral("Tesseron"), BoldFont(QStringLiteral("Liberation Serif"), QFont::Serif)),
                QRectF(40, 42, 420, 104));
    const QRectF nb = name.boundingRect();
    p.setBrush(Qt::NoBrush);
    for (double w : {18.0, 11.0, 6.0}) {
        p.setPen(QPen(QColor(255, 120, 30, 34), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(name);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 210));
    p.drawPath(name.translated(4, 5));
    p.setPen(QPen(QColor(48, 6, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    QLinearGradient gold(0, nb.top(), 0, nb.bottom());
    gold.setColorAt(0, QColor(255, 248, 214));
    gold.setColorAt(0.42, QColor(255, 206, 84));
    gold.setColorAt(0.55, QColor(242, 136, 28));
    gold.setColorAt(1, QColor(176, 46, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);
    p.setPen(QPen(QColor(255, 255, 240, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(0, -0.6));

    const QPainterPath tag = FitInto(TextOutline(QStringLiteral("SHOOT  \u00b7  MATCH  \u00b7  CLEAR"),
                                                 BoldFont(QStringLiteral("Liberation Sans"), QFont::SansSerif)),
                                     QRectF(130, 152, 240, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPath(tag.translated(1, 1.2));
    p.setBrush(QColor(255, 226, 180, 230));
    p.drawPath(tag);
    return img;
}

}  // namespace tesseron::assets
