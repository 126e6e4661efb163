#include "Settings.h"

#include "Folders.h"
#include "WriteHold.h"

#include <algorithm>

namespace tesseron::storage {

namespace {
const QString Sound = QStringLiteral("Sound");
const QString Graphics = QStringLiteral("Graphics");
const QString GameSettings = QStringLiteral("GameSettings");
const QString Skin = QStringLiteral("Skin");
const QString Display = QStringLiteral("Display");

int32_t Interval(int32_t ms) { return ms < 1 ? 50 : ms; }
}  // namespace

QString UnableToWriteMessage(const QString& fileName) {
    QString text = QString::fromLatin1(MsgUnableToWrite);
    return text.replace(QStringLiteral("%s"), fileName);
}

QString UnreadableSettingsMessage(const QString& path, IniFile::LoadResult why) {
    const char* reason = "there is no permission to read it, or reading it failed";
    if (why == IniFile::LoadResult::TooLarge) reason = "it is larger than 1 MiB";
    if (why == IniFile::LoadResult::NotAFile) reason = "it is not a regular file";
    return QStringLiteral("The settings file %1 could not be read (%2). Tesseron plays with the default settings "
                          "and leaves the file as it is.")
        .arg(path, QLatin1String(reason));
}

Settings ReadSettings(const IniFile& ini, const QString& baseDir) {
    const Settings d;
    Settings s;
    s.Music = ini.ReadBool(Sound, QStringLiteral("Music"), d.Music);
    s.MisicFile = ini.ReadString(Sound, QStringLiteral("MisicFile"), d.MisicFile);
    s.Sounds = ini.ReadBool(Sound, QStringLiteral("Sounds"), d.Sounds);
    s.SndShootFile = ini.ReadString(Sound, QStringLiteral("SndShootFile"), d.SndShootFile);
    s.SndExplodeFile = ini.ReadString(Sound, QStringLiteral("SndExplodeFile"), d.SndExplodeFile);
    s.SndClickFile = ini.ReadString(Sound, QStringLiteral("SndClickFile"), d.SndClickFile);
    s.SndApplauseFile = ini.ReadString(Sound, QStringLiteral("SndApplauseFile"), d.SndApplauseFile);
    s.SndOverFile = ini.ReadString(Sound, QStringLiteral("SndOverFile"), d.SndOverFile);
    s.GameSpeed = Interval(ini.ReadInteger(Graphics, QStringLiteral("GameSpeed"), d.GameSpeed));
    s.DisappearSpeed = Interval(ini.ReadInteger(Graphics, QStringLiteral("DisappearSpeed"), d.DisappearSpeed));
    s.SkinNumber = ini.ReadInteger(Graphics, QStringLiteral("Skin"), d.SkinNumber);
    s.NumberOfColors = std::clamp(ini.ReadInteger(GameSettings, QStringLiteral("NumberOfColors"), d.NumberOfColors), 5, 10);
    s.SkinFile = ini.ReadString(Skin, QStringLiteral("SkinFile"), baseDir + QString::fromLatin1(DefaultSkinName));
    s.Zoom = ini.ReadInteger(Display, QStringLiteral("Zoom"), d.Zoom);
    if (s.Zoom < 0 || s.Zoom > 8) s.Zoom = d.Zoom;
    return s;
}

void WriteSettings(IniFile& ini, const Settings& s) {
    ini.WriteBool(Sound, QStringLiteral("Music"), s.Music);
    ini.WriteString(Sound, QStringLiteral("MisicFile"), s.MisicFile);
    ini.WriteBool(Sound, QStringLiteral("Sounds"), s.Sounds);
    ini.WriteString(Sound, QStringLiteral("SndShootFile"), s.SndShootFile);
    ini.WriteString(Sound, QStringLiteral("SndExplodeFile"), s.SndExplodeFile);
    ini.WriteString(Sound, QStringLiteral("SndClickFile"), s.SndClickFile);
    ini.WriteString(Sound, QStringLiteral("SndApplauseFile"), s.SndApplauseFile);
    ini.WriteString(Sound, QStringLiteral("SndOverFile"), s.SndOverFile);
    ini.WriteInteger(Graphics, QStringLiteral("GameSpeed"), s.GameSpeed);
    ini.WriteInteger(Graphics, QStringLiteral("DisappearSpeed"), s.DisappearSpeed);
    ini.WriteInteger(Graphics, QStringLiteral("Skin"), s.SkinNumber);
    ini.WriteInteger(GameSettings, QStringLiteral("NumberOfColors"), s.NumberOfColors);
    ini.WriteString(Skin, QStringLiteral("SkinFile"), s.SkinFile);
    // Automatic is written only over a choice made before: a file without the key keeps its bytes.
    const QString absent = QStringLiteral("\x01");
    if (s.Zoom != 0 || ini.ReadString(Display, QStringLiteral("Zoom"), absent) != absent)
        ini.WriteInteger(Display, QStringLiteral("Zoom"), s.Zoom);
}

QString SettingsPath() {
    const QString base = ConfigFolder();
    return base.isEmpty() ? QString() : base + QStringLiteral("/tesseron/") + QString::fromLatin1(SettingsFileName);
}

Settings LoadSettingsFile(const QString& path, const QString& baseDir, IniFile::LoadResult* result) {
    IniFile ini;
    // A file that is missing or could not be read leaves the store empty: all defaults.
    const IniFile::LoadResult read = path.isEmpty() ? IniFile::LoadResult::Missing : ini.Load(path);
    if (result) *result = read;
    return ReadSettings(ini, baseDir);
}

IniFile::SaveResult SaveSettingsFile(const QString& path, const Settings& s) {
    if (path.isEmpty() || WritesHeld()) return IniFile::SaveResult::Failed;
    IniFile ini;
    const IniFile::LoadResult read = ini.Load(path);
    if (read != IniFile::LoadResult::Loaded && read != IniFile::LoadResult::Missing) return IniFile::SaveResult::NotReplaced;
    WriteSettings(ini, s);
    return ini.Save(path);
}

}  // namespace tesseron::storage
