#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/RecordingHost.h"

namespace tesseron {
namespace {

using test::TestGame;

TEST(RecordTest, BoardCellsSitColumnMajorAtThirtySixXPlusThreeY) {
    GameState st;
    st.board.at(1, 1) = Cell{3, DirRight, 1};
    st.board.at(10, 10) = Cell{-7, DirDown, 0};
    st.board.at(2, 9) = Cell{5, DirUp, 1};
    st.board.at(11, 0) = Cell{9, DirLeft, 1};
    uint8_t rec[RecordSize];
    std::memset(rec, 0xAA, sizeof rec);
    WriteRecord(st, rec);
    EXPECT_EQ(rec[39], 3);
    EXPECT_EQ(rec[40], DirRight);
    EXPECT_EQ(rec[41], 1);
    EXPECT_EQ(rec[390], uint8_t(-7));
    EXPECT_EQ(rec[391], DirDown);
    EXPECT_EQ(rec[36 * 2 + 3 * 9], 5);
    EXPECT_EQ(rec[36 * 2 + 3 * 9 + 1], DirUp);
    EXPECT_EQ(rec[36 * 11 + 0], 9);
    EXPECT_EQ(rec[0], 0);  // corner (0, 0): never used, so a saved game never starts with 11
}

TEST(RecordTest, NextsScoreAndSetCountFollowTheBoard) {
    GameState st;
    st.nexts.at(SideRight, 1, 0) = 1;
    st.nexts.at(SideTop, 1, 0) = 2;
    st.nexts.at(SideLeft, 5, 2) = 3;
    st.nexts.at(SideBottom, 10, 3) = 4;
    st.Score = 0x01020304;
    st.SetCount = -2;
    uint8_t rec[RecordSize] = {};
    WriteRecord(st, rec);
    EXPECT_EQ(rec[432 + 0], 1);
    EXPECT_EQ(rec[432 + 40], 2);
    EXPECT_EQ(rec[432 + 80 + 16 + 2], 3);
    EXPECT_EQ(rec[432 + 159], 4);
    const uint8_t score[4] = {0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(0, std::memcmp(rec + 592, score, 4));
    const uint8_t count[4] = {0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0, std::memcmp(rec + 596, count, 4));
}

TEST(RecordTest, ReadRecordRestoresExactlyWhatWasWritten) {
    uint8_t rec[RecordSize];
    for (std::size_t i = 0; i < RecordSize; ++i) rec[i] = uint8_t(i * 7 + 3);
    GameState st;
    st.UndoReady = true;
    st.InMotion = true;
    ReadRecord(st, rec);
    uint8_t back[RecordSize];
    WriteRecord(st, back);
    EXPECT_EQ(0, std::memcmp(rec, back, RecordSize));
    EXPECT_TRUE(st.UndoReady);  // loading touches only the four stored items
    EXPECT_TRUE(st.InMotion);
}

TEST(QueueTest, DelNextsAdvancesTheLaneAndDrawsANewReserve) {
    TestGame t;
    uint8_t* q = &t.game.st.nexts.at(SideLeft, 4, 0);
    q[0] = 1, q[1] = 2, q[2] = 3, q[3] = 4;
    t.game.DelNexts(SideLeft, 4);
    EXPECT_EQ(q[0], 2);
    EXPECT_EQ(q[1], 3);
    EXPECT_EQ(q[2], 4);
    EXPECT_GE(q[3], 1);
    EXPECT_LE(q[3], 7);
    EXPECT_EQ(t.game.st.nexts.at(SideLeft, 3, 0), 0);  // neighbouring lanes untouched
    EXPECT_EQ(t.game.st.nexts.at(SideLeft, 5, 0), 0);
}

TEST(QueueTest, AddNextsPushesInFrontAndLosesTheReserve) {
    TestGame t;
    uint8_t* q = &t.game.st.nexts.at(SideBottom, 10, 0);
    q[0] = 1, q[1] = 2, q[2] = 3, q[3] = 4;
    t.game.AddNexts(SideBottom, 10, 6);
    EXPECT_EQ(q[0], 6);
    EXPECT_EQ(q[1], 1);
    EXPECT_EQ(q[2], 2);
    EXPECT_EQ(q[3], 3);
}

TEST(ColoursTest, RandomColourCoversExactlyTheColoursInPlay) {
    for (int n : {5, 7, 10}) {
        TestGame t(n);
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) seen.insert(t.game.RandomColor());
        EXPECT_EQ(int(seen.size()), n) << n << " colours";
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), n);
    }
}

