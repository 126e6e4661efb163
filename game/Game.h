// The rules engine: launching, the movement step, groups and scoring, new
// games and refills, undo and the end of a game. Plain C++; it reaches the
// outside only through its GameHost. Any bytes a loaded game leaves in the state
// are safe: the engine stays inside its arrays and a score stops at its maximum.
#pragma once

#include "GameHost.h"
#include "GameState.h"
#include "Random.h"

namespace tesseron {

// What a step did, as far as the window needs to know: its timers rest while
// steps change nothing.
struct StepResult {
    bool changed = false;    // the board, the queues, the score or the motion flag
    bool moving = false;     // a brick is still on its way through the zone
    bool exploding = false;  // bricks wait for the sweep
};

class Game {
public:
    Game(GameHost& host, Random& random) : host_(host), random_(random) {}

    GameState st;

    // Player commands.
    void NewClick();
    void LaunchBrick(int side, int lane);
    void UndoClick();
    // A saved game takes over the board, the queues, the score and the set count.
    void Resume(const GameState& saved);
    // Nothing to take back: the next undo says so.
    void ForgetUndo() { st.UndoReady = false; }

    // Timer handlers.
    StepResult tmrSTEPTimer();  // one step of the game
    bool AntiMinusTimer();      // sweeps exploding bricks away; false when there were none
    bool Exploding() const;     // bricks wait for the sweep

    // The parts of a step, public so that they can be exercised one by one.
    StepResult Step();
    bool Check3();  // true when a group exploded
    void PutBricks();
    bool Over() const;
    bool RowIsEmpty(int y) const;
    bool ColumnIsEmpty(int x) const;
    int CountSameNeighbours(int x, int y, bool markedOnly) const;

    void DelNexts(int side, int lane);
    void AddNexts(int side, int lane, uint8_t colour);
    void TakeUndoSnapshot();

    int NumberOfColors() const;  // the host's number, clamped to 5..10
    uint8_t RandomColor();
    void RandomCell(int& x, int& y);

private:
    bool ZoneIsEmpty() const;

    GameHost& host_;
    Random& random_;
};

}  // namespace tesseron
