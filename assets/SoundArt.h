// The five shipped sound effects, synthesised: RIFF WAVE, 16-bit PCM, mono, 22050 Hz.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace tesseron::assets {

constexpr int SoundRate = 22050;

QByteArray ShootSound();     // 1.snd: a quick falling "pew"
QByteArray ExplodeSound();   // 2.snd: a crunchy noise burst with a low thump
QByteArray ClickSound();     // 3.snd: a very short tick
QByteArray ApplauseSound();  // 4.snd: a small crowd clapping for about two seconds
QByteArray GameOverSound();  // 5.snd: four falling notes, the last one drooping

// Samples in -1..1 as a RIFF WAVE file, scaled so the loudest sample is at `peak`.
QByteArray WaveFile(const std::vector<double>& samples, double peak = 0.85);

}  // namespace tesseron::assets
