// What the rules engine asks of the program around it. The game window
// implements it for real; tests and tesseron-replay record the calls.
#pragma once

#include "game/Effect.h"

#include <cstdint>
#include <string>

namespace tesseron {

class GameHost {
public:
    virtual ~GameHost() = default;
    virtual void FieldUpDate(bool full) = 0;                    // redraw the field: all of it, or what changed
    virtual void ScoreLabel(int32_t score) = 0;                 // the score label shows this number
    virtual void PlayEffect(Effect effect) = 0;                 // the host decides whether sounds are on
    virtual void Beep() = 0;                                    // refused move, whatever the sound switch says
    virtual void ShowInformation(const std::string& text) = 0;  // modal message with an OK button
    virtual void StepTimer(bool enabled) = 0;                   // tmrSTEP on or off
    virtual void RestartSweepTimer() = 0;                       // AntiMinus: next firing one full interval from now
    virtual void GameOver(int32_t score) = 0;                   // end-of-game hand-over to the high scores
    virtual int NumberOfColors() const = 0;                     // NumCol; the engine clamps it to 5..10
};

}  // namespace tesseron
