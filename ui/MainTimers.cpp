// The game window's step and sweep timers.
#include "ui/UMain.h"

#include <cstring>

namespace tesseron {

// A step that changed nothing is followed by the same step for as long as nothing
// else changes the game, and a sweep with nothing exploding sweeps nothing. So both
// timers rest while the board stands still, and whatever can change it wakes them.

namespace {

bool Exploding(const Board& board) {
    for (const auto& column : board.cells)
        for (const Cell& c : column)
            if (c.Color < 0) return true;
    return false;
}

bool SameGame(const GameState& a, const GameState& b) {
    return std::memcmp(&a.board, &b.board, sizeof a.board) == 0 && std::memcmp(&a.nexts, &b.nexts, sizeof a.nexts) == 0 &&
           a.Score == b.Score && a.SetCount == b.SetCount && a.InMotion == b.InMotion;
}

}  // namespace

void TMain::StepTick() {
    before_.board = game.st.board;
    before_.nexts = game.st.nexts;
    before_.Score = game.st.Score;
    before_.SetCount = game.st.SetCount;
    before_.InMotion = game.st.InMotion;
    game.tmrSTEPTimer();
    if (tmrSTEP.isActive() && SameGame(before_, game.st)) {
        tmrSTEP.stop();
        stepResting_ = true;
    }
}

void TMain::SweepTick() {
    const bool exploding = Exploding(game.st.board);
    game.AntiMinusTimer();
    if (exploding)
        WakeStep();
    else
        AntiMinus.stop();  // the next explosion restarts it
}

void TMain::FollowState() {
    // A load or an undo can bring back bricks that exploded before the sweep rested.
    if (Exploding(game.st.board) && !AntiMinus.isActive()) AntiMinus.start();
    WakeStep();
}

void TMain::WakeStep() {
    if (!stepResting_) return;
    stepResting_ = false;
    tmrSTEP.start();  // the first step comes one interval from now
}

}  // namespace tesseron
