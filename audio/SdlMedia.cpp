#include "audio/SdlMedia.h"

#include "audio/EffectMixer.h"
#include "audio/MixerLibrary.h"
#include "audio/SoundFile.h"
#include "audio/WaveFile.h"

#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <SDL.h>
#include <atomic>
#include <cmath>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <optional>
#include <vector>

namespace tesseron {

namespace {

constexpr int ChunkFrames = 1024;  // about 23 ms of latency

const char* const DefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
const char* const FallbackSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The end of a play, seen on the user-interface thread. `generation` tells a late
// notice of an earlier play from the current one.
class Notice {
public:
    std::function<void()> done;
    quint64 generation = 0;

    void Arm(std::function<void()> f) {
        ++generation;
        done = std::move(f);
    }
    void Finished(quint64 g) {
        if (g != generation || !done)
            return;
        auto f = std::move(done);
        done = nullptr;
        f();
    }
};

// Slot 0 is the tune, slot c + 1 effect channel c. The hooks read only the atomics;
// the notices themselves are touched on the user-interface thread alone.
constexpr int MaxChannels = 32;
std::atomic<quint64> hookGeneration[MaxChannels + 1];
std::atomic<QObject*> dispatcher{nullptr};
Notice* notices[MaxChannels + 1];

void Listen(int slot, Notice* n) {
    notices[slot] = n;
    if (n)
        hookGeneration[slot].store(n->generation);
}

void Unlisten(int slot, Notice* n) {
    if (notices[slot] == n)
        notices[slot] = nullptr;
}

void Post(int slot) {
    QObject* d = dispatcher.load();
    if (!d)
        return;
    const quint64 g = hookGeneration[slot].load();
    QMetaObject::invokeMethod(
        d,
        [slot, g] {
            if (Notice* n = notices[slot])
                n->Finished(g);
        },
        Qt::QueuedConnection);
}

// The hooks may run on the audio thread: they post and call nothing of SDL.
void EffectEnded(int channel) {
    if (channel >= 0 && channel < MaxChannels)
        Post(channel + 1);
}
void SDLCALL MusicFinished() { Post(0); }

QString SdlError() { return QString::fromUtf8(SDL_GetError()); }

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

// The sound output of the process, shared by the backend and its players. The
// effects are mixed by our own mixer, on a device of our own; while a tune is
// held, SDL2_mixer owns the device and our effects are added to its mix. Nothing
// is open until something sounds, and the output closes again after a silence,
// so an idle game has no audio thread waking it.
class Device {
public:
    static std::shared_ptr<Device> Acquire() {
        static std::weak_ptr<Device> current;
        auto d = current.lock();
        if (!d) {
            d = std::shared_ptr<Device>(new Device);
            current = d;
        }
        return d;
    }

