// The player's settings as kept in the configuration file kelm.ini.
#pragma once

#include "IniFile.h"
#include "SettingsTable.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

namespace tesseron::storage {

// The messages below are the player's, translated by the window in the context
// "Storage"; `translate`, when given, looks up each text the functions put together.
using Translate = QString (*)(const char* text);

// Shown when the configuration file cannot be written; %s is the file name.
inline constexpr const char* MsgUnableToWrite = QT_TRANSLATE_NOOP("Storage", "Unable to write to %s");
QString UnableToWriteMessage(const QString& fileName, Translate translate = nullptr);

inline constexpr const char* SettingsFileName = "kelm.ini";

// One field a row of the table, named and typed there, holding the row's default.
struct Settings {
#define TESSERON_SETTINGS_FIELD(section, key, field, type, def, rule) type field = def;
    TESSERON_SETTINGS(TESSERON_SETTINGS_FIELD)
#undef TESSERON_SETTINGS_FIELD

    bool operator==(const Settings&) const = default;
};

// Every key with its default where missing or not a number; a number outside its
// row's range is mended by the row's rule. Defaults in the start-up folder are baseDir + name.
Settings ReadSettings(const IniFile& ini, const QString& baseDir);
// Every key in the table's order, which is the order a new file gets them.
void WriteSettings(IniFile& ini, const Settings& s);

// Told at start-up when the settings file is there but could not be read (why is
// neither Loaded nor Missing); %1 is the file's path.
QString UnreadableSettingsMessage(const QString& path, IniFile::LoadResult why, Translate translate = nullptr);

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
