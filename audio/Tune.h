// The tune: FluidSynth's synthesiser and MIDI player as a source of our mixer.
#pragma once

#include "audio/EffectMixer.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace tesseron {

// Loads FluidSynth and the soundfonts ($SDL_SOUNDFONTS, else the system's General
// MIDI bank) for `smf`, a standard MIDI file already made safe, rendered at `rate`;
// nullptr with `error` set when that fails.
std::unique_ptr<EffectMixer::Source> MakeTune(QByteArray smf, int rate, QString& error);

// One line on standard error for each kind of problem with a tune (numbers aside),
// whichever thread meets it and however often.
void ReportTuneProblem(const QString& message);

}  // namespace tesseron
