// Reading sound files safely and decoding wave audio for the effects' mixer.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace tesseron {

// The rate the effects are mixed at.
constexpr int MixRate = 44100;

// The file's bytes, refusing anything but a regular, non-empty file of at most
// 64 MiB, so that a FIFO or a device never blocks the game.
bool ReadMediaFile(const QString& file, QByteArray& bytes, QString& error);

// A RIFF chunk may claim up to 4 GiB whatever the file holds, and a decoder may
// reserve what is claimed before reading: cut every claim to the bytes present.
void ClampRiffChunks(QByteArray& bytes);

// Signed 16-bit samples at the file's rate, mono or stereo as the file is (more
// channels are mixed down to two).
struct DecodedSound {
    std::vector<int16_t> samples;
    int channels = 1;
    int rate = MixRate;
};

// Decodes a RIFF WAVE file of any encoding SDL reads. Integer and float samples in
// one or two channels are read here; anything else loads SDL to decode it. On
// failure `error` says why, without the file's name.
bool DecodeWave(QByteArray bytes, DecodedSound& sound, QString& error);

// SDL's decoder alone, for every encoding it knows.
bool DecodeWaveWithSdl(QByteArray bytes, DecodedSound& sound, QString& error);

}  // namespace tesseron
