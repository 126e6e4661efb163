#include "draw/Zoom.h"

#include <algorithm>
#include <cmath>

namespace tesseron::zoom {

namespace {

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

int AutoFactor(QSize device) { return std::max(1, std::min(device.width() / MinWidth, device.height() / MinHeight)); }

int Factor(int setting, QSize device) {
    const int fits = AutoFactor(device);
    if (setting < 1 || setting > MaxSetting) return fits;
    return std::min(setting, fits);
}

Zoom Zoom::Of(int setting, QSize screen, qreal dpr) {
    Zoom z;
    z.dpr = dpr > 0 ? dpr : 1;
    // The desktop's scale is undone first: the factor counts device pixels.
    z.device = QSize(qRound(screen.width() * z.dpr), qRound(screen.height() * z.dpr));
    z.k = Factor(setting, z.device);
    return z;
}

QPoint Zoom::ToLayout(QPointF window) const {
    // A pointer sits on a whole device pixel; rounding undoes the division by dpr.
    const int x = int(std::lround(window.x() * dpr)), y = int(std::lround(window.y() * dpr));
    return {FloorDiv(x, k), FloorDiv(y, k)};
}

QRect Zoom::ToWindow(const QRect& layout) const {
    if (layout.isEmpty()) return {};
    // Through whole device pixels, so that a factor that is a whole number stays exact.
    const auto down = [this](int skin) { return int(std::floor(skin * k / dpr + 1e-9)); };
    const auto up = [this](int skin) { return int(std::ceil(skin * k / dpr - 1e-9)); };
    const int left = down(layout.left()), top = down(layout.top());
    return QRect(left, top, up(layout.right() + 1) - left, up(layout.bottom() + 1) - top);
}

QRegion Zoom::ToWindow(const QRegion& layout) const {
    if (k == 1 && dpr == 1) return layout;
    QRegion window;
    for (const QRect& r : layout) window += ToWindow(r);
    return window;
}

int Zoom::Length(int layout) const { return int(std::lround(layout * Scale())); }

QFont Zoom::Font(const QFont& atOne) const {
    QFont f = atOne;
    if (atOne.pixelSize() > 0)
        f.setPixelSize(std::max(1, Length(atOne.pixelSize())));
    else if (atOne.pointSizeF() > 0)
        f.setPointSizeF(atOne.pointSizeF() * Scale());
    return f;
}

}  // namespace tesseron::zoom
