#include <gtest/gtest.h>

#include <cstring>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::TestGame;
using test::ZonePicture;

bool SameRecord(const GameState& a, const GameState& b) {
    uint8_t ra[RecordSize], rb[RecordSize];
    WriteRecord(a, ra);
    WriteRecord(b, rb);
    return std::memcmp(ra, rb, RecordSize - 4) == 0;  // SetCount aside
}

TEST(UndoTest, UndoBeforeAnyLaunchOrNewGameIsRefusedWithItsMessage) {
    TestGame t;
    t.game.st.Score = 5;
    const GameState before = t.game.st;
    t.game.UndoClick();
    EXPECT_EQ(t.host.calls,
              (std::vector<std::string>{"effect S3", "message You are unable to make undo since you have just started playing"}));
    EXPECT_TRUE(SameRecord(before, t.game.st));
    EXPECT_FALSE(t.game.st.UndoReady);
}

TEST(UndoTest, UndoAfterNewGameRestoresItsStartWithScoreZero) {
    TestGame t;
    t.game.NewClick();
    const GameState start = t.game.st;
    t.game.st.board.at(4, 5).Color = -1;
    t.game.st.Score = 30;
    t.game.st.nexts.at(SideTop, 3, 0) = 9;
    t.host.Clear();
    t.game.UndoClick();
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"effect S3", "score 0"}));
    EXPECT_TRUE(SameRecord(start, t.game.st));
}

TEST(UndoTest, UndoAfterALaunchThatExplodedBringsEverythingBackAndRepeats) {
    TestGame t;
    t.game.NewClick();
    test::SetZone(t.game.st.board,
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . 3= 3= . . . . . .\n");
    t.game.st.nexts.at(SideLeft, 10, 0) = 3;
    t.game.st.Score = 12;
    const GameState before = t.game.st;
    t.game.LaunchBrick(SideLeft, 10);
    for (int i = 0; i < 4; ++i) t.game.tmrSTEPTimer();
    t.game.AntiMinusTimer();
    ASSERT_EQ(t.game.st.Score, 12 + 3);
    ASSERT_EQ(test::BricksInZone(t.game.st.board), 0);
    t.game.UndoClick();
    EXPECT_TRUE(SameRecord(before, t.game.st));
    EXPECT_EQ(t.game.st.nexts.at(SideLeft, 10, 0), 3);
    t.game.UndoClick();
    EXPECT_TRUE(SameRecord(before, t.game.st));
    EXPECT_TRUE(t.game.st.UndoReady);
}

TEST(UndoTest, UndoAfterARefillTakesBackBonusAndSetButNotSetCount) {
    TestGame t;
    t.game.NewClick();
    test::SetZone(t.game.st.board,
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . 3= 3= . . . . . .\n");
    t.game.st.nexts.at(SideTop, 4, 0) = 3;
    const GameState before = t.game.st;
    t.game.LaunchBrick(SideTop, 4);  // stops on (4,10), completing an L of three
    for (int i = 0; i < 12 && t.game.st.SetCount == 1; ++i) {
        t.game.tmrSTEPTimer();
        t.game.AntiMinusTimer();
    }
    ASSERT_EQ(t.game.st.SetCount, 2);
    ASSERT_EQ(t.game.st.Score, 3 + 150);
    t.game.UndoClick();
    EXPECT_TRUE(SameRecord(before, t.game.st));
    EXPECT_EQ(t.game.st.Score, 0);
    EXPECT_EQ(t.game.st.SetCount, 2);
    // Clearing the restored position again now gives a set with two random bricks.
    t.game.LaunchBrick(SideTop, 4);
    for (int i = 0; i < 12 && t.game.st.SetCount == 2; ++i) {
        t.game.tmrSTEPTimer();
        t.game.AntiMinusTimer();
    }
    EXPECT_EQ(t.game.st.SetCount, 3);
    EXPECT_EQ(test::BricksInZone(t.game.st.board), 7 + 2);
}

TEST(UndoTest, UndoRestoresNeitherMotionNorTimers) {
    TestGame t;
    t.game.NewClick();
    t.game.st.InMotion = true;
    t.host.Clear();
    t.game.UndoClick();
    EXPECT_TRUE(t.game.st.InMotion);
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"effect S3", "score 0"}));
}

