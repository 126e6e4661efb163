#include "assets/TuneArt.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tesseron::assets {

namespace {

constexpr int Ppq = 480;
constexpr int Bar = 4 * Ppq;
constexpr int Eighth = Ppq / 2;
constexpr int Bpm = 112;
constexpr int Bars = 16;

struct Event {
    int tick;
    int order;  // note-offs before note-ons at the same tick
    std::vector<uint8_t> bytes;
};

class Track {
public:
    void Add(int tick, std::vector<uint8_t> bytes, int order = 1) { events_.push_back({tick, order, std::move(bytes)}); }
    void Note(int channel, int tick, int length, int key, int velocity) {
        Add(tick, {uint8_t(0x90 | channel), uint8_t(key), uint8_t(velocity)});
        Add(tick + length, {uint8_t(0x80 | channel), uint8_t(key), 0}, 0);
    }
    QByteArray Chunk(int endTick) {
        std::stable_sort(events_.begin(), events_.end(),
                         [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
        QByteArray body;
        int now = 0;
        for (const Event& e : events_) {
            Delta(body, e.tick - now);
            now = e.tick;
            for (uint8_t b : e.bytes) body.append(char(b));
        }
        Delta(body, std::max(0, endTick - now));
        body.append("\xFF\x2F\x00", 3);
        QByteArray out("MTrk");
        for (int i = 3; i >= 0; --i) out.append(char((body.size() >> (8 * i)) & 0xFF));
        return out + body;
    }

private:
    static void Delta(QByteArray& out, int v) {
        uint8_t buf[5];
        int n = 0;
        buf[n++] = uint8_t(v & 0x7F);
        while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7F));
        while (n) out.append(char(buf[--n]));
    }
    std::vector<Event> events_;
};

struct Chord {
    int root;                  // bass key
    std::array<int, 3> tones;  // middle voicing
};

// A plain pop progression; the last bar leads back to the first.
const Chord Progression[Bars] = {
    {36, {60, 64, 67}}, {33, {57, 60, 64}}, {41, {57, 60, 65}}, {43, {59, 62, 67}}, {36, {60, 64, 67}}, {33, {57, 60, 64}},
    {38, {57, 62, 65}}, {43, {59, 62, 67}}, {41, {57, 60, 65}}, {43, {59, 62, 67}}, {40, {59, 64, 67}}, {33, {57, 60, 64}},
    {41, {57, 60, 65}}, {43, {59, 62, 67}}, {36, {60, 64, 67}}, {43, {59, 62, 65}},
};

// Melody rhythms in eighths: (start, length) pairs.
const std::vector<std::pair<int, int>> Rhythms[] = {
    {{0, 2}, {2, 1}, {3, 1}, {4, 3}, {7, 1}},
    {{0, 1}, {1, 1}, {2, 2}, {4, 1}, {5, 1}, {6, 2}},
    {{0, 3}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 2}, {2, 2}, {4, 4}},
    {{0, 6}},
};
// Which rhythm each bar uses: phrases of four bars that answer each other.
const int BarRhythm[Bars] = {0, 1, 0, 2, 0, 1, 3, 4, 1, 0, 1, 2, 0, 1, 3, 4};

const int Scale[] = {0, 2, 4, 5, 7, 9, 11};

bool InScale(int key) { return std::find(std::begin(Scale), std::end(Scale), key % 12) != std::end(Scale); }

int StepScale(int key, int steps) {
    while (steps > 0) {
        do ++key;
        while (!InScale(key));
        --steps;
    }
    while (steps < 0) {
        do --key;
        while (!InScale(key));
        ++steps;
    }
    return key;
}

int NearestChordTone(int from, const Chord& c) {
    int best = from, dist = 99;
    for (int octave = 12; octave <= 24; octave += 12)
        for (int t : c.tones)
            if (std::abs(t + octave - from) < dist) dist = std::abs(t + octave - from), best = t + octave;
    return best;
}

