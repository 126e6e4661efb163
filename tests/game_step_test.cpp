#include <gtest/gtest.h>

#include <cstring>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::Canonical;
using test::TestGame;
using test::ZonePicture;

class StepTest : public ::testing::Test {
protected:
    void Set(const char* picture) {
        t.FillNexts();
        test::SetZone(t.game.st.board, picture);
    }
    std::string Zone(bool withRest = false) const { return ZonePicture(t.game.st.board, withRest); }
    TestGame t;
};

TEST_F(StepTest, LaunchedBrickTravelsOneCellPerStepAndStopsInFrontOfItsObstacle) {
    Set("3: . . . . . . . 4= . .\n");
    t.game.LaunchBrick(SideLeft, 3);
    const int8_t colour = t.game.st.board.at(1, 3).Color;
    for (int step = 1; step <= 6; ++step) {
        t.game.Step();
        const int x = 1 + step;
        ASSERT_EQ(t.game.st.board.at(x, 3).Color, colour) << "step " << step;
        EXPECT_EQ(t.game.st.board.at(x, 3).Dir, DirRight);
        EXPECT_EQ(t.game.st.board.at(x - 1, 3).Color, 0);
        EXPECT_TRUE(t.game.st.InMotion) << "step " << step;
    }
    EXPECT_EQ(t.game.st.board.at(7, 3).AtRest, 0);
    t.game.Step();
    EXPECT_EQ(t.game.st.board.at(7, 3).Color, colour);
    EXPECT_EQ(t.game.st.board.at(7, 3).AtRest, 1);
    EXPECT_EQ(t.game.st.board.at(7, 3).Dir, DirRight);  // the arrow stays while the brick waits
    EXPECT_FALSE(t.game.st.InMotion);
}

TEST_F(StepTest, TrainOpensGapsBecauseOnlyTheFrontBrickMoves) {
    Set("5: . . 1> 2> . . . . . .\n");
    t.game.Step();
    EXPECT_EQ(Zone(true), Canonical("5: . . 1>= . 2> . . . . .\n"));
    t.game.Step();
    EXPECT_EQ(Zone(), Canonical("5: . . . 1> . 2> . . . .\n"));
}

TEST_F(StepTest, BricksLeavingTheZoneBecomeFirstLayerOfTheLaneOnThatSide) {
    Set("1: . . . . . . 5^ . . .\n"
        "4: 6< . . . . . . . . .\n"
        "7: . . . . . . . . . 7>\n"
        "10: . . 3v . . . . . . .\n");
    struct Exit {
        int side, lane, colour;
    } exits[] = {{SideTop, 7, 5}, {SideLeft, 4, 6}, {SideRight, 7, 7}, {SideBottom, 3, 3}};
    uint8_t before[4][4];
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) before[i][k] = t.game.st.nexts.at(exits[i].side, exits[i].lane, k);
    t.game.Step();
    EXPECT_EQ(test::BricksInZone(t.game.st.board), 0);
    EXPECT_EQ(test::BricksInRing(t.game.st.board), 0);
    for (int i = 0; i < 4; ++i) {
        const Exit& e = exits[i];
        EXPECT_EQ(t.game.st.nexts.at(e.side, e.lane, 0), e.colour) << "side " << e.side;
        EXPECT_EQ(t.game.st.nexts.at(e.side, e.lane, 1), before[i][0]);
        EXPECT_EQ(t.game.st.nexts.at(e.side, e.lane, 2), before[i][1]);
        EXPECT_EQ(t.game.st.nexts.at(e.side, e.lane, 3), before[i][2]);
    }
    // Once out of the zone a brick no longer counts as moving.
    EXPECT_FALSE(t.game.st.InMotion);
}

TEST_F(StepTest, BrickWithAClearWayCrossesTheZoneAndComesBackOnTheFarSide) {
    Set("9: 1= . . . . . . . . .\n");
    t.game.LaunchBrick(SideTop, 1);
    const uint8_t colour = uint8_t(t.game.st.board.at(1, 1).Color);
    const uint8_t oldFirst = t.game.st.nexts.at(SideBottom, 1, 0);
    for (int i = 0; i < 7; ++i) t.game.Step();
    EXPECT_EQ(t.game.st.board.at(1, 8).Color, colour);  // waits on top of the brick at (1,9)
    t.game.st.board.at(1, 9).Color = 0;                 // take the obstacle away
    for (int i = 0; i < 3; ++i) t.game.Step();
    EXPECT_EQ(test::BricksInZone(t.game.st.board), 0);
    EXPECT_EQ(t.game.st.nexts.at(SideBottom, 1, 0), colour);
    EXPECT_EQ(t.game.st.nexts.at(SideBottom, 1, 1), oldFirst);
}

