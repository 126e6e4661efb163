#include "audio/Tune.h"

#include "audio/Libraries.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

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

QString SoundFonts() {
    const QString env = qEnvironmentVariable("SDL_SOUNDFONTS");
    if (!env.isEmpty())
        return env;
    const QString standard = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
    return QFileInfo::exists(standard) ? standard : QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

}  // namespace

void ReportTuneProblem(const QString& message) {
    static std::mutex lock;
    static std::set<QString> kinds;
    QString kind = message;
    kind.removeIf([](QChar c) { return c.isDigit(); });
    std::lock_guard hold(lock);
    // A hostile tune may raise new kinds without end: past a few, it has said enough.
    if (kinds.size() >= 16 || !kinds.insert(kind).second)
        return;
    std::fprintf(stderr, "tesseron: tune: %s\n", qUtf8Printable(message));
}

std::unique_ptr<Tune> Tune::Make(QByteArray smf, int rate, QString& error) {
    const FluidLibrary* f = FluidLibrary::Get(error, &FluidMessage);
    if (!f)
        return nullptr;
    std::unique_ptr<Tune> t(new Tune);
    t->fluid_ = f;
    t->smf_ = std::move(smf);
    _fluid_hashtable_t* s = t->settings_ = f->new_fluid_settings();
    if (!s) {
        error = QStringLiteral("FluidSynth has no settings");
        return nullptr;
    }
    // Only the instruments the tune picks are read from the bank, not all of it; the
    // player keeps time by the samples rendered, so FluidSynth runs no thread of its own.
    f->fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
    f->fluid_settings_setint(s, "synth.lock-memory", 0);
    f->fluid_settings_setint(s, "synth.polyphony", Polyphony);
    f->fluid_settings_setint(s, "synth.cpu-cores", 1);
    f->fluid_settings_setnum(s, "synth.sample-rate", rate);
    f->fluid_settings_setnum(s, "synth.gain", Gain);
    f->fluid_settings_setstr(s, "player.timing-source", "sample");
    f->fluid_settings_setint(s, "player.reset-synth", 0);  // the end lets the last notes ring out
    t->synth_ = f->new_fluid_synth(s);
    if (!t->synth_) {
        error = QStringLiteral("FluidSynth made no synthesiser");
        return nullptr;
    }
    const QString fonts = SoundFonts();
    bool loaded = false;
    for (const QString& font : fonts.split(':', Qt::SkipEmptyParts))
        if (QFileInfo(font).isFile())
            loaded = f->fluid_synth_sfload(t->synth_, font.toLocal8Bit().constData(), 1) >= 0 || loaded;
    if (!loaded) {
        error = "no MIDI soundfont at " + fonts;
        return nullptr;
    }
    t->scratch_.resize(2 * ChunkFrames);
    return t;
}

Tune::~Tune() {
    if (player_)
        fluid_->delete_fluid_player(player_);
    if (synth_)
        fluid_->delete_fluid_synth(synth_);
    if (settings_)
        fluid_->delete_fluid_settings(settings_);
}

bool Tune::Start() {
    // A new player starts at the first tick.
    Silence();
    player_ = fluid_->new_fluid_player(synth_);
    if (!player_ || fluid_->fluid_player_add_mem(player_, smf_.constData(), size_t(smf_.size())) != FLUID_OK)
        return false;
    fluid_->fluid_player_set_playback_callback(player_, &Tune::Event, this);
    return fluid_->fluid_player_play(player_) == FLUID_OK;
}

void Tune::Silence() {
    if (player_)
        fluid_->delete_fluid_player(player_);
    player_ = nullptr;
    fluid_->fluid_synth_all_notes_off(synth_, -1);
}

int Tune::Event(void* self, fluid_midi_event_t* event) {
    auto* t = static_cast<Tune*>(self);
    const FluidLibrary* f = t->fluid_;
    // Past the budget of a buffer, further notes are dropped rather than stealing voices.
    const bool note = f->fluid_midi_event_get_type(event) == 0x90 && f->fluid_midi_event_get_velocity(event) > 0;
    if (note && --t->notesLeft_ < 0)
        return FLUID_OK;
    return f->fluid_synth_handle_midi_event(t->synth_, event);
}

bool Tune::Render(int16_t* stereo, int frames) {
    notesLeft_ = MaxNotesPerBuffer;
    for (int done = 0; done < frames; done += ChunkFrames) {
        const int n = std::min(ChunkFrames, frames - done);
        float* s = scratch_.data();
        fluid_->fluid_synth_write_float(synth_, n, s, 0, 2, s, 1, 2);
        int16_t* out = stereo + 2 * done;
        for (int i = 0; i < 2 * n; ++i)
            out[i] = int16_t(std::clamp(out[i] + int(std::lround(s[i] * 32767.0f)), -32768, 32767));
    }
    // The player itself reports its end seconds after the last event; the tick tells at once.
    const int last = fluid_->fluid_player_get_total_ticks(player_);
    return fluid_->fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
           (last > 0 && fluid_->fluid_player_get_current_tick(player_) >= last);
}

}  // namespace tesseron