QByteArray Melody() {
    Track t;
    t.Add(0, {0xC0, 11});      // vibraphone
    t.Add(0, {0xB0, 7, 96});   // volume
    t.Add(0, {0xB0, 91, 50});  // reverb
    uint32_t seed = 2024;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    int key = 76;
    for (int bar = 0; bar < Bars; ++bar) {
        const Chord& c = Progression[bar];
        // The second phrase of each half repeats the first's steps, so it sounds composed.
        if (bar % 8 == 4) seed = 2024 + uint32_t(bar / 8);
        for (auto [start, length] : Rhythms[BarRhythm[bar]]) {
            if (start % 4 == 0 || length >= 3)
                key = NearestChordTone(key, c);  // strong beats sit on the chord
            else
                key = StepScale(key, int(next() % 5) - 2);
            key = std::clamp(key, 67, 86);
            t.Note(0, bar * Bar + start * Eighth, length * Eighth - 30, key, 78 + int(next() % 16));
        }
    }
    return t.Chunk(Bars * Bar);
}

QByteArray Chords() {
    Track t;
    t.Add(0, {0xC1, 4});  // electric piano
    t.Add(0, {0xB1, 7, 70});
    t.Add(0, {0xB1, 91, 60});
    for (int bar = 0; bar < Bars; ++bar)
        for (int half = 0; half < 2; ++half)
            for (int key : Progression[bar].tones) t.Note(1, bar * Bar + half * 2 * Ppq, 2 * Ppq - 40, key, half ? 52 : 60);
    return t.Chunk(Bars * Bar);
}

QByteArray Bass() {
    Track t;
    t.Add(0, {0xC2, 33});  // finger bass
    t.Add(0, {0xB2, 7, 100});
    for (int bar = 0; bar < Bars; ++bar) {
        const int r = Progression[bar].root, at = bar * Bar;
        t.Note(2, at, 3 * Eighth - 20, r, 92);
        t.Note(2, at + 3 * Eighth, Eighth - 20, r + 7, 78);
        t.Note(2, at + 4 * Eighth, 2 * Eighth - 20, r, 86);
        t.Note(2, at + 6 * Eighth, 2 * Eighth - 20, r + 12, 80);
    }
    return t.Chunk(Bars * Bar);
}

QByteArray Drums() {
    Track t;
    const int ch = 9;
    t.Add(0, {0xB9, 7, 90});
    for (int bar = 0; bar < Bars; ++bar) {
        const int at = bar * Bar;
        if (bar % 8 == 0) t.Note(ch, at, Eighth, 49, 70);  // crash at each half
        for (int e = 0; e < 8; ++e) t.Note(ch, at + e * Eighth, Eighth / 2, 42, e % 2 ? 34 : 48);
        t.Note(ch, at, Eighth, 36, 96);
        t.Note(ch, at + 4 * Eighth, Eighth, 36, 90);
        if (bar % 2) t.Note(ch, at + 5 * Eighth, Eighth, 36, 70);
        t.Note(ch, at + 2 * Eighth, Eighth, 38, 76);
        if (bar == Bars - 1) {  // a short fill back into the top
            for (int e = 4; e < 8; ++e) t.Note(ch, at + e * Eighth, Eighth / 2, e < 6 ? 38 : 45, 64 + 6 * e);
        } else {
            t.Note(ch, at + 6 * Eighth, Eighth, 38, 76);
        }
    }
    return t.Chunk(Bars * Bar);
}

QByteArray Conductor() {
    Track t;
    const int usPerBeat = 60000000 / Bpm;
    t.Add(0, {0xFF, 0x03, 8, 'T', 'e', 's', 's', 'e', 'r', 'o', 'n'});
    t.Add(0, {0xFF, 0x58, 4, 4, 2, 24, 8});
    t.Add(0, {0xFF, 0x51, 3, uint8_t(usPerBeat >> 16), uint8_t(usPerBeat >> 8), uint8_t(usPerBeat)});
    return t.Chunk(Bars * Bar);
}

}  // namespace

QByteArray Tune() {
    const QByteArray tracks[] = {Conductor(), Melody(), Chords(), Bass(), Drums()};
    QByteArray out("MThd\0\0\0\x06\0\x01\0", 11);
    out.append(char(std::size(tracks)));
    out.append(char(Ppq >> 8));
    out.append(char(Ppq & 0xFF));
    for (const QByteArray& t : tracks) out += t;
    return out;
}

}  // namespace tesseron::assets
