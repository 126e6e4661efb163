// The settings store and the settings kept in it, through real files.
#include "storage/Folders.h"
#include "storage/IniFile.h"
#include "storage/Settings.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <malloc.h>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tesseron::storage;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("tesseron/kelm.ini");
    QString base = dir.path() + "/";

    void Put(const QByteArray& bytes) { tesseron::test::PutBytes(path, bytes); }
    QByteArray Get() { return tesseron::test::GetBytes(path); }
    Settings Read(const QByteArray& bytes) {
        IniFile ini;
        ini.Parse(bytes);
        return ReadSettings(ini, base);
    }
};

const QByteArray DefaultFile =
    "[Sound]\nMusic=0\nMisicFile=Music.mid\nSounds=1\nSndShootFile=1.snd\nSndExplodeFile=2.snd\n"
    "SndClickFile=3.snd\nSndApplauseFile=4.snd\nSndOverFile=5.snd\n"
    "[Graphics]\nGameSpeed=50\nDisappearSpeed=50\nSkin=0\n"
    "[GameSettings]\nNumberOfColors=7\n"
    "[Skin]\nSkinFile=";

TEST_F(SettingsFile, NoFileGivesDefaultsAndTheFirstCloseWritesThemAll) {
    IniFile ini;
    EXPECT_EQ(ini.Load(path), IniFile::LoadResult::Missing);
    const Settings s = LoadSettingsFile(path, base);
    Settings expected;
    expected.SkinFile = base + "Scoarching red.skn";
    EXPECT_EQ(s, expected);

    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);  // creates the folder
    EXPECT_EQ(Get(), DefaultFile + (base + "Scoarching red.skn\n").toUtf8());
}

TEST_F(SettingsFile, ValuesFollowTheNumberRules) {
    const Settings s = Read(
        "[Graphics]\nGameSpeed=0x3C\nDisappearSpeed=0X1f\nSkin=-3\n"
        "[GameSettings]\nNumberOfColors=abc\n[Sound]\nMusic=2\nSounds=0\n");
    EXPECT_EQ(s.GameSpeed, 60);
    EXPECT_EQ(s.DisappearSpeed, 31);
    EXPECT_EQ(s.SkinNumber, -3);
    EXPECT_EQ(s.NumberOfColors, 7);
    EXPECT_TRUE(s.Music);
    EXPECT_FALSE(s.Sounds);

    Put("[Sound]\nMusic=2\n");
    ASSERT_EQ(SaveSettingsFile(path, LoadSettingsFile(path, base)), IniFile::SaveResult::Ok);
    EXPECT_TRUE(Get().startsWith("[Sound]\nMusic=1\n"));
}

TEST_F(SettingsFile, NotANumberGivesTheDefault) {
    IniFile ini;
    ini.Parse("[a]\nk1=0x\nk2=12abc\nk3=0xG1\nk4=\nk5=99999999999\nk6=0x80000000\nk7=+12\nk8=-0\nk9= 42 \n");
    for (const char* key : {"k1", "k2", "k3", "k4", "k5", "k6"}) EXPECT_EQ(ini.ReadInteger("a", key, 77), 77) << key;
    EXPECT_EQ(ini.ReadInteger("a", "k7", 77), 12);
    EXPECT_EQ(ini.ReadInteger("a", "k8", 77), 0);
    EXPECT_EQ(ini.ReadInteger("a", "k9", 77), 42);
    EXPECT_FALSE(ini.ReadBool("a", "k8", true));
    EXPECT_TRUE(ini.ReadBool("a", "k2", true));  // not a number: the default
}

TEST_F(SettingsFile, OutOfRangeValuesAreMended) {
    Settings s = Read("[Graphics]\nGameSpeed=0\nDisappearSpeed=-20\n[GameSettings]\nNumberOfColors=3\n");
    EXPECT_EQ(s.GameSpeed, 50);
    EXPECT_EQ(s.DisappearSpeed, 50);
    EXPECT_EQ(s.NumberOfColors, 5);
    EXPECT_EQ(Read("[GameSettings]\nNumberOfColors=0x7FFFFFFF\n").NumberOfColors, 10);
}

TEST_F(SettingsFile, LineEndsBomAndLetterCase) {
    const QByteArray bom = "\xEF\xBB\xBF";
    for (const QByteArray& text :
         {bom + "[sOUND]\r\nmisicfile=tune.mid\r\nSOUNDS=0\r\n", QByteArray("[SOUND]\rMisicFile = tune.mid \rsounds=0")}) {
        const Settings s = Read(text);
        EXPECT_EQ(s.MisicFile, "tune.mid");
        EXPECT_FALSE(s.Sounds);
    }
}

