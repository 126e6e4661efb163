// SDL2 and FluidSynth, loaded when they are first needed. A game that has not
// sounded yet maps neither, and one played with the music off never maps
// FluidSynth, which brings some forty libraries with it.
#pragma once

#include <QString>
#include <SDL.h>
#include <fluidsynth.h>

namespace tesseron {

// The functions we call, each looked up by its own name and called by it:
// sdl->SDL_OpenAudioDevice(...).
// clang-format off
#define TESSERON_SDL_FUNCTIONS(F)                                                                       \
    F(SDL_InitSubSystem) F(SDL_QuitSubSystem) F(SDL_GetError) F(SDL_OpenAudioDevice)                    \
    F(SDL_CloseAudioDevice) F(SDL_PauseAudioDevice) F(SDL_RWFromConstMem) F(SDL_LoadWAV_RW) F(SDL_FreeWAV)

#define TESSERON_FLUID_FUNCTIONS(F)                                                                     \
    F(fluid_set_log_function) F(new_fluid_settings) F(delete_fluid_settings) F(fluid_settings_setint)  \
    F(fluid_settings_setnum) F(fluid_settings_setstr) F(new_fluid_synth) F(delete_fluid_synth)         \
    F(fluid_synth_sfload) F(fluid_synth_write_float) F(fluid_synth_all_notes_off)                      \
    F(fluid_synth_handle_midi_event) F(fluid_midi_event_get_type) F(fluid_midi_event_get_velocity)     \
    F(new_fluid_player) F(delete_fluid_player) F(fluid_player_add_mem) F(fluid_player_play)            \
    F(fluid_player_get_status) F(fluid_player_get_current_tick) F(fluid_player_seek)            \
    F(fluid_player_set_playback_callback) F(new_fluid_defsfloader) F(fluid_sfloader_set_callbacks)     \
    F(fluid_synth_add_sfloader) F(fluid_player_set_loop)
// clang-format on

#define TESSERON_POINTER(name) decltype(&::name) name = nullptr;

struct SdlLibrary {
    TESSERON_SDL_FUNCTIONS(TESSERON_POINTER)
    // The library of this process, loaded at the first call and kept to the end;
    // nullptr with `error` set when it or one of its functions is missing.
    static const SdlLibrary* Get(QString& error);
    QString Error() const { return QString::fromUtf8(SDL_GetError()); }
};

struct FluidLibrary {
    TESSERON_FLUID_FUNCTIONS(TESSERON_POINTER)
    static const FluidLibrary* Get(QString& error);  // as SdlLibrary::Get
    // GLib's, which FluidSynth and its DLS reader bring, where it is found: their own
    // assertions print past FluidSynth's log function without it.
    using GLogFunction = void (*)(const char* domain, int level, const char* message, void* data);
    unsigned (*g_log_set_handler)(const char* domain, int levels, GLogFunction function, void* data) = nullptr;
};

#undef TESSERON_POINTER

}  // namespace tesseron
