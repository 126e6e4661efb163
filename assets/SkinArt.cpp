#include "assets/SkinArt.h"

#include "assets/Paint.h"
#include "assets/SheetArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

namespace tesseron::assets {

namespace {

// Ten hues that also differ in brightness, so that players who cannot tell some hues
// apart still see the difference; each colour also carries its own mark.
const std::array<QColor, 10> BaseBricks = {
    QColor(214, 40, 40),    // 1 red        dot
    QColor(30, 88, 206),    // 2 blue       square
    QColor(250, 224, 30),   // 3 yellow     diamond
    QColor(44, 160, 72),    // 4 green      plus
    QColor(128, 60, 196),   // 5 purple     cross
    QColor(240, 118, 12),   // 6 orange     ring
    QColor(64, 206, 226),   // 7 cyan       star
    QColor(236, 236, 236),  // 8 white      bars
    QColor(240, 110, 184),  // 9 pink       hourglass
    QColor(124, 78, 38),    // 10 brown     frame
};

}  // namespace

// A plus of two bars, as one outline (overlapping rectangles would cancel under
// the odd-even rule).
QPainterPath Cross(QPointF c, double half, double halfWidth) {
    QPainterPath a, b;
    a.addRect(QRectF(c.x() - halfWidth, c.y() - half, 2 * halfWidth, 2 * half));
    b.addRect(QRectF(c.x() - half, c.y() - halfWidth, 2 * half, 2 * halfWidth));
    return a.united(b);
}

// The mark of a colour, centred at c with nominal radius r.
QPainterPath Mark(int colour, QPointF c, double r) {
    QPainterPath m;
    m.setFillRule(Qt::OddEvenFill);
    const double x = c.x(), y = c.y();
    switch (colour) {
    case 1: m.addEllipse(c, r, r); break;
    case 2: m.addRect(QRectF(x - 0.85 * r, y - 0.85 * r, 1.7 * r, 1.7 * r)); break;
    case 3: m = Poly({{x, y - 1.2 * r}, {x + 1.2 * r, y}, {x, y + 1.2 * r}, {x - 1.2 * r, y}}); break;
    case 4: m = Cross(c, 1.1 * r, 0.36 * r); break;
    case 5: {
        QTransform t;
        t.translate(x, y);
        t.rotate(45);
        m = t.map(Cross(QPointF(0, 0), 1.2 * r, 0.34 * r));
        break;
    }
    case 6:
        m.addEllipse(c, 1.05 * r, 1.05 * r);
        m.addEllipse(c, 0.5 * r, 0.5 * r);
        break;
    case 7: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -Pi / 2 + i * Pi / 5;
            const double rr = i % 2 ? 0.5 * r : 1.25 * r;
            star << QPointF(x + rr * std::cos(a), y + 0.08 * r + rr * std::sin(a));
        }
        m.addPolygon(star);
        m.closeSubpath();
        break;
    }
    case 8:
        m.addRect(QRectF(x - 1.1 * r, y - 0.85 * r, 2.2 * r, 0.6 * r));
        m.addRect(QRectF(x - 1.1 * r, y + 0.25 * r, 2.2 * r, 0.6 * r));
        break;
    case 9:
        m = Poly({{x - r, y - 1.1 * r}, {x + r, y - 1.1 * r}, {x, y}, {x + r, y + 1.1 * r}, {x - r, y + 1.1 * r}, {x, y}});
        break;
    default:
        m.addRect(QRectF(x - 0.95 * r, y - 0.95 * r, 1.9 * r, 1.9 * r));
        m.addRect(QRectF(x - 0.45 * r, y - 0.45 * r, 0.9 * r, 0.9 * r));
        break;
    }
    return m;
}

