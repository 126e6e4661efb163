// The players on the real SDL output with the disk driver: what the game plays is read back
// from the raw output file (signed 16-bit stereo at 44100 Hz).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <malloc.h>
#include <sys/stat.h>

#include "audio/Audio.h"
#include "audio/SdlMedia.h"
#include "audio/SoundFile.h"
#include "assets/WaveFile.h"

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
    for (int i = 0; i < n; ++i) u16(quint16(qint16(8000 * std::sin(2 * M_PI * freq * i / rate))));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// One short woodblock knock.
void WriteMidi(const QString& path) {
    const char track[] =
        "\x00\xC0\x73"
        "\x00\x90\x3C\x64"
        "\x10\x80\x3C\x00"
        "\x00\xFF\x2F\x00";
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);
    b += QByteArray("MTrk\0\0\0", 7) + char(sizeof track - 1) + QByteArray(track, sizeof track - 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}

// Our own lines on standard error; SDL's disk driver adds notes of its own.
int OurLines(const std::string& err) {
    int n = 0;
    for (size_t at = 0; (at = err.find("tesseron:", at)) != std::string::npos; ++at) n += at == 0 || err[at - 1] == '\n';
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
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        raw = dir.filePath("out.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", raw.toLocal8Bit().constData(), 1);
        // The small General MIDI bank keeps the MIDI runs short.
        if (QFile::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
            setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
        for (int i = 1; i <= 5; ++i) WriteWave(dir.filePath(QString::number(i) + ".snd"), 150, 300.0 * i);
    }
    std::unique_ptr<Audio> MakeAudio(bool sound) {
        auto a = std::make_unique<Audio>(CreateSdlBackend());
        for (int i = 1; i <= 5; ++i) a->SetFile(i, dir.filePath(QString::number(i) + ".snd"));
        a->SetFile(MusicPlayer, dir.filePath("Music.mid"));
        a->Sound = sound;
        return a;
    }
    // Index of the first non-silent sample frame written (from `fromFrame` on), -1 for silence and
    // -2 when no output was opened; the whole output is read after it has closed.
    long FirstSound(long fromFrame = 0) const {
        QFile f(raw);
        if (!f.open(QIODevice::ReadOnly)) return -2;
        const QByteArray b = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(b.constData());
        for (long i = fromFrame * 2; i < b.size() / 2; ++i)
            if (std::abs(s[i]) > 64) return i / 2;
        return b.isEmpty() ? -2 : -1;
    }
};

bool Mapped(const char* library) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

size_t HeapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

int AudioThreads() {
    int n = 0;
    for (const QFileInfo& task : QDir("/proc/self/task").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(task.filePath() + "/comm");
        n += comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudio");
    }
    return n;
}

// First in the file: once loaded, SDL and FluidSynth stay for the life of the process.
TEST_F(SdlAudioTest, FluidSynthWaitsForTheTuneAndSharesTheOutput) {
    WriteMidi(dir.filePath("Music.mid"));
    auto audio = MakeAudio(true);
    audio->StartAudio();
    EXPECT_FALSE(Mapped("libSDL2-2.0"));  // five sounds decoded, none played
    audio->PlayEffect(Effect::Shoot);
    EXPECT_TRUE(Mapped("libSDL2-2.0"));
    audio->Beep();
    EXPECT_FALSE(Mapped("libfluidsynth"));

    const size_t before = HeapBytes();
    audio->ToggleMusic();
    EXPECT_TRUE(Mapped("libfluidsynth"));
    EXPECT_EQ(AudioThreads(), 1);  // one device for effects and tune
    // FluidSynth reads only the instrument the tune picks: with the whole bank it takes 15 MB.
    std::printf("heap taken by the tune: %.1f MB\n", (HeapBytes() - before) / 1e6);
    EXPECT_LT(HeapBytes() - before, size_t(12e6));
    const auto written = [&] { return QFileInfo(raw).size() / 4; };
    ASSERT_TRUE(WaitFor([&] { return written() >= 8192; }, 20000));
    audio->PlayEffect(Effect::Applause);
    const long applauseAt = written();
    ASSERT_TRUE(WaitFor([&] { return written() >= applauseAt + 16384; }, 20000));
    audio.reset();
    QFile f(raw);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const auto* s = reinterpret_cast<const qint16*>(b.constData());
    long loud = 0;
    for (long i = applauseAt * 2; i < b.size() / 2; ++i) loud += std::abs(s[i]) > 64;
    EXPECT_GT(loud, 1000);  // the applause in the output that plays the tune
}

