// Boards from small text pictures of the central zone, so that a test reads
// like the position it sets up.
//
// Ten rows (y = 1..10, top to bottom) of ten whitespace-separated cells
// (x = 1..10). A cell is "." when empty, otherwise
//   [*] colour [arrow] [=]
// with "*" for an exploding brick, colour 1..10, arrow one of > ^ < v and
// "=" for a brick at rest, e.g. "3", "7>", "*2", "4<=", "10v".
//
// A sparse picture lists only the rows that hold bricks, each labelled with its
// row number, e.g. "5: . . 3 3 3 . . . . ."; the other rows are empty.
#pragma once

#include <string>

#include "game/GameState.h"

namespace tesseron::test {

// Replaces the central zone of the board with the picture; the exit ring is emptied.
// A malformed picture fails the running test and leaves the zone empty.
void SetZone(Board& board, const std::string& picture);
Board BoardFrom(const std::string& picture);

// The central zone as a picture in canonical spacing; withRest adds the "=" marks.
std::string ZonePicture(const Board& board, bool withRest = true);
// A picture re-drawn in canonical spacing, for comparisons with ZonePicture.
std::string Canonical(const std::string& picture, bool withRest = true);

// Number of bricks (exploding ones included) in the central zone.
int BricksInZone(const Board& board);
// Number of cells of the exit ring whose colour is not 0.
int BricksInRing(const Board& board);

}  // namespace tesseron::test