namespace {

double DirAngle(int dir) {
    switch (dir) {
    case 2: return -90;
    case 3: return 180;
    case 4: return 90;
    default: return 0;
    }
}

void PaintGlossyBody(QPainter& p, const QColor& base, const QColor& gap) {
    p.fillRect(QRectF(0, 0, 30, 30), gap);
    const QRectF body(1, 1, 28, 28);
    QLinearGradient g(0, 1, 0, 29);
    g.setColorAt(0, Shade(base, 0.30));
    g.setColorAt(0.45, base);
    g.setColorAt(1, Shade(base, -0.45));
    p.setPen(QPen(Shade(base, -0.65), 1));
    p.setBrush(g);
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QLinearGradient rim(2, 2, 28, 28);
    rim.setColorAt(0, QColor(255, 255, 255, 150));
    rim.setColorAt(0.5, QColor(255, 255, 255, 0));
    rim.setColorAt(0.51, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 0, 0, 110));
    p.setPen(QPen(QBrush(rim), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.6, 2.6, 24.8, 24.8), 4.5, 4.5);
    QLinearGradient gloss(0, 3, 0, 15);
    gloss.setColorAt(0, QColor(255, 255, 255, 165));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(4.5, 3.2, 21, 10.5), 5, 5);
}

void PaintFacetedBody(QPainter& p, const QColor& base, const QColor& gap) {
    p.fillRect(QRectF(0, 0, 30, 30), gap);
    const double o = 1, i = 5.5, e = 29;
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(base, 0.50));
    p.drawPath(Poly({{o, o}, {e, o}, {e - i + o, i}, {i, i}}));
    p.setBrush(Shade(base, 0.22));
    p.drawPath(Poly({{o, o}, {i, i}, {i, e - i + o}, {o, e}}));
    p.setBrush(Shade(base, -0.30));
    p.drawPath(Poly({{e, o}, {e, e}, {e - i + o, e - i + o}, {e - i + o, i}}));
    p.setBrush(Shade(base, -0.50));
    p.drawPath(Poly({{o, e}, {i, e - i + o}, {e - i + o, e - i + o}, {e, e}}));
    QLinearGradient face(i, i, e - i, e - i);
    face.setColorAt(0, Shade(base, 0.14));
    face.setColorAt(1, Shade(base, -0.12));
    p.setBrush(face);
    p.drawRect(QRectF(i, i, e - i + o - i, e - i + o - i));
    // A frosty sheen across the upper-left of the face.
    QLinearGradient sheen(i, i, 15, 15);
    sheen.setColorAt(0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(Poly({{i, i}, {17, i}, {i, 17}}));
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(o + 0.4, o + 0.4), QPointF(e - 0.4, o + 0.4));
}

void PaintMark(QPainter& p, int colour, const QColor& base, QPointF c, double r) {
    const QPainterPath mark = Mark(colour, c, r);
    const bool bright = Luma(base) > 0.5;
    const QColor ink = bright ? Shade(base, -0.72) : Shade(base, 0.80);
    const QColor edge = bright ? QColor(255, 255, 255, 110) : QColor(0, 0, 0, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawPath(mark.translated(0, bright ? 0.8 : -0.8));
    p.setBrush(ink);
    p.drawPath(mark);
}

void PaintArrow(QPainter& p, int dir) {
    QTransform t;
    t.translate(15, 15);
    t.rotate(DirAngle(dir));
    t.translate(-15, -15);
    const QPainterPath head = t.map(Poly({{27.6, 15}, {18.4, 6.6}, {18.4, 23.4}}));
    p.setPen(QPen(QColor(0, 0, 0, 190), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 245));
    p.drawPath(head);
}

}  // namespace

SkinStyle ScoarchingRed() {
    SkinStyle s;
    s.title = QStringLiteral("Scoarching red");
    s.folder = QStringLiteral("skins/scoarching-red");
    s.seed = 0x5c0a4c1u;
    s.bricks = BrickLook::Glossy;
    s.tile = TileLook::Embers;
    s.brickColours = BaseBricks;
    s.gap = QColor(14, 6, 4);
    s.tileDeep = QColor(22, 7, 6);
    s.tileHigh = QColor(58, 16, 10);
    s.tileVein = QColor(150, 52, 14);
    s.panelTop = QColor(74, 22, 14);
    s.panelBottom = QColor(30, 8, 6);
    s.discNormal = QColor(120, 24, 14);
    s.discHot = QColor(255, 138, 36);
    s.metalLight = QColor(250, 214, 130);
    s.metalDark = QColor(132, 76, 20);
    s.glow = QColor(255, 150, 40);
    s.ink = QColor(255, 228, 176);
    s.inkHot = QColor(255, 255, 236);
    s.switchOn = QColor(255, 140, 30);
    s.folderColour = QColor(240, 190, 80);
    s.textTop = QColor(255, 244, 190);
    s.textBottom = QColor(244, 128, 28);
    s.textEdge = QColor(40, 6, 2);
    s.textBgTop = QColor(34, 9, 6);
    s.textBgBottom = QColor(16, 4, 3);
    s.titleFamily = QStringLiteral("Liberation Serif");
    s.titleHint = QFont::Serif;
    return s;
}

