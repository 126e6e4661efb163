// Saved-game slots: naming, the 600-byte record, loading once, hostile files.
#include "storage/SavedGames.h"
#include "support/FileBytes.h"

#include "game/Game.h"
#include "support/BoardPicture.h"
#include "support/SilentHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <sys/stat.h>

using namespace tesseron;
using namespace tesseron::storage;

namespace {

class Slot : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString base = dir.path() + "/";
    QString path = SlotPath(base, 7);

    static GameState Sample() {
        GameState st;
        st.board = test::BoardFrom(
            ". . . . . . . . . .\n"
            ". . . . . . . . . .\n"
            ". . 3 3 . . . . . .\n"
            ". . . . . . . . . .\n"
            ". . . . 2> . . . . .\n"
            ". . . . . . . . . .\n"
            ". . . . . . . *5 . .\n"
            ". . . . . . . . . .\n"
            ". . . . . . . . . .\n"
            "7 . . . . . . . . 1^=\n");
        st.board.at(1, 1) = Cell{4, DirDown, 1};
        for (int s = 1; s <= 4; ++s)
            for (int l = 1; l <= 10; ++l)
                for (int k = 0; k < 4; ++k) st.nexts.at(s, l, k) = uint8_t(1 + (s + l + k) % 7);
        st.Score = 0x01020304;
        st.SetCount = 3;
        return st;
    }
    void Put(const QByteArray& bytes) { tesseron::test::PutBytes(path, bytes); }
    QByteArray Get() { return tesseron::test::GetBytes(path); }
    static QByteArray Spent() {
        QByteArray r(600, '\0');
        r[0] = 11;
        return r;
    }
    static QByteArray RecordOf(const GameState& st) {
        QByteArray r(600, '\0');
        WriteRecord(st, reinterpret_cast<uint8_t*>(r.data()));
        return r;
    }
};

TEST_F(Slot, NamedByTheNumberOfColours) {
    for (int c = 5; c <= 10; ++c) EXPECT_EQ(SlotPath("/d/", c), "/d/kelm.sg" + QString::number(c - 4));
    EXPECT_EQ(SlotPath("/d/", 2), "/d/kelm.sg1");
    EXPECT_EQ(SlotPath("/d/", 40), "/d/kelm.sg6");
}

TEST_F(Slot, SavedFileIsTheRecordByteForByte) {
    ASSERT_EQ(SaveSlot(path, Sample()), SaveSlotResult::Saved);
    const QByteArray b = Get();
    ASSERT_EQ(b.size(), 600);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(QByteArray(b.constData() + 39, 3), QByteArray("\x04\x04\x01", 3));  // cell (1, 1)
    EXPECT_EQ(b[36 * 8 + 3 * 7], char(-5));                                       // the exploding brick at (8, 7)
    EXPECT_EQ(QByteArray(b.constData() + 592, 8), QByteArray("\x04\x03\x02\x01\x03\x00\x00\x00", 8));
}

TEST_F(Slot, LoadsOnceThenReportsSpent) {
    const GameState saved = Sample();
    ASSERT_EQ(SaveSlot(path, saved), SaveSlotResult::Saved);
    GameState st;
    st.UndoScore = 77;
    ASSERT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Loaded);
    EXPECT_EQ(RecordOf(st), RecordOf(saved));
    EXPECT_EQ(st.UndoScore, 77);  // only the stored items change
    EXPECT_EQ(Get(), Spent());

    const QByteArray before = RecordOf(st);
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Spent);
    EXPECT_EQ(RecordOf(st), before);
    EXPECT_EQ(Get(), Spent());

    // Saving again makes the slot loadable again, with the newer game.
    GameState second = saved;
    second.Score = 999;
    ASSERT_EQ(SaveSlot(path, second), SaveSlotResult::Saved);
    ASSERT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Loaded);
    EXPECT_EQ(st.Score, 999);
}

TEST_F(Slot, AnotherNumberOfColoursLooksElsewhere) {
    ASSERT_EQ(SaveSlot(path, Sample()), SaveSlotResult::Saved);
    GameState st;
    EXPECT_EQ(LoadSlot(SlotPath(base, 8), st, 8), LoadSlotResult::Failed);
    EXPECT_FALSE(QFileInfo::exists(SlotPath(base, 8)));  // a missing slot is not created
}

TEST_F(Slot, ShortLongAndSpentFiles) {
    GameState st;
    const QByteArray full = RecordOf(Sample());
    Put(full.left(599));
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Failed);
    EXPECT_EQ(Get(), full.left(599));

    Put(full + QByteArray(100, '\x7f'));  // read from its first 600 bytes
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Loaded);
    EXPECT_EQ(Get(), Spent());

    QByteArray oddSpent(700, '\x55');
    oddSpent[0] = 11;
    Put(oddSpent);
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Spent);
    EXPECT_EQ(Get(), Spent());
}

TEST_F(Slot, HostileRecordsChangeNothing) {
    const std::vector<std::pair<const char*, std::function<void(uint8_t*)>>> faults = {
        {"colour above N", [](uint8_t* r) { r[36 * 4 + 3 * 4] = 8; }},
        {"colour below -N", [](uint8_t* r) { r[36 * 4 + 3 * 4] = uint8_t(-8); }},
        {"brick in the ring", [](uint8_t* r) { r[36 * 11 + 3 * 5] = 2; }},
        {"brick in a corner", [](uint8_t* r) { r[36 * 11 + 3 * 11] = 2; }},
        {"arrow 5", [](uint8_t* r) { r[36 * 3 + 3 * 3 + 1] = 5; }},
        {"queue colour 0", [](uint8_t* r) { r[432 + 159] = 0; }},
        {"queue colour above N", [](uint8_t* r) { r[432] = 8; }},
        {"negative score", [](uint8_t* r) { r[595] = 0x80; }},
        {"negative set count", [](uint8_t* r) { r[599] = 0xff; }},
    };
    for (const auto& [what, spoil] : faults) {
        QByteArray bad = RecordOf(Sample());
        spoil(reinterpret_cast<uint8_t*>(bad.data()));
        Put(bad);
        GameState st;
        st.Score = 5;
        EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Failed) << what;
        EXPECT_EQ(st.Score, 5) << what;
        EXPECT_EQ(Get(), bad) << what;
    }
}

TEST_F(Slot, EveryPositionOfARealGamePasses) {
    for (int colours = 5; colours <= 10; ++colours) {
        test::SilentHost host;
        host.colours = colours;
        Random random(1000 + colours);
        Game game(host, random);
        game.NewClick();
        uint8_t record[RecordSize];
        for (int tick = 0; tick < 4000; ++tick) {
            if (tick % 7 == 0) game.LaunchBrick(1 + random.Below(4), 1 + random.Below(10));
            game.tmrSTEPTimer();
            if (tick % 3 == 0) game.AntiMinusTimer();
            if (game.Over()) game.NewClick();
            WriteRecord(game.st, record);
            ASSERT_TRUE(IsSoundRecord(record, colours)) << "colours " << colours << " tick " << tick;
        }
    }
}

TEST_F(Slot, NonRegularFilesAndFailedWrites) {
    GameState st;
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Failed);  // must not block
    QFile::remove(path);

    ASSERT_TRUE(QDir(base).mkdir("kelm.sg3"));  // a folder where the slot should be
    EXPECT_EQ(SaveSlot(path, Sample()), SaveSlotResult::Failed);
    EXPECT_EQ(LoadSlot(path, st, 7), LoadSlotResult::Failed);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(SaveSlot(base + "missing/kelm.sg3", Sample()), SaveSlotResult::Failed);
}

}  // namespace
