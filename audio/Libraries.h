// SDL2 and SDL2_mixer, loaded when they are first needed. A game that has not
// sounded yet maps neither, and one played with the music off never maps the
// mixer, which brings FluidSynth and some forty libraries with it.
#pragma once

#include <QString>
#include <SDL.h>
#include <SDL_mixer.h>

namespace tesseron {

// What the effects' output and the decoder of uncommon wave encodings use.
struct SdlLibrary {
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_GetError) GetError;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_NewAudioStream) NewAudioStream;
    decltype(&SDL_AudioStreamPut) AudioStreamPut;
    decltype(&SDL_AudioStreamFlush) AudioStreamFlush;
    decltype(&SDL_AudioStreamAvailable) AudioStreamAvailable;
    decltype(&SDL_AudioStreamGet) AudioStreamGet;
    decltype(&SDL_FreeAudioStream) FreeAudioStream;

    // The library of this process, loaded at the first call and kept to the end;
    // nullptr with `error` set when it or one of its functions is missing.
    static const SdlLibrary* Get(QString& error);
    // Whether an earlier Get loaded it.
    static bool Loaded();

    QString Error() const { return QString::fromUtf8(GetError()); }
};

struct MixerLibrary {
    decltype(&Mix_SetSoundFonts) SetSoundFonts;
    decltype(&Mix_OpenAudioDevice) OpenAudioDevice;
    decltype(&Mix_CloseAudio) CloseAudio;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_SetPostMix) SetPostMix;
    decltype(&Mix_HookMusicFinished) HookMusicFinished;
    decltype(&Mix_LoadMUSType_RW) LoadMUSType_RW;
    decltype(&Mix_FreeMusic) FreeMusic;
    decltype(&Mix_PlayMusic) PlayMusic;
    decltype(&Mix_HaltMusic) HaltMusic;
    decltype(&Mix_PauseMusic) PauseMusic;
    decltype(&Mix_ResumeMusic) ResumeMusic;
    decltype(&Mix_PausedMusic) PausedMusic;
    decltype(&Mix_PlayingMusic) PlayingMusic;

    // As SdlLibrary::Get, for the mixer (which needs SDL2 and loads it too).
    static const MixerLibrary* Get(QString& error);
    static bool Loaded();
};

}  // namespace tesseron
