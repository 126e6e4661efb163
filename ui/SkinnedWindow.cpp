#include "ui/SkinnedWindow.h"

#include "draw/Layout.h"
#include "ui/Display.h"
#include "ui/WindowPaint.h"

#include <QKeyEvent>
#include <QPaintEvent>

namespace tesseron {

using namespace layout;

SkinnedWindow::SkinnedWindow(const Skin& skin, const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), skin_(skin) {
    setWindowTitle(title);
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    Rezoom();
}

void SkinnedWindow::Rezoom() {
    zoom_ = display::Current();
    const QSize zoomed = zoom_.Zoomed();
    surface.Resize(zoomed.width(), zoomed.height());
    controls.Apply(zoom_);
    resize(display::GameRect().size());
    if (ZoomedHandler) ZoomedHandler();
}

void SkinnedWindow::PaintBackground() {
    const int columns = surface.width() / TileStep + 1;
    const int rows = surface.height() / TileStep + 1;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) surface.Draw(skin_.BackgroundTile, QPoint(TileStep * i, TileStep * j));
}

void SkinnedWindow::DrawCloseIcon() {
    const Box from = BackIconRegion(CloseIconX);
    surface.Copy(skin_.citems, QRect(from.left, from.top, from.width(), from.height()),
                 QRect(CloseIcon.left, CloseIcon.top, CloseIcon.width(), CloseIcon.height()));
}

bool SkinnedWindow::TrackCloseHover(int x, int y) {
    const bool old = CloseHover;
    CloseHover = InCloseIcon(x, y);
    CloseIconX = CloseHover ? BackIconHighlighted : BackIconNormal;
    if (CloseHover == old) return false;
    DrawCloseIcon();
    Flush();
    return true;
}

void SkinnedWindow::ShowModal() {
    // The screen or the zoom may have changed since the window was last shown.
    Rezoom();
    // Over the whole screen, or over the game window's inside when the game plays in one.
    setGeometry(display::GameRect());
    if (display::Windowed())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
    exec();
    if (UncoverHandler) UncoverHandler();
}

void SkinnedWindow::Repaint() { RepaintFromBlank(*this, surface, FormPaintHandler, zoom_); }

void SkinnedWindow::Flush() {
    const QRegion dirty = surface.TakeDirty();
    if (!dirty.isEmpty()) update(zoom_.ToWindow(dirty));
}

void SkinnedWindow::paintEvent(QPaintEvent* event) { PaintSurface(*this, surface, event->region(), zoom_); }

void SkinnedWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Repaint();
}

// A hidden window is redrawn whole when shown again; until then it needs no pixels.
void SkinnedWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    surface.Release();
}

void SkinnedWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (IsRestore(event, windowState())) Repaint();
}

// Escape goes the way of the close icon, not QDialog's silent reject; other keys do nothing.
void SkinnedWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Escape && CloseHandler) CloseHandler();
}

}  // namespace tesseron
