#include "assets/SoundArt.h"

#include "assets/WaveFile.h"

#include <algorithm>
#include <cmath>

namespace tesseron::assets {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A small generator of our own, so the files come out the same everywhere.
class Noise {
public:
    explicit Noise(uint32_t seed) : s_(seed ? seed : 1) {}
    double Next() {  // -1..1
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_ / 2147483648.0 - 1.0;
    }
    double Unit() { return (Next() + 1) / 2; }

private:
    uint32_t s_;
};

std::vector<double> Silence(double seconds) { return std::vector<double>(size_t(seconds * SoundRate), 0.0); }

// Soft edges against clicks at start and end.
void Fade(std::vector<double>& s, double in, double out) {
    const size_t a = size_t(in * SoundRate), b = size_t(out * SoundRate);
    for (size_t i = 0; i < s.size(); ++i) {
        double g = 1;
        if (i < a) g = double(i) / a;
        if (i + b > s.size()) g = std::min(g, double(s.size() - i) / b);
        s[i] *= g;
    }
}

}  // namespace

QByteArray WaveFile(const std::vector<double>& samples, double peak) {
    double top = 1e-9;
    for (double v : samples) top = std::max(top, std::abs(v));
    const double scale = peak * 32767 / top;
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size());
    for (double v : samples) pcm.push_back(int16_t(std::lround(std::clamp(v * scale, -32767.0, 32767.0))));
    return tesseron::WaveFile(pcm, SoundRate);
}

QByteArray ShootSound() {
    auto s = Silence(0.22);
    Noise noise(11);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SoundRate;
        const double f = 300 + 1700 * std::exp(-t * 22);  // falls fast, then settles
        phase += 2 * Pi * f / SoundRate;
        const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
        s[i] = (tone + 0.15 * noise.Next() * std::exp(-t * 40)) * std::exp(-t * 14);
    }
    Fade(s, 0.002, 0.02);
    return WaveFile(s, 0.8);
}

QByteArray ExplodeSound() {
    auto s = Silence(0.75);
    Noise noise(22);
    double low = 0, held = 0, thump = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SoundRate;
        // Sample-and-hold noise gives the crunch; the cutoff closes as it dies away.
        if (i % (2 + size_t(t * 12)) == 0) held = noise.Next();
        const double k = 0.05 + 0.5 * std::exp(-t * 5);
        low += k * (held - low);
        thump += 2 * Pi * (90 * std::exp(-t * 6) + 40) / SoundRate;
        s[i] = 0.8 * low * std::exp(-t * 5.5) + 0.7 * std::sin(thump) * std::exp(-t * 9);
    }
    Fade(s, 0.002, 0.08);
    return WaveFile(s, 0.85);
}

QByteArray ClickSound() {
    auto s = Silence(0.03);
    Noise noise(33);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SoundRate;
        s[i] = (std::sin(2 * Pi * 2400 * t) + 0.4 * noise.Next()) * std::exp(-t * 300);
    }
    Fade(s, 0.0005, 0.005);
    return WaveFile(s, 0.6);
}

QByteArray ApplauseSound() {
    const double length = 2.4;
    auto s = Silence(length);
    Noise noise(44);
    // Some thirty people, each clapping at their own pace with a little jitter.
    for (int person = 0; person < 30; ++person) {
        const double period = 0.16 + 0.14 * noise.Unit();
        const double loud = 0.3 + 0.7 * noise.Unit();
        const double bright = 0.12 + 0.3 * noise.Unit();  // a hand's own colour
        const double stop = length - 0.9 * noise.Unit();
        for (double at = 0.2 * noise.Unit(); at < stop; at += period * (0.9 + 0.2 * noise.Unit())) {
            const size_t start = size_t(at * SoundRate), n = size_t(0.012 * SoundRate);
            double lp = 0, prev = 0;
            for (size_t j = 0; j < n && start + j < s.size(); ++j) {
                const double x = noise.Next();
                lp += bright * (x - lp);
                const double band = lp - prev;  // high-passed: the snap of a clap
                prev = lp;
                s[start + j] += loud * band * std::exp(-double(j) / SoundRate * 350);
            }
        }
    }
    // The crowd swells in and dies away.
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SoundRate;
        s[i] *= std::min(1.0, t / 0.15) * std::min(1.0, (length - t) / 0.9);
    }
    // A gentle squash so the many claps sound full rather than spiky.
    double top = 1e-9;
    for (double v : s) top = std::max(top, std::abs(v));
    for (double& v : s) v = std::tanh(2.5 * v / top);
    return WaveFile(s, 0.8);
}

QByteArray GameOverSound() {
    struct Note {
        double hz, seconds;
    };
    const Note notes[] = {{392.0, 0.32}, {370.0, 0.32}, {349.2, 0.32}, {329.6, 1.0}};
    std::vector<double> s;
    double phase = 0;
    for (const Note& n : notes) {
        const size_t count = size_t(n.seconds * SoundRate);
        const bool last = &n == &notes[3];
        for (size_t i = 0; i < count; ++i) {
            const double t = double(i) / SoundRate;
            // The last note wobbles and sags, like a sad trombone.
            const double f = last ? n.hz * (1 + 0.012 * std::sin(2 * Pi * 5.5 * t) - 0.04 * t) : n.hz;
            phase += 2 * Pi * f / SoundRate;
            const double tone =
                std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.25 * std::sin(3 * phase) + 0.12 * std::sin(4 * phase);
            const double attack = std::min(1.0, t / 0.03);
            const double release = std::min(1.0, (n.seconds - t) / (last ? 0.5 : 0.06));
            s.push_back(tone * attack * release * (last ? 1.0 : 0.9));
        }
    }
    return WaveFile(s, 0.6);
}

}  // namespace tesseron::assets
