// The mix as it is heard, rendered frame by frame without a device: effects cut
// off and resumed, silence with the sounds off, the tune's loop and its end, and
// hostile MIDI files made safe before FluidSynth sees them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdlib>
#include <sys/resource.h>

#include "audio/Audio.h"
#include "audio/SoundFile.h"
#include "audio/SdlMedia.h"
#include "assets/WaveFile.h"

using namespace tesseron;

namespace {

constexpr int Rate = 44100;

// A tone at the mixing rate whose every sample tells its place: sample i is `base` + i.
std::vector<int16_t> Ramp(int base, int frames) {
    std::vector<int16_t> s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) s[size_t(i)] = int16_t(base + i);
    return s;
}

// A one-track file: a woodblock knock of `noteTicks`, then silence up to `endTicks`
// (480 ticks a beat at 120 beats a minute: a tick is 1/960 s).
QByteArray Knock(int noteTicks, int endTicks) {
    auto var = [](QByteArray& b, int v) {
        if (v >= 128) b.append(char(0x80 | (v >> 7)));
        b.append(char(v & 0x7F));
    };
    QByteArray t("\x00\xC0\x73\x00\x90\x3C\x7F", 7);
    var(t, noteTicks);
    t.append("\x80\x3C\x00", 3);
    var(t, endTicks - noteTicks);
    t.append("\xFF\x2F\x00", 3);
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0", 20);
    b.append(char(t.size() >> 8)).append(char(t.size() & 0xFF));
    return b + t;
}

struct RenderTest : ::testing::Test {
    QTemporaryDir dir;
    RenderedBackend rendered = CreateRenderedBackend();
    MediaBackend* backend = rendered.backend.get();
    std::unique_ptr<Audio> audio;

    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "audio_render_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
        if (QFile::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"))
            setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
    }
    void SetUp() override {
        audio = std::make_unique<Audio>(std::move(rendered.backend));
        for (int i = 1; i <= 5; ++i) {
            const QString path = dir.filePath(QString::number(i) + ".snd");
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(WaveFile(Ramp(1000 * i, 2000), Rate));
            audio->SetFile(i, path);
        }
        audio->SetFile(MusicPlayer, dir.filePath("Music.mid"));
    }
    // The next `frames` frames, left side only; the ends reach the logic between buffers.
    std::vector<int16_t> Hear(int frames) {
        std::vector<int16_t> left;
        std::vector<int16_t> buffer(2048);
        for (int done = 0; done < frames; done += 1024) {
            const int n = std::min(1024, frames - done);
            rendered.render(buffer.data(), n);
            for (int i = 0; i < n; ++i) left.push_back(buffer[size_t(2 * i)]);
            QCoreApplication::processEvents();
        }
        return left;
    }
};

TEST_F(RenderTest, EffectsAreHeardAtOnceCutOffAndResumed) {
    audio->Sound = true;
    audio->StartAudio();
    audio->PlayEffect(Effect::Applause);
    std::vector<int16_t> out = Hear(300);
    EXPECT_EQ(out.front(), 4000);  // the first frame after the call
    EXPECT_EQ(out.back(), 4299);
    audio->PlayEffect(Effect::Click);  // cuts the applause off
    out = Hear(100);
    EXPECT_EQ(out.front(), 3000);
    EXPECT_EQ(out.back(), 3099);
    audio->ResumeEffect(Effect::Applause);  // on from the cut
    out = Hear(1800);
    EXPECT_EQ(out.front(), 4300);
    EXPECT_EQ(out[1699], 5999);
    EXPECT_EQ(out[1700], 0);                // its end, then silence
    audio->ResumeEffect(Effect::Applause);  // ended: from the beginning
    EXPECT_EQ(Hear(1).front(), 4000);
    audio->PlayEffect(Effect::Applause);
    EXPECT_EQ(Hear(1).front(), 4000);
}

TEST_F(RenderTest, SilentWithSoundsOffButTheSwitchClicksAndTheBeepSounds) {
    audio->StartAudio();
    audio->PlayEffect(Effect::Shoot);
    audio->ResumeEffect(Effect::GameOver);
    const std::vector<int16_t> out = Hear(3000);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 0; }));
    audio->ToggleSounds();  // on: reopened, then the click from its start
    EXPECT_EQ(Hear(1).front(), 3000);
    audio->ToggleSounds();  // off: the click goes on from where it stands
    EXPECT_EQ(Hear(1).front(), 3001);
    Hear(3000);
    audio->Beep();
    const std::vector<int16_t> beep = Hear(2000);
    EXPECT_TRUE(std::any_of(beep.begin(), beep.end(), [](int16_t v) { return std::abs(v) > 1000; }));
}

