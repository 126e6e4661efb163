#include "audio/SdlMedia.h"

#include "audio/MidiFile.h"
#include "audio/SoundFile.h"
#include "audio/SoundOutput.h"
#include "audio/Tune.h"
#include "audio/WaveFile.h"

#include <QFileInfo>
#include <cmath>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <optional>
#include <vector>

namespace tesseron {

namespace {

const char* const DefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
const char* const FallbackSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Decoding a sound and loading a soundfont leave large freed buffers in the heap;
// hand them back, so that what stays is little more than the samples.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// Two short soft-edged tones, high then lower: an alert that is ours.
QByteArray AlertWave() {
    const int rate = 22050;
    std::vector<int16_t> s;
    const double notes[] = {1318.5, 987.8};
    for (double f : notes) {
        const int n = rate * 70 / 1000;
        for (int i = 0; i < n; ++i) {
            const double t = double(i) / rate;
            const double env = std::min(1.0, i / 200.0) * std::min(1.0, (n - i) / 400.0);
            s.push_back(int16_t(9000 * env * std::sin(2 * M_PI * f * t)));
        }
    }
    return WaveFile(s, rate);
}

// What both kinds of player share: the output and the notice of the current play.
class PlayerBase : public MediaPlayer {
protected:
    explicit PlayerBase(std::shared_ptr<SoundOutput> o) : output_(std::move(o)) {}
    // The end of a play reached our thread: `done` runs unless a new play is going on.
    void Ended() {
        if (done_ && !Started()) {
            auto f = std::move(done_);
            done_ = nullptr;
            f();
        }
    }
    virtual bool Started() const = 0;

    std::shared_ptr<SoundOutput> output_;
    std::function<void()> done_;
};

// A channel of the effects' mixer.
class WavePlayer : public PlayerBase {
public:
    explicit WavePlayer(std::shared_ptr<SoundOutput> o) : PlayerBase(std::move(o)) {
        channel_ = output_->effects.AddChannel();
        output_->Listen(channel_, [this] { Ended(); });
    }
    ~WavePlayer() override {
        Close();
        output_->Unlisten(channel_);
    }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        QByteArray bytes;
        if (!ReadMediaFile(file, bytes, error))
            return false;
        DecodedSound sound;
        if (!DecodeWave(std::move(bytes), sound, error)) {
            error = file + ": " + error;
            return false;
        }
        output_->effects.Load(channel_, std::move(sound.samples), sound.channels, sound.rate);
        GiveBackFreedMemory();
        return true;
    }
    void Close() override { output_->effects.Unload(channel_); }
    bool IsOpen() const override { return output_->effects.Loaded(channel_); }

    void Play(std::function<void()> done) override {
        if (!IsOpen())
            return;
        done_ = std::move(done);
        output_->effects.Play(channel_);
        output_->Sounding();
    }
    void Stop() override { output_->effects.Stop(channel_); }
    void SeekToStart() override { output_->effects.Rewind(channel_); }
    bool Stopped() const override { return IsOpen() && !output_->effects.Sounding(channel_); }

private:
    bool Started() const override { return output_->effects.Started(channel_); }
    int channel_;
};

// A tune of FluidSynth's, made at Open and let go at Close.
class MidiPlayer : public PlayerBase {
public:
    explicit MidiPlayer(std::shared_ptr<SoundOutput> o) : PlayerBase(std::move(o)), slot_(output_->NewSlot()) {
        output_->Listen(slot_, [this] { Ended(); });
    }
    ~MidiPlayer() override {
        Close();
        output_->Unlisten(slot_);
    }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        QByteArray bytes, smf;
        QString trimmed;
        if (!output_->Ready(error) || !ReadMediaFile(file, bytes, error))
            return false;
        if (!PrepareTune(bytes, smf, trimmed, error) || !(tune_ = Tune::Make(std::move(smf), MixRate, error))) {
            error = file + ": " + error;
            return false;
        }
        if (!trimmed.isEmpty())
            ReportTuneProblem(file + ": " + trimmed);
        GiveBackFreedMemory();
        return true;
    }
    void Close() override {
        if (!tune_)
            return;
        output_->LetGo(tune_.get());
        const bool cut = Started();
        tune_.reset();
        GiveBackFreedMemory();
        if (cut)
            output_->Post(slot_);
    }
    bool IsOpen() const override { return tune_ != nullptr; }

