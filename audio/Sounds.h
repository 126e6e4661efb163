// The sounds the windows ask for. The audio library implements it; a window
// that was given none stays silent.
#pragma once

namespace tesseron {

// Effect players, numbered as the game's effects: 1 shoot, 2 explode, 3 click,
// 4 applause, 5 game over.
class Sounds {
public:
    virtual ~Sounds() = default;
    // Stops all five effects, rewinds this one and plays it; nothing while effects are off.
    virtual void PlayEffect(int player) = 0;
    // Stops all five effects and plays this one on from where it stands; nothing while effects are off.
    virtual void ResumeEffect(int player) = 0;
    // The refused-move alert: sounds whether or not effects are on and touches no effect player.
    virtual void Beep() = 0;
};

}  // namespace tesseron
