// The game window's step and sweep timers.
#include "ui/UMain.h"

namespace tesseron {

// A step that changed nothing is followed by the same step for as long as nothing
// else changes the game, and a sweep with nothing exploding sweeps nothing. So both
// timers rest while the board stands still, and whatever can change it wakes them.

void TMain::StepTick() {
    const StepResult step = game.tmrSTEPTimer();
    if (tmrSTEP.isActive() && !step.changed) {
        tmrSTEP.stop();
        stepResting_ = true;
    }
}

void TMain::SweepTick() {
    if (game.AntiMinusTimer())
        WakeStep();
    else
        AntiMinus.stop();  // the next explosion restarts it
}

void TMain::FollowState() {
    // A load or an undo can bring back bricks that exploded before the sweep rested.
    if (game.Exploding() && !AntiMinus.isActive()) AntiMinus.start();
    WakeStep();
}

void TMain::WakeStep() {
    if (!stepResting_) return;
    stepResting_ = false;
    tmrSTEP.start();  // the first step comes one interval from now
}

}  // namespace tesseron
