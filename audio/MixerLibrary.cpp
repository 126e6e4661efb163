#include "audio/MixerLibrary.h"

#include <SDL_loadso.h>
#include <type_traits>

namespace tesseron {

namespace {

const char* const LibraryName = "libSDL2_mixer-2.0.so.0";

struct Loader {
    MixerLibrary library{};
    bool ok = false;
    QString error;

    Loader() {
        // Never unloaded: FluidSynth keeps threads and handlers of its own.
        void* handle = SDL_LoadObject(LibraryName);
        if (!handle) {
            error = QStringLiteral("%1: %2").arg(LibraryName, QString::fromUtf8(SDL_GetError()));
            return;
        }
        ok = true;
        auto get = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(SDL_LoadFunction(handle, name));
            if (!function && ok) {
                ok = false;
                error = QStringLiteral("%1: no %2").arg(LibraryName, name);
            }
        };
        MixerLibrary& m = library;
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
    }
};

Loader* loader = nullptr;

}  // namespace

const MixerLibrary* MixerLibrary::Get(QString& error) {
    if (!loader)
        loader = new Loader;  // kept, like the library
    if (!loader->ok) {
        error = loader->error;
        return nullptr;
    }
    return &loader->library;
}

bool MixerLibrary::Loaded() { return loader && loader->ok; }

}  // namespace tesseron