TEST_F(StepTest, BrickMovesIntoAnExplodingCellInTheStepThatSetsItExploding) {
    Set("4: . . . 2= 2= 2= 4<= . . .\n");
    t.game.Step();
    EXPECT_EQ(Zone(), Canonical("4: . . . *2 *2 4< . . . .\n"));
    EXPECT_TRUE(t.game.st.InMotion);
    t.game.Step();  // keeps replacing exploding bricks until swept or stopped
    EXPECT_EQ(t.game.st.board.at(5, 4).Color, 4);
    EXPECT_EQ(t.game.st.board.at(4, 4).Color, -2);
    EXPECT_EQ(t.game.st.board.at(6, 4).Color, 0);
}

TEST_F(StepTest, BricksWithoutArrowsNeverMoveAndAreAtRestAfterEveryStep) {
    Set("1: 1 . . . . . . . . .\n"
        "3: . . . . 3 . . . . .\n"
        "10: . . . . . . . . . 5\n");
    const std::string start = Zone();
    for (int i = 0; i < 5; ++i) t.game.Step();
    EXPECT_EQ(Zone(), start);
    EXPECT_EQ(t.game.st.board.at(5, 3).AtRest, 1);
    EXPECT_EQ(t.game.st.board.at(10, 10).AtRest, 1);
    EXPECT_FALSE(t.game.st.InMotion);
}

// Two bricks heading for one cell: the first in processing order (x, then y)
// takes it, the other waits at rest, and no brick is lost.
TEST_F(StepTest, TwoBricksIntoOneCellKeepBothBricks) {
    Set("3: . . . 6v . . . . . .\n"
        "4: . . 1> . 2< . . . . .\n"
        "5: . . . 3^ . . . . . .\n"
        "7: . . . . . . 5> . 7< .\n");
    t.game.Step();
    EXPECT_EQ(Zone(true), Canonical("3: . . . 6v= . . . . . .\n"
                                    "4: . . . 1> 2<= . . . . .\n"
                                    "5: . . . 3^= . . . . . .\n"
                                    "7: . . . . . . . 5> 7<= .\n"));
    EXPECT_TRUE(t.game.st.InMotion);
    t.game.Step();  // everybody is now blocked
    EXPECT_EQ(test::BricksInZone(t.game.st.board), 6);
    EXPECT_FALSE(t.game.st.InMotion);
}

TEST_F(StepTest, TwoBricksIntoOneExplodingCellKeepBothBricks) {
    Set("5: . . . 4> *2 5< . . . .\n");
    t.game.Step();
    EXPECT_EQ(Zone(true), Canonical("5: . . . . 4> 5<= . . . .\n"));
}

// The movement as the rules describe it, written plainly: reset the flags, move
// on a copy (first mover takes a contested cell), return the ring, then look for
// moving bricks.
void ReferenceMove(GameState& st, Game& game) {
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) st.board.at(x, y).AtRest = 0;
    Board work = st.board;
    bool taken[12][12] = {};
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) {
            const Cell c = st.board.at(x, y);
            if (c.Color <= 0) continue;
            int fx = x, fy = y;
            if (c.Dir == DirRight) ++fx;
            if (c.Dir == DirUp) --fy;
            if (c.Dir == DirLeft) --fx;
            if (c.Dir == DirDown) ++fy;
            if (c.Dir >= 1 && c.Dir <= 4 && st.board.at(fx, fy).Color <= 0 && !taken[fx][fy]) {
                taken[fx][fy] = true;
                work.at(fx, fy) = Cell{c.Color, c.Dir, 0};
                work.at(x, y).Color = 0;
            } else {
                work.at(x, y).AtRest = 1;
            }
        }
    st.board = work;
    for (int i = 1; i <= 10; ++i) {
        const int ring[4][3] = {{11, i, SideRight}, {0, i, SideLeft}, {i, 0, SideTop}, {i, 11, SideBottom}};
        for (const auto& r : ring)
            if (st.board.at(r[0], r[1]).Color > 0) {
                game.AddNexts(r[2], i, uint8_t(st.board.at(r[0], r[1]).Color));
                st.board.at(r[0], r[1]).Color = 0;
            }
    }
    st.InMotion = false;
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) {
            const Cell& c = st.board.at(x, y);
            if (c.Color > 0 && c.Dir != 0 && c.AtRest == 0) st.InMotion = true;
        }
}

