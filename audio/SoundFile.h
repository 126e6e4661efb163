// Reading sound files safely: wave effects decoded for our mixer, and MIDI tunes
// made safe to hand to the synthesiser.
#pragma once

#include <QByteArray>
#include <QString>
#include <bitset>
#include <cstdint>
#include <vector>

namespace tesseron {

// The rate the effects are mixed at.
constexpr int MixRate = 44100;

// The file's bytes, refusing anything but a regular, non-empty file of at most
// 64 MiB, so that a FIFO or a device never blocks the game.
bool ReadMediaFile(const QString& file, QByteArray& bytes, QString& error);

// Signed 16-bit samples at the file's rate, mono or stereo as the file is (more
// channels are folded into two).
struct DecodedSound {
    std::vector<int16_t> samples;
    int channels = 1;
    int rate = MixRate;
};

// Decodes a RIFF WAVE file of any encoding SDL reads. Integer and float samples
// are read here; anything else loads SDL to decode it. On failure `error` says
// why, without the file's name.
bool DecodeWave(QByteArray bytes, DecodedSound& sound, QString& error);
// SDL's reader alone, for every encoding it knows.
bool DecodeWaveWithSdl(QByteArray bytes, DecodedSound& sound, QString& error);

// A tune of millions of notes would cost hundreds of megabytes in FluidSynth's
// player and a core to play: one track keeps at most this many notes a tick, and
// a tune is cut after this many events.
constexpr int MaxNotesPerTick = 32;
constexpr int MaxTuneEvents = 200000;
// FluidSynth copies every system-exclusive message and keeps it for as long as the
// tune plays; the ones a synthesiser acts on are short.
constexpr int MaxSysexBytes = 512;
constexpr int MaxTuneSysexBytes = 64 * 1024;
// FluidSynth's player refuses a file of more tracks, and the synthesiser keeps one of
// them for itself; more are merged into one.
constexpr int MaxTuneTracks = 127;

// A tune made safe: a standard MIDI file within the limits above, what was left out
// (empty when nothing), the programs its program changes select and the tick of its
// end. Text and meta events other than the tempo are never played and are left out.
struct PreparedTune {
    QByteArray smf;
    QString trimmed;
    std::bitset<128> programs;
    qint64 endTick = 0;
};

// Rewrites `file` (a standard MIDI file, or one wrapped in a RIFF RMID file) into
// `tune`. On failure `error` says why, without the file's name.
bool PrepareTune(const QByteArray& file, PreparedTune& tune, QString& error);

// One line on standard error for each kind of problem with a tune (names and numbers
// aside), whichever thread meets it and however often.
void ReportTuneProblem(const QString& message);

}  // namespace tesseron
