#include "audio/Tune.h"

#include "audio/SoundFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

namespace tesseron {

namespace {

// The synthesiser's level: the General MIDI banks peak well below full scale at 1.
constexpr double Gain = 0.5;
constexpr int ChunkFrames = 512;
// Voices the synthesiser may sound at once, and notes the player may start in one
// buffer: a dense tune costs no more than this.
constexpr int Polyphony = 64;
constexpr int MaxNotesPerBuffer = 256;

void FluidMessage(int, const char* message, void*) { ReportTuneProblem(QString::fromUtf8(message)); }

// GLib's messages without a domain: the DLS reader's assertions, which only follow a bank
// FluidSynth has already said it cannot read, stay quiet; warnings are told.
constexpr int GlibCritical = 1 << 3, GlibWarning = 1 << 4;
void GlibMessage(const char*, int level, const char* message, void*) {
    if (level & GlibWarning) ReportTuneProblem(QString::fromUtf8(message));
}

QString SoundFonts() {
    const QString env = qEnvironmentVariable("SDL_SOUNDFONTS");
    if (!env.isEmpty()) return env;
    const QString standard = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
    return QFileInfo::exists(standard) ? standard : QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

// The synthesiser with the soundfonts, and one MIDI player given the tune once: each
// play seeks back to its start, so a loop neither copies nor reads the tune again.
class Tune : public EffectMixer::Source {
public:
    Tune(const FluidLibrary* fluid, qint64 endTick) : fluid_(fluid), endTick_(int(std::min<qint64>(endTick, INT_MAX))) {}
    ~Tune() override {
        if (player_) fluid_->delete_fluid_player(player_);
        if (synth_) fluid_->delete_fluid_synth(synth_);
        if (settings_) fluid_->delete_fluid_settings(settings_);
    }

    bool Load(QByteArray smf, const std::bitset<128>& programs, int rate, QString& error);

    bool Start() override {
        const FluidLibrary* f = fluid_;
        // A player that finished reads the tune again from its own copy; the held one seeks.
        if (f->fluid_player_get_status(player_) == FLUID_PLAYER_DONE)
            f->fluid_player_set_loop(player_, 1);
        else
            f->fluid_player_seek(player_, 0);  // fails only while a seek to 0 is pending
        return f->fluid_player_play(player_) == FLUID_OK;
    }

    void Silence() override { fluid_->fluid_synth_all_notes_off(synth_, -1); }

    bool Render(int32_t* stereo, int frames) override {
        notesLeft_ = MaxNotesPerBuffer;
        for (int done = 0; done < frames; done += ChunkFrames) {
            const int n = std::min(ChunkFrames, frames - done);
            float* s = scratch_;
            fluid_->fluid_synth_write_float(synth_, n, s, 0, 2, s, 1, 2);
            int32_t* out = stereo + 2 * done;
            for (int i = 0; i < 2 * n; ++i) out[i] += int32_t(std::lround(std::clamp(s[i], -2.0f, 2.0f) * 32767.0f));
        }
        // The held player never ends by itself: the tune's own last tick tells.
        return fluid_->fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
               fluid_->fluid_player_get_current_tick(player_) >= endTick_;
    }

private:
    // Past the budget of a buffer, further notes are dropped rather than stealing voices.
    static int Event(void* self, fluid_midi_event_t* event) {
        auto* t = static_cast<Tune*>(self);
        const FluidLibrary* f = t->fluid_;
        const bool note = f->fluid_midi_event_get_type(event) == 0x90 && f->fluid_midi_event_get_velocity(event) > 0;
        if (note && --t->notesLeft_ < 0) return FLUID_OK;
        return f->fluid_synth_handle_midi_event(t->synth_, event);
    }

    const FluidLibrary* fluid_;
    const int endTick_;
    std::vector<std::unique_ptr<CutBank>> banks_;  // kept while the synthesiser may read them
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    int notesLeft_ = 0;  // notes the player may still start in this buffer
    float scratch_[2 * ChunkFrames];
};

// The tune and one more track, which only ends some days of ticks later: it keeps the
// player playing past the tune's end, where a seek brings it back without reloading.
QByteArray Held(QByteArray smf) {
    const quint16 tracks = qFromBigEndian<quint16>(smf.constData() + 10);
    qToBigEndian<quint16>(tracks + 1, smf.data() + 10);
    return smf.append(QByteArray("MTrk\0\0\0\x07\xFF\xFF\xFF\x7F\xFF\x2F\x00", 15));
}

}  // namespace

void ReportTuneProblem(const QString& message) {
    static std::mutex lock;
    static std::set<QString> kinds;
    // A broken bank names each instrument it meets: the names, like the numbers, do
    // not make a new kind of problem.
    static const QRegularExpression quoted(QStringLiteral(R"('[^']*'|"[^"]*")"));
    QString kind = QString(message).replace(quoted, QStringLiteral("''"));
    kind.removeIf([](QChar c) { return c.isDigit(); });
    std::lock_guard hold(lock);
    // A hostile tune may raise new kinds without end: past a few, it has said enough.
    if (kinds.size() >= 16 || !kinds.insert(kind).second) return;
    // The names come from the file: no control character of theirs reaches the terminal.
    QString shown = message;
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control) c = u'?';
    std::fprintf(stderr, "tesseron: tune: %s\n", qUtf8Printable(shown));
}

bool Tune::Load(QByteArray smf, const std::bitset<128>& programs, int rate, QString& error) {
    const FluidLibrary* f = fluid_;
    fluid_settings_t* s = settings_ = f->new_fluid_settings();
    if (!s) {
        error = QStringLiteral("FluidSynth has no settings");
        return false;
    }
    // Only the samples of the presets in use are read from the bank; the player keeps
    // time by the samples rendered, so FluidSynth runs no thread of its own.
    f->fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
    f->fluid_settings_setint(s, "synth.lock-memory", 0);
    f->fluid_settings_setint(s, "synth.polyphony", Polyphony);
    f->fluid_settings_setint(s, "synth.cpu-cores", 1);
    f->fluid_settings_setnum(s, "synth.sample-rate", rate);
    f->fluid_settings_setnum(s, "synth.gain", Gain);
    f->fluid_settings_setstr(s, "player.timing-source", "sample");
    f->fluid_settings_setint(s, "player.reset-synth", 0);  // the end lets the last notes ring out
    synth_ = f->new_fluid_synth(s);
    if (!synth_) {
        error = QStringLiteral("FluidSynth made no synthesiser");
        return false;
    }
    CutBank::Install(f, s, synth_);
    const QString fonts = SoundFonts();
    bool loaded = false;
    for (const QString& font : fonts.split(':', Qt::SkipEmptyParts)) {
        if (!QFileInfo(font).isFile()) continue;
        banks_.push_back(std::make_unique<CutBank>(font, programs));
        loaded = f->fluid_synth_sfload(synth_, banks_.back()->Name(), 1) >= 0 || loaded;
    }
    if (!loaded) {
        error = banks_.empty() ? "no MIDI soundfont at " + fonts : "the MIDI soundfont " + fonts + " cannot be read";
        return false;
    }
    player_ = f->new_fluid_player(synth_);
    if (!player_ || f->fluid_player_add_mem(player_, smf.constData(), size_t(smf.size())) != FLUID_OK) {
        error = QStringLiteral("FluidSynth made no MIDI player");
        return false;
    }
    f->fluid_player_set_playback_callback(player_, &Tune::Event, this);
    return true;
}

std::unique_ptr<EffectMixer::Source> MakeTune(const PreparedTune& prepared, int rate, QString& error) {
    const FluidLibrary* fluid = FluidLibrary::Get(error);
    if (!fluid) return nullptr;
    // Before FluidSynth can speak: its warnings and errors come to us, the rest stays quiet.
    [[maybe_unused]] static const bool quiet = [fluid] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid->fluid_set_log_function(level, level <= FLUID_WARN ? &FluidMessage : nullptr, nullptr);
        if (fluid->g_log_set_handler) fluid->g_log_set_handler(nullptr, GlibCritical | GlibWarning, &GlibMessage, nullptr);
        return true;
    }();
    auto tune = std::make_unique<Tune>(fluid, prepared.endTick);
    if (!tune->Load(Held(prepared.smf), prepared.programs, rate, error)) return nullptr;
    return tune;
}

}  // namespace tesseron
