// FluidSynth as SDL2_mixer makes it, with settings of ours. The mixer creates the
// synthesiser's settings itself and offers no way to change them; the program
// therefore exports FluidSynth's settings constructor, and the mixer's call binds
// to ours, which makes the real settings and changes what we need.
#pragma once

namespace tesseron {

// How many settings objects the mixer has had from us (0 when our constructor is
// not the one the mixer calls).
int FluidSettingsTuned();

}  // namespace tesseron
