#include "Settings.h"

#include "Folders.h"
#include "WriteHold.h"

#include <algorithm>
#include <variant>

namespace tesseron::storage {

namespace {

// A row of the table with the field it fills.
struct Row {
    const char* section;
    const char* key;
    std::variant<bool Settings::*, int32_t Settings::*, QString Settings::*> field;
    Rule rule;
};

const Row Rows[] = {
#define TESSERON_SETTINGS_ROW(section, key, field, type, def, rule) {section, key, &Settings::field, rule},
    TESSERON_SETTINGS(TESSERON_SETTINGS_ROW)
#undef TESSERON_SETTINGS_ROW
};

QString Section(const Row& r) { return QString::fromLatin1(r.section); }
QString Key(const Row& r) { return QString::fromLatin1(r.key); }

void Read(const IniFile& ini, const Row& r, bool& value, bool def, const QString&) {
    value = ini.ReadBool(Section(r), Key(r), def);
}

void Read(const IniFile& ini, const Row& r, int32_t& value, int32_t def, const QString&) {
    value = ini.ReadInteger(Section(r), Key(r), def);
    if (value < r.rule.lowest || value > r.rule.highest)
        value = r.rule.clamp ? std::clamp(value, r.rule.lowest, r.rule.highest) : def;
}

void Read(const IniFile& ini, const Row& r, QString& value, const QString& def, const QString& baseDir) {
    value = ini.ReadString(Section(r), Key(r), r.rule.inStartFolder ? baseDir + def : def);
}

void Write(IniFile& ini, const Row& r, bool value) { ini.WriteBool(Section(r), Key(r), value); }
void Write(IniFile& ini, const Row& r, int32_t value) { ini.WriteInteger(Section(r), Key(r), value); }
void Write(IniFile& ini, const Row& r, const QString& value) { ini.WriteString(Section(r), Key(r), value); }

bool InFile(const IniFile& ini, const Row& r) {
    const QString absent = QStringLiteral("\x01");
    return ini.ReadString(Section(r), Key(r), absent) != absent;
}

}  // namespace

namespace {
QString English(const char* text) { return QString::fromLatin1(text); }
}  // namespace

QString UnableToWriteMessage(const QString& fileName, Translate translate) {
    QString text = (translate ? translate : English)(MsgUnableToWrite);
    return text.replace(QStringLiteral("%s"), fileName);
}

QString UnreadableSettingsMessage(const QString& path, IniFile::LoadResult why, Translate translate) {
    if (!translate) translate = English;
    const char* reason = QT_TRANSLATE_NOOP("Storage", "there is no permission to read it, or reading it failed");
    if (why == IniFile::LoadResult::TooLarge) reason = QT_TRANSLATE_NOOP("Storage", "it is larger than 1 MiB");
    if (why == IniFile::LoadResult::NotAFile) reason = QT_TRANSLATE_NOOP("Storage", "it is not a regular file");
    return translate(QT_TRANSLATE_NOOP("Storage",
                                       "The settings file %1 could not be read (%2). Tesseron plays with the default "
                                       "settings and leaves the file as it is."))
        .arg(path, translate(reason));
}

Settings ReadSettings(const IniFile& ini, const QString& baseDir) {
    const Settings d;
    Settings s;
    for (const Row& r : Rows) std::visit([&](auto field) { Read(ini, r, s.*field, d.*field, baseDir); }, r.field);
    return s;
}

void WriteSettings(IniFile& ini, const Settings& s) {
    const Settings d;
    for (const Row& r : Rows)
        std::visit(
            [&](auto field) {
                if (!r.rule.writtenWhenChosen || s.*field != d.*field || InFile(ini, r)) Write(ini, r, s.*field);
            },
            r.field);
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
