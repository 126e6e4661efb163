#include "ui/WindowPaint.h"

#include <QPainter>
#include <QWindowStateChangeEvent>

#include <cmath>

namespace tesseron {

bool IsRestore(const QEvent* event, Qt::WindowStates now) {
    if (event->type() != QEvent::WindowStateChange) return false;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    return (change->oldState() & Qt::WindowMinimized) && !(now & Qt::WindowMinimized);
}

void CopyToScreen(QPainter& painter, const QImage& image, const QRegion& region, const zoom::Zoom& zoom) {
    const int k = zoom.k;
    const qreal dpr = zoom.dpr;
    // Drawn in device pixels, so that a scaled desktop never splits a skin pixel.
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect whole(0, 0, image.width() * k, image.height() * k);
    for (const QRect& r : region) {
        const int left = int(std::floor(r.left() * dpr)), top = int(std::floor(r.top() * dpr));
        const QRect device(left, top, int(std::ceil((r.right() + 1) * dpr)) - left, int(std::ceil((r.bottom() + 1) * dpr)) - top);
        const QRect inside = device.intersected(whole);
        if (!inside.isEmpty()) {
            // Whole skin pixels only; the painter's clip keeps the blocks inside the region.
            const QRect from(QPoint(inside.left() / k, inside.top() / k), QPoint(inside.right() / k, inside.bottom() / k));
            const QRect to(from.topLeft() * k, from.size() * k);
            painter.drawImage(to, image, from);
        }
        for (const QRect& rest : QRegion(device).subtracted(QRegion(whole))) painter.fillRect(rest, Qt::black);
    }
    painter.restore();
}

void PaintSurface(QWidget& widget, const Surface& surface, const QRegion& region, const zoom::Zoom& zoom) {
    QPainter painter(&widget);
    CopyToScreen(painter, surface.image(), region, zoom);
}

void RepaintFromBlank(QWidget& widget, Surface& surface, const std::function<void()>& paint, const zoom::Zoom& zoom) {
    // What was drawn while the window was hidden or covered never reached the screen.
    surface.Fill(QRect(0, 0, surface.width(), surface.height()), qRgb(0, 0, 0));
    if (paint) paint();
    const QRegion dirty = surface.TakeDirty();
    if (!dirty.isEmpty()) widget.update(zoom.ToWindow(dirty));
}

}  // namespace tesseron
