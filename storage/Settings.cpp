#include "Settings.h"

#include "Folders.h"

#include <algorithm>

namespace tesseron::storage {

namespace {
const QString Sound = QStringLiteral("Sound");
const QString Graphics = QStringLiteral("Graphics");
const QString GameSettings = QStringLiteral("GameSettings");
const QString Skin = QStringLiteral("Skin");

int32_t Interval(int32_t ms) { return ms < 1 ? 50 : ms; }
}  // namespace

QString UnableToWriteMessage(const QString& fileName) {
    QString text = QString::fromLatin1(MsgUnableToWrite);
    return text.replace(QStringLiteral("%s"), fileName);
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
}

QString SettingsPath() {
    const QString base = ConfigFolder();
    return base.isEmpty() ? QString() : base + QStringLiteral("/tesseron/") + QString::fromLatin1(SettingsFileName);
}

Settings LoadSettingsFile(const QString& path, const QString& baseDir) {
    IniFile ini;
    ini.Load(path);  // a missing or unreadable file leaves the store empty: all defaults
    return ReadSettings(ini, baseDir);
}

IniFile::SaveResult SaveSettingsFile(const QString& path, const Settings& s) {
    if (path.isEmpty()) return IniFile::SaveResult::Failed;
    IniFile ini;
    ini.Load(path);
    WriteSettings(ini, s);
    return ini.Save(path);
}

}  // namespace tesseron::storage
