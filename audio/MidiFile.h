// A standard MIDI file made safe to hand to the synthesiser: a tune of millions of
// notes would cost hundreds of megabytes in its player and a core to play.
#pragma once

#include <QByteArray>
#include <QString>

namespace tesseron {

// Notes one track may start at one tick; the rest of a denser chord is left out.
constexpr int MaxNotesPerTick = 32;
// Events kept in all; a longer tune is cut there.
constexpr int MaxTuneEvents = 200000;

// Rewrites `file` (a standard MIDI file, or one wrapped in a RIFF RMID file) into
// `tune`, a standard MIDI file within the limits above. `trimmed` tells, when not
// empty, what was left out. On failure `error` says why, without the file's name.
bool PrepareTune(const QByteArray& file, QByteArray& tune, QString& trimmed, QString& error);

}  // namespace tesseron
