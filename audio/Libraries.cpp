#include "audio/Libraries.h"

#include <dlfcn.h>
#include <type_traits>

namespace tesseron {

namespace {

// One library of the process, opened once and never unloaded: SDL and FluidSynth
// keep threads and handlers of their own.
template <typename Functions>
struct Loader {
    Functions functions{};
    bool ok = false;
    QString error;

    // `resolve` is given the functions and a lookup taking each one and its name.
    template <typename Resolve>
    Loader(const char* name, Resolve resolve) {
        // Global, so that the mixer loaded later finds this very SDL.
        void* handle = dlopen(name, RTLD_NOW | RTLD_GLOBAL);
        if (!handle) {
            error = QString::fromLocal8Bit(dlerror());
            return;
        }
        ok = true;
        resolve(functions, [&](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, symbol));
            if (!function && ok) {
                ok = false;
                error = QStringLiteral("%1: no %2").arg(QLatin1String(name), QLatin1String(symbol));
            }
        });
    }

    const Functions* Get(QString& why) const {
        if (!ok)
            why = error;
        return ok ? &functions : nullptr;
    }
};

Loader<SdlLibrary>* sdl = nullptr;
Loader<MixerLibrary>* mixer = nullptr;

}  // namespace

const SdlLibrary* SdlLibrary::Get(QString& error) {
    if (!sdl) {
        sdl = new Loader<SdlLibrary>("libSDL2-2.0.so.0", [](SdlLibrary& s, auto get) {
            get(s.InitSubSystem, "SDL_InitSubSystem");
            get(s.QuitSubSystem, "SDL_QuitSubSystem");
            get(s.GetError, "SDL_GetError");
            get(s.OpenAudioDevice, "SDL_OpenAudioDevice");
            get(s.CloseAudioDevice, "SDL_CloseAudioDevice");
            get(s.PauseAudioDevice, "SDL_PauseAudioDevice");
            get(s.RWFromConstMem, "SDL_RWFromConstMem");
            get(s.LoadWAV_RW, "SDL_LoadWAV_RW");
            get(s.FreeWAV, "SDL_FreeWAV");
            get(s.NewAudioStream, "SDL_NewAudioStream");
            get(s.AudioStreamPut, "SDL_AudioStreamPut");
            get(s.AudioStreamFlush, "SDL_AudioStreamFlush");
            get(s.AudioStreamAvailable, "SDL_AudioStreamAvailable");
            get(s.AudioStreamGet, "SDL_AudioStreamGet");
            get(s.FreeAudioStream, "SDL_FreeAudioStream");
        });
    }
    return sdl->Get(error);
}

bool SdlLibrary::Loaded() { return sdl && sdl->ok; }

const MixerLibrary* MixerLibrary::Get(QString& error) {
    if (!mixer) {
        mixer = new Loader<MixerLibrary>("libSDL2_mixer-2.0.so.0", [](MixerLibrary& m, auto get) {
            get(m.SetSoundFonts, "Mix_SetSoundFonts");
            get(m.OpenAudioDevice, "Mix_OpenAudioDevice");
            get(m.CloseAudio, "Mix_CloseAudio");
            get(m.AllocateChannels, "Mix_AllocateChannels");
            get(m.SetPostMix, "Mix_SetPostMix");
            get(m.HookMusicFinished, "Mix_HookMusicFinished");
            get(m.LoadMUSType_RW, "Mix_LoadMUSType_RW");
            get(m.FreeMusic, "Mix_FreeMusic");
            get(m.PlayMusic, "Mix_PlayMusic");
            get(m.HaltMusic, "Mix_HaltMusic");
            get(m.PauseMusic, "Mix_PauseMusic");
            get(m.ResumeMusic, "Mix_ResumeMusic");
            get(m.PausedMusic, "Mix_PausedMusic");
            get(m.PlayingMusic, "Mix_PlayingMusic");
        });
    }
    return mixer->Get(error);
}

bool MixerLibrary::Loaded() { return mixer && mixer->ok; }

}  // namespace tesseron