TEST(ColoursTest, NumberOfColoursOutsideFiveToTenIsClampedToTheNearestBound) {
    const std::pair<int, int> cases[] = {{-3, 5}, {0, 5}, {4, 5}, {5, 5}, {10, 10}, {11, 10}, {1000, 10}};
    for (auto [given, used] : cases) {
        TestGame t(given);
        EXPECT_EQ(t.game.NumberOfColors(), used) << given;
        int lo = 99, hi = 0;
        for (int i = 0; i < 1000; ++i) {
            const int c = t.game.RandomColor();
            lo = std::min(lo, c);
            hi = std::max(hi, c);
        }
        EXPECT_EQ(lo, 1) << given;
        EXPECT_EQ(hi, used) << given;
    }
}

TEST(ColoursTest, RandomCellIsAlwaysCentralAndReachesEveryCell) {
    TestGame t;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 5000; ++i) {
        int x = 0, y = 0;
        t.game.RandomCell(x, y);
        ASSERT_GE(x, 1);
        ASSERT_LE(x, 10);
        ASSERT_GE(y, 1);
        ASSERT_LE(y, 10);
        seen.insert({x, y});
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(ColoursTest, SameSeedSameGame) {
    TestGame a(7, 99), b(7, 99);
    a.game.NewClick();
    b.game.NewClick();
    uint8_t ra[RecordSize], rb[RecordSize];
    WriteRecord(a.game.st, ra);
    WriteRecord(b.game.st, rb);
    EXPECT_EQ(0, std::memcmp(ra, rb, RecordSize));
}

TEST(LaneTest, EntryCellAndArrowOfEverySide) {
    EXPECT_EQ(EntryOf(SideRight, 3).x, 10);
    EXPECT_EQ(EntryOf(SideRight, 3).y, 3);
    EXPECT_EQ(EntryOf(SideRight, 3).dir, DirLeft);
    EXPECT_EQ(EntryOf(SideTop, 4).x, 4);
    EXPECT_EQ(EntryOf(SideTop, 4).y, 1);
    EXPECT_EQ(EntryOf(SideTop, 4).dir, DirDown);
    EXPECT_EQ(EntryOf(SideLeft, 5).x, 1);
    EXPECT_EQ(EntryOf(SideLeft, 5).y, 5);
    EXPECT_EQ(EntryOf(SideLeft, 5).dir, DirRight);
    EXPECT_EQ(EntryOf(SideBottom, 6).x, 6);
    EXPECT_EQ(EntryOf(SideBottom, 6).y, 10);
    EXPECT_EQ(EntryOf(SideBottom, 6).dir, DirUp);
}

TEST(PictureTest, PicturesRoundTripThroughTheBoard) {
    const std::string pic =
        "2: . 1 2> 3^= 4< 5v= *6 10 . .\n"
        "10: 9= . . . . . . . . 8\n";
    const Board b = test::BoardFrom(pic);
    EXPECT_EQ(b.at(2, 2).Color, 1);
    EXPECT_EQ(b.at(3, 2).Dir, DirRight);
    EXPECT_EQ(b.at(4, 2).AtRest, 1);
    EXPECT_EQ(b.at(7, 2).Color, -6);
    EXPECT_EQ(b.at(8, 2).Color, 10);
    EXPECT_EQ(b.at(1, 10).Color, 9);
    EXPECT_EQ(b.at(10, 10).Color, 8);
    EXPECT_EQ(test::ZonePicture(b), test::Canonical(pic));
    // The same board listing only its two rows with bricks.
    const Board sparse = test::BoardFrom(
        "2: . 1 2> 3^= 4< 5v= *6 10 . .\n"
        "10: 9= . . . . . . . . 8\n");
    EXPECT_EQ(test::ZonePicture(sparse), test::ZonePicture(b));
}

}  // namespace
}  // namespace tesseron
