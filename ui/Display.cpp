#include "ui/Display.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tesseron::display {

namespace {

QPointer<QScreen> chosen;
int setting = zoom::Automatic;
bool windowed = false;
QRect window;  // the game window's inside while it plays in one

// Enough of a window to take hold of it and drag it back.
constexpr int Grip = 64;
// A title bar and a frame the window manager adds around the inside.
constexpr int FrameRoom = 48;

qreal Dpr() {
    const QScreen* s = Screen();
    return s ? s->devicePixelRatio() : 1.0;
}

}  // namespace

QScreen* Screen() {
    // A screen that was unplugged is gone: the game goes on on the primary one.
    if (chosen) return chosen;
    return QGuiApplication::primaryScreen();
}

void SetScreen(QScreen* screen) { chosen = screen; }

QRect ScreenGeometry() {
    const QScreen* s = Screen();
    return s ? s->geometry() : QRect(0, 0, zoom::MinWidth, zoom::MinHeight);
}

QRect GameRect() { return windowed ? window : ScreenGeometry(); }

bool Windowed() { return windowed; }

void PlayInWindow(const QRect& inside) {
    windowed = true;
    window = inside;
}

void PlayFullScreen() { windowed = false; }

QSize MinimumWindow(qreal dpr) {
    if (dpr <= 0) dpr = 1;
    return {int(std::ceil(zoom::MinWidth / dpr - 1e-9)), int(std::ceil(zoom::MinHeight / dpr - 1e-9))};
}

QRect WindowPlace(const QRect& saved, const QList<QRect>& screens, const QRect& primary, qreal dpr) {
    const QSize least = MinimumWindow(dpr);
    if (saved.width() > 0 && saved.height() > 0) {
        const QRect kept(saved.topLeft(), saved.size().expandedTo(least));
        const QSize grip(std::min(Grip, kept.width()), std::min(Grip, kept.height()));
        for (const QRect& s : screens) {
            const QRect on = s.intersected(kept);
            // Never larger than the screen it is found on.
            if (on.width() >= grip.width() && on.height() >= grip.height())
                return QRect(kept.topLeft(), kept.size().boundedTo(s.size()).expandedTo(least));
        }
    }
    // A window that is new, or lost with its monitor: the whole game at the factor that fits.
    const zoom::Zoom fits = zoom::Zoom::Of(zoom::Automatic, primary.size() - QSize(0, FrameRoom), dpr);
    const QSize size = fits.ToWindow(QRect(0, 0, zoom::MinWidth, zoom::MinHeight)).size().expandedTo(least);
    return QRect(primary.x() + (primary.width() - size.width()) / 2, primary.y() + (primary.height() - size.height()) / 2,
                 size.width(), size.height());
}

QRect WindowPlace(const QRect& saved) {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect free = primary ? primary->availableGeometry() : QRect(0, 0, zoom::MinWidth, zoom::MinHeight);
    return WindowPlace(saved, screens, free, primary ? primary->devicePixelRatio() : 1.0);
}

int Setting() { return setting; }

void SetSetting(int value) { setting = value >= 1 && value <= zoom::MaxSetting ? value : zoom::Automatic; }

zoom::Zoom Current() { return zoom::Zoom::Of(setting, GameRect().size(), Dpr()); }

}  // namespace tesseron::display
