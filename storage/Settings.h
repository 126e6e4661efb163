// The player's settings as kept in the configuration file kelm.ini.
#pragma once

#include "IniFile.h"

#include <QString>

#include <cstdint>

namespace tesseron::storage {

// Shown when the configuration file cannot be written; %s is the file name.
inline constexpr const char* MsgUnableToWrite = "Unable to write to %s";
QString UnableToWriteMessage(const QString& fileName);

inline constexpr const char* SettingsFileName = "kelm.ini";
inline constexpr const char* DefaultSkinName = "Scoarching red.skn";

struct Settings {
    // [Sound]
    bool Music = false;
    QString MisicFile = QStringLiteral("Music.mid");
    bool Sounds = true;
    QString SndShootFile = QStringLiteral("1.snd");
    QString SndExplodeFile = QStringLiteral("2.snd");
    QString SndClickFile = QStringLiteral("3.snd");
    QString SndApplauseFile = QStringLiteral("4.snd");
    QString SndOverFile = QStringLiteral("5.snd");
    // [Graphics]
    int32_t GameSpeed = 50;       // step timer interval, ms
    int32_t DisappearSpeed = 50;  // sweep timer interval, ms
    int32_t SkinNumber = 0;       // key "Skin"; carried through unchanged
    // [GameSettings]
    int32_t NumberOfColors = 7;
    // [Skin]
    QString SkinFile;  // empty here; ReadSettings fills in baseDir + DefaultSkinName
    // [Display]
    int32_t Zoom = 0;  // 0 automatic, 1..8 that factor

    bool operator==(const Settings&) const = default;
};

// Every key with its default where missing or not a number. Numbers of colours
// outside 5..10 go to the nearest bound; intervals below 1 ms become 50 ms; a zoom
// outside 0..8 is automatic.
Settings ReadSettings(const IniFile& ini, const QString& baseDir);
// Every key, section by section in the file's order.
void WriteSettings(IniFile& ini, const Settings& s);

// Told at start-up when the settings file is there but could not be read (why is
// neither Loaded nor Missing); %1 is the file's path.
QString UnreadableSettingsMessage(const QString& path, IniFile::LoadResult why);

// $XDG_CONFIG_HOME/tesseron/kelm.ini, ~/.config/tesseron/kelm.ini when unset; empty
// when there is no home folder to put it in.
QString SettingsPath();

// Start-up: the file's settings, or the defaults when it is missing or could not be
// read; result, when given, says which.
Settings LoadSettingsFile(const QString& path, const QString& baseDir, IniFile::LoadResult* result = nullptr);
// Shutdown: rereads the file so that other sections and keys survive, writes
// every key and replaces the file. Failed: the old file is left as it was (also
// when the text would be too large to read back, or while writes are held).
// NotReplaced: the file is there but could not be read, so it is left alone.
IniFile::SaveResult SaveSettingsFile(const QString& path, const Settings& s);

}  // namespace tesseron::storage