// A RIFF WAVE of `encoding` (1 integer, 3 float, 7 mu-law), optionally in the
// extensible form, holding `v` (-1..1) as `channels` interleaved channels.
QByteArray Wave(int encoding, int channels, int bits, const std::vector<double>& v, bool extensible = false) {
    QByteArray data;
    for (double x : v) {
        if (encoding == 3 && bits == 32) {
            const float f = float(x);
            data.append(reinterpret_cast<const char*>(&f), 4);
        } else if (encoding == 3) {
            data.append(reinterpret_cast<const char*>(&x), 8);
        } else if (encoding == 7) {
            data.append(char(x < 0 ? 0x7F : 0xFF) & char(x == 0 ? 0xFF : 0xA0));  // loud or silent
        } else if (bits == 8) {
            data.append(char(std::lround(x * 127) + 128));
        } else {
            const qint64 i = std::llround(x * ((qint64(1) << (bits - 1)) - 1));
            for (int b = 0; b < bits / 8; ++b) data.append(char(i >> (8 * b)));
        }
    }
    QByteArray fmt;
    auto put = [](QByteArray& to, quint32 value, int bytes) {
        for (int b = 0; b < bytes; ++b) to.append(char(value >> (8 * b)));
    };
    const int align = channels * bits / 8;
    put(fmt, extensible ? 0xFFFE : encoding, 2), put(fmt, channels, 2), put(fmt, 22050, 4);
    put(fmt, 22050 * align, 4), put(fmt, align, 2), put(fmt, bits, 2);
    if (extensible) {
        put(fmt, 22, 2), put(fmt, bits, 2), put(fmt, 0, 4), put(fmt, encoding, 2);
        fmt.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    QByteArray b("RIFF");
    put(b, 4 + 8 + fmt.size() + 8 + data.size(), 4);
    b += "WAVEfmt ";
    put(b, fmt.size(), 4);
    b += fmt + "data";
    put(b, data.size(), 4);
    return b + data;
}

// Plain wave files are read without SDL; what they decode to must be what SDL
// makes of them, and what only SDL reads still plays.
TEST(WaveDecoding, OwnReaderAgreesWithSdl) {
    const bool fresh = !Mapped("libSDL2-2.0");  // CTest runs each case on its own
    std::vector<double> v;
    for (int i = 0; i < 400; ++i) v.push_back(std::sin(i * 0.05) * (i < 200 ? 1.0 : 0.3));
    struct Form {
        int encoding, channels, bits;
        bool extensible;
    };
    const Form forms[] = {{1, 1, 8, false},  {1, 2, 16, false}, {1, 1, 24, false}, {1, 2, 32, false},
                          {3, 1, 32, false}, {1, 2, 16, true},  {3, 2, 32, true}};
    DecodedSound own[std::size(forms)];
    QString error;
    for (size_t i = 0; i < std::size(forms); ++i) {
        const Form f = forms[i];
        ASSERT_TRUE(DecodeWave(Wave(f.encoding, f.channels, f.bits, v, f.extensible), own[i], error)) << i << error.toStdString();
    }
    EXPECT_FALSE(fresh && Mapped("libSDL2-2.0"));
    for (size_t i = 0; i < std::size(forms); ++i) {
        const Form f = forms[i];
        SCOPED_TRACE(testing::Message() << f.encoding << "/" << f.channels << "ch/" << f.bits << (f.extensible ? " ext" : ""));
        DecodedSound sdl;
        ASSERT_TRUE(DecodeWaveWithSdl(Wave(f.encoding, f.channels, f.bits, v, f.extensible), sdl, error)) << error.toStdString();
        const DecodedSound& mine = own[i];
        EXPECT_EQ(mine.channels, f.channels);
        EXPECT_EQ(mine.rate, 22050);
        ASSERT_EQ(mine.samples.size(), sdl.samples.size());
        int worst = 0;
        for (size_t k = 0; k < mine.samples.size(); ++k) worst = std::max(worst, std::abs(mine.samples[k] - sdl.samples[k]));
        EXPECT_LE(worst, 2);
        EXPECT_GT(*std::max_element(mine.samples.begin(), mine.samples.end()), 32000);
    }
    DecodedSound sound;
    ASSERT_TRUE(DecodeWave(Wave(3, 1, 64, v), sound, error)) << error.toStdString();  // doubles, which SDL refuses
    EXPECT_EQ(sound.samples[31], qint16(std::lround(v[31] * 32767)));
    // Four channels fold into two, the even ones left and the odd ones right; SDL's
    // reader hands them to the same fold.
    for (const bool bySdl : {false, true}) {
        ASSERT_TRUE((bySdl ? DecodeWaveWithSdl : DecodeWave)(Wave(1, 4, 16, v), sound, error)) << error.toStdString();
        EXPECT_EQ(sound.channels, 2);
        ASSERT_EQ(sound.samples.size(), v.size() / 2);
        for (size_t f = 0; f < v.size() / 4; ++f)
            for (size_t side = 0; side < 2; ++side)
                EXPECT_NEAR(sound.samples[2 * f + side], (v[4 * f + side] + v[4 * f + side + 2]) / 2 * 32767, 2) << f;
    }
    ASSERT_TRUE(DecodeWave(Wave(7, 1, 8, v), sound, error)) << error.toStdString();  // mu-law, through SDL
    EXPECT_EQ(sound.samples.size(), v.size());
    QByteArray cut = Wave(1, 2, 16, v);
    cut.chop(3);  // the last frame is cut short
    ASSERT_TRUE(DecodeWave(cut, sound, error));
    EXPECT_EQ(sound.samples.size(), v.size() - 2);
    EXPECT_FALSE(DecodeWave(QByteArray("RIFF\x04\0\0\0WAVE", 12), sound, error));
    EXPECT_FALSE(error.isEmpty());
}

// A click at the mixing rate, so that it reaches the output sample for sample:
// 120 ms of a tone that starts at full swing and dies away.
std::vector<int16_t> Click(double freq) {
    std::vector<int16_t> s(44100 * 120 / 1000);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = int16_t(std::lround(20000 * std::cos(2 * M_PI * freq * double(i) / 44100) * std::exp(-double(i) / 2000)));
    return s;
}

// The first frame from `from` on where the whole of `click` lies in both channels, or -1.
long FindWhole(const QByteArray& raw, const std::vector<int16_t>& click, long from) {
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    const long frames = raw.size() / 4, n = long(click.size());
    for (long f = from; f + n <= frames; ++f) {
        long k = 0;
        while (k < n && std::abs(s[2 * (f + k)] - click[size_t(k)]) <= 2 && std::abs(s[2 * (f + k) + 1] - click[size_t(k)]) <= 2)
            ++k;
        if (k == n) return f;
    }
    return -1;
}

// Off, the switch stops the applause and clicks; on, it reopens the players, so the
// click comes from the file named in between, and reopening must not cut it off.
TEST_F(SdlAudioTest, SoundsSwitchClicksWholeBothWays) {
    const std::vector<int16_t> off = Click(1000), on = Click(1500);
    for (auto [name, click] : {std::pair{"off.wav", &off}, std::pair{"on.wav", &on}}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(WaveFile(*click, 44100));
    }
    WriteWave(dir.filePath("applause.wav"), 3000, 440);
    // The output must not idle shut, which would start a new file, however slow the run.
    auto audio = std::make_unique<Audio>(CreateSdlBackend(600000));
    for (int i = 1; i <= 5; ++i) audio->SetFile(i, dir.filePath(QString::number(i) + ".snd"));
    audio->SetFile(S3, dir.filePath("off.wav"));
    audio->SetFile(S4, dir.filePath("applause.wav"));
    audio->Sound = true;
    audio->StartAudio();
    const auto written = [&] { return QFileInfo(raw).size() / 4; };
    // The file lags the mix by a few buffers at most.
    const long margin = 8 * 1024 + long(off.size());

    audio->PlayEffect(Effect::Applause);
    ASSERT_TRUE(WaitFor([&] { return written() >= 4096; }, 20000));
    audio->ToggleSounds();
    const long offAt = written();
    ASSERT_TRUE(WaitFor([&] { return written() >= offAt + margin; }, 20000));
    audio->SetFile(S3, dir.filePath("on.wav"));
    audio->ToggleSounds();
    const long onAt = written();
    ASSERT_TRUE(WaitFor([&] { return written() >= onAt + margin; }, 20000));
    audio.reset();

    QFile f(raw);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray b = f.readAll();
    const long offClick = FindWhole(b, off, 0);
    ASSERT_GE(offClick, 0) << "switching off: no whole click";
    const long onClick = FindWhole(b, on, offClick + long(off.size()));
    ASSERT_GE(onClick, 0) << "switching on: no whole click";
    // Before the first click the applause played; after it nothing but the clicks.
    auto* s = reinterpret_cast<qint16*>(b.data());
    long loud = 0;
    for (long i = 0; i < offClick * 2; ++i) loud += std::abs(s[i]) > 64;
    EXPECT_GT(loud, 1000);
    std::fill(s + 2 * offClick, s + 2 * (offClick + long(off.size())), 0);
    std::fill(s + 2 * onClick, s + 2 * (onClick + long(on.size())), 0);
    EXPECT_EQ(std::count_if(s + 2 * offClick, s + b.size() / 2, [](qint16 v) { return std::abs(v) > 64; }), 0);
}

// Switching the music off lets the synthesiser go and the output closes after its
// silence; so does a tune chosen with the music off once it has played.
TEST_F(SdlAudioTest, MusicOffLetsTheOutputClose) {
    WriteMidi(dir.filePath("Music.mid"));
    auto audio = std::make_unique<Audio>(CreateSdlBackend(300));
    audio->SetFile(MusicPlayer, dir.filePath("Music.mid"));
    audio->StartAudio();
    audio->ToggleMusic();
    ASSERT_TRUE(WaitFor([] { return AudioThreads() == 1; }, 20000));
    audio->ToggleMusic();
    EXPECT_TRUE(WaitFor([] { return AudioThreads() == 0; }, 20000)) << "switched off, the output stays";

    audio->MusFile1Click([] { return std::nullopt; });  // the same tune, once
    ASSERT_TRUE(WaitFor([] { return AudioThreads() == 1; }, 20000));
    EXPECT_TRUE(WaitFor([] { return AudioThreads() == 0; }, 20000)) << "played once, the output stays";
    EXPECT_FALSE(audio->Music);
}

// Three million notes at the first tick: the game used to grow by 185 MB, take a
// core and flood standard error; now the chord is trimmed and said so once.
TEST_F(SdlAudioTest, DenseTuneCostsLittleAndSaysSoOnce) {
    QByteArray track;
    track.append("\x00\xC0\x00", 3);
    track.append("\x00\x90\x3C\x64", 4);
    for (int i = 1; i < 3000000; ++i) {
        const char note[] = {0, char(i % 128), 100};
        track.append(note, 3);
    }
    track.append("\x83\x60\xFF\x2F\x00", 5);
    QByteArray midi("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk", 18);
    for (int i = 3; i >= 0; --i) midi.append(char(track.size() >> (8 * i)));
    midi += track;
    QFile f(dir.filePath("Dense.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(midi);
    f.close();
    midi.clear();
    track.clear();
    malloc_trim(0);

    auto audio = std::make_unique<Audio>(CreateSdlBackend(600000));
    for (int i = 1; i <= 5; ++i) audio->SetFile(i, dir.filePath(QString::number(i) + ".snd"));
    audio->SetFile(MusicPlayer, dir.filePath("Dense.mid"));
    audio->Music = true;
    const size_t before = HeapBytes();
    testing::internal::CaptureStderr();
    audio->StartAudio();
    const auto written = [&] { return QFileInfo(raw).size() / 4; };
    ASSERT_TRUE(WaitFor([&] { return written() >= 44100; }, 30000));
    const size_t playing = HeapBytes() - before;
    QElapsedTimer off;
    off.start();
    audio->ToggleMusic();
    const qint64 offMs = off.elapsed();
    const std::string err = testing::internal::GetCapturedStderr();
    std::printf("dense tune: %.1f MB, off in %lld ms\n", playing / 1e6, qlonglong(offMs));
    EXPECT_LT(playing, size_t(60e6));
    EXPECT_LE(OurLines(err), 3) << err.substr(0, 2000);
    EXPECT_LT(err.size(), size_t(2000));
    EXPECT_NE(err.find("left out"), std::string::npos) << err.substr(0, 2000);
    EXPECT_LT(offMs, 1000);  // a generous bound: it used to take seconds
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
    for (int p = S1; p <= S5; ++p) audio->PlayEffect(Effect(p));
    audio->ToggleSounds();
    audio->ToggleSounds();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_LT(t.elapsed(), 1000);  // the FIFO was not opened
    EXPECT_EQ(OurLines(err), 4) << err;
    for (const char* name : {"1.snd", "2.snd", "3.snd", "Music.mid"}) EXPECT_NE(err.find(name), std::string::npos) << name;
    audio->PlayEffect(Effect::Applause);
    EXPECT_TRUE(WaitFor([&] { return FirstSound() >= 0; }, 20000));
    audio.reset();
}

TEST_F(SdlAudioTest, NoDeviceOrNoSoundfontIsOneLine) {
    WriteMidi(dir.filePath("Music.mid"));
    setenv("SDL_SOUNDFONTS", dir.filePath("none.sf2").toLocal8Bit().constData(), 1);
    auto audio = MakeAudio(true);
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    audio->PlayEffect(Effect::Shoot);
    audio.reset();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(OurLines(err), 1) << err;
    EXPECT_NE(err.find("soundfont"), std::string::npos) << err;

    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    audio = MakeAudio(true);
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    audio->PlayEffect(Effect::Shoot);
    audio->Beep();
    audio->ToggleMusic();
    audio->MusicNotify();
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(OurLines(err), 1) << err;
    EXPECT_NE(err.find("audio device"), std::string::npos) << err;
}

}  // namespace
