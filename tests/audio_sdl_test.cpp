// The SDL2_mixer players on SDL's disk driver: what the game plays is read back
// from the raw output file (signed 16-bit stereo at 44100 Hz).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdlib>
#include <sys/stat.h>

#include "audio/Audio.h"
#include "audio/SdlMedia.h"

using namespace tesseron;

namespace {

void WriteWave(const QString& path, int ms, double freq) {
    const int rate = 22050, n = rate * ms / 1000;
    QByteArray b;
    auto u32 = [&](quint32 v) { b.append(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](quint16 v) { b.append(reinterpret_cast<const char*>(&v), 2); };
    b.append("RIFF");
    u32(36 + n * 2);
    b.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    b.append("data");
    u32(n * 2);
    for (int i = 0; i < n; ++i)
        u16(quint16(qint16(8000 * std::sin(2 * M_PI * freq * i / rate))));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// One short woodblock knock.
void WriteMidi(const QString& path) {
    const char track[] = "\x00\xC0\x73" "\x00\x90\x3C\x64" "\x10\x80\x3C\x00" "\x00\xFF\x2F\x00";
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);
    b += QByteArray("MTrk\0\0\0", 7) + char(sizeof track - 1) + QByteArray(track, sizeof track - 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// Our own lines on standard error; SDL's disk driver adds notes of its own.
int OurLines(const std::string& err) {
    int n = 0;
    for (size_t at = 0; (at = err.find("tesseron:", at)) != std::string::npos; ++at)
        n += at == 0 || err[at - 1] == '\n';
    return n;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return done();
}

struct SdlAudioTest : ::testing::Test {
    QTemporaryDir dir;
    QString raw;

    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "audio_sdl_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        raw = dir.filePath("out.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", raw.toLocal8Bit().constData(), 1);
        // The small General MIDI bank keeps the MIDI runs short.
        if (QFile::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
            setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
        for (int i = 1; i <= 5; ++i)
            WriteWave(dir.filePath(QString::number(i) + ".snd"), 150, 300.0 * i);
    }
    std::unique_ptr<Audio> MakeAudio(bool sound) {
        auto a = std::make_unique<Audio>(CreateSdlBackend());
        for (int i = 1; i <= 5; ++i)
            a->SetFile(i, dir.filePath(QString::number(i) + ".snd"));
        a->SetFile(MusicPlayer, dir.filePath("Music.mid"));
        a->Sound = sound;
        return a;
    }
    // Index of the first non-silent sample frame written (from `fromFrame` on), -1 for silence and
    // -2 when no output was opened; the whole output is read after it has closed.
    long FirstSound(long fromFrame = 0) const {
        QFile f(raw);
        if (!f.open(QIODevice::ReadOnly))
            return -2;
        const QByteArray b = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(b.constData());
        for (long i = fromFrame * 2; i < b.size() / 2; ++i)
            if (std::abs(s[i]) > 64)
                return i / 2;
        return b.isEmpty() ? -2 : -1;
    }
};

bool Mapped(const char* library) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

int AudioThreads() {
    int n = 0;
    for (const QFileInfo& task : QDir("/proc/self/task").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(task.filePath() + "/comm");
        n += comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio");
    }
    return n;
}

// First in the file: once loaded, the mixer stays for the life of the process.
TEST_F(SdlAudioTest, MixerWaitsForTheTuneAndThenMixesTheEffects) {
    WriteMidi(dir.filePath("Music.mid"));
    auto audio = MakeAudio(true);
    audio->StartAudio();
    audio->PlayEffect(S1);
    audio->Beep();
    EXPECT_FALSE(Mapped("libSDL2_mixer"));
    EXPECT_FALSE(Mapped("libfluidsynth"));

    audio->ToggleMusic();  // a knock, then silence until it comes round again
    EXPECT_TRUE(Mapped("libfluidsynth"));
    WaitFor([] { return false; }, 1300);
    audio->PlayEffect(S4);
    WaitFor([] { return false; }, 400);
    audio.reset();
    QFile f(raw);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const auto* s = reinterpret_cast<const qint16*>(b.constData());
    long loud = 0;
    for (long i = long(1.25 * 44100) * 2; i < std::min(long(1.9 * 44100) * 2, long(b.size() / 2)); ++i)
        loud += std::abs(s[i]) > 64;
    EXPECT_GT(loud, 1000);  // the applause in the mixer's output
}

// The output opens with the first sound, inside PlayEffect, so the time the call
// took plus the place of the sound in the output bounds what the player waits.
TEST_F(SdlAudioTest, EffectIsHeardSoon) {
    auto audio = MakeAudio(true);
    audio->StartAudio();
    QElapsedTimer clock;
    clock.start();
    audio->PlayEffect(S2);
    const double opening = clock.nsecsElapsed() / 1e6;
    // Once the output runs, the disk driver writes in real time: the second sound's
    // place in the file against the clock.
    QThread::msleep(1000);  // the 150-ms sound is over
    const double again = clock.nsecsElapsed() / 1e6;
    audio->PlayEffect(S3);
    QThread::msleep(250);
    audio.reset();
    const long first = FirstSound(), second = FirstSound(long(0.9 * 44100));
    ASSERT_GE(first, 0);
    ASSERT_GT(second, 0);
    const double latency = opening + first * 1000.0 / 44100;
    const double running = second * 1000.0 / 44100 - again;
    RecordProperty("latency_ms", int(latency));
    std::printf("PlayEffect to sound in the output: %.1f ms with the output closed (%.1f ms opening it), "
                "%.1f ms with it running\n", latency, opening, running);
    EXPECT_LT(latency, 150.0);
    EXPECT_LT(running, 150.0);
}

TEST_F(SdlAudioTest, NothingIsHeardWithSoundOffButTheBeep) {
    auto audio = MakeAudio(false);
    audio->StartAudio();
    audio->PlayEffect(S1);
    audio->ResumeEffect(S4);
    QThread::msleep(150);
    audio.reset();
    EXPECT_LT(FirstSound(), 0);  // silent, or no output opened at all

    audio = MakeAudio(false);
    audio->StartAudio();
    audio->Beep();
    QThread::msleep(250);
    audio.reset();
    EXPECT_GE(FirstSound(), 0);
}

// The output closes in the silence after a stop; the place is kept all the same.
TEST_F(SdlAudioTest, StopKeepsThePlaceAndAnEndedPlayStartsAgain) {
    WriteWave(dir.filePath("long.wav"), 400, 440);
    auto backend = CreateSdlBackend(100);
    auto p = backend->CreatePlayer();
    QString error;
    ASSERT_TRUE(p->Open(DeviceKind::WaveAudio, dir.filePath("long.wav"), error)) << error.toStdString();
    EXPECT_TRUE(p->Stopped());
    EXPECT_EQ(AudioThreads(), 0);  // nothing has sounded yet
    int ends = 0;
    p->Play([&] { ++ends; });
    EXPECT_FALSE(p->Stopped());
    QThread::msleep(150);
    EXPECT_EQ(AudioThreads(), 1);
    p->Stop();
    EXPECT_TRUE(p->Stopped());
    WaitFor([] { return false; }, 400);  // stopped: no end while it waits
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(AudioThreads(), 0);
    QElapsedTimer resumed;
    resumed.start();
    p->Play([&] { ++ends; });
    ASSERT_TRUE(WaitFor([&] { return ends == 1; }, 2000));
    EXPECT_LT(resumed.elapsed(), 390);  // went on from the stop, not from the start
    EXPECT_TRUE(p->Stopped());
    p->Play();
    EXPECT_FALSE(p->Stopped());
}

// FluidSynth reports the end of a tune about two seconds after its last note, so
// the knock comes back after a pause.
TEST_F(SdlAudioTest, TuneLoopsThroughTheSoundfont) {
    WriteMidi(dir.filePath("Music.mid"));
    auto audio = MakeAudio(false);
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    WaitFor([] { return false; }, 2700);
    audio.reset();
    EXPECT_EQ(OurLines(testing::internal::GetCapturedStderr()), 0);
    QFile f(raw);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const auto* s = reinterpret_cast<const qint16*>(b.constData());
    auto loud = [&](double from, double to) {
        long n = 0;
        for (long i = long(from * 44100) * 2; i < std::min(long(to * 44100) * 2, long(b.size() / 2)); ++i)
            n += std::abs(s[i]) > 64;
        return n;
    };
    EXPECT_GT(loud(0, 0.5), 100);
    EXPECT_EQ(loud(1.2, 1.9), 0);
    EXPECT_GT(loud(1.9, 2.7), 100);  // played again
}

TEST_F(SdlAudioTest, FailuresLeaveTheGameRunning) {
    QFile::remove(dir.filePath("3.snd"));
    mkfifo(dir.filePath("3.snd").toLocal8Bit().constData(), 0600);
    QFile::remove(dir.filePath("1.snd"));
    QFile(dir.filePath("2.snd")).open(QIODevice::WriteOnly | QIODevice::Truncate);  // empty: undecodable
    auto audio = MakeAudio(true);
    audio->Music = true;  // no Music.mid
    testing::internal::CaptureStderr();
    QElapsedTimer t;
    t.start();
    audio->StartAudio();
    for (int p = S1; p <= S5; ++p)
        audio->PlayEffect(p);
    audio->ToggleSounds();
    audio->ToggleSounds();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_LT(t.elapsed(), 1000);  // the FIFO was not opened
    EXPECT_EQ(OurLines(err), 4) << err;
    for (const char* name : {"1.snd", "2.snd", "3.snd", "Music.mid"})
        EXPECT_NE(err.find(name), std::string::npos) << name;
    audio->PlayEffect(S4);
    QThread::msleep(100);
    audio.reset();
    EXPECT_GE(FirstSound(), 0);
}

TEST_F(SdlAudioTest, NoDeviceOrNoSoundfontIsOneLine) {
    WriteMidi(dir.filePath("Music.mid"));
    setenv("SDL_SOUNDFONTS", dir.filePath("none.sf2").toLocal8Bit().constData(), 1);
    auto audio = MakeAudio(true);
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    audio->PlayEffect(S1);
    audio.reset();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(OurLines(err), 1) << err;
    EXPECT_NE(err.find("soundfont"), std::string::npos) << err;

    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    audio = MakeAudio(true);
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    audio->PlayEffect(S1);
    audio->Beep();
    audio->ToggleMusic();
    audio->MusicNotify();
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(OurLines(err), 1) << err;
    EXPECT_NE(err.find("audio device"), std::string::npos) << err;
}

}  // namespace
