// The high-score table and its file of 108-byte records.
#include "storage/HighScores.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace tesseron::storage;

namespace {

QByteArray Record(const QByteArray& name, int32_t score, int lengthByte = -1) {
    QByteArray r(108, '\0');
    r[0] = char(lengthByte >= 0 ? lengthByte : name.size());
    std::memcpy(r.data() + 1, name.constData(), std::min<qsizetype>(name.size(), 100));
    for (int b = 0; b < 4; ++b) r[104 + b] = char(uint32_t(score) >> (8 * b));
    return r;
}

class HighFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = HighPath(dir.path() + "/");
    HighTable table;
    const QStringList defaults = HighTable().High;

    void Put(const QByteArray& bytes) { tesseron::test::PutBytes(path, bytes); }
    QByteArray Get() { return tesseron::test::GetBytes(path); }
    // Header and n entries named E1, E2, ... scoring 100 + i.
    static QByteArray Entries(int n) {
        QByteArray out = Record("Header", -1);
        for (int i = 1; i <= n; ++i) out += Record("E" + QByteArray::number(i), 100 + i);
        return out;
    }
};

TEST_F(HighFile, SavedFileByteForByte) {
    table.High[0] = "Hdr";
    table.High[21] = QString(150, u'x');  // 7 colours, rank 1
    table.High[22] = "-7";
    table.High[59] = QString::fromUtf8("Zoë €");  // 10 colours, rank 5
    ASSERT_EQ(table.SaveHigh(path), SaveHighResult::Ok);
    const QByteArray b = Get();
    ASSERT_EQ(b.size(), 3348);
    EXPECT_EQ(b.left(4), QByteArray("\x03Hdr"));
    EXPECT_EQ(b.mid(104, 4), QByteArray("\xff\xff\xff\xff"));
    const QByteArray seven = b.mid(11 * 108, 108);  // entry 11: group 7, rank 1
    EXPECT_EQ(seven[0], char(100));
    EXPECT_EQ(seven.mid(1, 100), QByteArray(100, 'x'));
    EXPECT_EQ(seven.mid(104, 4), QByteArray("\xf9\xff\xff\xff"));
    EXPECT_EQ(b.mid(30 * 108, 6), QByteArray("\x05Zo\xeb ?"));
    EXPECT_EQ(b.mid(30 * 108 + 104, 4), QByteArray("\x01\0\0\0", 4));
    EXPECT_EQ(table.High[21].size(), 150);  // the table itself keeps the whole name

    HighTable back;
    ASSERT_EQ(back.LoadHigh(path), LoadHighResult::Loaded);
    EXPECT_EQ(back.High[22], "-7");
    EXPECT_EQ(back.High[59], QString::fromUtf8("Zoë ?"));
    EXPECT_EQ(back.FileBytes(), b);
}

TEST_F(HighFile, MissingOrEmptyFileFailsAndChangesNothing) {
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Failed);
    EXPECT_EQ(table.High, defaults);
    EXPECT_FALSE(QFile::exists(path));
    Put("");
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Failed);
    EXPECT_EQ(table.High, defaults);
    EXPECT_EQ(table.LoadHigh(dir.path()), LoadHighResult::Failed);  // a folder
}

TEST_F(HighFile, ShortFileFillsWhatItHoldsWithoutWarning) {
    Put(Entries(3));
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Loaded);
    EXPECT_EQ(table.High[0], "Header");
    EXPECT_EQ(table.Names(5), QStringList({"E1", "E2", "E3", "Empty", "Empty"}));
    EXPECT_EQ(table.Scores(5), QStringList({"101", "102", "103", "2", "1"}));
    EXPECT_EQ(table.High.mid(7), defaults.mid(7));
}

TEST_F(HighFile, PartialLastRecordFailsAfterTheWholeOnes) {
    Put(Entries(2) + QByteArray(50, 'z'));
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Failed);
    EXPECT_EQ(table.Names(5), QStringList({"E1", "E2", "Empty", "Empty", "Empty"}));
    EXPECT_EQ(table.High.mid(5), defaults.mid(5));
}

