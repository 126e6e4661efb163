#include "audio/FluidSettings.h"

#include <atomic>
#include <dlfcn.h>

namespace {

std::atomic<int> tuned{0};

using Settings = void;
using Make = Settings* (*)();
using SetInt = int (*)(Settings*, const char*, int);

}  // namespace

// Called by SDL2_mixer, which links FluidSynth, in place of FluidSynth's own: the
// program exports it, and the mixer's call binds to the first definition. Each
// setting that this FluidSynth does not know is simply left as it was.
extern "C" __attribute__((visibility("default"))) Settings* new_fluid_settings() {
    static const Make make = reinterpret_cast<Make>(dlsym(RTLD_NEXT, "new_fluid_settings"));
    static const SetInt setInt = reinterpret_cast<SetInt>(dlsym(RTLD_NEXT, "fluid_settings_setint"));
    Settings* settings = make ? make() : nullptr;
    if (settings && setInt) {
        // Only the instruments a tune picks are read from the bank, not all of it.
        setInt(settings, "synth.dynamic-sample-loading", 1);
        ++tuned;
    }
    return settings;
}

namespace tesseron {

int FluidSettingsTuned() { return tuned.load(); }

}  // namespace tesseron
