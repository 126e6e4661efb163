// The one reader of untrusted files, and the sound loader's reasons built on it.
#include "files/UntrustedFile.h"

#include "audio/SoundFile.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace tesseron {
namespace {

using files::Oversized;
using files::ReadStatus;
using files::ReadUntrustedFile;

class ReadTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(name); }
};

TEST_F(ReadTest, WhatIsNotARegularFileIsRefusedAtOnce) {
    const QString fifo = Path("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray out("stale");
    auto read = std::async(std::launch::async, [&] { return ReadUntrustedFile(fifo, 100, out); });
    if (read.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // A writer releases the blocked open, so that the test ends with its failure.
        const int w = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        read.wait();
        if (w >= 0) ::close(w);
        FAIL() << "the read blocked on a FIFO without a writer";
    }
    EXPECT_EQ(read.get(), ReadStatus::NotAFile);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(ReadUntrustedFile(dir.path(), 100, out), ReadStatus::NotAFile);
    EXPECT_EQ(ReadUntrustedFile("/dev/zero", 100, out, Oversized::KeepStart), ReadStatus::NotAFile);
    EXPECT_EQ(ReadUntrustedFile(Path("missing"), 100, out), ReadStatus::Missing);
    EXPECT_EQ(ReadUntrustedFile(Path("missing/deeper"), 100, out), ReadStatus::Missing);
}

TEST_F(ReadTest, TheCapIsExactAndALargerFileSaysSo) {
    test::PutBytes(Path("at"), QByteArray(100, 'a'));
    test::PutBytes(Path("over"), QByteArray(100, 'b') + 'c');
    test::PutBytes(Path("empty"), QByteArray());
    QByteArray out;
    EXPECT_EQ(ReadUntrustedFile(Path("at"), 100, out), ReadStatus::Ok);
    EXPECT_EQ(out, QByteArray(100, 'a'));
    EXPECT_EQ(ReadUntrustedFile(Path("over"), 100, out), ReadStatus::TooLarge);
    EXPECT_TRUE(out.isEmpty());
    // A reader of the first bytes only gets them, and still learns there were more.
    EXPECT_EQ(ReadUntrustedFile(Path("over"), 100, out, Oversized::KeepStart), ReadStatus::TooLarge);
    EXPECT_EQ(out, QByteArray(100, 'b'));
    EXPECT_EQ(ReadUntrustedFile(Path("empty"), 100, out), ReadStatus::Ok);
    EXPECT_TRUE(out.isEmpty());
    // A size of 0 that is not the truth.
    EXPECT_EQ(ReadUntrustedFile("/proc/self/status", 1 << 20, out), ReadStatus::Ok);
    EXPECT_TRUE(out.startsWith("Name:"));
}

TEST_F(ReadTest, AFileWithoutPermissionIsUnreadable) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
    test::PutBytes(Path("locked"), "secret");
    ASSERT_EQ(chmod(QFile::encodeName(Path("locked")).constData(), 0), 0);
    QByteArray out;
    EXPECT_EQ(ReadUntrustedFile(Path("locked"), 100, out), ReadStatus::Unreadable);
}

TEST_F(ReadTest, SoundLoaderNamesEachReason) {
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("fifo.snd")).constData(), 0600), 0);
    test::PutBytes(Path("empty.snd"), QByteArray());
    QFile big(Path("big.snd"));  // sparse: nothing of it is written
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize((qint64(64) << 20) + 1));
    big.close();
    const std::pair<QString, const char*> cases[] = {
        {Path("fifo.snd"), ": not a regular file"},
        {Path("none.snd"), ": no such file"},
        {Path("big.snd"), ": larger than 64 MiB"},
        {Path("empty.snd"), ": empty file"},
    };
    for (const auto& [file, reason] : cases) {
        QByteArray bytes;
        QString error;
        EXPECT_FALSE(ReadMediaFile(file, bytes, error));
        EXPECT_EQ(error, file + reason);
    }
}

}  // namespace
}  // namespace tesseron
