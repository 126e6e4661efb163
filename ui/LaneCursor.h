// The keyboard's lane cursor: the 40 lanes of the periphery as one ring, and the
// frame drawn around a lane.
#pragma once

#include "draw/FocusFrame.h"
#include "draw/Layout.h"
#include "draw/Surface.h"

namespace tesseron::cursor {

struct Lane {
    int side, lane;  // side 1 right, 2 top, 3 left, 4 bottom; lane 1..10
    constexpr bool operator==(const Lane&) const = default;
};

constexpr Lane Start{3, 1};  // the left side's top lane
constexpr int Lanes = 10;
constexpr int RingSize = 4 * Lanes;

enum class Arrow { Up, Down, Left, Right };

// The ring runs anticlockwise on the screen: down the left side, right along the
// bottom, up the right side, left along the top, and back to the left side's lane 1.
constexpr int RingIndex(Lane l) {
    switch (l.side) {
    case 3: return l.lane - 1;
    case 4: return Lanes + l.lane - 1;
    case 1: return 2 * Lanes + Lanes - l.lane;
    default: return 3 * Lanes + Lanes - l.lane;
    }
}

constexpr Lane AtRing(int index) {
    index = ((index % RingSize) + RingSize) % RingSize;
    const int along = index % Lanes;
    switch (index / Lanes) {
    case 0: return {3, along + 1};
    case 1: return {4, along + 1};
    case 2: return {1, Lanes - along};
    default: return {2, Lanes - along};
    }
}

// Up and Down move along the left and right sides, Left and Right along the top and
// bottom; the key pointing across the side moves nothing. Past a side's end the
// cursor turns the corner onto the next side.
constexpr Lane Step(Lane from, Arrow key) {
    const bool upright = from.side == 1 || from.side == 3;
    if (upright != (key == Arrow::Up || key == Arrow::Down)) return from;
    // Which key runs the ring forwards on each side.
    const Arrow forward = from.side == 3 ? Arrow::Down : from.side == 4 ? Arrow::Right : from.side == 1 ? Arrow::Up : Arrow::Left;
    return AtRing(RingIndex(from) + (key == forward ? 1 : -1));
}

// The lane's three periphery bricks, relative to the field: 90 x 30 or 30 x 90.
constexpr layout::Box Bricks(Lane l) {
    const layout::Point a = layout::NextAt(l.side, l.lane, 1), b = layout::NextAt(l.side, l.lane, 3);
    const int left = a.x < b.x ? a.x : b.x, top = a.y < b.y ? a.y : b.y;
    const int right = (a.x > b.x ? a.x : b.x) + layout::Brick, bottom = (a.y > b.y ? a.y : b.y) + layout::Brick;
    return {left, top, right, bottom};
}

// The frame around a lane: the keyboard's focus frame over its three bricks.
inline void DrawFrame(Surface& surface, int fieldLeft, int fieldTop, Lane l) {
    focus::Draw(surface, Bricks(l).shifted(fieldLeft, fieldTop));
}

// Tab and Shift+Tab run the whole ring, forwards and back, whichever side the cursor is on.
constexpr Lane Tab(Lane from, bool forward) { return AtRing(RingIndex(from) + (forward ? 1 : -1)); }

}  // namespace tesseron::cursor
