// The shipped background tune: a Standard MIDI File (format 1) of sixteen bars in
// C major for General MIDI instruments, about 34 seconds, made to be looped.
#pragma once

#include <QByteArray>

namespace tesseron::assets {

QByteArray Tune();

}  // namespace tesseron::assets
