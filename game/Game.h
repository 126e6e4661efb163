// The rules engine: launching, the movement step, groups and scoring, new
// games and refills, undo and the end of a game. Plain C++; it reaches the
// outside only through its GameHost. Any bytes a loaded game leaves in the state
// are safe: the engine stays inside its arrays and a score stops at its maximum.
#pragma once

#include "GameHost.h"
#include "GameState.h"
#include "Random.h"

namespace tesseron {

class Game {
public:
    Game(GameHost& host, Random& random) : host_(host), random_(random) {}

    GameState st;

    // Player commands.
    void NewClick();
    void LaunchBrick(int side, int lane);
    void UndoClick();

    // Timer handlers.
    void tmrSTEPTimer();   // one step of the game
    void AntiMinusTimer(); // sweeps exploding bricks away

    // The parts of a step, public so that they can be exercised one by one.
    void Step();
    void Check3();
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