SkinStyle GlacierBlue() {
    SkinStyle s;
    s.title = QStringLiteral("Glacier blue");
    s.folder = QStringLiteral("skins/glacier-blue");
    s.seed = 0x61ac1e5u;
    s.bricks = BrickLook::Faceted;
    s.tile = TileLook::Frost;
    s.brickColours = BaseBricks;
    s.gap = QColor(4, 10, 22);
    s.tileDeep = QColor(8, 22, 44);
    s.tileHigh = QColor(22, 54, 92);
    s.tileVein = QColor(120, 180, 230);
    s.panelTop = QColor(40, 78, 120);
    s.panelBottom = QColor(10, 26, 50);
    s.discNormal = QColor(22, 66, 118);
    s.discHot = QColor(110, 210, 255);
    s.metalLight = QColor(236, 246, 255);
    s.metalDark = QColor(84, 116, 150);
    s.glow = QColor(140, 220, 255);
    s.ink = QColor(214, 238, 255);
    s.inkHot = QColor(255, 255, 255);
    s.switchOn = QColor(70, 200, 255);
    s.folderColour = QColor(170, 214, 246);
    s.textTop = QColor(255, 255, 255);
    s.textBottom = QColor(110, 186, 240);
    s.textEdge = QColor(4, 18, 40);
    s.textBgTop = QColor(14, 36, 66);
    s.textBgBottom = QColor(6, 16, 34);
    s.titleFamily = QStringLiteral("Liberation Sans");
    s.titleHint = QFont::SansSerif;
    return s;
}

void PaintBrick(QPainter& p, const QRectF& cell, const SkinStyle& s, int colour, int dir) {
    const QColor base = s.brickColours[size_t(colour - 1)];
    p.save();
    p.translate(cell.topLeft());
    p.scale(cell.width() / 30.0, cell.height() / 30.0);
    p.setClipRect(QRectF(0, 0, 30, 30));
    if (s.bricks == BrickLook::Glossy)
        PaintGlossyBody(p, base, s.gap);
    else
        PaintFacetedBody(p, base, s.gap);
    // With an arrow the mark moves back from the arrowhead; the mark itself never turns.
    QPointF at(15, 15.5);
    if (dir != 0) {
        QTransform t;
        t.translate(15, 15);
        t.rotate(DirAngle(dir));
        at = t.map(QPointF(-3.8, 0));
    }
    PaintMark(p, colour, base, at, dir == 0 ? 5.0 : 4.2);
    if (dir != 0) PaintArrow(p, dir);
    p.restore();
}

