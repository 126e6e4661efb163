#include <gtest/gtest.h>

#include <climits>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::Canonical;
using test::TestGame;
using test::ZonePicture;

class GroupTest : public ::testing::Test {
protected:
    void Set(const std::string& picture) { test::SetZone(t.game.st.board, picture); }
    int Exploding() const {
        int n = 0;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y) n += t.game.st.board.at(x, y).Color < 0;
        return n;
    }
    TestGame t;
};

TEST_F(GroupTest, GroupsScoreThreeTimesSizeMinusTwo) {
    struct Case {
        const char* name;
        const char* picture;
        int size;
    } cases[] = {
        {"L of three",
         ". . . . . . . . . .\n. 3= . . . . . . . .\n. 3= 3= . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
         ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
         3},
        {"line of four",
         ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
         ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . 5= 5= 5= 5=\n",
         4},
        {"plus of five",
         ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . 7= . . . .\n. . . . 7= 7= 7= . . .\n"
         ". . . . . 7= . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
         5},
        {"ring of eight",
         "1= 1= 1= . . . . . . .\n1= . 1= . . . . . . .\n1= 1= 1= . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
         ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
         8},
    };
    for (const Case& c : cases) {
        Set(c.picture);
        t.game.st.Score = 100;
        t.host.Clear();
        t.game.Check3();
        EXPECT_EQ(Exploding(), c.size) << c.name;
        EXPECT_EQ(t.game.st.Score, 100 + 3 * (c.size - 2)) << c.name;
        EXPECT_EQ(t.host.calls, (std::vector<std::string>{"sweeptimer restart", "effect S2"})) << c.name;
    }
}

TEST_F(GroupTest, ExplodingKeepsArrowAndRestFlagAndTheSweepClearsOnlyTheColour) {
    Set("3: . 4>= 4^= 4= . . . . . .\n"
        "10: . . . . . . . . . 6=\n");
    t.game.Check3();
    EXPECT_EQ(ZonePicture(t.game.st.board), Canonical("3: . *4>= *4^= *4= . . . . . .\n"
                                                      "10: . . . . . . . . . 6=\n"));
    t.game.st.board.at(0, 0).Color = -3;  // the sweep covers all 144 cells
    t.game.AntiMinusTimer();
    EXPECT_EQ(t.game.st.board.at(0, 0).Color, 0);
    EXPECT_EQ(t.game.st.board.at(2, 3).Color, 0);
    EXPECT_EQ(t.game.st.board.at(2, 3).Dir, DirRight);
    EXPECT_EQ(t.game.st.board.at(3, 3).AtRest, 1);
    EXPECT_EQ(t.game.st.board.at(10, 10).Color, 6);
}

// Every colour's group goes, the lowest and the highest included; a brick at rest stays.
TEST_F(GroupTest, TheSweepClearsAnExplodedGroupOfEveryColour) {
    for (int colour = 1; colour <= 10; ++colour) {
        const std::string c = std::to_string(colour), other = std::to_string(colour % 10 + 1);
        Set("2: . " + c + "= " + c + "= " + c + "= . . . . . " + other + "=");
        t.game.Check3();
        ASSERT_EQ(Exploding(), 3) << "colour " << colour;
        t.game.AntiMinusTimer();
        EXPECT_EQ(Exploding(), 0) << "colour " << colour;
        EXPECT_EQ(test::BricksInZone(t.game.st.board), 1) << "colour " << colour;
    }
}

TEST_F(GroupTest, PairsDiagonalsMovingBricksAndExplodingBricksNeverQualify) {
    const char* pictures[] = {
        // a pair, and a diagonal line
        ". . . . . . . . . .\n. 2= 2= . . . . . . .\n. . . . . . . . . .\n. . . . . 3= . . . .\n. . . . . . 3= . . .\n"
        ". . . . . . . 3= . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
        // three in a line, but one moved in the last step
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . 5= 5> 5= . . . .\n"
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
        // two at rest beside an exploding one
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . 5= *5= 5= . . . .\n"
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
        // three different colours
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . 1= 2= 3= . . . .\n"
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n",
    };
    for (const char* p : pictures) {
        Set(p);
        const std::string before = ZonePicture(t.game.st.board);
        t.host.Clear();
        t.game.Check3();
        EXPECT_EQ(ZonePicture(t.game.st.board), before);
        EXPECT_TRUE(t.host.calls.empty());
        EXPECT_EQ(t.game.st.Score, 0);
    }
}

TEST_F(GroupTest, MovingBrickTouchingTheGroupExplodesWithItButNothingJoinsThroughIt) {
    Set("3: . . 8= 8= 8= 8v 8= . . .\n"
        "4: . . . . . . 8= . . .\n");
    t.game.Check3();
    EXPECT_EQ(ZonePicture(t.game.st.board, false), Canonical("3: . . *8 *8 *8 *8v 8 . . .\n"
                                                             "4: . . . . . . 8 . . .\n",
                                                             false));
    EXPECT_EQ(t.game.st.Score, 6);
}

TEST_F(GroupTest, GroupWithTheLastSeedExplodesFirstAndTheOtherOneStepLater) {
    Set(". . . . . . . . . .\n"
        ". 1= . . . . . . . .\n"
        ". 1= . . . . . . 2= .\n"
        ". 1= . . . . . . 2= .\n"
        ". . . . . . . . . .\n"
        ". . . . . . . 9= . .\n"
        ". . . . . . . 9= . .\n"
        ". . . . . . . 9= . .\n"
        ". . . . . . . 9= . .\n"
        ". . . . . . . . . .\n");
    t.game.Check3();
    EXPECT_EQ(t.game.st.board.at(8, 6).Color, -9);  // x = 8 beats x = 2
    EXPECT_EQ(t.game.st.board.at(2, 2).Color, 1);
    EXPECT_EQ(t.game.st.Score, 6);
    t.game.Check3();
    EXPECT_EQ(t.game.st.board.at(2, 2).Color, -1);
    EXPECT_EQ(t.game.st.Score, 9);
    t.game.Check3();
    EXPECT_EQ(t.game.st.Score, 9);  // the pair of 2s never goes
}