TEST_F(HighFile, RecordsPastTheThirtiethEntryAreIgnored) {
    Put(Entries(40) + QByteArray(7, 'z'));
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Loaded);
    EXPECT_EQ(table.High[59], "E30");
    EXPECT_EQ(table.High[60], "130");
    EXPECT_EQ(table.High.mid(61), defaults.mid(61));
}

TEST_F(HighFile, HostileNamesStayOneLine) {
    Put(Record("", -1) + Record(QByteArray(100, 'n'), 9, 255) + Record("a\nb\rc\td\x85", 1));
    EXPECT_EQ(table.LoadHigh(path), LoadHighResult::Loaded);
    EXPECT_EQ(table.High[1], QString(100, u'n'));
    EXPECT_EQ(table.High[3], "a b c d ");
}

TEST_F(HighFile, FailedSaveLeavesTheOldFileWhole) {
    Put(Entries(30));
    const QString blocked = dir.filePath("blocked");
    QDir().mkdir(blocked);
    EXPECT_EQ(table.SaveHigh(blocked), SaveHighResult::Failed);
    EXPECT_EQ(table.SaveHigh(dir.filePath("nowhere/Vexil.hig")), SaveHighResult::Failed);
    EXPECT_EQ(Get(), Entries(30));
}

class HighSort : public ::testing::Test {
protected:
    HighTable table;
    void SetGroup(int colours, std::initializer_list<std::pair<const char*, int>> entries) {
        int k = 1;
        const int base = HighTable::GroupBase(colours);
        for (const auto& [name, score] : entries) {
            table.High[base + 2 * k - 1] = name;
            table.High[base + 2 * k] = QString::number(score);
            ++k;
        }
    }
};

TEST_F(HighSort, NewScoreGoesBelowEqualOnes) {
    SetGroup(7, {{"a", 10}, {"b", 8}, {"c", 8}, {"d", 5}, {"e", 2}});
    ASSERT_TRUE(table.Qualifies(7, 8));
    table.Enter(7, 8, "new");
    EXPECT_EQ(table.Names(7), QStringList({"a", "b", "c", "new", "d"}));
    EXPECT_EQ(table.Scores(7), QStringList({"10", "8", "8", "8", "5"}));
}

TEST_F(HighSort, LowestEntryLeaves) {
    SetGroup(9, {{"a", 10}, {"b", 8}, {"c", 6}, {"d", 5}, {"e", 2}});
    const QStringList others = table.High.mid(0, 41) + table.High.mid(51);
    table.Enter(9, 9, "new");
    EXPECT_EQ(table.Names(9), QStringList({"a", "new", "b", "c", "d"}));
    EXPECT_EQ(table.Scores(9), QStringList({"10", "9", "8", "6", "5"}));
    EXPECT_EQ(table.High.mid(0, 41) + table.High.mid(51), others);
}

TEST_F(HighSort, NotStable) {
    SetGroup(5, {{"a", 2}, {"b", 2}, {"c", 3}, {"d", 1}, {"e", 0}});
    table.SortHigh(5);
    EXPECT_EQ(table.Names(5), QStringList({"c", "b", "a", "d", "e"}));
}

TEST_F(HighSort, EntryNeedsMoreThanRankFive) {
    EXPECT_TRUE(table.Qualifies(6, 2));  // default rank 5 is 1
    EXPECT_FALSE(table.Qualifies(6, 1));
    EXPECT_FALSE(table.Qualifies(6, 0));
    table.High[HighTable::GroupBase(6) + 10] = "junk";  // not a number counts as 0
    EXPECT_TRUE(table.Qualifies(6, 1));
}

TEST_F(HighSort, ColoursOutsideTheTableUseTheNearestGroup) {
    EXPECT_EQ(HighTable::GroupBase(3), 0);
    EXPECT_EQ(HighTable::GroupBase(12), 50);
    table.Enter(99, 50, "far\nout");
    EXPECT_EQ(table.Names(10)[0], "far out");
    EXPECT_EQ(table.High.mid(61), HighTable().High.mid(61));
}

}  // namespace
