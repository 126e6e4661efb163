// The base of the full-screen windows drawn from the skin (hall of fame, options,
// help): its own surface, whose pixels are held only while the window is shown,
// the tiled background, the close icon with its hover state, modal showing on the
// game's screen, and a full redraw whenever the window becomes visible.
#pragma once

#include "draw/Skin.h"
#include "draw/Surface.h"
#include "draw/Zoom.h"
#include "ui/ControlZoom.h"

#include <QDialog>
#include <QRect>

#include <cstdint>
#include <functional>

namespace tesseron {

class SkinnedWindow : public QDialog {
public:
    SkinnedWindow(const Skin& skin, const QString& title, QWidget* parent = nullptr);

    // The zoom the window was last shown with; its surface is the zoomed screen.
    const zoom::Zoom& Zoom() const { return zoom_; }
    // Takes the game's current screen and zoom; the next repaint draws with them.
    void Rezoom();
    // A pointer position in window units as the skin pixel under it.
    QPoint ToLayout(QPointF window) const { return zoom_.ToLayout(window); }

    bool CloseHover = false;
    int32_t CloseIconX = 90;

    // What the close icon does, sound included; Escape does the same.
    std::function<void()> CloseHandler;
    // The window closed after ShowModal: what lay under it is uncovered.
    std::function<void()> UncoverHandler;
    // The window's own full redraw; run whenever the window becomes visible.
    std::function<void()> FormPaintHandler;
    // The ordinary controls on the window, zoomed with it.
    ControlZoom controls;
    // Run after a new zoom was taken, for controls placed from the window's size.
    std::function<void()> ZoomedHandler;

    // Tiles the background tile at 100-pixel steps over the whole window.
    void PaintBackground();
    // The back icon at the top-left corner, highlighted while CloseHover is set.
    void DrawCloseIcon();
    // Follows the pointer over the close icon; redraws it only when the hover changes.
    // Returns whether it changed.
    bool TrackCloseHover(int x, int y);

    // Shows the window full screen and waits until it is closed; UncoverHandler then
    // redraws the window that lay under it.
    void ShowModal();

    // Blank surface, then FormPaintHandler, then onto the screen.
    void Repaint();
    // Puts what was drawn since the last flush onto the screen.
    void Flush();

    Surface surface;

protected:
    const Skin& skin_;
    zoom::Zoom zoom_;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tesseron
