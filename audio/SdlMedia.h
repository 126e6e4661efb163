// Media players on SDL: the wave players are channels of our own effects' mixer,
// the MIDI player is SDL2_mixer's music stream through FluidSynth. SDL2 is loaded
// when something first sounds, SDL2_mixer only when a tune is first opened, the
// soundfont only with a tune, and the audio output is open only while something
// sounds or a tune is held.
#pragma once

#include "audio/MediaPlayer.h"

namespace tesseron {

// How long the output stays open after the last sound has ended.
constexpr int DefaultIdleCloseMs = 10000;

// Create it on the user-interface thread (after the QCoreApplication): completion
// notices are delivered to the thread that created the players. Only one MIDI
// player may play at a time (the mixer has one music stream).
std::unique_ptr<MediaBackend> CreateSdlBackend(int idleCloseMs = DefaultIdleCloseMs);

// The soundfont list handed to FluidSynth: $SDL_SOUNDFONTS when set, else the
// system's General MIDI bank.
QString SoundFonts();

}  // namespace tesseron
