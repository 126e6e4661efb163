// The one zoom factor of the program: every skin pixel is drawn as a k x k block of
// device pixels, and everything is laid out on the zoomed screen (device size / k).
// Windows speak in the desktop's own units, which are device pixels / dpr; these
// functions convert between the three.
#pragma once

#include "game/Limits.h"

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>

namespace tesseron::zoom {

// The smallest screen on which every window of the game fits.
constexpr int MinWidth = 640;
constexpr int MinHeight = 480;

// The largest whole k with k * 640 <= width and k * 480 <= height; never below 1.
int AutoFactor(QSize device);
// The setting's factor, capped to what fits; automatic for anything outside 1..MaxSetting.
int Factor(int setting, QSize device);

struct Zoom {
    int k = 1;
    qreal dpr = 1;  // the desktop's device pixels per unit of window coordinates
    QSize device;   // the screen in device pixels

    static Zoom Of(int setting, QSize screen, qreal dpr);
    // The screen the layout is computed on, in whole skin pixels: what is left over is
    // the margin, never half a skin pixel.
    QSize Zoomed() const { return {device.width() / k, device.height() / k}; }
    // Window units per skin pixel; a whole number only when the desktop is not scaled.
    qreal Scale() const { return k / dpr; }

    // A pointer position in window units to the skin pixel under it.
    QPoint ToLayout(QPointF window) const;
    // The window units that cover a rectangle of skin pixels, rounded outward.
    QRect ToWindow(const QRect& layout) const;
    QRegion ToWindow(const QRegion& layout) const;
    // A length in skin pixels as window units, rounded.
    int Length(int layout) const;
    // A font as large, in device pixels, as k times its size at 1x.
    QFont Font(const QFont& atOne) const;

    bool operator==(const Zoom&) const = default;
};

}  // namespace tesseron::zoom
