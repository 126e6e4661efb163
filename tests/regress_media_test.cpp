// Hostile sound files found by fuzzing the media service's open path.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "audio/SdlMedia.h"
#include "audio/SoundFile.h"

using namespace tesseron;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
constexpr bool Sanitized = __has_feature(address_sanitizer);
#else
constexpr bool Sanitized = false;
#endif

// 49 bytes, a data chunk that claims 2 GiB and holds one stereo frame.
QByteArray WaveClaimingTwoGiB() {
    QByteArray b(
        "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0data\xff\xff\xff\x7f"
        "abcd",
        48);
    return b;
}

// The players deliver their notices through a Qt application.
std::unique_ptr<QCoreApplication> MakeApp() {
    static int argc = 1;
    static char name[] = "regress";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

long VirtualBytes() {
    long pages = 0;
    FILE* f = fopen("/proc/self/statm", "r");
    if (f) {
        if (fscanf(f, "%ld", &pages) != 1) pages = 0;
        fclose(f);
    }
    return pages * sysconf(_SC_PAGESIZE);
}

TEST(RegressMedia, WaveChunkClaimingMoreThanTheFileCostsNoMemory) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // a silent device wherever the test runs
    if (Sanitized) GTEST_SKIP() << "the address-space limit this test sets cannot hold a sanitizer's shadow memory";
    QTemporaryDir dir;
    const QString path = dir.filePath("1.snd");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(WaveClaimingTwoGiB()), 48);
    }
    // In a child with 1 GiB of address space to spare: reserving the claimed 2 GiB fails there.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto app = MakeApp();
        auto backend = CreateSdlBackend();
        auto player = backend->CreatePlayer();
        QString error;
        // SDL is loaded first, so that it is counted in before the limit.
        DecodedSound sound;
        DecodeWaveWithSdl(WaveClaimingTwoGiB(), sound, error);
        const rlim_t limit = rlim_t(VirtualBytes()) + (rlim_t(1) << 30);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_AS, &r);
        // Our own reader and SDL's alike.
        const bool opened =
            player->Open(DeviceKind::WaveAudio, path, error) && DecodeWaveWithSdl(WaveClaimingTwoGiB(), sound, error);
        if (!opened) fprintf(stderr, "%s\n", qPrintable(error));
        _exit(opened ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the one frame the file holds should open";
}

// Ten bytes that no decoder takes: the mixer used to leak its input stream on
// this refusal, which the sanitizer build reports at exit.
TEST(RegressMedia, RefusedUnknownSoundLeaksNothing) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QTemporaryDir dir;
    const QString path = dir.filePath("2.snd");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\xff\x01\x00\x00\x00\x00\x00\x00\x05", 10));
    }
    auto app = MakeApp();
    auto backend = CreateSdlBackend();
    auto player = backend->CreatePlayer();
    QString error;
    EXPECT_FALSE(player->Open(DeviceKind::WaveAudio, path, error));
    EXPECT_TRUE(error.contains("2.snd")) << error.toStdString();
    EXPECT_FALSE(player->IsOpen());
}

}  // namespace
