// Saving survives a crash at any moment and a full disk: the file on disk is always
// one complete version, and a failed write says so.
#include "files/SafeWrite.h"
#include "storage/HighScores.h"
#include "storage/SavedGames.h"
#include "storage/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tesseron;
using namespace tesseron::storage;

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Writes version 0 or 1 of one file; true when the writer reports success.
using Writer = std::function<bool(const QString& path, int version)>;

bool WriteHigh(const QString& path, int version) {
    HighTable t;
    t.Enter(7, 1000 + version, version ? QStringLiteral("Second") : QStringLiteral("First"));
    t.High[0] = version ? QStringLiteral("Header two") : QStringLiteral("Header one");
    return t.SaveHigh(path) == SaveHighResult::Ok;
}

bool WriteSlot(const QString& path, int version) {
    GameState st;
    for (int x = 1; x <= ZoneSize; ++x) st.board.at(x, x) = Cell{int8_t(1 + (x + version) % 7), uint8_t(version), 1};
    for (auto& side : st.nexts.q)
        for (auto& lane : side)
            for (auto& c : lane) c = uint8_t(1 + version);
    st.Score = 100 * version + 5;
    return SaveSlot(path, st) == SaveSlotResult::Saved;
}

bool WriteIni(const QString& path, int version) {
    Settings s;
    s.Music = version;
    s.NumberOfColors = 5 + version;
    s.SkinFile = version ? QStringLiteral("/a/much/longer/path/to/another skin.skn") : QStringLiteral("x.skn");
    return SaveSettingsFile(path, s) == IniFile::SaveResult::Ok;
}

struct Case {
    const char* name;
    const char* label;
    Writer write;
};
const Case Cases[] = {
    {"Vexil.hig", "HighScores", WriteHigh}, {"kelm.sg3", "SavedGame", WriteSlot}, {"kelm.ini", "Settings", WriteIni}};

QStringList OtherFiles(const QString& dir, const QString& keep) {
    QStringList others = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    others.removeAll(keep);
    return others;
}

class CrashTest : public ::testing::TestWithParam<Case> {};

// In memory where there is a tmpfs: a synced write on disk takes milliseconds, and
// the kills should land in many writes, not in a few.
QString FastTemp() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tesseron-crash-XXXXXX") : QString();
}

TEST_P(CrashTest, KilledWriterLeavesOneWholeVersion) {
    QTemporaryDir dir = FastTemp().isEmpty() ? QTemporaryDir() : QTemporaryDir(FastTemp());
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(GetParam().name);
    const Writer& write = GetParam().write;
    ASSERT_TRUE(write(path, 1));
    const QByteArray second = Bytes(path);
    ASSERT_TRUE(write(path, 0));
    const QByteArray first = Bytes(path);
    ASSERT_NE(first, second);

    int sawFirst = 0, sawSecond = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = 1;; v ^= 1) write(path, v);
        }
        // From 30 us to 61 ms: inside the first write, between writes, deep in the loop.
        usleep(useconds_t((30 << (kill % 12)) + kill % 17));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const QByteArray now = Bytes(path);
        ASSERT_TRUE(now == first || now == second) << "after kill " << kill << ": " << now.size() << " bytes";
        (now == first ? sawFirst : sawSecond)++;
        // Each write removes what killed ones left, so at most the last kill's file is
        // there, and it is one of ours.
        const QStringList others = OtherFiles(dir.path(), GetParam().name);
        ASSERT_LE(others.size(), 1) << "temporary files pile up after kill " << kill << ": " << others.join(u' ').toStdString();
        if (!others.isEmpty()) {
            ASSERT_TRUE(others[0].startsWith(files::TemporaryPrefix(GetParam().name))) << others[0].toStdString();
        }
    }
    // The kills really fell in different places of the alternation.
    EXPECT_GT(sawFirst, 0);
    EXPECT_GT(sawSecond, 0);
}

// Runs a write in a child whose files may not grow beyond limit bytes; its exit
// status is 0 when the write reported success.
int WriteUnderSizeLimit(const Writer& write, const QString& path, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(write(path, 1) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST_P(CrashTest, WriteBeyondTheSizeLimitFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(GetParam().name);
    ASSERT_TRUE(GetParam().write(path, 0));
    const QByteArray old = Bytes(path);
    EXPECT_EQ(WriteUnderSizeLimit(GetParam().write, path, 10), 1) << "the failed write was reported as success";
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(OtherFiles(dir.path(), GetParam().name).isEmpty());
}

TEST_P(CrashTest, FullDiskFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath("disk");
    QDir().mkpath(mountPoint);
    const QByteArray native = QFile::encodeName(mountPoint);
    if (geteuid() != 0 || mount("tmpfs", native.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small tmpfs can be mounted here (needs root); the size-limit case stands in";
    const QString path = mountPoint + "/" + GetParam().name;
    const bool wrote = GetParam().write(path, 0);
    const QByteArray old = Bytes(path);
    // Fill what is left of the disk.
    QFile filler(mountPoint + "/filler");
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();
    const bool second = GetParam().write(path, 1);
    const QByteArray after = Bytes(path);
    umount2(native.constData(), MNT_DETACH);
    ASSERT_TRUE(wrote);
    EXPECT_FALSE(second) << "a write to a full disk was reported as success";
    EXPECT_EQ(after, old);
}

TEST_P(CrashTest, NextWriteRemovesLeftoversOfAKilledOne) {
    QTemporaryDir dir;
    const QString name = GetParam().name;
    const QString own = "." + name + ".tesseron-";
    const QStringList kept = {name + ".Ab12Cd", name + ".backup", name + ".tesseron-Ab12Cd", own + "Ab-2Cd", own + "Ab12Cde"};
    for (const QString& leftover : kept + QStringList{own + "Ab12Cd", own + "qzzzzz"}) {
        QFile f(dir.filePath(leftover));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(GetParam().write(dir.filePath(name), 0));
    // Only hidden names of exactly our pattern go; whatever else is there is the player's.
    QStringList sorted = kept;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(OtherFiles(dir.path(), name), sorted);
}

INSTANTIATE_TEST_SUITE_P(Files, CrashTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
