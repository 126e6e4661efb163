#include "Game.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace tesseron {

namespace {

// Colours of the fixed starting pattern, in colour order 1..10.
struct PatternCell {
    int x, y;
};
constexpr PatternCell FixedPattern[MaxColors] = {
    {4, 5}, {4, 6}, {5, 7}, {6, 7}, {7, 6}, {7, 5}, {5, 4}, {6, 4}, {5, 6}, {6, 5},
};

bool InZone(int x, int y) { return x >= 1 && x <= ZoneSize && y >= 1 && y <= ZoneSize; }

int MarkIndex(int x, int y) { return (x - 1) * ZoneSize + (y - 1); }

// Neighbour (x, y) is a brick of this colour at rest; x and y within 0..11. Only
// central cells form groups: a loaded board may hold bricks in the exit ring.
bool SameAtRest(const Board& b, int x, int y, int8_t colour) {
    const Cell& c = b.at(x, y);
    return c.Color == colour && c.AtRest != 0 && InZone(x, y);
}

// A loaded score can be anything; points added to it stop at the largest value.
int32_t Saturated(int32_t score, int points) {
    const int64_t sum = int64_t(score) + points;
    return sum > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max() : int32_t(sum);
}

// 1 on the exit ring, 0 in the central zone.
struct RingTable {
    uint8_t cells[BoardSize][BoardSize];
};
constexpr RingTable MakeRingTable() {
    RingTable t{};
    for (int i = 0; i < BoardSize; ++i) t.cells[0][i] = t.cells[BoardSize - 1][i] = t.cells[i][0] = t.cells[i][BoardSize - 1] = 1;
    return t;
}
constexpr RingTable RingMarked = MakeRingTable();

void Front(int x, int y, uint8_t dir, int& fx, int& fy) {
    fx = x;
    fy = y;
    switch (dir) {
    case DirRight: ++fx; break;
    case DirUp: --fy; break;
    case DirLeft: --fx; break;
    case DirDown: ++fy; break;
    default: break;
    }
}

}  // namespace

int Game::NumberOfColors() const { return std::clamp(host_.NumberOfColors(), MinColors, MaxColors); }

uint8_t Game::RandomColor() { return static_cast<uint8_t>(1 + random_.Below(NumberOfColors())); }

void Game::RandomCell(int& x, int& y) {
    x = 1 + random_.Below(ZoneSize);
    y = 1 + random_.Below(ZoneSize);
}

void Game::DelNexts(int side, int lane) {
    st.nexts.at(side, lane, 0) = st.nexts.at(side, lane, 1);
    st.nexts.at(side, lane, 1) = st.nexts.at(side, lane, 2);
    st.nexts.at(side, lane, 2) = st.nexts.at(side, lane, 3);
    st.nexts.at(side, lane, 3) = RandomColor();
}

void Game::AddNexts(int side, int lane, uint8_t colour) {
    st.nexts.at(side, lane, 3) = st.nexts.at(side, lane, 2);
    st.nexts.at(side, lane, 2) = st.nexts.at(side, lane, 1);
    st.nexts.at(side, lane, 1) = st.nexts.at(side, lane, 0);
    st.nexts.at(side, lane, 0) = colour;
}

void Game::TakeUndoSnapshot() {
    st.UndoBoard = st.board;
    st.UndoNexts = st.nexts;
    st.UndoScore = st.Score;
    st.UndoReady = true;
}

bool Game::RowIsEmpty(int y) const {
    for (int x = 1; x <= ZoneSize; ++x)
        if (st.board.at(x, y).Color > 0) return false;
    return true;
}

bool Game::ColumnIsEmpty(int x) const {
    for (int y = 1; y <= ZoneSize; ++y)
        if (st.board.at(x, y).Color > 0) return false;
    return true;
}

void Game::LaunchBrick(int side, int lane) {
    if (side < SideRight || side > SideBottom || lane < 1 || lane > ZoneSize) return;
    const LaneEntry e = EntryOf(side, lane);
    Cell& entry = st.board.at(e.x, e.y);
    // An exploding brick in the entry cell still blocks it, but it stops nothing in the lane.
    // A first layer that is no brick at all can only come from a damaged saved game.
    const bool horizontal = side == SideRight || side == SideLeft;
    const uint8_t colour = st.nexts.at(side, lane, 0);
    if (entry.Color != 0 || (horizontal ? RowIsEmpty(lane) : ColumnIsEmpty(lane)) || st.InMotion || colour < 1 ||
        colour > MaxColors) {
        host_.Beep();
        return;
    }
    TakeUndoSnapshot();
    entry.Color = static_cast<int8_t>(colour);
    entry.Dir = e.dir;
    entry.AtRest = 0;
    DelNexts(side, lane);
    host_.PlayEffect(Effect::Shoot);
}

