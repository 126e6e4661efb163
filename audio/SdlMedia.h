// Media players on one SDL output: each is a channel of our own mixer that holds a
// wave sound or a tune of FluidSynth's. SDL is loaded when something first sounds,
// FluidSynth only when a tune is opened, and the output is open only while
// something sounds.
#pragma once

#include "audio/Audio.h"

#include <cstdint>

namespace tesseron {

// How long the output stays open after the last sound has ended.
constexpr int DefaultIdleCloseMs = 10000;

// Create it on the user-interface thread (after the QCoreApplication): completion
// notices are delivered to the thread that created the players.
std::unique_ptr<MediaBackend> CreateSdlBackend(int idleCloseMs = DefaultIdleCloseMs);

// The same players on no device: while the backend lives, `render` writes the next
// frames of the mix (signed 16-bit stereo at MixRate) as the device's callback would.
struct RenderedBackend {
    std::unique_ptr<MediaBackend> backend;
    std::function<void(int16_t* stereo, int frames)> render;
};
RenderedBackend CreateRenderedBackend();

}  // namespace tesseron
