// The game window full screen or in an ordinary window: F11 and the window manager's
// own toggle switch, and in a window its inside is the game's rectangle, laid out anew
// whenever its size changes.
#include "ui/UMain.h"

#include "ui/Display.h"

#include <QMoveEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace tesseron {

QRect TMain::WindowRect() const { return windowRect_; }

void TMain::SetWindowMode(bool fullScreen, const QRect& window) {
    windowRect_ = window;
    if (!fullScreen)
        EnterWindow();
    else if (windowed_ && isVisible())
        ShowFullScreen();
    else if (windowed_)
        EnterFullScreen();
}

void TMain::ShowGame() {
    if (!windowed_) return ShowFullScreen();
    show();
    raise();
    TakeFocus();
}

void TMain::ToggleWindowMode() {
    if (windowed_)
        ShowFullScreen();
    else
        EnterWindow();
}

void TMain::EnterWindow() {
    const bool shown = isVisible();
    // A window lost with its monitor, or never kept, opens centred on the primary screen.
    windowRect_ = display::WindowPlace(windowRect_);
    windowed_ = true;
    display::PlayInWindow(windowRect_);
    // Mapped anew, decorated and resizable: asked to leave full screen while shown, the window
    // manager would put back the size it had before, over the one given here.
    if (shown) hide();
    setWindowFlag(Qt::FramelessWindowHint, false);
    setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    setMinimumSize(display::MinimumWindow(display::Current().dpr));
    setGeometry(windowRect_);
    Place();
    if (ZoomedHandler) ZoomedHandler();
    if (shown) ShowGame();
}

void TMain::EnterFullScreen() {
    windowed_ = false;
    display::PlayFullScreen();
    setMinimumSize(0, 0);
    // The frame stays: a new one would hide the window, and the window manager would report
    // that as full screen dropped. A full-screen window has no decoration either way.
    Place();
    if (ZoomedHandler) ZoomedHandler();
    // Shown all along: laid out for the screen, it is drawn anew for it.
    if (isVisible()) RepaintWhole();
}

void TMain::FollowWindowState(QEvent* event) {
    // Only the window manager's own changes are followed: the window's are its mode already.
    if (event->type() != QEvent::WindowStateChange || !event->spontaneous()) return;
    const Qt::WindowStates was = static_cast<QWindowStateChangeEvent*>(event)->oldState(), now = windowState();
    // A minimise passes through states without full screen; only a shown window's change counts.
    if ((was | now) & Qt::WindowMinimized) return;
    if (bool(was & Qt::WindowFullScreen) == bool(now & Qt::WindowFullScreen)) return;
    // Once the report is over: the switch makes the platform window anew.
    QTimer::singleShot(0, this, [this] {
        const Qt::WindowStates state = windowState();
        if (!isVisible() || (state & Qt::WindowMinimized)) return;
        if (windowed_ && (state & Qt::WindowFullScreen)) {
            // Already full screen: a geometry of its own now would take it out again.
            EnterFullScreen();
        } else if (!windowed_ && !(state & Qt::WindowFullScreen))
            EnterWindow();
    });
}

void TMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (windowed_) FollowWindowSize();
}

void TMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!windowed_) return;
    display::PlayInWindow(geometry());
    screen_ = geometry();
    if (windowState() == Qt::WindowNoState) windowRect_ = geometry();
}

void TMain::FollowWindowSize() {
    display::PlayInWindow(geometry());
    // A maximised window goes back to the size the player gave it.
    if (windowState() == Qt::WindowNoState) windowRect_ = geometry();
    if (size() == screen_.size()) {
        screen_ = geometry();
        return;
    }
    Place();
    if (ZoomedHandler) ZoomedHandler();
    if (!isVisible()) return;
    // Every pixel anew, the margins beyond the zoomed surface included.
    RepaintWhole();
    update();
}

}  // namespace tesseron
