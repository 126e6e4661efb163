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
    const bool horizontal = side == SideRight || side == SideLeft;
    if (entry.Color != 0 || (horizontal ? RowIsEmpty(lane) : ColumnIsEmpty(lane)) || st.InMotion) {
        host_.Beep();
        return;
    }
    TakeUndoSnapshot();
    entry.Color = static_cast<int8_t>(st.nexts.at(side, lane, 0));
    entry.Dir = e.dir;
    entry.AtRest = 0;
    DelNexts(side, lane);
    host_.PlayEffect(EffectShoot);
}

int Game::CountSameNeighbours(int x, int y, bool markedOnly) const {
    static constexpr int dx[4] = {-1, 1, 0, 0};
    static constexpr int dy[4] = {0, 0, -1, 1};
    const int8_t colour = st.board.at(x, y).Color;
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        const int nx = x + dx[i], ny = y + dy[i];
        if (nx < 0 || nx >= BoardSize || ny < 0 || ny >= BoardSize) continue;
        const Cell& c = st.board.at(nx, ny);
        if (c.Color != colour || c.AtRest == 0) continue;
        if (markedOnly && (!InZone(nx, ny) || st.GroupMark[MarkIndex(nx, ny)] == 0)) continue;
        ++n;
    }
    return n;
}

void Game::Check3() {
    std::memset(st.GroupMark, 0, sizeof st.GroupMark);
    int seedX = 0, seedY = 0;
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) {
            const Cell& c = st.board.at(x, y);
            if (c.Color > 0 && c.AtRest != 0 && CountSameNeighbours(x, y, false) >= 2) {
                seedX = x;
                seedY = y;
            }
        }
    if (seedX == 0) return;

    st.GroupMark[MarkIndex(seedX, seedY)] = 1;
    int size = 1;
    const int8_t colour = st.board.at(seedX, seedY).Color;
    for (bool grown = true; grown;) {
        grown = false;
        for (int x = 1; x <= ZoneSize; ++x)
            for (int y = 1; y <= ZoneSize; ++y) {
                uint8_t& mark = st.GroupMark[MarkIndex(x, y)];
                if (mark == 0 && st.board.at(x, y).Color == colour && CountSameNeighbours(x, y, true) > 0) {
                    mark = 1;
                    ++size;
                    grown = true;
                }
            }
    }

    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (st.GroupMark[MarkIndex(x, y)] != 0) st.board.at(x, y).Color = static_cast<int8_t>(-colour);
    st.Score += 3 * (size - 2);
    host_.RestartSweepTimer();
    host_.PlayEffect(EffectExplode);
}

void Game::AntiMinusTimer() {
    for (auto& column : st.board.cells)
        for (Cell& c : column)
            if (c.Color < 0) c.Color = 0;
}

void Game::Step() {
    Check3();
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) st.board.at(x, y).AtRest = 0;

    // Every decision is taken on the positions at the start of the step; moves go
    // into a working copy. When two bricks head for the same cell, the first one
    // in processing order takes it and the other one waits.
    Board work = st.board;
    bool claimed[BoardSize][BoardSize] = {};
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y) {
            const Cell& c = st.board.at(x, y);
            if (c.Color <= 0) continue;
            int fx, fy;
            Front(x, y, c.Dir, fx, fy);
            const bool hasArrow = c.Dir >= DirRight && c.Dir <= DirDown;
            if (hasArrow && st.board.at(fx, fy).Color <= 0 && !claimed[fx][fy]) {
                claimed[fx][fy] = true;
                work.at(fx, fy) = Cell{c.Color, c.Dir, 0};
                work.at(x, y).Color = 0;
            } else {
                work.at(x, y).AtRest = 1;
            }
        }
    st.board = work;

    for (int i = 1; i <= ZoneSize; ++i) {
        struct Exit {
            int x, y, side;
        };
        const Exit exits[4] = {{11, i, SideRight}, {0, i, SideLeft}, {i, 0, SideTop}, {i, 11, SideBottom}};
        for (const Exit& e : exits) {
            Cell& c = st.board.at(e.x, e.y);
            if (c.Color > 0) {
                AddNexts(e.side, i, static_cast<uint8_t>(c.Color));
                c.Color = 0;
            }
        }
    }

    host_.FieldUpDate(false);

    bool moving = false;
    for (int x = 1; x <= ZoneSize && !moving; ++x)
        for (int y = 1; y <= ZoneSize; ++y) {
            const Cell& c = st.board.at(x, y);
            if (c.Color > 0 && c.Dir != DirNone && c.AtRest == 0) {
                moving = true;
                break;
            }
        }
    st.InMotion = moving;
}

bool Game::ZoneIsEmpty() const {
    for (int x = 1; x <= ZoneSize; ++x)
        for (int y = 1; y <= ZoneSize; ++y)
            if (st.board.at(x, y).Color != 0) return false;
    return true;
}

void Game::tmrSTEPTimer() {
    Step();
    if (ZoneIsEmpty()) {
        st.Score += 150;
        PutBricks();
    }
    host_.ScoreLabel(st.Score);
    if (Over()) {
        host_.StepTimer(false);
        host_.GameOver(st.Score);
    }
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
    host_.PlayEffect(EffectClick);
    if (!st.UndoReady) {
        host_.ShowInformation("You are unable to make undo since you have just started playing");
        return;
    }
    st.nexts = st.UndoNexts;
    st.board = st.UndoBoard;
    st.Score = st.UndoScore;
    host_.ScoreLabel(st.Score);
}

bool Game::Over() const {
    for (int i = 1; i <= ZoneSize; ++i)
        if (st.board.at(i, 1).Color == 0 || st.board.at(i, 10).Color == 0 || st.board.at(1, i).Color == 0 ||
            st.board.at(10, i).Color == 0)
            return false;
    return true;
}

}  // namespace tesseron
