// The screen the game plays on and the player's zoom setting: together they give the
// one zoom factor every window draws with. The game window follows its screen; the
// other windows take the factor anew each time they are shown.
#pragma once

#include "draw/Zoom.h"

#include <QList>
#include <QRect>

class QScreen;

namespace tesseron::display {

// The game's screen: the primary one until the game window is moved to another.
QScreen* Screen();
void SetScreen(QScreen* screen);
// The screen's area in window units; 640 x 480 when there is no screen at all.
QRect ScreenGeometry();

// The game's rectangle in window units: the screen when it plays full screen, the game
// window's inside when it plays in a window. The zoom, the layout and every window
// shown over the game take this one rectangle.
QRect GameRect();
bool Windowed();
// The game plays in a window whose inside is `inside`, or full screen again.
void PlayInWindow(const QRect& inside);
void PlayFullScreen();

// The smallest inside of a game window: 640 x 480 device pixels, in window units at `dpr`.
QSize MinimumWindow(qreal dpr);
// Where a window kept as `saved` opens again: as kept while at least a corner of it
// (64 x 64 units) lies on one of `screens`; otherwise, or when none was kept (an empty
// size), centred on `primary` (its free area) at the largest whole factor that fits
// with room for a title bar. Never smaller than MinimumWindow.
QRect WindowPlace(const QRect& saved, const QList<QRect>& screens, const QRect& primary, qreal dpr);
// The same on the desktop's screens of the moment.
QRect WindowPlace(const QRect& saved);

// 0 automatic, 1..8 that factor (capped to what fits).
int Setting();
void SetSetting(int setting);

// The factor and the zoomed game's rectangle as they are now.
zoom::Zoom Current();

}  // namespace tesseron::display