    ~Device() {
        CloseOutput();
        if (sdlUp_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        dispatcher.store(nullptr);
        delete dispatcher_;
    }

    EffectMixer effects{MixRate, &EffectEnded};

    void SetIdleClose(int ms) { idle_->setInterval(ms); }

    // SDL's audio is up; the first failure is kept and given again.
    bool Ready(QString& error) {
        if (!sdlUp_ && error_.isEmpty()) {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
                sdlUp_ = true;
            else
                error_ = "audio device: " + SdlError();
        }
        error = error_;
        return sdlUp_;
    }

    // An effect or the alert starts: an output must be running.
    void Sounding() {
        if (output_ == Output::None) {
            QString error;
            if (!OpenOwn(error)) {
                Report(error);
                return;
            }
        }
        idle_->start();
    }

    // The tune needs the mixer's output; nullptr with `error` set when it cannot
    // be had. Each successful call is matched by a ReleaseMusic.
    const MixerLibrary* HoldMusic(QString& error) {
        if (output_ != Output::Mixer) {
            const MixerLibrary* m = MixerLibrary::Get(error);
            if (!m)
                return nullptr;
            CloseOutput();  // the effects keep their places and go on in the new mix
            // The soundfont is only named here; FluidSynth reads it when a tune is loaded.
            m->SetSoundFonts(SoundFonts().toLocal8Bit().constData());
            if (m->OpenAudioDevice(MixRate, AUDIO_S16SYS, 2, ChunkFrames, nullptr, 0) != 0) {
                error = "audio device: " + SdlError();
                return nullptr;
            }
            m->AllocateChannels(0);
            m->SetPostMix(&PostMix, this);
            m->HookMusicFinished(&MusicFinished);
            mixer_ = m;
            output_ = Output::Mixer;
        }
        ++tunes_;
        return mixer_;
    }
    void ReleaseMusic() {
        if (tunes_ > 0 && --tunes_ == 0)
            idle_->start();
    }

private:
    enum class Output { None, Own, Mixer };

    Device() : dispatcher_(new QObject), idle_(new QTimer(dispatcher_)) {
        dispatcher.store(dispatcher_);
        idle_->setSingleShot(true);
        idle_->setInterval(DefaultIdleCloseMs);
        QObject::connect(idle_, &QTimer::timeout, [this] { Idle(); });
    }

    bool OpenOwn(QString& error) {
        if (!Ready(error))
            return false;
        SDL_AudioSpec want{}, have{};
        want.freq = MixRate;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = ChunkFrames;
        want.callback = &Fill;
        want.userdata = this;
        own_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!own_) {
            error = "audio device: " + SdlError();
            return false;
        }
        output_ = Output::Own;
        SDL_PauseAudioDevice(own_, 0);
        return true;
    }

    void CloseOutput() {
        idle_->stop();
        if (output_ == Output::Own) {
            SDL_CloseAudioDevice(own_);
            own_ = 0;
        } else if (output_ == Output::Mixer) {
            mixer_->HookMusicFinished(nullptr);
            mixer_->SetPostMix(nullptr, nullptr);
            mixer_->CloseAudio();
        }
        output_ = Output::None;
    }

    void Idle() {
        if (tunes_ > 0 || effects.AnySounding())
            idle_->start();
        else
            CloseOutput();
    }

    // Once per run: a device that refuses now may work later, but one line is enough.
    void Report(const QString& error) {
        if (reported_)
            return;
        reported_ = true;
        std::fprintf(stderr, "tesseron: sound off: %s\n", qUtf8Printable(error));
    }

    static void SDLCALL Fill(void* self, Uint8* stream, int bytes) {
        SDL_memset(stream, 0, size_t(bytes));
        static_cast<Device*>(self)->effects.MixInto(reinterpret_cast<int16_t*>(stream), bytes / 4);
    }
    static void SDLCALL PostMix(void* self, Uint8* stream, int bytes) {
        static_cast<Device*>(self)->effects.MixInto(reinterpret_cast<int16_t*>(stream), bytes / 4);
    }

    QObject* dispatcher_;  // receives the hooks' notices on our thread
    QTimer* idle_;
    Output output_ = Output::None;
    SDL_AudioDeviceID own_ = 0;
    const MixerLibrary* mixer_ = nullptr;
    int tunes_ = 0;  // tunes loaded: the mixer's output stays while there is one
    bool sdlUp_ = false;
    bool reported_ = false;
    QString error_;
};

// A channel of the effects' mixer.
class WavePlayer : public MediaPlayer {
public:
    explicit WavePlayer(std::shared_ptr<Device> d) : device_(std::move(d)) {}
    ~WavePlayer() override { Close(); }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        QByteArray bytes;
        if (!device_->Ready(error) || !ReadMediaFile(file, bytes, error))
            return false;
        DecodedSound sound;
        if (!DecodeWave(std::move(bytes), sound, error)) {
            error = file + ": " + error;
            return false;
        }
        if (channel_ < 0)
            channel_ = device_->effects.AddChannel();
        if (channel_ >= MaxChannels) {
            error = file + ": no free mixer channel";
            return false;
        }
        device_->effects.Load(channel_, std::move(sound.samples), sound.channels, sound.rate);
        GiveBackFreedMemory();
        return true;
    }
    void Close() override {
        if (!IsOpen())
            return;
        device_->effects.Unload(channel_);
        Unlisten(channel_ + 1, &notice_);
    }
    bool IsOpen() const override { return channel_ >= 0 && channel_ < MaxChannels && device_->effects.Loaded(channel_); }