// Frames at which the output becomes loud after at least `quiet` silent frames.
std::vector<long> Onsets(const std::vector<int16_t>& s, long quiet) {
    std::vector<long> at;
    long silent = quiet;
    for (long i = 0; i < long(s.size()); ++i) {
        if (std::abs(s[size_t(i)]) > 300) {
            if (silent >= quiet) at.push_back(i);
            silent = 0;
        } else {
            ++silent;
        }
    }
    return at;
}

TEST_F(RenderTest, TuneLoopsWithoutAGapAndSwitchedOffIsSilentAtOnce) {
    QFile f(dir.filePath("Music.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Knock(96, 960));  // a knock of 0.1 s in a tune of 1 s
    f.close();
    audio->Music = true;
    testing::internal::CaptureStderr();
    audio->StartAudio();
    const std::vector<int16_t> heard = Hear(Rate * 35 / 10);
    const std::vector<long> at = Onsets(heard, Rate / 4);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(at.size(), 4u);
    for (size_t i = 1; i < at.size(); ++i) {
        const double gap = double(at[i] - at[i - 1]) / Rate - 1.0;
        RecordProperty("loop_gap_ms", int(gap * 1000));
        EXPECT_GE(gap, 0.0);
        EXPECT_LT(gap, 0.05) << "round " << i;
    }
    audio->ToggleMusic();
    const std::vector<int16_t> off = Hear(4096);
    EXPECT_TRUE(std::all_of(off.begin() + 1024, off.end(), [](int16_t v) { return v == 0; }));
}

TEST_F(RenderTest, ATuneChosenWithTheMusicOffPlaysOnceAndLetsGo) {
    QFile f(dir.filePath("Music.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Knock(96, 480));
    f.close();
    audio->StartAudio();
    audio->MusFile1Click([] { return std::nullopt; });
    const std::vector<long> at = Onsets(Hear(Rate * 2), Rate / 8);
    EXPECT_EQ(at.size(), 1u);
    EXPECT_FALSE(audio->Music);
    // Closed at its end: the switch then opens it anew and it plays from its start.
    audio->ToggleMusic();
    const std::vector<long> again = Onsets(Hear(Rate / 4), Rate / 8);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_LT(again[0], 1024);
}

// A standard MIDI file's events: the deltas and the bytes after them.
QByteArray Smf(const QByteArray& track, int tracks = 1) {
    QByteArray b("MThd\0\0\0\x06\0\x01\0", 11);
    b.append(char(tracks)).append("\x01\xE0", 2);
    for (int i = 0; i < tracks; ++i) {
        b.append("MTrk", 4);
        for (int k = 3; k >= 0; --k) b.append(char(track.size() >> (8 * k)));
        b += track;
    }
    return b;
}

// FluidSynth gets only the presets of the programs a tune selects: what it plays must
// sound as it would with every program of the bank at hand. A tune that selects all
// 128 on a silent channel gets the whole bank.
TEST_F(RenderTest, ATuneSoundsAsWithTheWholeBank) {
    // Bass with a program change, piano without one, a drum, and a bank the file lacks.
    const QByteArray notes(
        "\x00\xC0\x21\x00\x90\x28\x70\x00\x91\x3C\x70\x00\x99\x26\x70"
        "\x00\xB2\x00\x08\x00\xC2\x04\x00\x92\x43\x70\x83\x60\xFF\x2F\x00",
        31);
    QByteArray everyProgram;
    for (int p = 0; p < 128; ++p) everyProgram.append('\0').append('\xCF').append(char(p));
    std::vector<int16_t> heard[2];
    for (int whole = 0; whole < 2; ++whole) {
        QFile f(dir.filePath("Music.mid"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Smf(whole ? everyProgram + notes : notes));
        f.close();
        audio->MusFile1Click([] { return std::nullopt; });
        heard[whole] = Hear(Rate / 2);
    }
    EXPECT_GT(*std::max_element(heard[0].begin(), heard[0].end()), 3000);
    EXPECT_EQ(heard[0], heard[1]);
}

// A bank whose preset list is not its last chunk is read whole, through the same
// loader, and sounds the same; one broken in its preset list is refused and says so.
TEST_F(RenderTest, ABankThatCannotBeCutIsReadWholeAndABrokenOneRefused) {
    const QByteArray notes("\x00\xC0\x21\x00\x90\x28\x70\x00\x99\x26\x70\x83\x60\xFF\x2F\x00", 16);
    QFile tune(dir.filePath("Music.mid"));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write(Smf(notes));
    tune.close();
    const QByteArray fonts = qgetenv("SDL_SOUNDFONTS");
    QFile original(fonts.isEmpty() ? "/usr/share/sounds/sf2/default-GM.sf2" : QString::fromLocal8Bit(fonts));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bank = original.readAll();
    QByteArray trailed = bank + QByteArray("junk\x04\0\0\0abcd", 12);
    qToLittleEndian(quint32(trailed.size() - 8), trailed.data() + 4);
    QByteArray broken = bank;  // every zone of every preset points past the generators
    const qsizetype zones = bank.lastIndexOf("pbag");
    ASSERT_GT(zones, 0);
    const qsizetype size = qFromLittleEndian<quint32>(bank.constData() + zones + 4);
    broken.replace(zones + 8, size, QByteArray(size, '\xFF'));
    std::vector<int16_t> heard[2];
    std::string said;
    auto path = [&](int n) { return dir.filePath(QString::number(n) + ".sf2").toStdString(); };
    for (int n = 0; n < 3; ++n) {
        const QString path = dir.filePath(QString::number(n) + ".sf2");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(n == 0 ? bank : n == 1 ? trailed : broken);
        f.close();
        qputenv("SDL_SOUNDFONTS", path.toLocal8Bit());
        testing::internal::CaptureStderr();
        audio->MusFile1Click([] { return std::nullopt; });
        const std::vector<int16_t> out = Hear(Rate / 4);
        said = testing::internal::GetCapturedStderr();
        if (n < 2)
            heard[n] = out;
        else
            EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 0; }));
    }
    qputenv("SDL_SOUNDFONTS", fonts);
    EXPECT_GT(*std::max_element(heard[0].begin(), heard[0].end()), 3000);
    EXPECT_EQ(heard[0], heard[1]);
    EXPECT_NE(said.find(path(2) + " cannot be read"), std::string::npos) << said;
    EXPECT_EQ(said.find("CRITICAL"), std::string::npos) << said;  // GLib's own words stay out
}

void Le16(QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); }

// A copy of `bank` with the preset headers, zones and generators given (each list
// without its terminal record) and the instruments and samples as they were.
QByteArray WithPresets(const QByteArray& bank, QByteArray phdr, QByteArray pbag, QByteArray pgen) {
    const qsizetype list = bank.lastIndexOf("LIST");
    QByteArray pdta("LIST\0\0\0\0pdta", 12);
    auto chunk = [&](const char* name, const QByteArray& body) {
        pdta.append(name, 4);
        for (int k = 0; k < 4; ++k) pdta.append(char(body.size() >> (8 * k)));
        pdta += body;
    };
    phdr += QByteArray("EOP", 3) + QByteArray(21, '\0');
    Le16(phdr, int(pbag.size() / 4));
    phdr += QByteArray(12, '\0');
    Le16(pbag, int(pgen.size() / 4)), Le16(pbag, 0);
    chunk("phdr", phdr);
    chunk("pbag", pbag);
    chunk("pmod", QByteArray(10, '\0'));
    chunk("pgen", pgen + QByteArray(4, '\0'));
    for (qsizetype at = bank.indexOf("inst", list); at >= 0 && at + 8 <= bank.size();) {
        const qsizetype size = qFromLittleEndian<quint32>(bank.constData() + at + 4);
        pdta += bank.mid(at, 8 + size);
        at += 8 + size;
    }
    qToLittleEndian(quint32(pdta.size() - 8), pdta.data() + 4);
    QByteArray out = bank.left(list) + pdta;
    qToLittleEndian(quint32(out.size() - 8), out.data() + 4);
    return out;
}

QByteArray Preset(int program, int bank, int firstBag) {
    QByteArray h = QByteArray("Hostile", 7) + QByteArray(13, '\0');
    Le16(h, program), Le16(h, bank), Le16(h, firstBag);
    return h + QByteArray(12, '\0');
}

// Presets of program 0 that all point back at one large zone past skipped headers of
// another program: a cut that copied it again for each would take hundreds of MB.
QByteArray SharedZoneBank(const QByteArray& bank, int presets, int gens) {
    QByteArray phdr, pbag, pgen;
    for (int p = 0; p < 2 * presets; ++p) phdr += Preset(p % 2 ? 5 : 0, p / 2, p % 2);
    Le16(pbag, 0), Le16(pbag, 0), Le16(pbag, gens), Le16(pbag, 0);
    for (int g = 0; g + 1 < gens; ++g) Le16(pgen, 17), Le16(pgen, 0);  // pan, centred
    Le16(pgen, 41), Le16(pgen, 0);                                     // the first instrument
    return WithPresets(bank, phdr, pbag, pgen);
}

// Presets of program 0 in banks of their own, each of many zones that sound the first
// instrument: every zone costs FluidSynth some kilobytes.
QByteArray ManyZoneBank(const QByteArray& bank, int presets, int zones) {
    QByteArray phdr, pbag, pgen;
    for (int p = 0; p < presets; ++p) phdr += Preset(0, p, p * zones);
    for (int z = 0; z < presets * zones; ++z) Le16(pbag, z), Le16(pbag, 0), Le16(pgen, 41), Le16(pgen, 0);
    return WithPresets(bank, phdr, pbag, pgen);
}

long PeakKilobytes() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return use.ru_maxrss;
}