// A border of alternating colours holds no group; (5,1) is left free.
class GameOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.game.NewClick();
        test::SetZone(t.game.st.board,
                      "1= 2= 1= 2= . 2= 1= 2= 1= 2=\n"
                      "2= . . . 4= . . . . 1=\n"
                      "1= . . . . . . . . 2=\n"
                      "2= . . . . . . . . 1=\n"
                      "1= . . . . . . . . 2=\n"
                      "2= . . . . . . . . 1=\n"
                      "1= . . . . . . . . 2=\n"
                      "2= . . . . . . . . 1=\n"
                      "1= . . . . . . . . 2=\n"
                      "2= 1= 2= 1= 2= 1= 2= 1= 2= 1=\n");
        t.game.st.Score = 77;
    }
    TestGame t;
};

TEST_F(GameOverTest, OverNeedsEveryBorderCellAndCountsExplodingBricks) {
    EXPECT_FALSE(t.game.Over());
    t.game.st.board.at(5, 1).Color = -6;
    EXPECT_TRUE(t.game.Over());
    for (auto [x, y] : {std::pair{1, 1}, {10, 1}, {1, 10}, {10, 10}, {1, 6}, {10, 3}, {7, 10}}) {
        const int8_t keep = t.game.st.board.at(x, y).Color;
        t.game.st.board.at(x, y).Color = 0;
        EXPECT_FALSE(t.game.Over()) << "(" << x << ", " << y << ")";
        t.game.st.board.at(x, y).Color = keep;
    }
}

TEST_F(GameOverTest, GameEndsInTheStepThatFillsTheBorderEvenIfAGroupWouldFollow) {
    t.game.st.nexts.at(SideTop, 5, 0) = 2;  // matches (4,1) and (6,1)
    t.game.LaunchBrick(SideTop, 5);
    ASSERT_EQ(t.game.st.board.at(5, 1).Color, 2);
    t.host.Clear();
    t.game.tmrSTEPTimer();  // blocked by (5,2): at rest, border full
    EXPECT_EQ(t.host.calls, (std::vector<std::string>{"redraw", "score 77", "steptimer off", "gameover 77"}));
    EXPECT_FALSE(t.host.stepTimerOn);
    EXPECT_EQ(t.game.st.board.at(5, 1).Color, 2);
    EXPECT_EQ(t.game.st.board.at(4, 1).Color, 2);
}

TEST_F(GameOverTest, BrickPassingThroughTheLastFreeBorderCellEndsTheGameToo) {
    t.game.st.board.at(5, 2) = Cell{3, DirUp, 0};
    t.game.st.InMotion = true;
    t.host.Clear();
    t.game.tmrSTEPTimer();
    EXPECT_EQ(t.host.Count("gameover 77"), 1);
    EXPECT_TRUE(t.game.st.InMotion);
}

TEST_F(GameOverTest, AfterTheEndUndoWorksAndLaunchesFollowTheUsualRules) {
    t.game.st.nexts.at(SideTop, 5, 0) = 3;
    t.game.LaunchBrick(SideTop, 5);
    t.game.tmrSTEPTimer();
    ASSERT_FALSE(t.host.stepTimerOn);
    t.host.Clear();
    t.game.LaunchBrick(SideLeft, 2);  // every entry cell of the border is taken
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"beep"});
    t.game.UndoClick();
    EXPECT_EQ(t.game.st.board.at(5, 1).Color, 0);
    EXPECT_FALSE(t.game.Over());
    t.host.Clear();
    t.game.LaunchBrick(SideTop, 5);
    EXPECT_EQ(t.host.calls, std::vector<std::string>{"effect S1"});
    EXPECT_FALSE(t.host.stepTimerOn);  // nothing restarts the clock but a new game
    t.game.NewClick();
    EXPECT_TRUE(t.host.stepTimerOn);
}

}  // namespace
}  // namespace tesseron
