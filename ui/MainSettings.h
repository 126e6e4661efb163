// The game window's keys of the settings file: the two timers' intervals, the number
// of colours, the zoom, and full screen or the window.
#pragma once

#include "storage/Settings.h"
#include "ui/UMain.h"

namespace tesseron {

inline void ApplyMainSettings(TMain& main, const storage::Settings& s) {
    main.SetSpeeds(s.GameSpeed, s.DisappearSpeed);
    main.SetColours(s.NumberOfColors);
    main.SetZoomSetting(s.Zoom);
    main.SetWindowMode(s.FullScreen, QRect(s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight));
}

inline void CollectMainSettings(const TMain& main, storage::Settings& s) {
    s.GameSpeed = main.GameSpeed();
    s.DisappearSpeed = main.DisappearSpeed();
    s.NumberOfColors = main.Colours();
    s.Zoom = main.ZoomSetting();
    s.FullScreen = main.FullScreenMode();
    // A window never played in keeps what the file held.
    if (const QRect w = main.WindowRect(); !w.isEmpty()) {
        s.WindowLeft = w.x();
        s.WindowTop = w.y();
        s.WindowWidth = w.width();
        s.WindowHeight = w.height();
    }
}

}  // namespace tesseron
