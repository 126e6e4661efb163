// The one game state: board, periphery queues, score and undo snapshot. Board and
// Nexts keep the exact byte layout of a saved game, so they can be copied to and
// from a record as they are.
#pragma once

#include "game/Limits.h"

#include <cstddef>
#include <cstdint>

namespace tesseron {

constexpr int BoardSize = 12;  // columns and rows 0..11; the central zone is 1..10
constexpr int ZoneSize = 10;

enum Side : int { SideRight = 1, SideTop = 2, SideLeft = 3, SideBottom = 4 };
enum Direction : uint8_t { DirNone = 0, DirRight = 1, DirUp = 2, DirLeft = 3, DirDown = 4 };

struct Cell {
    int8_t Color;    // 0 empty, 1..10 a brick, -1..-10 an exploding brick of |Color|
    uint8_t Dir;     // Direction; also the column of the brick sheet
    uint8_t AtRest;  // nonzero: the brick did not move in the last step
};
static_assert(sizeof(Cell) == 3);

// Column-major: cell (x, y) starts at byte 36*x + 3*y.
struct Board {
    Cell cells[BoardSize][BoardSize];  // [x][y]
    Cell& at(int x, int y) { return cells[x][y]; }
    const Cell& at(int x, int y) const { return cells[x][y]; }
};
static_assert(sizeof(Board) == 432);
static_assert(offsetof(Board, cells[1][1]) == 39);
static_assert(offsetof(Board, cells[10][10]) == 390);

// Entry for side s (1..4), lane l (1..10), slot k (0..3) at 40*(s-1) + 4*(l-1) + k.
// Slot 0 is the first layer next to the zone, slot 3 the hidden reserve.
struct Nexts {
    uint8_t q[4][ZoneSize][4];
    uint8_t& at(int side, int lane, int slot) { return q[side - 1][lane - 1][slot]; }
    uint8_t at(int side, int lane, int slot) const { return q[side - 1][lane - 1][slot]; }
};
static_assert(sizeof(Nexts) == 160);
static_assert(offsetof(Nexts, q[1][0][0]) == 40);
static_assert(offsetof(Nexts, q[3][9][3]) == 159);

struct GameState {
    Board board{};
    Nexts nexts{};
    int32_t Score = 0;
    int32_t SetCount = 0;
    bool InMotion = false;

    Board UndoBoard{};
    Nexts UndoNexts{};
    int32_t UndoScore = 0;
    bool UndoReady = false;

    uint8_t GroupMark[ZoneSize * ZoneSize]{};  // (x, y) at (x-1)*10 + (y-1); scratch of Check3
};

// The 600-byte record of a saved game: Board, Nexts, Score, SetCount (little-endian).
constexpr std::size_t RecordSize = 600;
constexpr std::size_t RecordBoardOffset = 0;
constexpr std::size_t RecordNextsOffset = 432;
constexpr std::size_t RecordScoreOffset = 592;
constexpr std::size_t RecordSetCountOffset = 596;

void WriteRecord(const GameState& st, uint8_t out[RecordSize]);
// Copies Board, Nexts, Score and SetCount from a record. Nothing is checked here;
// callers that read a file decide what they accept.
void ReadRecord(GameState& st, const uint8_t in[RecordSize]);

// Entry cell and arrow of a side's first-layer brick for a lane.
struct LaneEntry {
    int x;
    int y;
    Direction dir;
};
LaneEntry EntryOf(int side, int lane);

}  // namespace tesseron
