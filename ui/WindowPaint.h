// The repaint rule shared by the game window and the full-screen windows: a surface
// copied to the screen, redrawn whole whenever the window becomes visible again.
#pragma once

#include "draw/Surface.h"

#include <QEvent>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace tesseron {

// A window-state change that brings a minimised window back.
bool IsRestore(const QEvent* event, Qt::WindowStates now);
// Copies the marked part of a surface onto a widget; outside the surface it is black.
void PaintSurface(QWidget& widget, const Surface& surface, const QRegion& region);
// Redraws a window that was covered and shows it whole: a blank surface, then `paint`.
void RepaintFromBlank(QWidget& widget, Surface& surface, const std::function<void()>& paint);

}  // namespace tesseron
