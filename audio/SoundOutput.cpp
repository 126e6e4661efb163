#include "audio/SoundOutput.h"

#include "audio/SdlMedia.h"
#include "audio/SoundFile.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstring>

namespace tesseron {

namespace {

constexpr int ChunkFrames = 1024;  // about 23 ms of latency

// The hooks read only the atomics; the notices are touched on our thread alone.
std::atomic<quint64> hookGeneration[MaxChannels + 1];
std::atomic<QObject*> dispatcher{nullptr};
PlayNotice* notices[MaxChannels + 1];

void Post(int slot) {
    QObject* d = dispatcher.load();
    if (!d)
        return;
    const quint64 g = hookGeneration[slot].load();
    QMetaObject::invokeMethod(
        d,
        [slot, g] {
            if (PlayNotice* n = notices[slot])
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

}  // namespace

// --- Notices -------------------------------------------------------------------

void PlayNotice::Arm(std::function<void()> done) {
    ++generation_;
    done_ = std::move(done);
}

void PlayNotice::Listen(int slot) {
    notices[slot] = this;
    hookGeneration[slot].store(generation_);
}

void PlayNotice::Unlisten(int slot) {
    if (notices[slot] == this)
        notices[slot] = nullptr;
}

void PlayNotice::Finished(quint64 generation) {
    if (generation != generation_ || !done_)
        return;
    auto f = std::move(done_);
    done_ = nullptr;
    f();
}

// --- The output ----------------------------------------------------------------

std::shared_ptr<SoundOutput> SoundOutput::Acquire() {
    static std::weak_ptr<SoundOutput> current;
    auto d = current.lock();
    if (!d) {
        d = std::shared_ptr<SoundOutput>(new SoundOutput);
        current = d;
    }
    return d;
}

SoundOutput::SoundOutput()
    : effects(MixRate, &EffectEnded), dispatcher_(new QObject), idle_(new QTimer(dispatcher_)) {
    dispatcher.store(dispatcher_);
    idle_->setSingleShot(true);
    idle_->setInterval(DefaultIdleCloseMs);
    QObject::connect(idle_, &QTimer::timeout, [this] { Idle(); });
}

SoundOutput::~SoundOutput() {
    CloseOutput();
    if (sdl_)
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    dispatcher.store(nullptr);
    delete dispatcher_;
}

void SoundOutput::SetIdleClose(int ms) { idle_->setInterval(ms); }

const SdlLibrary* SoundOutput::Ready(QString& error) {
    if (!sdl_ && error_.isEmpty()) {
        if (const SdlLibrary* sdl = SdlLibrary::Get(error_)) {
            if (sdl->InitSubSystem(SDL_INIT_AUDIO) == 0)
                sdl_ = sdl;
            else
                error_ = "audio device: " + sdl->Error();
        }
    }
    if (!sdl_) {
        error = error_;
        reported_ = true;  // the caller tells of it
    }
    return sdl_;
}

void SoundOutput::Sounding() {
    if (output_ == Output::None) {
        // Once per run: a device that refuses now may work later, but one line is enough.
        const bool told = reported_;
        QString error;
        if (!OpenOwn(error)) {
            if (!told)
                std::fprintf(stderr, "tesseron: sound off: %s\n", qUtf8Printable(error));
            reported_ = true;
            return;
        }
    }
    idle_->start();
}

const MixerLibrary* SoundOutput::HoldMusic(QString& error) {
    if (output_ != Output::Mixer) {
        if (!Ready(error))
            return nullptr;
        const MixerLibrary* m = MixerLibrary::Get(error);
        if (!m)
            return nullptr;
        CloseOutput();  // the effects keep their places and go on in the new mix
        // The soundfont is only named here; FluidSynth reads it when a tune is loaded.
        m->SetSoundFonts(SoundFonts().toLocal8Bit().constData());
        if (m->OpenAudioDevice(MixRate, AUDIO_S16SYS, 2, ChunkFrames, nullptr, 0) != 0) {
            error = "audio device: " + sdl_->Error();
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

void SoundOutput::ReleaseMusic() {
    if (tunes_ > 0 && --tunes_ == 0)
        idle_->start();
}

bool SoundOutput::OpenOwn(QString& error) {
    if (!Ready(error))
        return false;
    SDL_AudioSpec want{}, have{};
    want.freq = MixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = ChunkFrames;
    want.callback = &Fill;
    want.userdata = this;
    own_ = sdl_->OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!own_) {
        error = "audio device: " + sdl_->Error();
        return false;
    }
    output_ = Output::Own;
    sdl_->PauseAudioDevice(own_, 0);
    return true;
}

void SoundOutput::CloseOutput() {
    idle_->stop();
    if (output_ == Output::Own) {
        sdl_->CloseAudioDevice(own_);
        own_ = 0;
    } else if (output_ == Output::Mixer) {
        mixer_->HookMusicFinished(nullptr);
        mixer_->SetPostMix(nullptr, nullptr);
        mixer_->CloseAudio();
    }
    output_ = Output::None;
}

void SoundOutput::Idle() {
    if (tunes_ > 0 || effects.AnySounding())
        idle_->start();
    else
        CloseOutput();
}

void SDLCALL SoundOutput::Fill(void* self, Uint8* stream, int bytes) {
    std::memset(stream, 0, size_t(bytes));
    static_cast<SoundOutput*>(self)->effects.MixInto(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

void SDLCALL SoundOutput::PostMix(void* self, Uint8* stream, int bytes) {
    static_cast<SoundOutput*>(self)->effects.MixInto(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

}  // namespace tesseron
