#include "audio/SdlMedia.h"

#include "audio/EffectMixer.h"
#include "audio/Libraries.h"
#include "audio/SoundFile.h"
#include "audio/Tune.h"

#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tesseron {

namespace {

constexpr int BufferFrames = 1024;  // about 23 ms at the mixing rate

// Decoding a sound and loading a soundfont leave large freed buffers in the heap;
// hand them back, so that what stays is little more than the samples.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// Two short soft-edged tones, high then lower: an alert that is ours.
std::vector<int16_t> AlertTone() {
    std::vector<int16_t> s;
    for (double f : {1318.5, 987.8}) {
        const int n = MixRate * 70 / 1000;
        for (int i = 0; i < n; ++i) {
            const double env = std::min(1.0, i / 400.0) * std::min(1.0, (n - i) / 800.0);
            s.push_back(int16_t(9000 * env * std::sin(2 * M_PI * f * i / MixRate)));
        }
    }
    return s;
}

// The backend is the one sound output: an SDL device whose callback renders our
// mixer, in which every player is a channel. SDL is loaded and the device opened
// only when something sounds, and the device closes again after a silence, so an
// idle game has no audio thread waking it. Without a device, tests render the mix.
class SdlBackend : public MediaBackend {
public:
    SdlBackend(int idleCloseMs, bool device) : mixer(MixRate), device_(device) {
        idle_.setSingleShot(true);
        idle_.setInterval(idleCloseMs);
        QObject::connect(&idle_, &QTimer::timeout, [this] {
            if (mixer.AnySounding())
                idle_.start();
            else
                CloseDevice();
        });
    }
    ~SdlBackend() override {
        CloseDevice();
        if (sdl_) sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    std::unique_ptr<MediaPlayer> CreatePlayer() override;

    void Alert() override {
        if (alert_ < 0) {
            alert_ = mixer.AddChannel();
            mixer.Load(alert_, AlertTone(), 1, MixRate);
        }
        mixer.Rewind(alert_);
        mixer.Play(alert_);
        Sounding();
    }

    // The next `frames` stereo frames of everything that sounds, as the device hears them.
    void Render(int16_t* stereo, int frames) {
        std::memset(stereo, 0, size_t(frames) * 4);
        mixer.MixInto(stereo, frames);
    }

    // SDL and its audio are up (always, without a device); false with `error` set when
    // not. The first failure is kept and given again, and the caller reports it.
    bool Ready(QString& error) {
        if (device_ && !sdl_ && error_.isEmpty()) {
            const SdlLibrary* sdl = SdlLibrary::Get(error_);
            if (sdl && sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
                sdl_ = sdl;
            else if (sdl)
                error_ = "audio device: " + sdl->Error();
        }
        error = error_;
        reported_ = reported_ || !error.isEmpty();
        return !device_ || sdl_;
    }

    // Something starts sounding: the device must be open. A device that refuses now
    // may work later, but one line on standard error is enough.
    void Sounding() {
        if (!device_) return;
        const bool told = reported_;
        QString error;
        if (!open_ && !OpenDevice(error)) {
            if (!told) std::fprintf(stderr, "tesseron: sound off: %s\n", qUtf8Printable(error));
            reported_ = true;
            return;
        }
        idle_.start();
    }

    EffectMixer mixer;

private:
    bool OpenDevice(QString& error) {
        if (!Ready(error)) return false;
        SDL_AudioSpec want{}, have{};
        want.freq = MixRate;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = BufferFrames;
        want.callback = [](void* self, uint8_t* stream, int bytes) {
            static_cast<SdlBackend*>(self)->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
        };
        want.userdata = this;
        open_ = sdl_->SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (!open_) {
            error = "audio device: " + sdl_->Error();
            return false;
        }
        sdl_->SDL_PauseAudioDevice(open_, 0);
        return true;
    }

    void CloseDevice() {
        idle_.stop();
        if (open_) sdl_->SDL_CloseAudioDevice(open_);  // waits for a callback under way
        open_ = 0;
    }

    const bool device_;
    QTimer idle_;
    const SdlLibrary* sdl_ = nullptr;  // set once SDL's audio is up
    uint32_t open_ = 0;                // the SDL device, 0 when closed
    bool reported_ = false;            // a failure of the output has been told of
    QString error_;
    int alert_ = -1;  // the alert's own channel, made at the first alert
};

// A player of either kind: a channel of the mixer that holds a wave file's samples
// or a tune of FluidSynth's, made at Open and let go at Close.
class SdlPlayer : public MediaPlayer {
public:
    explicit SdlPlayer(SdlBackend& output)
        : output_(output), mixer_(output.mixer), channel_(mixer_.AddChannel([this](int) { PostEnd(); })) {}
    ~SdlPlayer() override { Close(); }

    bool Open(DeviceKind kind, const QString& file, QString& error) override {
        Close();
        const bool midi = kind == DeviceKind::MidiSequencer;
        // A file or bank that asks for more memory than there is costs this player only.
        try {
            QByteArray bytes;
            if ((midi && !output_.Ready(error)) || !ReadMediaFile(file, bytes, error)) return false;  // the reason names the file
            Load(midi, file, std::move(bytes), error);
        } catch (const std::bad_alloc&) {
            Close();
            error = QStringLiteral("out of memory");
        }
        if (!IsOpen()) error = file + ": " + error;
        GiveBackFreedMemory();
        return IsOpen();
    }
    void Close() override {
        mixer_.Unload(channel_);
        if (tune_) {
            tune_.reset();
            GiveBackFreedMemory();
        }
    }
    bool IsOpen() const override { return mixer_.Now(channel_) != EffectMixer::State::Empty; }

    void Play(std::function<void()> done) override {
        if (!IsOpen()) return;
        done_ = std::move(done);
        mixer_.Play(channel_);
        output_.Sounding();
    }
    void Stop() override { mixer_.Stop(channel_); }
    void SeekToStart() override { mixer_.Rewind(channel_); }
    bool Stopped() const override {
        const EffectMixer::State now = mixer_.Now(channel_);
        return now == EffectMixer::State::Idle || now == EffectMixer::State::Stopped;
    }

private:
    void Load(bool midi, const QString& file, QByteArray bytes, QString& error) {
        if (midi) {
            PreparedTune prepared;
            if (!PrepareTune(bytes, prepared, error)) return;
            bytes = {};  // the file may be 64 MiB, the prepared tune a few
            if ((tune_ = MakeTune(prepared, MixRate, error))) {
                if (!prepared.trimmed.isEmpty()) ReportTuneProblem(file + ": " + prepared.trimmed);
                mixer_.Load(channel_, tune_.get());
            }
        } else if (DecodedSound sound; DecodeWave(std::move(bytes), sound, error)) {
            mixer_.Load(channel_, std::move(sound.samples), sound.channels, sound.rate);
        }
    }
    bool Started() const {
        const EffectMixer::State now = mixer_.Now(channel_);
        return now == EffectMixer::State::Sounding || now == EffectMixer::State::Stopped;
    }
    // From any thread: the end goes to the user-interface thread, where it is dropped
    // if the player has gone, and `done` runs unless a new play began in between.
    void PostEnd() {
        const auto ended = [this] {
            if (done_ && !Started()) std::exchange(done_, nullptr)();
        };
        QMetaObject::invokeMethod(&inbox_, ended, Qt::QueuedConnection);
    }

    SdlBackend& output_;
    EffectMixer& mixer_;
    QObject inbox_;  // receives the ends
    const int channel_;
    std::unique_ptr<EffectMixer::Source> tune_;
    std::function<void()> done_;
};

std::unique_ptr<MediaPlayer> SdlBackend::CreatePlayer() { return std::make_unique<SdlPlayer>(*this); }

}  // namespace

std::unique_ptr<MediaBackend> CreateSdlBackend(int idleCloseMs) { return std::make_unique<SdlBackend>(idleCloseMs, true); }

RenderedBackend CreateRenderedBackend() {
    auto backend = std::make_unique<SdlBackend>(DefaultIdleCloseMs, false);
    SdlBackend* output = backend.get();
    return {std::move(backend), [output](int16_t* stereo, int frames) { output->Render(stereo, frames); }};
}

}  // namespace tesseron