namespace {

QImage PaintTile(const SkinStyle& s) {
    // Low contrast on purpose: one tile repeats over the whole screen, so any strong
    // feature would show as a pattern and pull the eye away from the field.
    const int w = layout::TileSheet.width, h = layout::TileSheet.height;
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = x / double(w), v = y / double(h);
            const double n = TileFbm(u, v, 4, 4, s.seed);
            const double ridge = 1 - std::abs(2 * TileFbm(u, v, 5, 3, s.seed + 31) - 1);
            const double grain = ((Hash(uint32_t(x), uint32_t(y), s.seed + 9) & 255u) / 255.0 - 0.5) * 0.05;
            QColor c = Mix(s.tileDeep, s.tileHigh, (n - 0.3) * 1.6 + grain);
            if (s.tile == TileLook::Embers) {
                c = Mix(c, s.tileVein, std::pow(ridge, 16) * 0.26);
                if ((Hash(uint32_t(x), uint32_t(y), s.seed + 5) & 1023u) < 5) c = Mix(c, QColor(255, 120, 40), 0.15);
            } else {
                c = Mix(c, s.tileVein, std::pow(ridge, 20) * 0.15);
                if ((Hash(uint32_t(x), uint32_t(y), s.seed + 5) & 1023u) < 4) c = Mix(c, QColor(255, 255, 255), 0.20);
            }
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage PaintBricks(const SkinStyle& s) {
    QImage img = Canvas(layout::BrickSheet.width, layout::BrickSheet.height, s.gap);
    QPainter p(&img);
    SetupPainter(p);
    for (int c = 1; c <= layout::BrickColours; ++c)
        for (int d = 0; d < layout::BrickColumns; ++d) PaintBrick(p, SheetRect(layout::BrickRegion(c, d)), s, c, d);
    return img;
}

struct StripSpec {
    int glyphWidth, height;
    QString characters;
    QString family;
    QFont::StyleHint hint;
    double capHeight, baseline;
};

QImage PaintStrip(const SkinStyle& s, const StripSpec& strip) {
    const int n = int(strip.characters.size());
    QImage img = Canvas(strip.glyphWidth * n, strip.height, s.textBgBottom);
    QPainter p(&img);
    SetupPainter(p);
    // Each glyph carries its own background; a band that only varies downward lets
    // neighbouring glyphs join into one label.
    QLinearGradient band(0, 0, 0, strip.height);
    band.setColorAt(0, s.textBgTop);
    band.setColorAt(1, s.textBgBottom);
    p.fillRect(img.rect(), band);
    p.fillRect(QRectF(0, 0, img.width(), 1), Shade(s.textBgTop, 0.12));
    p.fillRect(QRectF(0, strip.height - 1, img.width(), 1), Shade(s.textBgBottom, -0.5));
    const QFont font = BoldFont(strip.family, strip.hint);
    const double edge = strip.height > 40 ? 2.6 : 2.0;
    for (int i = 0; i < n; ++i) {
        const QRectF cell(strip.glyphWidth * i, 0, strip.glyphWidth, strip.height);
        const QPainterPath glyph = FitGlyph(TextOutline(strip.characters.mid(i, 1), font), font, cell, strip.capHeight,
                                            strip.baseline, strip.glyphWidth - edge - 1);
        p.save();
        p.setClipRect(cell);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawPath(glyph.translated(1.2, 1.4));
        p.setPen(QPen(s.textEdge, edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyph);
        const double top = strip.baseline - strip.capHeight;
        QLinearGradient fill(0, top, 0, strip.baseline);
        fill.setColorAt(0, s.textTop);
        fill.setColorAt(0.45, Mix(s.textTop, s.textBottom, 0.35));
        fill.setColorAt(1, s.textBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(glyph);
        p.restore();
    }
    return img;
}

}  // namespace

SkinImages PaintSkin(const SkinStyle& s) {
    SkinImages out;
    out.tile = PaintTile(s);
    const QColor behind = AverageColour(out.tile);
    out.bricks = PaintBricks(s);
    out.icons = PaintIcons(s);
    out.pictograms = PaintPictograms(s, behind);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QString digits = QStringLiteral("0123456789");
    const QString signs = QStringLiteral("+-=:;\"$#@%()&!");
    const QString sans = QStringLiteral("Liberation Sans");
    using layout::FontAdvance, layout::FontHeight;
    out.font1 = PaintStrip(s, {FontAdvance[1], FontHeight[1], letters + digits + signs, sans, QFont::SansSerif, 17, 23.5});
    out.font2 = PaintStrip(s, {FontAdvance[2], FontHeight[2], letters, s.titleFamily, s.titleHint, 28, 35.5});
    out.font3 = PaintStrip(s, {FontAdvance[3], FontHeight[3], digits, sans, QFont::SansSerif, 18, 24});
    return out;
}

}  // namespace tesseron::assets
