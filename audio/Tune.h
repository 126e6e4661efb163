// The tune: FluidSynth's synthesiser and MIDI player as a source of our mixer.
#pragma once

#include "audio/EffectMixer.h"
#include "audio/Libraries.h"
#include "audio/SoundFile.h"

#include <QByteArray>
#include <QString>
#include <bitset>
#include <memory>
#include <string>

namespace tesseron {

// Loads FluidSynth and the soundfonts ($SDL_SOUNDFONTS, else the system's General
// MIDI bank) for a tune already made safe, rendered at `rate`; nullptr with `error`
// set when that fails.
std::unique_ptr<EffectMixer::Source> MakeTune(const PreparedTune& prepared, int rate, QString& error);

// A soundfont as a synthesiser with Install's loader reads it: only the presets of
// `programs` and of program 0, where every channel starts. FluidSynth builds the
// zones of every preset it is given, some 4 MB for a General MIDI bank, of which a
// tune plays a handful. The presets keep their banks and numbers, so a program
// change finds what it would find in the whole bank.
class CutBank {
public:
    CutBank(const QString& file, const std::bitset<128>& programs);
    ~CutBank();
    // What to load: the cut bank, or the file itself where it could not be cut.
    const char* Name() const { return name_.c_str(); }
    static void Install(const FluidLibrary* fluid, fluid_settings_t* settings, fluid_synth_t* synth);

private:
    std::string name_;
};

}  // namespace tesseron