// A hostile bank is refused or cut to a bounded cost, and the game says which.
TEST_F(RenderTest, HostileBanksCostLittle) {
    const QByteArray fonts = qgetenv("SDL_SOUNDFONTS");
    QFile original(fonts.isEmpty() ? "/usr/share/sounds/sf2/default-GM.sf2" : QString::fromLocal8Bit(fonts));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bank = original.readAll();
    QFile tune(dir.filePath("Music.mid"));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write(Knock(96, 480));
    tune.close();
    const struct {
        QByteArray bank;
        std::string said;
    } cases[] = {{SharedZoneBank(bank, 300, 65000), "cannot be read"},
                 {ManyZoneBank(bank, 1000, 60), "presets past 4096 zones left out"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath("hostile.sf2");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bank);
        f.close();
        qputenv("SDL_SOUNDFONTS", path.toLocal8Bit());
        const long before = PeakKilobytes();
        testing::internal::CaptureStderr();
        audio->MusFile1Click([] { return std::nullopt; });
        Hear(Rate / 10);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_LT(PeakKilobytes() - before, 100 * 1024) << c.said;
        EXPECT_NE(said.find("hostile.sf2"), std::string::npos) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
    }
    qputenv("SDL_SOUNDFONTS", fonts);
}

// Memory that runs out while a file is read costs that player only, which says why; it
// never reaches the start-up as a failure to read the settings.
TEST_F(RenderTest, RunningOutOfMemoryCostsOnlyThePlayer) {
    const QString path = dir.filePath("large.snd");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(48 << 20));
    f.close();
    // Room for 16 MB more than the process holds, and a file of 48 MB to read.
    auto openWithLittleRoom = [this, &path] {
        QFile status("/proc/self/status");
        status.open(QIODevice::ReadOnly);
        const QByteArray all = status.readAll();
        const qsizetype at = all.indexOf("VmSize:") + 7;
        const rlim_t room = rlim_t(all.mid(at, all.indexOf('\n', at) - at).trimmed().split(' ').front().toLong() + 16384) * 1024;
        const rlimit limit{room, room};
        setrlimit(RLIMIT_AS, &limit);
        auto player = backend->CreatePlayer();
        QString error;
        const bool opened = player->Open(DeviceKind::WaveAudio, path, error);
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        std::_Exit(opened ? 1 : 0);
    };
    EXPECT_EXIT(openWithLittleRoom(), ::testing::ExitedWithCode(0), "large.snd: out of memory");
}

