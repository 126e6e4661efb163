#include <gtest/gtest.h>

#include <cstring>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::TestGame;

bool SameState(const GameState& a, const GameState& b) {
    return std::memcmp(&a.board, &b.board, sizeof a.board) == 0 && std::memcmp(&a.nexts, &b.nexts, sizeof a.nexts) == 0 &&
           a.Score == b.Score && a.SetCount == b.SetCount && a.InMotion == b.InMotion && a.UndoReady == b.UndoReady &&
           std::memcmp(&a.UndoBoard, &b.UndoBoard, sizeof a.UndoBoard) == 0 && a.UndoScore == b.UndoScore;
}

// One brick in the middle, so that every lane through (5, 5) has a stopper.
const char* const Middle = "5: . . . . 2= . . . . .\n";

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.FillNexts();
        test::SetZone(t.game.st.board, Middle);
        t.game.st.Score = 42;
    }
    void ExpectRefused(int side, int lane) {
        const GameState before = t.game.st;
        t.host.Clear();
        t.game.LaunchBrick(side, lane);
        EXPECT_EQ(t.host.calls, std::vector<std::string>{"beep"}) << "side " << side << " lane " << lane;
        EXPECT_TRUE(SameState(before, t.game.st)) << "a refused launch changed the state";
    }
    TestGame t;
};

TEST_F(LaunchTest, EachSidePutsItsFirstLayerBrickIntoItsEntryCellWithItsArrow) {
    struct Case {
        int side, x, y;
        Direction dir;
    } cases[] = {{SideRight, 10, 5, DirLeft}, {SideTop, 5, 1, DirDown}, {SideLeft, 1, 5, DirRight}, {SideBottom, 5, 10, DirUp}};
    for (const Case& c : cases) {
        SetUp();
        t.host.Clear();
        uint8_t* q = &t.game.st.nexts.at(c.side, 5, 0);
        const uint8_t first = q[0], second = q[1], third = q[2], reserve = q[3];
        const Board before = t.game.st.board;
        t.game.LaunchBrick(c.side, 5);
        const Cell& e = t.game.st.board.at(c.x, c.y);
        EXPECT_EQ(e.Color, first) << "side " << c.side;
        EXPECT_EQ(e.Dir, c.dir) << "side " << c.side;
        EXPECT_EQ(e.AtRest, 0) << "side " << c.side;
        EXPECT_EQ(q[0], second);
        EXPECT_EQ(q[1], third);
        EXPECT_EQ(q[2], reserve);
        EXPECT_GE(q[3], 1);
        EXPECT_LE(q[3], 7);
        EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
        // The snapshot holds the position before the launch.
        EXPECT_TRUE(t.game.st.UndoReady);
        EXPECT_EQ(0, std::memcmp(&t.game.st.UndoBoard, &before, sizeof before));
        EXPECT_EQ(t.game.st.UndoNexts.at(c.side, 5, 0), first);
        EXPECT_EQ(t.game.st.UndoScore, 42);
        // The launch itself moves nothing.
        EXPECT_EQ(test::BricksInZone(t.game.st.board), 2);
    }
}

TEST_F(LaunchTest, OccupiedEntryCellIsRefusedEvenWhenItsBrickIsExploding) {
    t.game.st.board.at(1, 5) = Cell{3, DirNone, 1};
    ExpectRefused(SideLeft, 5);
    t.game.st.board.at(1, 5) = Cell{-3, DirNone, 1};
    ExpectRefused(SideLeft, 5);
    t.game.st.board.at(5, 10) = Cell{-1, DirUp, 0};
    ExpectRefused(SideBottom, 5);
}

TEST_F(LaunchTest, LaneWithoutAStopperIsRefusedAndExplodingBricksStopNothing) {
    ExpectRefused(SideLeft, 4);
    ExpectRefused(SideRight, 6);
    ExpectRefused(SideTop, 1);
    ExpectRefused(SideBottom, 10);
    t.game.st.board.at(5, 5).Color = -2;  // the only brick of row 5 and column 5 now explodes
    ExpectRefused(SideLeft, 5);
    ExpectRefused(SideTop, 5);
    // A real brick in the lane is enough, exploding ones beside it or not.
    t.game.st.board.at(8, 5) = Cell{4, DirNone, 1};
    t.host.Clear();
    t.game.LaunchBrick(SideLeft, 5);
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
}

TEST_F(LaunchTest, BrickInTheExitRingIsNoStopper) {
    t.game.st.board.at(0, 4) = Cell{5, DirNone, 1};
    t.game.st.board.at(11, 4) = Cell{5, DirNone, 1};
    ExpectRefused(SideLeft, 4);
}

TEST_F(LaunchTest, AnyLaneIsRefusedWhileSomethingMoved) {
    t.game.st.InMotion = true;
    ExpectRefused(SideLeft, 5);
    ExpectRefused(SideTop, 5);
}

TEST_F(LaunchTest, SameLaneTwiceBeforeAStepBeepsButOtherLanesStillLaunch) {
    t.game.LaunchBrick(SideLeft, 5);
    ExpectRefused(SideLeft, 5);
    const int8_t launchedLeft = t.game.st.board.at(1, 5).Color;
    t.host.Clear();
    t.game.LaunchBrick(SideRight, 5);
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
    // Each launch takes the snapshot anew: it now holds the first launch.
    EXPECT_EQ(t.game.st.UndoBoard.at(1, 5).Color, launchedLeft);
    EXPECT_EQ(t.game.st.UndoBoard.at(10, 5).Color, 0);
}

TEST_F(LaunchTest, TravellingBrickBlocksLaunchesUntilOneStepAfterItStops) {
    t.game.LaunchBrick(SideLeft, 5);  // travels (1,5) -> (4,5), in front of the brick at (5,5)
    int steps = 0;
    do {
        t.game.Step();
        ++steps;
        ASSERT_LT(steps, 20);
    } while (t.game.st.InMotion);
    EXPECT_EQ(steps, 4);  // three moves, then the step that finds it blocked
    EXPECT_EQ(t.game.st.board.at(4, 5).Color, t.game.st.UndoNexts.at(SideLeft, 5, 0));
    t.host.Clear();
    t.game.LaunchBrick(SideTop, 5);
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
}

TEST_F(LaunchTest, FirstLayerThatIsNoBrickIsRefused) {
    // Only a damaged saved game can hold these.
    t.game.st.nexts.at(SideLeft, 5, 0) = 0;
    ExpectRefused(SideLeft, 5);
    t.game.st.nexts.at(SideLeft, 5, 0) = 11;
    ExpectRefused(SideLeft, 5);
    t.game.st.nexts.at(SideLeft, 5, 0) = 200;
    ExpectRefused(SideLeft, 5);
    t.game.st.nexts.at(SideLeft, 5, 0) = 10;  // colour 10 is a brick, whatever the colours in play
    t.host.Clear();
    t.game.LaunchBrick(SideLeft, 5);
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
}

TEST_F(LaunchTest, OutOfRangeSideOrLaneDoesNothing) {
    const GameState before = t.game.st;
    for (auto [side, lane] : {std::pair{0, 5}, {5, 5}, {1, 0}, {1, 11}, {-1, -1}}) t.game.LaunchBrick(side, lane);
    EXPECT_TRUE(t.host.calls.empty());
    EXPECT_TRUE(SameState(before, t.game.st));
}

}  // namespace
}  // namespace tesseron
