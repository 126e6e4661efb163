#include "ui/WindowPaint.h"

#include <QPainter>
#include <QWindowStateChangeEvent>

namespace tesseron {

bool IsRestore(const QEvent* event, Qt::WindowStates now) {
    if (event->type() != QEvent::WindowStateChange) return false;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    return (change->oldState() & Qt::WindowMinimized) && !(now & Qt::WindowMinimized);
}

void PaintSurface(QWidget& widget, const Surface& surface, const QRegion& region) {
    QPainter painter(&widget);
    const QImage& image = surface.image();
    for (const QRect& r : region) {
        const QRect inside = r.intersected(image.rect());
        if (!inside.isEmpty()) painter.drawImage(inside, image, inside);
        for (const QRect& rest : QRegion(r).subtracted(QRegion(image.rect()))) painter.fillRect(rest, Qt::black);
    }
}

void RepaintFromBlank(QWidget& widget, Surface& surface, const std::function<void()>& paint) {
    // What was drawn while the window was hidden or covered never reached the screen.
    surface.Fill(QRect(0, 0, surface.width(), surface.height()), qRgb(0, 0, 0));
    if (paint) paint();
    const QRegion dirty = surface.TakeDirty();
    if (!dirty.isEmpty()) widget.update(dirty);
}

}  // namespace tesseron
