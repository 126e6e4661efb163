// The repaint rule shared by the game window and the full-screen windows: a surface
// copied to the screen, redrawn whole whenever the window becomes visible again.
#pragma once

#include "draw/Surface.h"
#include "draw/Zoom.h"

#include <QEvent>
#include <QRegion>
#include <QWidget>

#include <functional>

class QPainter;

namespace tesseron {

// A window-state change that brings a minimised window back.
bool IsRestore(const QEvent* event, Qt::WindowStates now);
// Copies the part of a surface under `region` (window units) onto a painter, every
// surface pixel a k x k block of device pixels; outside the surface it is black.
void CopyToScreen(QPainter& painter, const QImage& image, const QRegion& region, const zoom::Zoom& zoom);
void PaintSurface(QWidget& widget, const Surface& surface, const QRegion& region, const zoom::Zoom& zoom);
// Redraws a window that was covered and shows it whole: a blank surface, then `paint`.
void RepaintFromBlank(QWidget& widget, Surface& surface, const std::function<void()>& paint, const zoom::Zoom& zoom);

}  // namespace tesseron
