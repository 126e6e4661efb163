// The game window's keys of the settings file: the two timers' intervals, the number
// of colours and the zoom.
#pragma once

#include "storage/Settings.h"
#include "ui/UMain.h"

namespace tesseron {

inline void ApplyMainSettings(TMain& main, const storage::Settings& s) {
    main.SetSpeeds(s.GameSpeed, s.DisappearSpeed);
    main.SetColours(s.NumberOfColors);
    main.SetZoomSetting(s.Zoom);
}

inline void CollectMainSettings(const TMain& main, storage::Settings& s) {
    s.GameSpeed = main.GameSpeed();
    s.DisappearSpeed = main.DisappearSpeed();
    s.NumberOfColors = main.Colours();
    s.Zoom = main.ZoomSetting();
}

}  // namespace tesseron
