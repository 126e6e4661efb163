#include "audio/Tune.h"

#include "audio/Libraries.h"
#include "audio/SdlMedia.h"

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

void FluidMessage(int, const char* message, void*) { ReportTuneProblem(QString::fromUtf8(message)); }

}  // namespace

void ReportTuneProblem(const QString& message) {
    static std::mutex lock;
    static std::set<QString> kinds;
    QString kind;
    for (QChar c : message)
        if (!c.isDigit())
            kind += c;
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
    t->settings_ = f->NewSettings();
    if (!t->settings_) {
        error = QStringLiteral("FluidSynth has no settings");
        return nullptr;
    }
    // Only the instruments the tune picks are read from the bank, not all of it; the
    // player keeps time by the samples rendered, so FluidSynth runs no thread of its own.
    f->SetInt(t->settings_, "synth.dynamic-sample-loading", 1);
    f->SetInt(t->settings_, "synth.lock-memory", 0);
    f->SetInt(t->settings_, "synth.polyphony", TunePolyphony);
    f->SetInt(t->settings_, "synth.cpu-cores", 1);
    f->SetNum(t->settings_, "synth.sample-rate", rate);
    f->SetNum(t->settings_, "synth.gain", Gain);
    f->SetStr(t->settings_, "player.timing-source", "sample");
    // The end of the tune lets its last notes ring out.
    f->SetInt(t->settings_, "player.reset-synth", 0);
    t->synth_ = f->NewSynth(t->settings_);
    if (!t->synth_) {
        error = QStringLiteral("FluidSynth made no synthesiser");
        return nullptr;
    }
    const QString fonts = SoundFonts();
    bool loaded = false;
    for (const QString& font : fonts.split(':', Qt::SkipEmptyParts))
        if (QFileInfo(font).isFile())
            loaded = f->SfLoad(t->synth_, font.toLocal8Bit().constData(), 1) >= 0 || loaded;
    if (!loaded) {
        error = "no MIDI soundfont at " + fonts;
        return nullptr;
    }
    t->scratch_.resize(2 * ChunkFrames);
    return t;
}

Tune::~Tune() {
    if (player_)
        fluid_->DeletePlayer(player_);
    if (synth_)
        fluid_->DeleteSynth(synth_);
    if (settings_)
        fluid_->DeleteSettings(settings_);
}

Tune::State Tune::Now() const {
    std::lock_guard hold(lock_);
    return state_;
}

void Tune::Play() {
    std::lock_guard hold(lock_);
    if (state_ == State::Paused) {
        state_ = State::Playing;
        return;
    }
    if (state_ == State::Playing)
        return;
    // A new player starts at the first tick; the old one is let go here, not on the audio thread.
    if (player_)
        fluid_->DeletePlayer(player_);
    player_ = fluid_->NewPlayer(synth_);
    if (!player_ || fluid_->AddMem(player_, smf_.constData(), size_t(smf_.size())) != FLUID_OK) {
        state_ = State::Ended;
        return;
    }
    fluid_->SetPlaybackCallback(player_, &Tune::Event, this);
    fluid_->Play(player_);
    state_ = State::Playing;
}

void Tune::Pause() {
    std::lock_guard hold(lock_);
    if (state_ == State::Playing)
        state_ = State::Paused;
}

void Tune::Rewind() {
    std::lock_guard hold(lock_);
    if (player_) {
        fluid_->DeletePlayer(player_);
        player_ = nullptr;
        fluid_->AllNotesOff(synth_, -1);
    }
    state_ = State::Idle;
}

int Tune::Event(void* self, fluid_midi_event_t* event) {
    auto* t = static_cast<Tune*>(self);
    // Past the budget of a buffer, further notes are dropped rather than stealing voices.
    if (t->fluid_->EventType(event) == 0x90 && t->fluid_->EventVelocity(event) > 0 && --t->notesLeft_ < 0)
        return FLUID_OK;
    return t->fluid_->HandleMidiEvent(t->synth_, event);
}

bool Tune::RenderInto(int16_t* stereo, int frames) {
    std::lock_guard hold(lock_);
    // A paused tune holds its notes: rendering would let them sound on.
    if (state_ == State::Paused)
        return false;
    notesLeft_ = MaxNotesPerBuffer;
    for (int done = 0; done < frames;) {
        const int n = std::min(ChunkFrames, frames - done);
        float* s = scratch_.data();
        fluid_->WriteFloat(synth_, n, s, 0, 2, s, 1, 2);
        int16_t* out = stereo + 2 * done;
        for (int i = 0; i < 2 * n; ++i)
            out[i] = int16_t(std::clamp(out[i] + int(std::lround(s[i] * 32767.0f)), -32768, 32767));
        done += n;
    }
    // The player itself reports its end seconds after the last event; the tick tells at once.
    const int last = state_ == State::Playing ? fluid_->TotalTicks(player_) : 0;
    if (state_ == State::Playing &&
        (fluid_->Status(player_) == FLUID_PLAYER_DONE || (last > 0 && fluid_->CurrentTick(player_) >= last))) {
        state_ = State::Ended;
        return true;
    }
    return false;
}

}  // namespace tesseron
