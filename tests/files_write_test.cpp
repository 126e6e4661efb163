// The safe writer on real files: what it leaves beside its file, the modes, links and
// targets it refuses.
#include "files/SafeWrite.h"

#include "storage/HighScores.h"
#include "storage/SavedGames.h"
#include "storage/Settings.h"
#include "storage/WriteHold.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ios>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesseron {
namespace {

using files::WriteFileSafely;
using test::GetBytes;
using test::PutBytes;

class WriteTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString base = dir.path() + "/";
    // Every name in the folder, by byte order, as one string for a readable failure.
    std::string Names() const {
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        return QDir(dir.path()).entryList(all, QDir::Name).join(u' ').toStdString();
    }
    mode_t Mode(const QString& path) const {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
};

TEST_F(WriteTest, PlayersFilesBesideScoresSavedGameAndSettingsSurvive) {
    const char* players[] = {"Vexil.hig.Backup", "Vexil.hig.202412", "kelm.sg3.OLD123", "kelm.ini.Backup"};
    for (const char* name : players) PutBytes(base + name, QByteArray("kept: ") + name);

    storage::HighTable table;
    ASSERT_EQ(table.SaveHigh(storage::HighPath(base)), storage::SaveHighResult::Ok);
    ASSERT_EQ(table.SaveHigh(storage::HighPath(base)), storage::SaveHighResult::Ok);
    GameState st;
    ASSERT_EQ(storage::SaveSlot(storage::SlotPath(base, 7), st), storage::SaveSlotResult::Saved);
    storage::LoadSlot(storage::SlotPath(base, 7), st, 7);  // rewrites the slot as spent
    ASSERT_EQ(storage::SaveSettingsFile(base + "kelm.ini", storage::Settings{}), storage::IniFile::SaveResult::Ok);
    ASSERT_EQ(storage::SaveSettingsFile(base + "kelm.ini", storage::Settings{}), storage::IniFile::SaveResult::Ok);

    for (const char* name : players) EXPECT_EQ(GetBytes(base + name), QByteArray("kept: ") + name);
    // Nothing of ours is left beside them either.
    EXPECT_EQ(Names(), "Vexil.hig Vexil.hig.202412 Vexil.hig.Backup kelm.ini kelm.ini.Backup kelm.sg3 kelm.sg3.OLD123");
}

TEST_F(WriteTest, NewFileTakesTheUmaskAndAnOldOneKeepsItsMode) {
    const mode_t was = umask(027);
    const bool wrote = WriteFileSafely(base + "new", "1");
    umask(was);
    ASSERT_TRUE(wrote);
    EXPECT_EQ(Mode(base + "new"), 0640u);

    PutBytes(base + "old", "old");
    ASSERT_EQ(chmod(QFile::encodeName(base + "old").constData(), 0604), 0);
    ASSERT_TRUE(WriteFileSafely(base + "old", "new"));
    EXPECT_EQ(Mode(base + "old"), 0604u);
    EXPECT_EQ(GetBytes(base + "old"), "new");
}

TEST_F(WriteTest, ALinkStaysALinkToTheNewContent) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    PutBytes(base + "real/kelm.ini", "old");
    ASSERT_TRUE(QFile::link("real/kelm.ini", base + "kelm.ini"));
    ASSERT_TRUE(WriteFileSafely(base + "kelm.ini", "new"));
    EXPECT_TRUE(QFileInfo(base + "kelm.ini").isSymLink());
    EXPECT_EQ(GetBytes(base + "real/kelm.ini"), "new");
    // A loop of links is no file to replace.
    ASSERT_TRUE(QFile::link("loop2", base + "loop1") && QFile::link("loop1", base + "loop2"));
    EXPECT_FALSE(WriteFileSafely(base + "loop1", "x"));
    EXPECT_TRUE(QFileInfo(base + "loop1").isSymLink());
}

