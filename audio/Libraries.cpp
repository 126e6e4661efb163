#include "audio/Libraries.h"

#include <dlfcn.h>
#include <type_traits>

namespace tesseron {

namespace {

// One library of the process, opened once and never unloaded: SDL keeps threads
// and handlers of its own.
template <typename Functions>
struct Loader {
    Functions functions{};
    bool ok = false;
    QString error;

    // `resolve` is given the functions and a lookup taking each one and its name.
    template <typename Resolve>
    Loader(const char* name, Resolve resolve) {
        void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
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

}  // namespace

const SdlLibrary* SdlLibrary::Get(QString& error) {
    static const Loader<SdlLibrary> sdl("libSDL2-2.0.so.0", [](SdlLibrary& s, auto get) {
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
    return sdl.Get(error);
}

const FluidLibrary* FluidLibrary::Get(QString& error, fluid_log_function_t log) {
    static const Loader<FluidLibrary> fluid("libfluidsynth.so.3", [log](FluidLibrary& f, auto get) {
        get(f.SetLogFunction, "fluid_set_log_function");
        // Before anything else can speak: the information and debug levels stay quiet.
        if (f.SetLogFunction)
            for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
                f.SetLogFunction(level, level <= FLUID_WARN ? log : nullptr, nullptr);
        get(f.NewSettings, "new_fluid_settings");
        get(f.DeleteSettings, "delete_fluid_settings");
        get(f.SetInt, "fluid_settings_setint");
        get(f.SetNum, "fluid_settings_setnum");
        get(f.SetStr, "fluid_settings_setstr");
        get(f.NewSynth, "new_fluid_synth");
        get(f.DeleteSynth, "delete_fluid_synth");
        get(f.SfLoad, "fluid_synth_sfload");
        get(f.WriteFloat, "fluid_synth_write_float");
        get(f.AllNotesOff, "fluid_synth_all_notes_off");
        get(f.HandleMidiEvent, "fluid_synth_handle_midi_event");
        get(f.EventType, "fluid_midi_event_get_type");
        get(f.EventVelocity, "fluid_midi_event_get_velocity");
        get(f.NewPlayer, "new_fluid_player");
        get(f.DeletePlayer, "delete_fluid_player");
        get(f.AddMem, "fluid_player_add_mem");
        get(f.Play, "fluid_player_play");
        get(f.Status, "fluid_player_get_status");
        get(f.CurrentTick, "fluid_player_get_current_tick");
        get(f.TotalTicks, "fluid_player_get_total_ticks");
        get(f.SetPlaybackCallback, "fluid_player_set_playback_callback");
    });
    return fluid.Get(error);
}

}  // namespace tesseron