int Game::CountSameNeighbours(int x, int y, bool markedOnly) const {
    const int8_t colour = st.board.at(x, y).Color;
    const auto same = [&](int nx, int ny) {
        return int(SameAtRest(st.board, nx, ny, colour) && (!markedOnly || st.GroupMark[MarkIndex(nx, ny)] != 0));
    };
    return same(x - 1, y) + same(x + 1, y) + same(x, y - 1) + same(x, y + 1);
}

bool Game::Check3() {
    std::memset(st.GroupMark, 0, sizeof st.GroupMark);
    // The seed is the last qualifying cell in column order (x, then y), so the
    // search runs backwards and stops at the first one it meets.
    int seedX = 0, seedY = 0;
    for (int x = ZoneSize; x >= 1 && seedX == 0; --x)
        for (int y = ZoneSize; y >= 1; --y) {
            const Cell& c = st.board.at(x, y);
            if (c.Color <= 0 || c.AtRest == 0) continue;
            const int same = SameAtRest(st.board, x - 1, y, c.Color) + SameAtRest(st.board, x + 1, y, c.Color) +
                             SameAtRest(st.board, x, y - 1, c.Color) + SameAtRest(st.board, x, y + 1, c.Color);
            if (same >= 2) {
                seedX = x;
                seedY = y;
                break;
            }
        }
    if (seedX == 0) return false;

    // A cell joins when it has the group's colour and touches a marked brick at rest.
    // Flooding out from the seed reaches the same cells as repeated passes over the
    // zone would, in one visit per group member instead of one pass per step of growth.
    // The exit ring starts out marked, so no neighbour test needs a bounds check.
    const int8_t colour = st.board.at(seedX, seedY).Color;
    uint8_t marked[BoardSize][BoardSize];
    std::memcpy(marked, RingMarked.cells, sizeof marked);
    uint8_t pendingX[ZoneSize * ZoneSize], pendingY[ZoneSize * ZoneSize];
    int top = 0, size = 1;
    marked[seedX][seedY] = 1;
    pendingX[top] = uint8_t(seedX);
    pendingY[top++] = uint8_t(seedY);
    while (top > 0) {
        --top;
        const int x = pendingX[top], y = pendingY[top];
        if (st.board.at(x, y).AtRest == 0) continue;  // it explodes with the group but passes nothing on
        const auto join = [&](int nx, int ny) {
            if (marked[nx][ny] != 0 || st.board.at(nx, ny).Color != colour) return;
            marked[nx][ny] = 1;
            ++size;
            pendingX[top] = uint8_t(nx);
            pendingY[top++] = uint8_t(ny);
        };
        join(x - 1, y);
        join(x + 1, y);
        join(x, y - 1);
        join(x, y + 1);
    }

    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (marked[x][y] != 0) {
                st.GroupMark[MarkIndex(x, y)] = 1;
                st.board.at(x, y).Color = static_cast<int8_t>(-colour);
            }
    st.Score = Saturated(st.Score, 3 * (size - 2));
    host_.RestartSweepTimer();
    host_.PlayEffect(Effect::Explode);
    return true;
}

bool Game::Exploding() const {
    for (const auto& column : st.board.cells)
        for (const Cell& c : column)
            if (c.Color < 0) return true;
    return false;
}

bool Game::AntiMinusTimer() {
    bool swept = false;
    for (auto& column : st.board.cells)
        for (Cell& c : column)
            if (c.Color < 0) {
                c.Color = 0;
                swept = true;
            }
    return swept;
}