TEST_F(WriteTest, FolderFifoReadOnlyFileAndMissingFolderAreRefused) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_FALSE(WriteFileSafely(base + "folder", "x"));
    EXPECT_TRUE(QFileInfo(base + "folder").isDir());
    ASSERT_EQ(mkfifo(QFile::encodeName(base + "fifo").constData(), 0600), 0);
    EXPECT_FALSE(WriteFileSafely(base + "fifo", "x"));
    struct stat st {};
    EXPECT_TRUE(::lstat(QFile::encodeName(base + "fifo").constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    // Made read-only by its owner: refused also to root, whom the system lets write it.
    for (const mode_t mode : {0444, 0400, 0464, 0555}) {
        PutBytes(base + "readonly", "old");
        ASSERT_EQ(chmod(QFile::encodeName(base + "readonly").constData(), mode), 0);
        EXPECT_FALSE(WriteFileSafely(base + "readonly", "new")) << std::oct << mode;
        EXPECT_EQ(GetBytes(base + "readonly"), "old") << std::oct << mode;
        ASSERT_EQ(unlink(QFile::encodeName(base + "readonly").constData()), 0);
    }

    EXPECT_FALSE(WriteFileSafely(base + "a/b/file", "x"));
    EXPECT_TRUE(WriteFileSafely(base + "a/b/file", "x", true));
    EXPECT_EQ(GetBytes(base + "a/b/file"), "x");
}

// The player's scores and settings made read-only stay as they are, whoever plays.
TEST_F(WriteTest, ReadOnlyScoresAndSettingsAreKept) {
    storage::HighTable table;
    ASSERT_EQ(table.SaveHigh(storage::HighPath(base)), storage::SaveHighResult::Ok);
    PutBytes(base + "kelm.ini", "[Sound]\nMusic=1\n");
    const QByteArray scores = GetBytes(storage::HighPath(base));
    for (const char* name : {"Vexil.hig", "kelm.ini"}) ASSERT_EQ(chmod(QFile::encodeName(base + name).constData(), 0444), 0);
    table.Enter(7, 999, "New");
    EXPECT_EQ(table.SaveHigh(storage::HighPath(base)), storage::SaveHighResult::Failed);
    EXPECT_EQ(storage::SaveSettingsFile(base + "kelm.ini", storage::Settings{}), storage::IniFile::SaveResult::Failed);
    EXPECT_EQ(GetBytes(storage::HighPath(base)), scores);
    EXPECT_EQ(GetBytes(base + "kelm.ini"), "[Sound]\nMusic=1\n");
}

// A game without its data folder's lock writes none of the player's files, and loads no
// saved game, which it could not spend.
TEST_F(WriteTest, HeldWritesLeaveEveryFileAsItIs) {
    GameState st;
    ASSERT_EQ(storage::SaveSlot(storage::SlotPath(base, 7), st), storage::SaveSlotResult::Saved);
    storage::HighTable table;
    ASSERT_EQ(table.SaveHigh(storage::HighPath(base)), storage::SaveHighResult::Ok);
    const QByteArray slot = GetBytes(storage::SlotPath(base, 7));
    const QByteArray scores = GetBytes(storage::HighPath(base));

    storage::HoldWrites(true);
    table.Enter(7, 999, "New");
    st.Score = 5;
    const auto high = table.SaveHigh(storage::HighPath(base));
    const auto saved = storage::SaveSlot(storage::SlotPath(base, 7), st);
    const auto loaded = storage::LoadSlot(storage::SlotPath(base, 7), st, 7);
    const auto settings = storage::SaveSettingsFile(base + "kelm.ini", storage::Settings{});
    storage::HoldWrites(false);

    EXPECT_EQ(high, storage::SaveHighResult::Failed);
    EXPECT_EQ(saved, storage::SaveSlotResult::Failed);
    EXPECT_EQ(loaded, storage::LoadSlotResult::Failed);
    EXPECT_EQ(st.Score, 5);
    EXPECT_EQ(settings, storage::IniFile::SaveResult::Failed);
    EXPECT_EQ(GetBytes(storage::SlotPath(base, 7)), slot);
    EXPECT_EQ(GetBytes(storage::HighPath(base)), scores);
    EXPECT_EQ(Names(), "Vexil.hig kelm.sg3");
}

TEST_F(WriteTest, ATemporaryFileInUseByAnotherWriteIsLeftAlone) {
    const QString busy = base + files::TemporaryPrefix("kelm.ini") + "Ab12Cd";
    PutBytes(busy, "another game is writing");
    const int fd = ::open(QFile::encodeName(busy).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileSafely(base + "kelm.ini", "1"));
    EXPECT_TRUE(QFileInfo::exists(busy));
    ::close(fd);  // that writer died
    ASSERT_TRUE(WriteFileSafely(base + "kelm.ini", "2"));
    EXPECT_EQ(Names(), "kelm.ini");
}

// Without /proc an unnamed file cannot be linked in: the writer names its file itself.
TEST_F(WriteTest, WithoutUnnamedFilesANamedOneDoesTheSame) {
    PutBytes(base + "Vexil.hig.Backup", "player's");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", "/proc", "tmpfs", 0, "size=4k") != 0)
            _exit(77);
        const bool ok = WriteFileSafely(base + "Vexil.hig", "one") && WriteFileSafely(base + "Vexil.hig", "two");
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace of our own here (needs root)";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(GetBytes(base + "Vexil.hig"), "two");
    EXPECT_EQ(Names(), "Vexil.hig Vexil.hig.Backup");
}

}  // namespace
}  // namespace tesseron