TEST_F(GroupTest, SnakeAgainstTheScanOrderStillExplodesWhole) {
    // The seed is the cell with the largest x; growth runs backwards through the
    // scan order, so it takes many passes.
    Set("6= 6= 6= 6= 6= 6= 6= 6= 6= 6=\n"
        ". . . . . . . . . 6=\n"
        "6= 6= 6= 6= 6= 6= 6= 6= 6= 6=\n"
        "6= . . . . . . . . .\n"
        "6= 6= 6= 6= 6= 6= 6= 6= 6= 6=\n"
        ". . . . . . . . . 6=\n"
        "6= 6= 6= 6= 6= 6= 6= 6= 6= 6=\n"
        "6= . . . . . . . . .\n"
        "6= 6= 6= 6= 6= 6= 6= 6= 6= 6=\n"
        ". . . . . . . . . .\n");
    const int size = test::BricksInZone(t.game.st.board);
    t.game.Check3();
    EXPECT_EQ(Exploding(), size);
    EXPECT_EQ(t.game.st.Score, 3 * (size - 2));
}

// The group as the rules describe it: mark the last seed, then pass over the
// zone, joining same-coloured cells that touch a marked brick at rest, until a
// pass adds nothing.
std::vector<std::pair<int, int>> GroupByPasses(const Board& b) {
    auto atRestSame = [&](int x, int y, int8_t c) {
        return x >= 1 && x <= 10 && y >= 1 && y <= 10 && b.at(x, y).Color == c && b.at(x, y).AtRest != 0;
    };
    int sx = 0, sy = 0;
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) {
            const int8_t c = b.at(x, y).Color;
            if (c > 0 && b.at(x, y).AtRest &&
                atRestSame(x - 1, y, c) + atRestSame(x + 1, y, c) + atRestSame(x, y - 1, c) + atRestSame(x, y + 1, c) >= 2)
                sx = x, sy = y;
        }
    if (sx == 0) return {};
    bool mark[12][12] = {};
    mark[sx][sy] = true;
    const int8_t c = b.at(sx, sy).Color;
    auto markedAtRest = [&](int x, int y) { return atRestSame(x, y, c) && mark[x][y]; };
    for (bool grown = true; grown;) {
        grown = false;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y)
                if (!mark[x][y] && b.at(x, y).Color == c &&
                    (markedAtRest(x - 1, y) || markedAtRest(x + 1, y) || markedAtRest(x, y - 1) || markedAtRest(x, y + 1)))
                    mark[x][y] = grown = true;
    }
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y)
            if (mark[x][y]) cells.push_back({x, y});
    return cells;
}

TEST_F(GroupTest, ExplodesExactlyTheGroupThatRepeatedPassesWouldFind) {
    Random dice(77);
    int exploded = 0;
    for (int round = 0; round < 3000; ++round) {
        Board& b = t.game.st.board;
        b = Board{};
        const int colours = 2 + round % 3;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y)
                if (dice.Below(5) != 0)
                    b.at(x, y) = Cell{int8_t((dice.Below(7) == 0 ? -1 : 1) * (1 + dice.Below(colours))), uint8_t(dice.Below(5)),
                                      uint8_t(dice.Below(4) != 0)};
        const std::vector<std::pair<int, int>> expected = GroupByPasses(b);
        const Board before = b;
        t.game.st.Score = 0;
        t.game.Check3();
        std::vector<std::pair<int, int>> got;
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 10; ++y)
                if (b.at(x, y).Color != before.at(x, y).Color) got.push_back({x, y});
        ASSERT_EQ(got, expected) << "round " << round << "\n" << ZonePicture(before);
        EXPECT_EQ(t.game.st.Score, expected.empty() ? 0 : 3 * (int(expected.size()) - 2));
        exploded += !expected.empty();
    }
    EXPECT_GT(exploded, 1000);  // the boards really did hold groups
}

TEST_F(GroupTest, ArrivingBrickExplodesTwoStepsAfterItsLastMove) {
    Set("5: . . 3> . 3= . . . . .\n"
        "6: . . . . 3= . . . . .\n"
        "7: . . . . 4= . . . . .\n");
    t.game.Step();  // step k: the brick arrives at (4,5)
    EXPECT_EQ(t.game.st.board.at(4, 5).Color, 3);
    t.game.Step();  // k + 1: it moved in k, so no group yet; now it is blocked
    EXPECT_EQ(t.game.st.Score, 0);
    EXPECT_EQ(t.game.st.board.at(4, 5).AtRest, 1);
    t.game.Step();  // k + 2
    EXPECT_EQ(t.game.st.Score, 3);
    EXPECT_EQ(t.game.st.board.at(4, 5).Color, -3);
    EXPECT_EQ(t.game.st.board.at(5, 6).Color, -3);
}

TEST_F(GroupTest, ScoreStopsAtTheLargestValueInsteadOfOverflowing) {
    Set(". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . 5= 5= 5= . . . .\n"
        ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n");
    t.game.st.Score = INT32_MAX - 1;
    t.game.Check3();
    EXPECT_EQ(t.game.st.Score, INT32_MAX);
}

}  // namespace
}  // namespace tesseron