TEST_F(SettingsFile, ForeignSectionsAndKeysStayInOrder) {
    Put("; mine\n[Other]\nx=1\n\n[sound]\nVolume=3\nmusic=0\n\n[Tail]\ny=2\n");
    Settings s = LoadSettingsFile(path, base);
    s.Music = true;
    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
    const QByteArray out = Get();
    EXPECT_TRUE(out.startsWith("; mine\n[Other]\nx=1\n\n[sound]\nVolume=3\nmusic=1\nMisicFile=Music.mid\n")) << out.constData();
    EXPECT_TRUE(out.contains("SndOverFile=5.snd\n\n[Tail]\ny=2\n[Graphics]\n")) << out.constData();
}

TEST_F(SettingsFile, LongStringsAreCut) {
    IniFile ini;
    ini.Parse("[Skin]\nSkinFile=" + QByteArray(3000, 'a') + "\n");
    EXPECT_EQ(ini.ReadString("skin", "skinfile", "").size(), 2047);
}

TEST_F(SettingsFile, PathFollowsXdgConfigHome) {
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(SettingsPath(), path);
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(SettingsPath(), QDir::homePath() + "/.config/tesseron/kelm.ini");
    qputenv("XDG_CONFIG_HOME", old);
}

TEST_F(SettingsFile, NonRegularFilesAreRefusedWithoutBlocking) {
    QDir().mkpath(dir.filePath("tesseron"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    IniFile ini;
    EXPECT_EQ(ini.Load(path), IniFile::LoadResult::NotAFile);
    EXPECT_EQ(ini.Load(dir.path()), IniFile::LoadResult::NotAFile);
    QFile big(dir.filePath("big.ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(IniFile::MaxFileSize + 1, '\n'));
    big.close();
    EXPECT_EQ(ini.Load(big.fileName()), IniFile::LoadResult::TooLarge);
}

TEST_F(SettingsFile, FailedWritesLeaveTheOldFileWhole) {
    const Settings s = LoadSettingsFile(path, base);
    // A folder where the file should be (which cannot be read either), and a file
    // where the folder should be.
    QDir().mkpath(path);
    EXPECT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::NotReplaced);
    EXPECT_TRUE(QFileInfo(path).isDir());
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(SaveSettingsFile(dir.filePath("blocked/kelm.ini"), s), IniFile::SaveResult::Failed);

    // A write that runs out of room half way (file size limit, effective for root too).
    QDir(dir.path()).rmdir("tesseron/kelm.ini");
    const QByteArray old = "[Sound]\nMusic=1\n";
    Put(old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = SaveSettingsFile(path, s);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, IniFile::SaveResult::Failed);
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(QDir(dir.filePath("tesseron")).entryList(QDir::Files).size(), 1);  // no temporary left
}

QByteArray Crlf(QByteArray text) { return text.replace("\n", "\r\n"); }

TEST_F(SettingsFile, EveryByteTheGameDoesNotChangeSurvivesALoadAndASave) {
    // Latin-1 text, a comment that is no encoding at all, and every key already there.
    const QByteArray latin1 = "; caf\xe9 \xff\xfe\x80\n[Foreign]\nName=Caf\xe9\n\n" + DefaultFile + "/home/p/Sk\xefns/x.skn\n";
    for (const QByteArray& file : {latin1, "\xEF\xBB\xBF" + Crlf(latin1), latin1.chopped(1)}) {
        Put(file);
        const Settings s = LoadSettingsFile(path, base);
        EXPECT_EQ(s.SkinFile, QString::fromLatin1("/home/p/Sk\xefns/x.skn"));
        ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
        EXPECT_EQ(Get(), file);
    }

    // A value the player changed is written in UTF-8; the bytes around it stay.
    Put(latin1);
    Settings s = LoadSettingsFile(path, base);
    s.SkinFile = QString::fromUtf8("/home/p/Sk\xc3\xafns/y.skn");
    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
    EXPECT_EQ(Get(), latin1.left(latin1.lastIndexOf("SkinFile=") + 9) + "/home/p/Sk\xc3\xafns/y.skn\n");
}

TEST_F(SettingsFile, AddedLinesTakeTheFilesMostCommonLineEnd) {
    // A BOM, CR LF lines, one LF line and a last line without an end.
    Put("\xEF\xBB\xBF[Sound]\r\nmusic = 2\r\n[Other]\nx=1");
    ASSERT_EQ(SaveSettingsFile(path, LoadSettingsFile(path, base)), IniFile::SaveResult::Ok);
    const qsizetype graphics = DefaultFile.indexOf("[Graphics]");
    const QByteArray sound = DefaultFile.left(graphics).mid(DefaultFile.indexOf("MisicFile"));
    EXPECT_EQ(Get(), "\xEF\xBB\xBF[Sound]\r\nmusic = 1\r\n" + Crlf(sound) + "[Other]\nx=1\r\n" +
                         Crlf(DefaultFile.mid(graphics) + (base + "Scoarching red.skn\n").toUtf8()));
}

TEST_F(SettingsFile, AFileThatCouldNotBeReadIsNeverReplaced) {
    // A FIFO in its place is left there, not replaced by a regular file.
    QDir().mkpath(dir.filePath("tesseron"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(SaveSettingsFile(path, Settings{}), IniFile::SaveResult::NotReplaced);
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(SettingsFile, ANumberWrittenAnotherWayStaysWhileItsValueDoesNot) {
    const QByteArray file = "[Graphics]\nGameSpeed=0x32\nDisappearSpeed=+50\nSkin= 0X0 \n[GameSettings]\nNumberOfColors=07\n";
    Put(file);
    Settings s = LoadSettingsFile(path, base);
    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
    EXPECT_TRUE(Get().startsWith(file)) << Get().left(200).constData();
    s.GameSpeed = 60;
    ASSERT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Ok);
    EXPECT_TRUE(Get().startsWith("[Graphics]\nGameSpeed=60\nDisappearSpeed=+50\n")) << Get().left(200).constData();
}

TEST_F(SettingsFile, AFileTheReaderWouldRefuseIsNeverWritten) {
    // Exactly the largest size read, the keys the game adds left out: written, it would grow.
    const QByteArray head = "[Sound]\nMusic=0\n";
    QByteArray file = head + QByteArray(IniFile::MaxFileSize - head.size(), '\n');
    Put(file);
    IniFile::LoadResult read = IniFile::LoadResult::Missing;
    const Settings s = LoadSettingsFile(path, base, &read);
    ASSERT_EQ(read, IniFile::LoadResult::Loaded);
    EXPECT_EQ(SaveSettingsFile(path, s), IniFile::SaveResult::Failed);
    EXPECT_EQ(Get(), file);

    // Every key already there: a changed value keeps the size, and the file is written.
    file = DefaultFile + (base + "Scoarching red.skn\n").toUtf8();
    file += QByteArray(IniFile::MaxFileSize - file.size(), ';');
    Put(file);
    Settings changed = LoadSettingsFile(path, base, &read);
    ASSERT_EQ(read, IniFile::LoadResult::Loaded);
    changed.Music = true;
    EXPECT_EQ(SaveSettingsFile(path, changed), IniFile::SaveResult::Ok);
    EXPECT_EQ(Get(), QByteArray(file).replace("Music=0", "Music=1"));
}

// Bytes the heap hands out at the moment, large blocks included.
size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The largest file read costs a few times its size to hold, whatever its lines, and
// its keys are still found in it.
TEST(SettingsParse, CostsAFewTimesTheFileSize) {
    const struct {
        QByteArray line;
        bool music;  // what the file says of [Sound] Music
    } cases[] = {{"\n", false},
                 {"\r\n", false},
                 {"\r", false},
                 {"a=\n", false},
                 {"[]\n", false},
                 {"; x=1\n", false},
                 {"[Sound]\nMusic=1\n", true}};
    for (const auto& c : cases) {
        QByteArray text;
        while (text.size() + c.line.size() <= IniFile::MaxFileSize) text += c.line;
        const size_t before = HeapInUse();
        IniFile ini;
        ini.Parse(text);
        const size_t held = HeapInUse() - before;
        EXPECT_LE(held, 3 * size_t(text.size())) << c.line.constData();
        EXPECT_EQ(ini.ReadBool("sound", "music", false), c.music) << c.line.constData();
        EXPECT_EQ(ini.Text(), text) << c.line.constData();
    }
}

// Sets HOME and the XDG folders for one test and puts them back after it.
class Environment {
public:
    Environment() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            saved_.emplace_back(name, getenv(name) ? std::optional<std::string>(getenv(name)) : std::nullopt);
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) Set(name, value ? value->c_str() : nullptr);
    }
    static void Set(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(FoldersTest, HomeComesFromHomeWhenAbsoluteElseFromThePasswordDatabase) {
    Environment env;
    env.Set("XDG_CONFIG_HOME", nullptr);
    env.Set("XDG_DATA_HOME", nullptr);
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const QString own = QDir::cleanPath(QFile::decodeName(entry->pw_dir));
    ASSERT_NE(own, "/") << "the test needs a user with a home folder";

    for (const char* home : {static_cast<const char*>(nullptr), "", "relative/home", "/"}) {
        env.Set("HOME", home);
        EXPECT_EQ(SettingsPath(), own + "/.config/tesseron/kelm.ini") << (home ? home : "unset");
        EXPECT_EQ(DataFolder(), own + "/.local/share") << (home ? home : "unset");
    }
    env.Set("HOME", "/somewhere/else/");
    EXPECT_EQ(SettingsPath(), "/somewhere/else/.config/tesseron/kelm.ini");
    env.Set("XDG_DATA_HOME", "/data");
    EXPECT_EQ(DataFolder(), "/data");
}

}  // namespace
