// SDL2_mixer, loaded when the tune is first needed. The mixer brings FluidSynth and
// some forty libraries with it; a game played with the music off never maps them.
#pragma once

#include <QString>
#include <SDL_mixer.h>

namespace tesseron {

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

    // The library of this process, loaded at the first call and kept to the end;
    // nullptr with `error` set when it or one of its functions is missing.
    static const MixerLibrary* Get(QString& error);
    // Whether an earlier Get loaded it.
    static bool Loaded();
};

}  // namespace tesseron
