// The sounds the windows ask for. The audio library implements it; a window
// that was given none stays silent.
#pragma once

#include "game/Effect.h"

namespace tesseron {

class Sounds {
public:
    virtual ~Sounds() = default;
    // Stops all five effects, rewinds this one and plays it; nothing while effects are off.
    virtual void PlayEffect(Effect effect) = 0;
    // Stops all five effects and plays this one on from where it stands; nothing while effects are off.
    virtual void ResumeEffect(Effect effect) = 0;
    // The refused-move alert: sounds whether or not effects are on and touches no effect player.
    virtual void Beep() = 0;
};

}  // namespace tesseron
