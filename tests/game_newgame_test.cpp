#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::Canonical;
using test::TestGame;
using test::ZonePicture;

const char* const Pattern10 =
    "4: . . . . 7 8 . . . .\n"
    "5: . . . 1 . 10 6 . . .\n"
    "6: . . . 2 9 . 5 . . .\n"
    "7: . . . . 3 4 . . . .\n";

// The fixed pattern for n colours: Pattern10 without the colours above n.
std::string PatternFor(int n) {
    Board b = test::BoardFrom(Pattern10);
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y)
            if (b.at(x, y).Color > n) b.at(x, y).Color = 0;
    return ZonePicture(b);
}

TEST(NewGameTest, FirstSetIsTheFixedPatternForTheColoursInPlay) {
    // Numbers outside 5..10 use the nearest bound.
    const std::pair<int, int> cases[] = {{5, 5}, {7, 7}, {10, 10}, {3, 5}, {0, 5}, {11, 10}, {250, 10}};
    for (auto [given, used] : cases) {
        TestGame t(given);
        t.game.NewClick();
        EXPECT_EQ(ZonePicture(t.game.st.board), PatternFor(used)) << given << " colours";
        EXPECT_EQ(test::BricksInRing(t.game.st.board), 0);
        EXPECT_EQ(t.game.st.SetCount, 1);
        for (int s = 1; s <= 4; ++s)
            for (int l = 1; l <= 10; ++l)
                for (int k = 0; k < 4; ++k) {
                    const int c = t.game.st.nexts.at(s, l, k);
                    ASSERT_GE(c, 1);
                    ASSERT_LE(c, used) << given << " colours";
                }
    }
}

TEST(NewGameTest, ResetsScoreAndSetCountTurnsTheStepTimerOnAndTakesTheSnapshot) {
    TestGame t;
    t.game.st.Score = 999;
    t.game.st.SetCount = 17;
    t.game.st.InMotion = true;
    t.game.st.board.at(3, 3) = Cell{-2, DirLeft, 1};
    t.game.st.board.at(11, 4) = Cell{2, DirRight, 0};
    t.host.stepTimerOn = false;
    t.game.NewClick();
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"steptimer on", "redraw full"}));
    EXPECT_EQ(t.game.st.Score, 0);
    EXPECT_EQ(t.game.st.SetCount, 1);
    EXPECT_TRUE(t.game.st.InMotion);  // left to the next step
    EXPECT_EQ(t.game.st.board.at(3, 3).Color, 0);
    EXPECT_EQ(t.game.st.board.at(3, 3).Dir, DirNone);
    EXPECT_EQ(t.game.st.board.at(11, 4).Color, 0);
    EXPECT_TRUE(t.game.st.UndoReady);
    EXPECT_EQ(0, std::memcmp(&t.game.st.UndoBoard, &t.game.st.board, sizeof(Board)));
    EXPECT_EQ(0, std::memcmp(&t.game.st.UndoNexts, &t.game.st.nexts, sizeof(Nexts)));
    EXPECT_EQ(t.game.st.UndoScore, 0);
}

TEST(PutBricksTest, EachSetAddsSetCountRandomBricksOnFreeCellsAndNothingAtRest) {
    for (int count : {0, 1, 2, 5, 40, 90}) {
        TestGame t(9, 1000 + count);
        t.game.st.SetCount = count;
        t.game.PutBricks();
        EXPECT_EQ(test::BricksInZone(t.game.st.board), 9 + count) << count;
        EXPECT_EQ(t.game.st.SetCount, count + 1);
        const Board pattern = test::BoardFrom(PatternFor(9));
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) {
                const Cell& c = t.game.st.board.at(x, y);
                EXPECT_EQ(c.AtRest, 0);
                EXPECT_EQ(c.Dir, DirNone);
                if (c.Color != 0) {
                    EXPECT_GE(c.Color, 1);
                    EXPECT_LE(c.Color, 9);
                }
            }
        // The pattern is never overwritten by a random brick.
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) {
                const int8_t p = pattern.at(x, y).Color;
                if (p != 0) {
                    EXPECT_EQ(t.game.st.board.at(x, y).Color, p) << "(" << x << ", " << y << ")";
                }
            }
    }
}