TEST_F(StepTest, MovesExactlyAsThePlainRulesOnRandomBoards) {
    Random dice(31);
    TestGame ref;
    for (int round = 0; round < 3000; ++round) {
        t.FillNexts();
        Board& b = t.game.st.board;
        b = Board{};
        // Flags all clear, so no group interferes; a few odd arrows and exploding bricks.
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y)
                if (dice.Below(3) == 0) {
                    const int colour = 1 + dice.Below(7);
                    b.at(x, y) =
                        Cell{int8_t(dice.Below(8) == 0 ? -colour : colour), uint8_t(dice.Below(12) == 0 ? 9 : dice.Below(5)), 0};
                }
        ref.game.st = t.game.st;
        t.game.Step();
        ReferenceMove(ref.game.st, ref.game);
        ASSERT_EQ(Zone(true), ZonePicture(ref.game.st.board, true)) << "round " << round;
        ASSERT_EQ(0, std::memcmp(&t.game.st.board, &ref.game.st.board, sizeof(Board))) << "round " << round;
        ASSERT_EQ(0, std::memcmp(&t.game.st.nexts, &ref.game.st.nexts, sizeof(Nexts))) << "round " << round;
        ASSERT_EQ(t.game.st.InMotion, ref.game.st.InMotion) << "round " << round;
    }
}

TEST_F(StepTest, StepTimerRunsStepThenScoreLabelAndClearsTheExitRing) {
    Set("5: . . . . 1= 1= 1= . . 2>\n"
        "10: . . . . . . . . . 3\n");
    t.game.st.Score = 10;
    t.host.Clear();
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"sweeptimer restart", "effect S2", "redraw", "score 13"}));
    EXPECT_EQ(test::BricksInRing(t.game.st.board), 0);
    EXPECT_EQ(t.game.st.nexts.at(SideRight, 5, 0), 2);
}

TEST_F(StepTest, HostileCellsNeitherMoveNorCrash) {
    Set(". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . . . .\n");
    Board& b = t.game.st.board;
    b.at(5, 5) = Cell{9, 200, 0};      // no such arrow: never moves
    b.at(1, 1) = Cell{127, DirUp, 0};  // colour beyond the palette
    b.at(2, 2) = Cell{-128, DirLeft, 1};
    b.at(0, 3) = Cell{4, DirNone, 1};  // bricks in the exit ring and a corner
    b.at(11, 11) = Cell{4, DirNone, 1};
    b.at(1, 3) = Cell{4, DirNone, 1};
    b.at(1, 4) = Cell{4, DirNone, 1};
    t.game.tmrSTEPTimer();
    EXPECT_EQ(b.at(5, 5).Color, 9);
    EXPECT_EQ(b.at(5, 5).AtRest, 1);
    EXPECT_EQ(b.at(1, 1).Color, 0);
    EXPECT_EQ(t.game.st.nexts.at(SideTop, 1, 0), 127);
    EXPECT_EQ(b.at(1, 3).Color, 4);  // the ring brick makes no group with the two at (1,3), (1,4)
    EXPECT_EQ(b.at(1, 4).Color, 4);
    EXPECT_EQ(b.at(0, 3).Color, 0);  // but goes back into the periphery like any brick in the ring
    t.game.AntiMinusTimer();
    EXPECT_EQ(b.at(2, 2).Color, 0);
}

// The window's timers rest on what a step reports, so "changed" must be true exactly
// when the board, the queues, the score or the motion flag differ afterwards.
TEST(StepResultTest, ReportsExactlyWhatTheStepChanged) {
    struct Case {
        const char* what;
        const char* picture;
        bool moving, exploding;
    };
    const Case cases[] = {
        {"a brick on its way", "3: . 4> . . . . . . . 5=", true, false},
        {"a brick that has just stopped", "3: . . . 4> 5= . . . . .", false, false},
        {"bricks that all stand still", "3: . . . 4>= 5= . . . . .", false, false},
        {"a group that explodes", "3: 2= 2= 2= . . . . . . 5=", false, true},
        {"bricks waiting for the sweep", "3: *2 *2 *2 . . . . . . 5=", false, true},
        {"a brick leaving the zone", "1: 3^ . . . . . . . . 5=", false, false},
        {"an empty zone that is refilled", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestGame t;
        t.FillNexts();
        if (*c.picture) test::SetZone(t.game.st.board, c.picture);
        const GameState before = t.game.st;
        const StepResult r = t.game.tmrSTEPTimer();
        const GameState& after = t.game.st;
        const bool differs = std::memcmp(&before.board, &after.board, sizeof after.board) != 0 ||
                             std::memcmp(&before.nexts, &after.nexts, sizeof after.nexts) != 0 || before.Score != after.Score ||
                             before.SetCount != after.SetCount || before.InMotion != after.InMotion;
        EXPECT_EQ(r.changed, differs);
        EXPECT_EQ(r.moving, c.moving);
        EXPECT_EQ(r.exploding, c.exploding);
        EXPECT_EQ(t.game.Exploding(), c.exploding);
        EXPECT_EQ(t.game.AntiMinusTimer(), c.exploding);  // a sweep says whether it swept
    }
}

}  // namespace
}  // namespace tesseron
