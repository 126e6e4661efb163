// Ranges and defaults that the engine, the drawing, the files, the settings and the
// windows all rely on, so that each is written once.
#pragma once

namespace tesseron {

// Colours in play: the engine, the options strip, the saved-game slots and the
// high-score groups each have one place per count.
constexpr int MinColors = 5;
constexpr int MaxColors = 10;
constexpr int DefaultColors = 7;

// The step and sweep timers' intervals in ms.
constexpr int MinInterval = 1;
constexpr int DefaultInterval = 50;

}  // namespace tesseron

namespace tesseron::zoom {

// The zoom setting: 0 chooses the factor by itself, 1..MaxSetting ask for that one.
constexpr int Automatic = 0;
constexpr int MaxSetting = 8;

}  // namespace tesseron::zoom
