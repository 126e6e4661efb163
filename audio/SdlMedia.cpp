#include "audio/SdlMedia.h"

#include "audio/SoundFile.h"
#include "audio/SoundOutput.h"
#include "audio/WaveFile.h"

#include <QFileInfo>
#include <QStringList>
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

// A channel of the effects' mixer.
class WavePlayer : public MediaPlayer {
public:
    explicit WavePlayer(std::shared_ptr<SoundOutput> o) : output_(std::move(o)) {}
    ~WavePlayer() override { Close(); }

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
        if (channel_ < 0)
            channel_ = output_->effects.AddChannel();
        if (channel_ >= MaxChannels) {
            error = file + ": no free mixer channel";
            return false;
        }
        output_->effects.Load(channel_, std::move(sound.samples), sound.channels, sound.rate);
        GiveBackFreedMemory();
        return true;
    }
    void Close() override {
        if (!IsOpen())
            return;
        output_->effects.Unload(channel_);
        notice_.Unlisten(channel_ + 1);
    }
    bool IsOpen() const override { return channel_ >= 0 && channel_ < MaxChannels && output_->effects.Loaded(channel_); }

    void Play(std::function<void()> done) override {
        if (!IsOpen())
            return;
        notice_.Arm(std::move(done));
        notice_.Listen(channel_ + 1);
        output_->effects.Play(channel_);
        output_->Sounding();
    }
    void Stop() override {
        if (IsOpen())
            output_->effects.Stop(channel_);
    }
    void SeekToStart() override {
        if (IsOpen())
            output_->effects.Rewind(channel_);
    }
    bool Stopped() const override { return IsOpen() && !output_->effects.Sounding(channel_); }

private:
    std::shared_ptr<SoundOutput> output_;
    int channel_ = -1;  // taken at the first open and kept
    PlayNotice notice_;
};

// The mixer's one music stream, MIDI through FluidSynth.
class MidiPlayer : public MediaPlayer {
public:
    explicit MidiPlayer(std::shared_ptr<SoundOutput> o) : output_(std::move(o)) {}
    ~MidiPlayer() override { Close(); }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        if (!output_->Ready(error) || !ReadMediaFile(file, bytes_, error))
            return false;
        // Without a bank FluidSynth would complain on its own and the mixer would try
        // other synthesisers; one clear line is better.
        bool haveFont = false;
        const QString fonts = SoundFonts();
        for (const QString& f : fonts.split(':', Qt::SkipEmptyParts))
            haveFont = haveFont || (QFileInfo(f).isFile() && QFileInfo(f).isReadable());
        if (!haveFont) {
            error = file + ": no MIDI soundfont at " + fonts;
            bytes_.clear();
            return false;
        }
        mixer_ = output_->HoldMusic(error);
        if (!mixer_) {
            bytes_.clear();
            return false;
        }
        const SdlLibrary* sdl = output_->Ready(error);
        music_ = mixer_->LoadMUSType_RW(sdl->RWFromConstMem(bytes_.constData(), int(bytes_.size())), MUS_MID, 1);
        if (!music_) {
            error = file + ": " + sdl->Error();
            bytes_.clear();
            output_->ReleaseMusic();
            return false;
        }
        GiveBackFreedMemory();
        return true;
    }
    void Close() override {
        if (!music_)
            return;
        notice_.Unlisten(0);
        if (mine_)
            mixer_->HaltMusic();
        mixer_->FreeMusic(music_);
        music_ = nullptr;
        mine_ = false;
        bytes_.clear();  // the mixer read from it until now
        output_->ReleaseMusic();
    }
    bool IsOpen() const override { return music_ != nullptr; }

    void Play(std::function<void()> done) override {
        if (!music_)
            return;
        notice_.Arm(std::move(done));
        notice_.Listen(0);
        if (!mine_ || !mixer_->PlayingMusic()) {
            mine_ = mixer_->PlayMusic(music_, 0) == 0;
            mixer_->ResumeMusic();
        } else if (mixer_->PausedMusic()) {
            mixer_->ResumeMusic();
        }
    }
    void Stop() override {
        if (music_ && mine_ && mixer_->PlayingMusic())
            mixer_->PauseMusic();
    }
    void SeekToStart() override {
        if (music_ && mine_) {
            mixer_->HaltMusic();
            mine_ = false;
        }
    }
    bool Stopped() const override {
        return music_ && (!mine_ || !mixer_->PlayingMusic() || mixer_->PausedMusic());
    }

private:
    std::shared_ptr<SoundOutput> output_;
    const MixerLibrary* mixer_ = nullptr;
    QByteArray bytes_;
    Mix_Music* music_ = nullptr;
    bool mine_ = false;  // the mixer's music stream was started by this player
    PlayNotice notice_;
};

class SdlBackend : public MediaBackend {
public:
    explicit SdlBackend(int idleCloseMs) { output_->SetIdleClose(idleCloseMs); }
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

private:
    // Picks the effects' mixer or the music stream at Open, by device kind.
    class Player : public MediaPlayer {
    public:
        explicit Player(std::shared_ptr<SoundOutput> d) : wave_(d), midi_(d) {}
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

    std::shared_ptr<SoundOutput> output_ = SoundOutput::Acquire();
    std::optional<int> alert_;  // the alert's own channel, made at the first alert
};

}  // namespace

QString SoundFonts() {
    const QString env = qEnvironmentVariable("SDL_SOUNDFONTS");
    if (!env.isEmpty())
        return env;
    return QFileInfo::exists(DefaultSoundFont) ? QString(DefaultSoundFont) : QString(FallbackSoundFont);
}

std::unique_ptr<MediaBackend> CreateSdlBackend(int idleCloseMs) { return std::make_unique<SdlBackend>(idleCloseMs); }

}  // namespace tesseron
