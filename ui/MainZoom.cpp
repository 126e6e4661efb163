// The game window's zoom: the factor, the layout on the zoomed screen, and a change
// of screen or of the player's setting.
#include "ui/UMain.h"

#include "ui/Display.h"

#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QWindow>

namespace tesseron {

using namespace layout;

// --- Zoom --------------------------------------------------------------------

void TMain::Place() {
    screen_ = display::GameRect();
    zoom_ = display::Current();
    // The described layout, computed on the zoomed screen.
    const QSize zoomed = zoom_.Zoomed();
    FieldLeft = FieldOffset(zoomed.width());
    FieldTop = FieldOffset(zoomed.height());
    view.FieldLeft = FieldLeft;
    view.FieldTop = FieldTop;
    surface.Resize(zoomed.width(), zoomed.height());
    // In a window the window's size is the player's: the layout follows it, not the other way.
    // Full screen already, it fills the screen by itself: a new size would end full screen.
    if (!windowed_ && !isFullScreen()) resize(screen_.size());

    const auto at = [this](int x, int y) { return zoom_.ToWindow(QRect(x, y, 1, 1)).topLeft(); };
    lblTime->setFont(zoom_.Font(timeFont_));
    lblTime->move(at(ClockLabel.x, ClockLabel.y));
    lblTime->adjustSize();
    Scor->setFont(zoom_.Font(scoreFont_));
    Scor->move(at(FieldLeft + ScoreLabel.x, FieldTop + ScoreLabel.y));
    Scor->adjustSize();
    loadsave->setFont(zoom_.Font(menuFont_));
}

void TMain::Rezoom() {
    const bool fullScreen = isFullScreen();
    Place();
    if (ZoomedHandler) ZoomedHandler();
    if (!isVisible()) return;  // the next showing draws everything
    // On a screen of another scale the least window is as many device pixels as before.
    if (windowed_) setMinimumSize(display::MinimumWindow(zoom_.dpr));
    if (!windowed_) {
        setGeometry(screen_);
        // A new geometry ends full screen; asked for again, it fills the screen of the moment.
        if (fullScreen) showFullScreen();
    }
    Uncover();
}

int TMain::ZoomSetting() const { return display::Setting(); }

void TMain::SetZoomSetting(int setting) {
    display::SetSetting(setting);
    if (display::Current() != zoom_) Rezoom();
}

void TMain::ZoomKey(int key) {
    const int fits = zoom::AutoFactor(zoom_.device);
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // the plus key without Shift
        SetZoomSetting(std::min(zoom_.k + 1, fits));
        break;
    case Qt::Key_Minus: SetZoomSetting(std::max(zoom_.k - 1, 1)); break;
    case Qt::Key_0: SetZoomSetting(zoom::Automatic); break;
    default: break;
    }
}

void TMain::WatchWindow() {
    QWindow* window = windowHandle();
    if (!window || window == watchedWindow_) return;
    disconnect(windowMoved_);
    watchedWindow_ = window;
    // Moved to another screen: the game follows it there.
    windowMoved_ = connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
        WatchScreen(screen);
        Rezoom();
    });
}

void TMain::WatchScreen(QScreen* screen) {
    disconnect(screenResized_);
    if (!screen) return;
    display::SetScreen(screen);
    // A new resolution, or another monitor's, is laid out and drawn anew.
    screenResized_ = connect(screen, &QScreen::geometryChanged, this, [this] { Rezoom(); });
}

}  // namespace tesseron
