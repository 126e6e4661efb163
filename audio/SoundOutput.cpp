#include "audio/SoundOutput.h"

#include "audio/Libraries.h"
#include "audio/SoundFile.h"
#include "audio/Tune.h"

#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace tesseron {

namespace {
constexpr int BufferFrames = 1024;  // about 23 ms at the mixing rate
}

SoundOutput::SoundOutput(int idleCloseMs, bool device)
    : effects(MixRate, [this](int channel) { Post(channel); }),
      device_(device),
      dispatcher_(new QObject),
      idle_(new QTimer(dispatcher_)) {
    idle_->setSingleShot(true);
    idle_->setInterval(idleCloseMs);
    QObject::connect(idle_, &QTimer::timeout, [this] { Idle(); });
}

SoundOutput::~SoundOutput() {
    CloseDevice();
    if (sdl_)
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    delete dispatcher_;  // ends still on their way are dropped with it
}

void SoundOutput::Render(int16_t* stereo, int frames) {
    std::memset(stereo, 0, size_t(frames) * 4);
    effects.MixInto(stereo, frames);
    std::lock_guard hold(tuneLock_);
    if (tune_ && tune_->RenderInto(stereo, frames))
        Post(tuneSlot_);
}

void SoundOutput::SetTune(Tune* tune, int slot) {
    std::lock_guard hold(tuneLock_);
    tune_ = tune;
    tuneSlot_ = slot;
}

void SoundOutput::LetGo(const Tune* tune) {
    std::lock_guard hold(tuneLock_);
    if (tune_ == tune)
        tune_ = nullptr;
}

void SoundOutput::Listen(int slot, std::function<void()> ended) { listeners_[slot] = std::move(ended); }

void SoundOutput::Unlisten(int slot) { listeners_.erase(slot); }

void SoundOutput::Post(int slot) {
    QMetaObject::invokeMethod(
        dispatcher_,
        [this, slot] {
            const auto l = listeners_.find(slot);
            if (l != listeners_.end())
                l->second();
        },
        Qt::QueuedConnection);
}

bool SoundOutput::Ready(QString& error) {
    if (!device_)
        return true;
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
    if (!device_)
        return;
    if (!open_) {
        // Once per run: a device that refuses now may work later, but one line is enough.
        const bool told = reported_;
        QString error;
        if (!OpenDevice(error)) {
            if (!told)
                std::fprintf(stderr, "tesseron: sound off: %s\n", qUtf8Printable(error));
            reported_ = true;
            return;
        }
    }
    idle_->start();
}

bool SoundOutput::OpenDevice(QString& error) {
    if (!Ready(error))
        return false;
    SDL_AudioSpec want{}, have{};
    want.freq = MixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = BufferFrames;
    want.callback = &Fill;
    want.userdata = this;
    open_ = sdl_->OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!open_) {
        error = "audio device: " + sdl_->Error();
        return false;
    }
    sdl_->PauseAudioDevice(open_, 0);
    return true;
}

void SoundOutput::CloseDevice() {
    idle_->stop();
    if (open_)
        sdl_->CloseAudioDevice(open_);  // waits for a callback under way
    open_ = 0;
}

void SoundOutput::Idle() {
    if (effects.AnySounding() || (tune_ && tune_->Now() == Tune::State::Playing))
        idle_->start();
    else
        CloseDevice();
}

void SoundOutput::Fill(void* self, uint8_t* stream, int bytes) {
    static_cast<SoundOutput*>(self)->Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

}  // namespace tesseron
