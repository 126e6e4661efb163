// Media players on SDL2_mixer: one mixer channel per wave player, MIDI through
// FluidSynth. The audio device opens at the first Open or Alert and only once per
// run; the MIDI soundfont is loaded only when a MIDI player opens.
#pragma once

#include "audio/MediaPlayer.h"

namespace tesseron {

// Create it on the user-interface thread (after the QCoreApplication): completion
// notices are delivered to the thread that created the players. Only one MIDI
// player may play at a time (the mixer has one music stream).
std::unique_ptr<MediaBackend> CreateSdlBackend();

// The soundfont list handed to FluidSynth: $SDL_SOUNDFONTS when set, else the
// system's General MIDI bank.
QString SoundFonts();

}  // namespace tesseron
