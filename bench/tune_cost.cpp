// What a tune costs while it plays: resident memory and the share of a core that
// rendering it takes, through the real players and mixer without a device.
//   bench_tune_cost FILE|lyrics|sysex|onesysex [SECONDS]
// The three names make hostile tunes under the read cap; SDL_SOUNDFONTS picks the bank.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <vector>

#include "audio/Audio.h"
#include "audio/SdlMedia.h"

using namespace tesseron;

namespace {

QByteArray Var(quint32 v) {
    QByteArray b(1, char(v & 0x7F));
    while (v >>= 7) b.prepend(char(0x80 | (v & 0x7F)));
    return b;
}

// One track: a knock every beat for the length of the tune, between `events` copies of `event`.
QByteArray Hostile(const QByteArray& event, int events) {
    QByteArray t;
    t.reserve(qsizetype(events) * (event.size() + 2) + 64);
    t += QByteArray("\x00\xC0\x73", 3);
    for (int i = 0; i < events; ++i) {
        t += Var(i % 48 == 0 ? 0 : 10) + event;
        if (i % 48 == 0) t += QByteArray("\x00\x90\x3C\x64\x00\x80\x3C\x00", 8);
    }
    t += QByteArray("\x00\xFF\x2F\x00", 4);
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk", 18);
    for (int k = 3; k >= 0; --k) b.append(char(t.size() >> (8 * k)));
    return b + t;
}

long Status(const char* key) {
    QFile f("/proc/self/status");
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(qsizetype(strlen(key))).trimmed().split(' ').front().toLong();
    return -1;
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE|lyrics|sysex|onesysex [SECONDS]\n", argv[0]);
        return 2;
    }
    const QString what = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? atoi(argv[2]) : 20;
    QTemporaryDir dir;
    QString file = what;
    if (what == "lyrics" || what == "sysex" || what == "onesysex") {
        QByteArray tune;
        if (what == "lyrics")
            tune = Hostile("\xFF\x05" + Var(300) + QByteArray(300, 'l'), 190000);
        else if (what == "sysex")
            tune = Hostile("\xF0" + Var(300) + QByteArray(299, 0x11) + '\xF7', 190000);
        else
            tune = Hostile("\xF0" + Var(60000000) + QByteArray(59999999, 0x11) + '\xF7', 1);
        file = dir.filePath(what + ".mid");
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(tune) != tune.size()) return 1;
        std::fprintf(stderr, "%s: %lld bytes\n", qPrintable(what), qlonglong(tune.size()));
    }
    const long startRss = Status("VmRSS:");
    RenderedBackend rendered = CreateRenderedBackend();
    auto render = rendered.render;
    Audio audio(std::move(rendered.backend));
    audio.SetFile(MusicPlayer, file);
    audio.Music = true;
    audio.StartAudio();
    std::vector<int16_t> buffer(2048);
    const double cpu = CpuSeconds();
    long peak = 0;
    for (long frame = 0; frame < 44100L * seconds; frame += 1024) {
        render(buffer.data(), 1024);
        for (int16_t v : buffer) peak = std::max<long>(peak, std::abs(v));
        app.processEvents();
    }
    const double used = CpuSeconds() - cpu;
    std::printf("%s: rss before %ld kB, rss playing %ld kB, peak rss %ld kB, cpu %.2f %% of a core, loudest %ld\n",
                qPrintable(what), startRss, Status("VmRSS:"), Status("VmHWM:"), 100.0 * used / seconds, peak);
    return 0;
}