    void Play(std::function<void()> done) override {
        if (!IsOpen())
            return;
        notice_.Arm(std::move(done));
        Listen(channel_ + 1, &notice_);
        device_->effects.Play(channel_);
        device_->Sounding();
    }
    void Stop() override {
        if (IsOpen())
            device_->effects.Stop(channel_);
    }
    void SeekToStart() override {
        if (IsOpen())
            device_->effects.Rewind(channel_);
    }
    bool Stopped() const override { return IsOpen() && !device_->effects.Sounding(channel_); }

private:
    std::shared_ptr<Device> device_;
    int channel_ = -1;  // taken at the first open and kept
    Notice notice_;
};

// The mixer's one music stream, MIDI through FluidSynth.
class MidiPlayer : public MediaPlayer {
public:
    explicit MidiPlayer(std::shared_ptr<Device> d) : device_(std::move(d)) {}
    ~MidiPlayer() override { Close(); }

    bool Open(DeviceKind, const QString& file, QString& error) override {
        Close();
        if (!device_->Ready(error) || !ReadMediaFile(file, bytes_, error))
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
        mixer_ = device_->HoldMusic(error);
        if (!mixer_) {
            bytes_.clear();
            return false;
        }
        music_ = mixer_->LoadMUSType_RW(SDL_RWFromConstMem(bytes_.constData(), int(bytes_.size())), MUS_MID, 1);
        if (!music_) {
            error = file + ": " + SdlError();
            bytes_.clear();
            device_->ReleaseMusic();
            return false;
        }
        GiveBackFreedMemory();
        return true;
    }
    void Close() override {
        if (!music_)
            return;
        Unlisten(0, &notice_);
        if (mine_)
            mixer_->HaltMusic();
        mixer_->FreeMusic(music_);
        music_ = nullptr;
        mine_ = false;
        bytes_.clear();  // the mixer read from it until now
        device_->ReleaseMusic();
    }
    bool IsOpen() const override { return music_ != nullptr; }

    void Play(std::function<void()> done) override {
        if (!music_)
            return;
        notice_.Arm(std::move(done));
        Listen(0, &notice_);
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
    std::shared_ptr<Device> device_;
    const MixerLibrary* mixer_ = nullptr;
    QByteArray bytes_;
    Mix_Music* music_ = nullptr;
    bool mine_ = false;  // the mixer's music stream was started by this player
    Notice notice_;
};

class SdlBackend : public MediaBackend {
public:
    explicit SdlBackend(int idleCloseMs) { device_->SetIdleClose(idleCloseMs); }
    ~SdlBackend() override {
        if (alert_)
            device_->effects.Unload(*alert_);
    }
    std::unique_ptr<MediaPlayer> CreatePlayer() override { return std::make_unique<Player>(device_); }

    void Alert() override {
        QString ignored;
        if (!device_->Ready(ignored))
            return;
        if (!alert_) {
            DecodedSound tone;
            if (!DecodeWave(AlertWave(), tone, ignored))
                return;
            alert_ = device_->effects.AddChannel();
            device_->effects.Load(*alert_, std::move(tone.samples), tone.channels, tone.rate);
        }
        device_->effects.Rewind(*alert_);
        device_->effects.Play(*alert_);
        device_->Sounding();
    }

private:
    // Picks the effects' mixer or the music stream at Open, by device kind.
    class Player : public MediaPlayer {
    public:
        explicit Player(std::shared_ptr<Device> d) : wave_(d), midi_(d) {}
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

    std::shared_ptr<Device> device_ = Device::Acquire();
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
