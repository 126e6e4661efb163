// The sound output of the process, shared by the SDL backend and its players. The
// effects are mixed by our own mixer, on an SDL device of our own; while a tune is
// held, SDL2_mixer owns the device and our effects are added to its mix. SDL is
// loaded and the output opened only when something sounds or a tune is opened,
// and the output closes again after a silence, so an idle game has no audio
// thread waking it.
#pragma once

#include "audio/EffectMixer.h"
#include "audio/Libraries.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QObject;
class QTimer;

namespace tesseron {

// Channels the effects' mixer may have.
constexpr int MaxChannels = 32;

// The end of a play, seen on the user-interface thread. The output's hooks run on
// the audio thread and only post; the notice is touched on our thread alone.
// Slot 0 is the tune, slot c + 1 effect channel c.
class PlayNotice {
public:
    // Starts a play whose end calls `done` once.
    void Arm(std::function<void()> done);
    // This notice now hears the ends on `slot`; a later Listen there takes over.
    void Listen(int slot);
    void Unlisten(int slot);
    // A play of `generation` ended; a notice of an earlier play is dropped.
    void Finished(quint64 generation);

private:
    std::function<void()> done_;
    quint64 generation_ = 0;
};

class SoundOutput {
public:
    // The one output; it lives while a backend or a player holds it.
    static std::shared_ptr<SoundOutput> Acquire();
    ~SoundOutput();

    EffectMixer effects;

    void SetIdleClose(int ms);

    // SDL and its audio are up; nullptr with `error` set when not. The first
    // failure is kept and given again, and the caller reports it.
    const SdlLibrary* Ready(QString& error);

    // An effect or the alert starts: an output must be running. A failure is one
    // line on standard error, once.
    void Sounding();

    // The tune needs the mixer's output; nullptr with `error` set when it cannot
    // be had. Each successful call is matched by a ReleaseMusic.
    const MixerLibrary* HoldMusic(QString& error);
    void ReleaseMusic();

private:
    enum class Output { None, Own, Mixer };

    SoundOutput();
    bool OpenOwn(QString& error);
    void CloseOutput();
    void Idle();

    static void SDLCALL Fill(void* self, Uint8* stream, int bytes);
    static void SDLCALL PostMix(void* self, Uint8* stream, int bytes);

    QObject* dispatcher_;  // receives the hooks' notices on our thread
    QTimer* idle_;
    Output output_ = Output::None;
    const SdlLibrary* sdl_ = nullptr;  // set once SDL's audio is up
    SDL_AudioDeviceID own_ = 0;
    const MixerLibrary* mixer_ = nullptr;
    int tunes_ = 0;  // tunes loaded: the mixer's output stays while there is one
    bool reported_ = false;  // a failure of the output has been told of
    QString error_;
};

}  // namespace tesseron
