// The screen the game plays on and the player's zoom setting: together they give the
// one zoom factor every window draws with. The game window follows its screen; the
// other windows take the factor anew each time they are shown.
#pragma once

#include "draw/Zoom.h"

#include <QRect>

class QScreen;

namespace tesseron::display {

// The game's screen: the primary one until the game window is moved to another.
QScreen* Screen();
void SetScreen(QScreen* screen);
// The screen's area in window units; 640 x 480 when there is no screen at all.
QRect ScreenGeometry();

// 0 automatic, 1..8 that factor (capped to what fits).
int Setting();
void SetSetting(int setting);

// The factor and the zoomed screen as they are now.
zoom::Zoom Current();

}  // namespace tesseron::display