// FluidSynth's player takes at most 128 tracks and refuses the whole file past them.
TEST_F(RenderTest, ATuneOfManyTracksIsHeard) {
    QByteArray knock = Knock(96, 480).mid(22);
    QFile f(dir.filePath("Music.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray file = Smf(QByteArray("\x00\xFF\x2F\x00", 4), 200);
    file += "MTrk" + QByteArray(2, '\0') + char(knock.size() >> 8) + char(knock.size()) + knock;
    file[11] = char(201);
    f.write(file);
    f.close();
    audio->MusFile1Click([] { return std::nullopt; });
    const std::vector<int16_t> heard = Hear(Rate / 4);
    EXPECT_GT(*std::max_element(heard.begin(), heard.end()), 3000);
}

// A broken bank complains about each of its instruments by name: one line says it, and
// the names, which come from the file, carry no control characters to the terminal.
TEST(TuneProblemTest, OneLineForEachKindWhateverTheNamesAndNumbers) {
    testing::internal::CaptureStderr();
    ReportTuneProblem(QStringLiteral("Instrument 'Organ 1': Some invalid generators were discarded"));
    ReportTuneProblem(QStringLiteral("Instrument 'Xylophone': Some invalid generators were discarded"));
    ReportTuneProblem(QStringLiteral("Instrument \"Tuba\": Some invalid generators were discarded"));
    ReportTuneProblem(QStringLiteral("Instrument 'Tuba': Discarding invalid global zone"));
    ReportTuneProblem(QStringLiteral("Sample 'Bell\x1b]0;owned\x07\n': ROM sample ignored"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 3) << said;
    EXPECT_NE(said.find("'Bell?]0;owned??': ROM"), std::string::npos) << said;  // no escape reaches the terminal
    EXPECT_NE(said.find("'Organ 1': Some invalid"), std::string::npos) << said;
    EXPECT_NE(said.find("global zone"), std::string::npos) << said;
}

TEST(PrepareTuneTest, DenseChordsAreTrimmedAndTheTimingKept) {
    QByteArray track("\x00\x90", 2);
    for (int i = 0; i < 40; ++i) track.append(char(i)).append('\x40').append('\x00');  // running status
    track.chop(1);
    track.append("\x83\x60\x3C\x40\x00\xFF\x2F\x00", 8);  // one note 480 ticks later
    PreparedTune tune;
    QString error;
    ASSERT_TRUE(PrepareTune(Smf(track), tune, error)) << error.toStdString();
    EXPECT_TRUE(tune.trimmed.contains("8 notes")) << tune.trimmed.toStdString();
    QByteArray expected;
    for (int i = 0; i < MaxNotesPerTick; ++i) expected.append('\x00').append('\x90').append(char(i)).append('\x40');
    expected.append("\x83\x60\x90\x3C\x40\x00\xFF\x2F\x00", 9);
    EXPECT_EQ(tune.smf, Smf(expected));
    EXPECT_TRUE(tune.programs.none());

    // Wrapped in RIFF RMID, and with the end of track missing; the programs of two channels are told.
    QByteArray inner = Smf(QByteArray("\x00\xC0\x05\x00\xC9\x19", 6));
    QByteArray rmid("RIFF\0\0\0\0RMIDdata", 16);
    for (int k = 0; k < 4; ++k) rmid.append(char(inner.size() >> (8 * k)));
    ASSERT_TRUE(PrepareTune(rmid + inner, tune, error)) << error.toStdString();
    EXPECT_EQ(tune.smf, Smf(QByteArray("\x00\xC0\x05\x00\xC9\x19\x00\xFF\x2F\x00", 10)));
    EXPECT_TRUE(tune.trimmed.isEmpty());
    EXPECT_EQ(tune.programs, std::bitset<128>().set(5).set(25));
}

// Lyrics, names and long system-exclusive messages never sound: a file of them costs
// nothing to play and says so in one line; the tempo and a reset are kept.
TEST(PrepareTuneTest, WhatNeverSoundsIsLeftOut) {
    auto many = [](const QByteArray& event, int n) {
        QByteArray t;
        for (int i = 0; i < n; ++i) t += '\x01' + event;
        return t + QByteArray("\x00\x90\x3C\x40\x00\xFF\x2F\x00", 8);
    };
    auto sized = [](const QByteArray& head, int size) {  // a length of two bytes, then the body
        return head + char(0x80 | size >> 7) + char(size & 0x7F) + QByteArray(size, 'x');
    };
    const QByteArray reset("\xF0\x05\x7E\x7F\x09\x01\xF7", 7), tempo("\xFF\x51\x03\x07\xA1\x20", 6);
    const struct {
        QByteArray track;
        QByteArray kept;  // the events written, with their deltas
        bool told;
    } cases[] = {
        {many(sized("\xFF\x05", 300), 2000), QByteArray("\x8F\x50\x90\x3C\x40", 5), true},  // lyrics
        {many(sized("\xFF\x01", 300), 20), QByteArray("\x14\x90\x3C\x40", 4), false},       // a little text
        {many(sized("\xF0", 1000), 300), QByteArray("\x82\x2C\x90\x3C\x40", 5), true},      // long messages
        {many(sized("\xF7", 16), 3), QByteArray("\x03\x90\x3C\x40", 4), true},              // continuations
        {many(sized("\xF0", 8000), 1), QByteArray("\x01\x90\x3C\x40", 4), true},            // one large
        {QByteArray("\x00\xFF\x03\x04Tune\x00", 9) + reset + QByteArray("\x00\xFF\x58\x04\x04\x02\x18\x08\x00", 9) + tempo +
             QByteArray("\x00\xFF\x51\x02\x07\xA1\x00\x90\x3C\x40\x00\xFF\x2F\x00", 14),
         QByteArray(1, '\0') + reset + QByteArray(1, '\0') + tempo + QByteArray("\x00\x90\x3C\x40", 4), false},
    };
    for (const auto& c : cases) {
        PreparedTune tune;
        QString error;
        ASSERT_TRUE(PrepareTune(Smf(c.track), tune, error)) << error.toStdString();
        EXPECT_EQ(tune.smf, Smf(c.kept + QByteArray("\x00\xFF\x2F\x00", 4))) << c.track.size();
        EXPECT_EQ(tune.trimmed.contains("data left out"), c.told) << tune.trimmed.toStdString();
    }
    // Short messages are kept up to a budget of bytes.
    PreparedTune tune;
    QString error;
    ASSERT_TRUE(PrepareTune(Smf(many(sized("\xF0", 300), 2000)), tune, error));
    EXPECT_GT(tune.smf.size(), MaxTuneSysexBytes - 400);
    EXPECT_LT(tune.smf.size(), MaxTuneSysexBytes + 1000);
    EXPECT_TRUE(tune.trimmed.contains("523 KB of lyrics, text and system-exclusive data left out")) << tune.trimmed.toStdString();
}

// Past FluidSynth's limit of tracks, they are merged into one in the order of their
// ticks, those of one tick in the order of the tracks.
TEST(PrepareTuneTest, ManyTracksAreMergedInTheOrderOfTheirTicks) {
    QByteArray file("MThd\0\0\0\x06\0\x01\0\xC8\x01\xE0", 14);
    for (int i = 0; i < 200; ++i) {
        const QByteArray track = QByteArray(1, char(i % 3)) + '\x90' + char(i % 100) + "\x40\x00\xFF\x2F\x00";
        file += QByteArray("MTrk\0\0\0", 7) + char(track.size()) + track;
    }
    PreparedTune tune;
    QString error;
    ASSERT_TRUE(PrepareTune(file, tune, error)) << error.toStdString();
    QByteArray expected;
    for (int tick = 0; tick < 3; ++tick)
        for (int i = tick; i < 200; i += 3)
            expected += QByteArray(1, char(i == tick && tick ? 1 : 0)) + '\x90' + char(i % 100) + '\x40';
    expected += QByteArray("\x00\xFF\x2F\x00", 4);
    EXPECT_EQ(tune.smf.left(14), QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14));
    EXPECT_EQ(tune.smf.mid(22), expected);
    EXPECT_EQ(tune.endTick, 2);
}

TEST(PrepareTuneTest, LongTunesAreCutAndGarbageRefused) {
    QByteArray track;
    for (int i = 0; i < MaxTuneEvents + 10; ++i) track.append("\x01\xB0\x07\x40", 4);
    PreparedTune tune;
    QString error;
    ASSERT_TRUE(PrepareTune(Smf(track, 2), tune, error));
    EXPECT_TRUE(tune.trimmed.startsWith("cut after")) << tune.trimmed.toStdString();
    EXPECT_EQ(tune.smf.size(), 14 + 2 * 8 + MaxTuneEvents * 4 + 2 * 4);  // the second track only ends
    for (const QByteArray& bad : {QByteArray("MThd\0\0\0\x06\0\0\0\0\x01\xE0", 14), QByteArray("RIFF\0\0\0\0RMID", 12),
                                  QByteArray("MThd"), QByteArray(100, '\xFF')}) {
        EXPECT_FALSE(PrepareTune(bad, tune, error));
        EXPECT_FALSE(error.isEmpty());
    }
}

}  // namespace
