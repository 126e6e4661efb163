#include "assets/Paint.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tesseron::assets {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// Gradient noise: a unit gradient per lattice point, quintic blend. Unlike plain value
// noise it shows no creases along the lattice lines.
static double Gradient(int ix, int iy, double dx, double dy, int period, uint32_t seed) {
    const int px = ((ix % period) + period) % period;
    const int py = ((iy % period) + period) % period;
    const double a = (Hash(uint32_t(px), uint32_t(py), seed) & 0xffffu) / 65536.0 * 6.283185307179586;
    return std::cos(a) * dx + std::sin(a) * dy;
}

double PeriodicNoise(double x, double y, int period, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double dx = x - fx, dy = y - fy;
    auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double u = fade(dx), v = fade(dy);
    const double a = Gradient(ix, iy, dx, dy, period, seed);
    const double b = Gradient(ix + 1, iy, dx - 1, dy, period, seed);
    const double c = Gradient(ix, iy + 1, dx, dy - 1, period, seed);
    const double d = Gradient(ix + 1, iy + 1, dx - 1, dy - 1, period, seed);
    const double top = a + (b - a) * u, bottom = c + (d - c) * u;
    return std::clamp(0.5 + 0.75 * (top + (bottom - top) * v), 0.0, 1.0);
}

double TileFbm(double x, double y, int basePeriod, int octaves, uint32_t seed) {
    double sum = 0, weight = 0, amp = 1;
    int period = basePeriod;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * PeriodicNoise(x * period, y * period, period, seed + 977u * uint32_t(o));
        weight += amp;
        amp *= 0.5;
        period *= 2;
    }
    return sum / weight;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()), lerp(a.alpha(), b.alpha()));
}

QColor Shade(const QColor& c, double f) {
    return f >= 0 ? Mix(c, QColor(255, 255, 255, c.alpha()), f) : Mix(c, QColor(0, 0, 0, c.alpha()), -f);
}

QColor WithAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

double Luma(const QColor& c) { return (0.2126 * c.red() + 0.7152 * c.green() + 0.0722 * c.blue()) / 255.0; }

QFont BoldFont(const QString& family, QFont::StyleHint hint) {
    // Without the wanted family, take a well-known face of the same kind before leaving
    // the choice to fontconfig, which may pick a symbol or math face.
    static QHash<QString, QString> chosen;
    if (!chosen.contains(family)) {
        const QStringList installed = QFontDatabase::families();
        const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans"),
                                  QStringLiteral("Arial")};
        const QStringList serif = {QStringLiteral("DejaVu Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("FreeSerif"),
                                   QStringLiteral("Times New Roman")};
        QString pick = family;
        if (!installed.contains(family))
            for (const QString& f : hint == QFont::Serif ? serif : sans)
                if (installed.contains(f)) {
                    pick = f;
                    break;
                }
        chosen.insert(family, pick);
    }
    QFont f(chosen.value(family));
    f.setStyleHint(hint, QFont::PreferOutline);
    f.setBold(true);
    f.setPixelSize(200);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath TextOutline(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    for (const QChar c : text)
        if (!c.isSpace() && !metrics.inFont(c))
            throw std::runtime_error("the font \"" + QFontInfo(font).family().toStdString() + "\" has no glyph for \"" +
                                     QString(c).toStdString() + "\"");
    QPainterPath path;
    path.addText(0, 0, font, text);
    if (path.isEmpty() && !text.trimmed().isEmpty())
        throw std::runtime_error("no font outlines for \"" + text.toStdString() + "\"");
    return path;
}

QPainterPath FitGlyph(const QPainterPath& outline, const QFont& font, const QRectF& cell, double capHeight, double baseline,
                      double maxWidth) {
    const double refCap = std::max(1.0, -TextOutline(QStringLiteral("H"), font).boundingRect().top());
    double s = capHeight / refCap;
    const QRectF b = outline.boundingRect();
    const double sx = b.width() * s > maxWidth ? maxWidth / (b.width() * s) : 1.0;
    QTransform t;
    t.translate(cell.left() + cell.width() / 2, cell.top() + baseline);
    t.scale(s * sx, s);
    t.translate(-b.center().x(), 0);
    QPainterPath placed = t.map(outline);
    // Signs that reach far below or above (parentheses, dollar) shrink to stay inside.
    const QRectF inner = cell.adjusted(1, 1, -1, -1);
    const QRectF pb = placed.boundingRect();
    if (!inner.contains(pb)) {
        const double k = std::min({1.0, inner.height() / pb.height(), inner.width() / pb.width()});
        QTransform fit;
        fit.translate(inner.center().x(), inner.center().y());
        fit.scale(k, k);
        fit.translate(-pb.center().x(), -pb.center().y());
        placed = fit.map(placed);
    }
    return placed;
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& box) {
    const QRectF b = path.boundingRect();
    const double k = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(k, k);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

QImage Canvas(int width, int height, const QColor& fill) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void SetupPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void Bevel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom, const QColor& rimLight,
           const QColor& rimDark) {
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(r, radius, radius);
    QLinearGradient rim(r.topLeft(), r.bottomRight());
    rim.setColorAt(0, rimLight);
    rim.setColorAt(0.5, WithAlpha(rimLight, 0));
    rim.setColorAt(0.5001, WithAlpha(rimDark, 0));
    rim.setColorAt(1, rimDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), 1.5));
    p.drawRoundedRect(r.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
}

QColor AverageColour(const QImage& img) {
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    const double n = double(rgb.width()) * rgb.height();
    return QColor(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)));
}

void SaveBmp(const QImage& img, const QString& path) {
    // RGB888 makes the writer emit 24 bits a pixel, the common Windows bitmap form.
    const QImage out = img.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(path, "bmp");
    if (!writer.write(out))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

QPainterPath Poly(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    QPolygonF poly(pts);
    poly << poly.first();
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

}  // namespace tesseron::assets
