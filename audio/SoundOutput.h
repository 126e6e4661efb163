// The one sound output of a backend: an SDL device whose callback renders the
// effects' mixer and the tune into the same buffer. SDL is loaded and the device
// opened only when something sounds, and the device closes again after a silence,
// so an idle game has no audio thread waking it. Without a device, tests render
// the same mix frame by frame.
#pragma once

#include "audio/EffectMixer.h"

#include <QString>
#include <functional>
#include <map>
#include <mutex>

class QObject;
class QTimer;

namespace tesseron {

class Tune;
struct SdlLibrary;

class SoundOutput {
public:
    // `device`: false for a mix that only Render ever hears.
    SoundOutput(int idleCloseMs, bool device);
    ~SoundOutput();

    EffectMixer effects;

    // The next `frames` stereo frames of everything that sounds, as the device hears them.
    void Render(int16_t* stereo, int frames);

    // The tune mixed in from now on (nullptr for none); its end is told to `slot`.
    // Returns once the audio thread has let go of the one before.
    void SetTune(Tune* tune, int slot);
    // As SetTune(nullptr) when `tune` is the one mixed in.
    void LetGo(const Tune* tune);

    // SDL and its audio are up (always, without a device); false with `error` set when
    // not. The first failure is kept and given again, and the caller reports it.
    bool Ready(QString& error);
    // Something starts sounding: the device must be open. A failure is one line on
    // standard error, once.
    void Sounding();

    // `ended` runs on the user-interface thread after a play on `slot` ends.
    // Effects use their channel numbers; NewSlot gives numbers for others.
    void Listen(int slot, std::function<void()> ended);
    void Unlisten(int slot);
    int NewSlot() { return nextSlot_++; }
    // Tells `slot` of an end, from any thread.
    void Post(int slot);

private:
    bool OpenDevice(QString& error);
    void CloseDevice();
    void Idle();
    static void Fill(void* self, uint8_t* stream, int bytes);

    const bool device_;
    QObject* dispatcher_;  // receives the ends on the user-interface thread
    QTimer* idle_;
    const SdlLibrary* sdl_ = nullptr;  // set once SDL's audio is up
    uint32_t open_ = 0;                // the SDL device, 0 when closed
    bool reported_ = false;            // a failure of the output has been told of
    QString error_;
    std::map<int, std::function<void()>> listeners_;
    int nextSlot_ = 1 << 16;
    std::mutex tuneLock_;  // held by the audio thread while it renders the tune
    Tune* tune_ = nullptr;
    int tuneSlot_ = 0;
};

}  // namespace tesseron
