// Every key of kelm.ini through a real file: its default when the file lacks it, a
// value in its range back as written, a value outside mended, and a new file's bytes.
#include "storage/IniFile.h"
#include "storage/Settings.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace tesseron::storage;

namespace {

constexpr const char* Absent = "<absent>";
constexpr const char* DefaultSkin = "<base>Scoarching red.skn";

// A key, what a quit writes when the file lacks it (Absent: nothing), and pairs of a
// value in the file and what the quit after it writes back (a number written another
// way stays as it is while its value does not change).
struct KeyCase {
    const char* section;
    const char* key;
    const char* missing;
    std::vector<std::pair<const char*, const char*>> values;
};

// In the order a new file gets them.
const KeyCase Keys[] = {
    {"Sound", "Music", "0", {{"1", "1"}, {"0", "0"}, {"2", "1"}, {"-1", "1"}, {"on", "0"}}},
    {"Sound", "MisicFile", "Music.mid", {{"tune.mid", "tune.mid"}, {"", ""}}},
    {"Sound", "Sounds", "1", {{"0", "0"}, {"0x10", "1"}, {"off", "1"}}},
    {"Sound", "SndShootFile", "1.snd", {{"a.snd", "a.snd"}}},
    {"Sound", "SndExplodeFile", "2.snd", {{"b.snd", "b.snd"}}},
    {"Sound", "SndClickFile", "3.snd", {{"c.snd", "c.snd"}}},
    {"Sound", "SndApplauseFile", "4.snd", {{"d.snd", "d.snd"}}},
    {"Sound", "SndOverFile", "5.snd", {{"e.snd", "e.snd"}}},
    {"Graphics",
     "GameSpeed",
     "50",
     {{"1", "1"}, {"0x3C", "0x3C"}, {"+60", "+60"}, {"2147483647", "2147483647"}, {"0", "50"}, {"-20", "50"}, {"fast", "50"}}},
    {"Graphics", "DisappearSpeed", "50", {{"1", "1"}, {"80", "80"}, {"0", "50"}, {"-2147483648", "50"}}},
    {"Graphics", "Skin", "0", {{"-3", "-3"}, {"-2147483648", "-2147483648"}, {"2147483647", "2147483647"}, {"x", "0"}}},
    {"GameSettings",
     "NumberOfColors",
     "7",
     {{"5", "5"}, {"10", "10"}, {"4", "5"}, {"11", "10"}, {"-7", "5"}, {"0x7FFFFFFF", "10"}, {"abc", "7"}}},
    {"Skin", "SkinFile", DefaultSkin, {{"/x/y.skn", "/x/y.skn"}, {"", ""}}},
    // Automatic is written only over a value already in the file.
    {"Display", "Zoom", Absent, {{"0", "0"}, {"1", "1"}, {"8", "8"}, {"9", "0"}, {"-1", "0"}, {"big", "0"}}},
    // The window likewise: an old file without them plays full screen and keeps its bytes.
    {"Display", "FullScreen", Absent, {{"0", "0"}, {"1", "1"}, {"-1", "1"}, {"windowed", "1"}}},
    {"Display", "WindowLeft", Absent, {{"-1920", "-1920"}, {"32767", "32767"}, {"40000", "0"}, {"-40000", "0"}, {"x", "0"}}},
    {"Display", "WindowTop", Absent, {{"100", "100"}, {"-32768", "-32768"}, {"0x7FFFFFFF", "0"}, {"top", "0"}}},
    {"Display", "WindowWidth", Absent, {{"1300", "1300"}, {"0", "0"}, {"-5", "0"}, {"99999", "0"}, {"wide", "0"}}},
    {"Display", "WindowHeight", Absent, {{"1000", "1000"}, {"32767", "32767"}, {"32768", "0"}, {"-2147483648", "0"}}},
};

class SettingsTableTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("tesseron/kelm.ini");
    QString base = dir.path() + "/";

    // Starts on `text` and quits; the file as the quit left it.
    IniFile StartAndQuit(const QByteArray& text) {
        tesseron::test::PutBytes(path, text);
        EXPECT_EQ(SaveSettingsFile(path, LoadSettingsFile(path, base)), IniFile::SaveResult::Ok);
        IniFile written;
        EXPECT_EQ(written.Load(path), IniFile::LoadResult::Loaded);
        QFile::remove(path);
        return written;
    }
    QString Expected(const char* value) const { return QString::fromUtf8(value).replace("<base>", base); }
    static QString Value(const IniFile& ini, const KeyCase& k) {
        return ini.ReadString(QString::fromLatin1(k.section), QString::fromLatin1(k.key), QString::fromLatin1(Absent));
    }
};

TEST_F(SettingsTableTest, EveryKeyOfTheTableHasItsCaseInTheFilesOrder) {
    std::vector<std::string> table, cases;
#define TESSERON_KEY_OF_ROW(section, key, ...) table.push_back(std::string(section) + "/" + key);
    TESSERON_SETTINGS(TESSERON_KEY_OF_ROW)
#undef TESSERON_KEY_OF_ROW
    for (const KeyCase& k : Keys) cases.push_back(std::string(k.section) + "/" + k.key);
    EXPECT_EQ(table, cases);
}

// Each value lands on its own key alone: every other key keeps its default.
TEST_F(SettingsTableTest, EachKeyReadsWritesAndMendsItsOwnValue) {
    for (const KeyCase& k : Keys)
        for (const auto& [in, out] : k.values) {
            const QByteArray text = "[" + QByteArray(k.section) + "]\n" + k.key + "=" + in + "\n";
            const IniFile written = StartAndQuit(text);
            for (const KeyCase& other : Keys)
                EXPECT_EQ(Value(written, other).toStdString(), Expected(&other == &k ? out : other.missing).toStdString())
                    << other.key << " after " << text.constData();
        }
}

TEST_F(SettingsTableTest, ANewFileGetsEveryDefaultInTheTablesOrder) {
    QByteArray expected;
    const char* section = "";
    for (const KeyCase& k : Keys) {
        if (k.missing == std::string(Absent)) continue;
        if (section != std::string(k.section)) expected += "[" + QByteArray(k.section) + "]\n";
        section = k.section;
        expected += k.key + QByteArray("=") + Expected(k.missing).toUtf8() + "\n";
    }
    ASSERT_EQ(SaveSettingsFile(path, LoadSettingsFile(path, base)), IniFile::SaveResult::Ok);
    EXPECT_EQ(tesseron::test::GetBytes(path), expected);

    // A zoom chosen with the keys opens its own section at the end.
    Settings s = LoadSettingsFile(path, base);
    s.Zoom = 3;
    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
    EXPECT_EQ(tesseron::test::GetBytes(path), expected + "[Display]\nZoom=3\n");
}

}  // namespace
