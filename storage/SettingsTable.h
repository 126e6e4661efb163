// Every key of the settings file kelm.ini, declared once: its section, its name, the
// field of Settings that holds it, its type, its default and what the file may hold.
// The fields, reading, writing and the range checks all come from these rows; a new key
// is a row here, a case in tests/storage_settings_test.cpp and its owner's apply and collect.
#pragma once

#include "game/Limits.h"

#include <cstdint>
#include <limits>

namespace tesseron::storage {

// What the file may hold for a key, and what becomes of the rest.
struct Rule {
    int32_t lowest = std::numeric_limits<int32_t>::min();  // numbers only
    int32_t highest = std::numeric_limits<int32_t>::max();
    bool clamp = false;              // a number outside: the nearest bound, else the default
    bool inStartFolder = false;      // the default is a file name in the start-up folder
    bool writtenWhenChosen = false;  // left out of a file that lacks it while it is the default
};

namespace rule {
inline constexpr Rule Any{};
inline constexpr Rule Colours{.lowest = MinColors, .highest = MaxColors, .clamp = true};
inline constexpr Rule Interval{.lowest = MinInterval};
// Automatic is written only over a choice made before, so a file without the key keeps its bytes.
inline constexpr Rule ZoomSetting{.lowest = zoom::Automatic, .highest = zoom::MaxSetting, .writtenWhenChosen = true};
inline constexpr Rule StartFolderFile{.inStartFolder = true};
// The game's window is kept once the player has played in one; an old file plays full screen.
inline constexpr Rule WindowMode{.writtenWhenChosen = true};
// Beyond what X11 can place, a side or a corner is none: the window opens centred.
inline constexpr Rule WindowSide{.lowest = 0, .highest = 32767, .writtenWhenChosen = true};
inline constexpr Rule WindowCorner{.lowest = -32768, .highest = 32767, .writtenWhenChosen = true};
}  // namespace rule

// The shipped skin: the player's until another is chosen, and what takes the place of one that fails.
inline constexpr const char* DefaultSkinName = "Scoarching red.skn";

// X(section, key, field, type, default, rule), one row a key, in the order a new file
// gets them. SkinNumber is carried through unchanged; a zoom of 0 is automatic; a window
// width or height of 0 is no window kept (it opens centred). The window is its inside,
// in the desktop's units.
#define TESSERON_SETTINGS(X)                                                                   \
    X("Sound", "Music", Music, bool, false, rule::Any)                                         \
    X("Sound", "MisicFile", MisicFile, QString, "Music.mid", rule::Any)                        \
    X("Sound", "Sounds", Sounds, bool, true, rule::Any)                                        \
    X("Sound", "SndShootFile", SndShootFile, QString, "1.snd", rule::Any)                      \
    X("Sound", "SndExplodeFile", SndExplodeFile, QString, "2.snd", rule::Any)                  \
    X("Sound", "SndClickFile", SndClickFile, QString, "3.snd", rule::Any)                      \
    X("Sound", "SndApplauseFile", SndApplauseFile, QString, "4.snd", rule::Any)                \
    X("Sound", "SndOverFile", SndOverFile, QString, "5.snd", rule::Any)                        \
    X("Graphics", "GameSpeed", GameSpeed, int32_t, DefaultInterval, rule::Interval)            \
    X("Graphics", "DisappearSpeed", DisappearSpeed, int32_t, DefaultInterval, rule::Interval)  \
    X("Graphics", "Skin", SkinNumber, int32_t, 0, rule::Any)                                   \
    X("GameSettings", "NumberOfColors", NumberOfColors, int32_t, DefaultColors, rule::Colours) \
    X("Skin", "SkinFile", SkinFile, QString, DefaultSkinName, rule::StartFolderFile)           \
    X("Display", "Zoom", Zoom, int32_t, zoom::Automatic, rule::ZoomSetting)                    \
    X("Display", "FullScreen", FullScreen, bool, true, rule::WindowMode)                       \
    X("Display", "WindowLeft", WindowLeft, int32_t, 0, rule::WindowCorner)                     \
    X("Display", "WindowTop", WindowTop, int32_t, 0, rule::WindowCorner)                       \
    X("Display", "WindowWidth", WindowWidth, int32_t, 0, rule::WindowSide)                     \
    X("Display", "WindowHeight", WindowHeight, int32_t, 0, rule::WindowSide)

}  // namespace tesseron::storage
