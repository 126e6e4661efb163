// SDL2 and FluidSynth, loaded when they are first needed. A game that has not
// sounded yet maps neither, and one played with the music off never maps
// FluidSynth, which brings some forty libraries with it.
#pragma once

#include <QString>
#include <SDL.h>
#include <fluidsynth.h>

namespace tesseron {

// What the output and the decoder of uncommon wave encodings use.
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

    QString Error() const { return QString::fromUtf8(GetError()); }
};

// The synthesiser and its MIDI player, through FluidSynth's own interface.
struct FluidLibrary {
    decltype(&new_fluid_settings) NewSettings;
    decltype(&delete_fluid_settings) DeleteSettings;
    decltype(&fluid_settings_setint) SetInt;
    decltype(&fluid_settings_setnum) SetNum;
    decltype(&fluid_settings_setstr) SetStr;
    decltype(&new_fluid_synth) NewSynth;
    decltype(&delete_fluid_synth) DeleteSynth;
    decltype(&fluid_synth_sfload) SfLoad;
    decltype(&fluid_synth_write_float) WriteFloat;
    decltype(&fluid_synth_all_notes_off) AllNotesOff;
    decltype(&fluid_synth_handle_midi_event) HandleMidiEvent;
    decltype(&fluid_midi_event_get_type) EventType;
    decltype(&fluid_midi_event_get_velocity) EventVelocity;
    decltype(&new_fluid_player) NewPlayer;
    decltype(&delete_fluid_player) DeletePlayer;
    decltype(&fluid_player_add_mem) AddMem;
    decltype(&fluid_player_play) Play;
    decltype(&fluid_player_get_status) Status;
    decltype(&fluid_player_get_current_tick) CurrentTick;
    decltype(&fluid_player_get_total_ticks) TotalTicks;
    decltype(&fluid_player_set_playback_callback) SetPlaybackCallback;
    decltype(&fluid_set_log_function) SetLogFunction;

    // As SdlLibrary::Get. FluidSynth's messages go to `log` from the first call on.
    static const FluidLibrary* Get(QString& error, fluid_log_function_t log);
};

}  // namespace tesseron