StepResult Game::Step() {
    StepResult result;
    result.changed = Check3();

    // Every decision is taken on the positions at the start of the step; moves go
    // into a working copy. When two bricks head for the same cell, the first one
    // in processing order takes it and the other one waits.
    Board work = st.board;
    bool claimed[BoardSize][BoardSize] = {};
    bool moving = false;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) {
            // Clearing the flag here is the reset of all 100 flags: the board's own
            // flags are not read below, and a brick that moves in writes 0 as well.
            work.at(x, y).AtRest = 0;
            const Cell& c = st.board.at(x, y);
            if (c.Color <= 0) {
                result.changed = result.changed || c.AtRest != 0;
                continue;
            }
            int fx, fy;
            Front(x, y, c.Dir, fx, fy);
            const bool hasArrow = c.Dir >= DirRight && c.Dir <= DirDown;
            if (hasArrow && st.board.at(fx, fy).Color <= 0 && !claimed[fx][fy]) {
                claimed[fx][fy] = true;
                work.at(fx, fy) = Cell{c.Color, c.Dir, 0};
                work.at(x, y).Color = 0;
                // A brick that entered a central cell is still moving; one in the ring is leaving.
                moving = moving || InZone(fx, fy);
                result.changed = true;
            } else {
                work.at(x, y).AtRest = 1;
                result.changed = result.changed || c.AtRest != 1;
            }
        }
    st.board = work;

    const auto giveBack = [this, &result](int x, int y, int side, int lane) {
        Cell& c = st.board.at(x, y);
        if (c.Color > 0) {
            AddNexts(side, lane, static_cast<uint8_t>(c.Color));
            c.Color = 0;
            result.changed = true;
        }
    };
    for (int i = 1; i <= ZoneSize; ++i) {
        giveBack(11, i, SideRight, i);
        giveBack(0, i, SideLeft, i);
        giveBack(i, 0, SideTop, i);
        giveBack(i, 11, SideBottom, i);
    }

    host_.FieldUpDate(false);
    result.changed = result.changed || st.InMotion != moving;
    st.InMotion = moving;
    result.moving = moving;
    result.exploding = Exploding();
    return result;
}

bool Game::ZoneIsEmpty() const {
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (st.board.at(x, y).Color != 0) return false;
    return true;
}

StepResult Game::tmrSTEPTimer() {
    StepResult result = Step();
    if (ZoneIsEmpty()) {
        st.Score = Saturated(st.Score, 150);
        PutBricks();
        result.changed = true;
    }
    host_.ScoreLabel(st.Score);
    if (Over()) {
        host_.StepTimer(false);
        host_.GameOver(st.Score);
    }
    return result;
}

void Game::PutBricks() {
    for (auto& column : st.board.cells)
        for (Cell& c : column) {
            c.Color = 0;
            c.Dir = DirNone;
        }
    const int colours = NumberOfColors();
    for (int c = 1; c <= colours; ++c) st.board.at(FixedPattern[c - 1].x, FixedPattern[c - 1].y) = Cell{int8_t(c), DirNone, 0};

    // A set larger than the free cells fills the zone instead of searching forever.
    const int bricks = std::min<int32_t>(st.SetCount, ZoneSize * ZoneSize - colours);
    for (int placed = 0; placed < bricks;) {
        int x, y;
        RandomCell(x, y);
        Cell& c = st.board.at(x, y);
        if (c.Color != 0) continue;
        c.Color = static_cast<int8_t>(RandomColor());
        c.Dir = DirNone;
        ++placed;
    }
    if (st.SetCount < std::numeric_limits<int32_t>::max()) ++st.SetCount;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) st.board.at(x, y).AtRest = 0;
}

void Game::NewClick() {
    st.SetCount = 0;
    host_.StepTimer(true);
    PutBricks();
    for (int side = SideRight; side <= SideBottom; ++side)
        for (int lane = 1; lane <= ZoneSize; ++lane)
            for (int slot = 0; slot < 4; ++slot) st.nexts.at(side, lane, slot) = RandomColor();
    st.Score = 0;
    host_.FieldUpDate(true);
    TakeUndoSnapshot();
}

void Game::UndoClick() {
    host_.PlayEffect(Effect::Click);
    if (!st.UndoReady) {
        host_.ShowInformation("You are unable to make undo since you have just started playing");
        return;
    }
    st.nexts = st.UndoNexts;
    st.board = st.UndoBoard;
    st.Score = st.UndoScore;
    host_.ScoreLabel(st.Score);
}

void Game::Resume(const GameState& saved) {
    st.board = saved.board;
    st.nexts = saved.nexts;
    st.Score = saved.Score;
    st.SetCount = saved.SetCount;
}

bool Game::Over() const {
    for (int i = 1; i <= ZoneSize; ++i)
        if (st.board.at(i, 1).Color == 0 || st.board.at(i, 10).Color == 0 || st.board.at(1, i).Color == 0 ||
            st.board.at(10, i).Color == 0)
            return false;
    return true;
}

}  // namespace tesseron
