#include "ui/Display.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace tesseron::display {

namespace {

QPointer<QScreen> chosen;
int setting = zoom::Automatic;

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

int Setting() { return setting; }

void SetSetting(int value) { setting = value >= 1 && value <= zoom::MaxSetting ? value : zoom::Automatic; }

zoom::Zoom Current() {
    const QScreen* s = Screen();
    return zoom::Zoom::Of(setting, ScreenGeometry().size(), s ? s->devicePixelRatio() : 1.0);
}

}  // namespace tesseron::display