    void Play(std::function<void()> done) override {
        if (!tune_)
            return;
        done_ = std::move(done);
        output_->SetTune(tune_.get(), slot_);
        tune_->Play();
        output_->Sounding();
    }
    void Stop() override {
        if (tune_)
            tune_->Pause();
    }
    void SeekToStart() override {
        if (!tune_)
            return;
        const bool cut = Started();
        tune_->Rewind();
        if (cut)
            output_->Post(slot_);
    }
    bool Stopped() const override { return tune_ && tune_->Now() != Tune::State::Playing; }

private:
    bool Started() const override {
        return tune_ && (tune_->Now() == Tune::State::Playing || tune_->Now() == Tune::State::Paused);
    }
    const int slot_;
    std::unique_ptr<Tune> tune_;
};

class SdlBackend : public MediaBackend {
public:
    SdlBackend(int idleCloseMs, bool device) : output_(std::make_shared<SoundOutput>(idleCloseMs, device)) {}
    ~SdlBackend() override {
        if (alert_)
            output_->effects.Unload(*alert_);
    }
    std::unique_ptr<MediaPlayer> CreatePlayer() override { return std::make_unique<Player>(output_); }

    void Alert() override {
        if (!alert_) {
            QString ignored;
            DecodedSound tone;
            if (!DecodeWave(AlertWave(), tone, ignored))
                return;
            alert_ = output_->effects.AddChannel();
            output_->effects.Load(*alert_, std::move(tone.samples), tone.channels, tone.rate);
        }
        output_->effects.Rewind(*alert_);
        output_->effects.Play(*alert_);
        output_->Sounding();
    }

    std::shared_ptr<SoundOutput> output_;

private:
    // Picks the effects' mixer or a tune at Open, by device kind.
    class Player : public MediaPlayer {
    public:
        explicit Player(std::shared_ptr<SoundOutput> o) : wave_(o), midi_(o) {}
        bool Open(DeviceKind kind, const QString& file, QString& error) override {
            Close();
            active_ = kind == DeviceKind::MidiSequencer ? static_cast<MediaPlayer*>(&midi_) : &wave_;
            return active_->Open(kind, file, error);
        }
        void Close() override { active_->Close(); }
        bool IsOpen() const override { return active_->IsOpen(); }
        void Play(std::function<void()> done) override { active_->Play(std::move(done)); }
        void Stop() override { active_->Stop(); }
        void SeekToStart() override { active_->SeekToStart(); }
        bool Stopped() const override { return active_->Stopped(); }

    private:
        WavePlayer wave_;
        MidiPlayer midi_;
        MediaPlayer* active_ = &wave_;
    };

    std::optional<int> alert_;  // the alert's own channel, made at the first alert
};

}  // namespace

QString SoundFonts() {
    const QString env = qEnvironmentVariable("SDL_SOUNDFONTS");
    if (!env.isEmpty())
        return env;
    return QFileInfo::exists(DefaultSoundFont) ? QString(DefaultSoundFont) : QString(FallbackSoundFont);
}

std::unique_ptr<MediaBackend> CreateSdlBackend(int idleCloseMs) {
    return std::make_unique<SdlBackend>(idleCloseMs, true);
}

RenderedBackend CreateRenderedBackend() {
    auto backend = std::make_unique<SdlBackend>(DefaultIdleCloseMs, false);
    std::shared_ptr<SoundOutput> output = backend->output_;
    return {std::move(backend), [output](int16_t* stereo, int frames) { output->Render(stereo, frames); }};
}

}  // namespace tesseron