TEST(PutBricksTest, SetLargerThanTheFreeCellsFillsTheZoneAndEnds) {
    for (int32_t count : {93, 95, 96, 500, INT32_MAX}) {
        TestGame t(5, uint64_t(count));
        t.game.st.SetCount = count;
        t.game.PutBricks();
        EXPECT_EQ(test::BricksInZone(t.game.st.board), count >= 95 ? 100 : 5 + count) << count;
        EXPECT_EQ(t.game.st.SetCount, count == INT32_MAX ? INT32_MAX : count + 1);
    }
}

TEST(PutBricksTest, NegativeSetCountPlacesThePatternAlone) {
    TestGame t(6);
    t.game.st.SetCount = -50;
    t.game.PutBricks();
    EXPECT_EQ(ZonePicture(t.game.st.board), PatternFor(6));
}

class RefillTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.game.NewClick();
        t.host.Clear();
        // The last three bricks of the set, about to explode.
        test::SetZone(t.game.st.board,
                      ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                      ". . . . 4= 4= 4= . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                      ". . . . . . . . . .\n. . . . . . . . . .\n");
        t.game.st.Score = 20;
    }
    TestGame t;
};

TEST_F(RefillTest, EmptiedZoneGivesTheBonusAndALargerSetOnceTheExplosionIsSwept) {
    t.game.tmrSTEPTimer();  // explodes: +3, the bricks still show
    EXPECT_EQ(t.game.st.Score, 23);
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.game.st.Score, 23);  // no refill while exploding bricks are on the board
    EXPECT_EQ(t.game.st.SetCount, 1);
    t.game.AntiMinusTimer();
    t.host.Clear();
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.game.st.Score, 173);
    EXPECT_EQ(t.game.st.SetCount, 2);
    EXPECT_EQ(test::BricksInZone(t.game.st.board), 7 + 1);
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"redraw", "score 173"}));
    // The pattern and one random brick, all placed without arrows and not at rest yet.
    const Board pattern = test::BoardFrom(PatternFor(7));
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) {
            if (pattern.at(x, y).Color != 0) {
                EXPECT_EQ(t.game.st.board.at(x, y).Color, pattern.at(x, y).Color);
            }
            EXPECT_EQ(t.game.st.board.at(x, y).AtRest, 0);
        }
}

TEST_F(RefillTest, RefillLeavesTheQueuesAndTheSnapshotAlone) {
    const Nexts nexts = t.game.st.nexts;
    const Board undoBoard = t.game.st.UndoBoard;
    t.game.tmrSTEPTimer();
    t.game.AntiMinusTimer();
    t.game.tmrSTEPTimer();
    ASSERT_EQ(t.game.st.SetCount, 2);
    EXPECT_EQ(0, std::memcmp(&nexts, &t.game.st.nexts, sizeof nexts));
    EXPECT_EQ(0, std::memcmp(&undoBoard, &t.game.st.UndoBoard, sizeof undoBoard));
    EXPECT_EQ(t.game.st.UndoScore, 0);
}

TEST_F(RefillTest, BonusAlsoStopsAtTheLargestScore) {
    t.game.st.Score = INT32_MAX - 100;
    t.game.tmrSTEPTimer();
    t.game.AntiMinusTimer();
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.game.st.Score, INT32_MAX);
}

TEST(PlacementTest, GroupPlacedBySetExplodesInTheSecondStepNotTheFirst) {
    TestGame t;
    t.game.NewClick();
    // As PutBricks leaves it: motionless bricks, nothing at rest yet.
    test::SetZone(t.game.st.board,
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . 7 . . . . .\n"
                  ". . . 1 1 1 6 . . .\n. . . 2 . . 5 . . .\n. . . . 3 4 . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . . . . . . . . .\n");
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.game.st.Score, 0);
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.game.st.Score, 3);
    EXPECT_EQ(t.game.st.board.at(5, 5).Color, -1);
}

}  // namespace
}  // namespace tesseron
