#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/BoardPicture.h"
#include "tools/Replay.h"

namespace tesseron::replay {
namespace {

struct Result {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

Result RunScript(const std::string& script, std::vector<std::string> args = {"--seed", "1"}) {
    args.insert(args.begin(), "tesseron-replay");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::istringstream in(script);
    std::ostringstream out, err;
    Result r;
    r.status = Main(int(argv.size()), argv.data(), in, out, err);
    std::istringstream lines(out.str());
    for (std::string l; std::getline(lines, l);) r.lines.push_back(l);
    r.err = err.str();
    return r;
}

std::string DumpLine(const Result& r, int nth = 0) {
    for (const std::string& l : r.lines)
        if (l.rfind("state ", 0) == 0 && nth-- == 0) return l;
    return {};
}

std::string StateHex(const std::string& dump) { return dump.substr(6, 2 * RecordSize); }

class TempFile {
public:
    explicit TempFile(const std::string& name)
        : path_((std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()))).string()) {}
    ~TempFile() { std::remove(path_.c_str()); }
    void Write(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string RecordBytes(const GameState& st) {
    uint8_t rec[RecordSize];
    WriteRecord(st, rec);
    return std::string(reinterpret_cast<const char*>(rec), RecordSize);
}

TEST(ReplayTest, StartsFromTheZeroStateWithOnlyTheStepTimerOn) {
    const Result r = RunScript("dump\nsweep\nundo\n");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0], "state " + std::string(1200, '0') + " inmotion 0 undoready 0 steptimer on sweeptimer off");
    // sweep did nothing: its timer has never been started
    EXPECT_EQ(r.lines[1], "effect S3");
    EXPECT_EQ(r.lines[2], "message You are unable to make undo since you have just started playing");
}

TEST(ReplayTest, PrintsEveryHostCallInOrderAndDumpsInTheFixedFormat) {
    const Result r = RunScript("new\nlaunch 3 5\nlaunch 3 5\ntick\ndump\nundo\n");
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 9u);
    const std::vector<std::string> expected = {"steptimer on", "redraw full", "effect S1", "beep", "redraw", "score 0"};
    EXPECT_EQ(std::vector<std::string>(r.lines.begin(), r.lines.begin() + 6), expected);
    EXPECT_TRUE(
        std::regex_match(r.lines[6], std::regex("state [0-9a-f]{1200} inmotion 1 undoready 1 steptimer on sweeptimer off")))
        << r.lines[6];
    EXPECT_EQ(r.lines[7], "effect S3");
    EXPECT_EQ(r.lines[8], "score 0");
}

TEST(ReplayTest, DumpIsTheSavedGameRecordAndLoadsBackUnchanged) {
    const Result first = RunScript("new\nlaunch 2 5\ntick\ntick\ndump\n", {"--seed", "5", "--colors", "10"});
    const std::string hex = StateHex(DumpLine(first));
    ASSERT_EQ(hex.size(), 1200u);
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    // Cell (6, 4) holds colour 8 of the fixed pattern: byte 36*6 + 3*4.
    EXPECT_EQ(bytes[36 * 6 + 3 * 4], 8);
    TempFile file("replay_load");
    file.Write(bytes);
    const Result again = RunScript("dump\n", {"--load", file.path(), "--colors", "10"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.lines.size(), 1u);
    EXPECT_EQ(StateHex(DumpLine(again)), hex);
    // Loading touches only the record: no undo, the flags of start-up.
    EXPECT_NE(DumpLine(again).find("inmotion 0 undoready 0 steptimer on sweeptimer off"), std::string::npos);
}

TEST(ReplayTest, TicksStopWithTheStepTimerAtTheEndOfTheGame) {
    GameState st;
    test::SetZone(st.board,
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
    for (int s = 1; s <= 4; ++s)
        for (int l = 1; l <= 10; ++l)
            for (int k = 0; k < 4; ++k) st.nexts.at(s, l, k) = 3;
    st.Score = 77;
    st.SetCount = 4;
    TempFile file("replay_end");
    file.Write(RecordBytes(st));
    const Result r = RunScript("launch 2 5\ntick\ntick\nlaunch 1 1\ndump\n", {"--load", file.path(), "--seed", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[0], "effect S1");
    EXPECT_EQ(r.lines[1], "redraw");
    EXPECT_EQ(r.lines[2], "score 77");
    EXPECT_EQ(r.lines[3], "steptimer off");
    EXPECT_EQ(r.lines[4], "gameover 77");
    EXPECT_EQ(r.lines[5], "beep");  // the second tick ran nothing
    EXPECT_NE(r.lines[6].find("steptimer off sweeptimer off"), std::string::npos);
}

TEST(ReplayTest, SweepRunsOnlyOnceItsTimerWasRestarted) {
    GameState st;
    test::SetZone(st.board,
                  ". . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . 4= 4= 4= . . 5\n. . . . . . . . . .\n. . . . . . . . . .\n. . . . . . . . . .\n"
                  ". . . . . . . . . .\n. . . . . . . . . .\n");
    st.board.at(3, 3) = Cell{-2, DirNone, 0};
    TempFile file("replay_sweep");
    file.Write(RecordBytes(st));
    const Result r = RunScript("sweep\ndump\ntick\nsweep\ndump\n", {"--load", file.path(), "--seed", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 6u);
    const std::string before = StateHex(r.lines[0]);
    EXPECT_EQ(before.substr(2 * (36 * 3 + 3 * 3), 2), "fe");  // still exploding: no sweep yet
    EXPECT_EQ(r.lines[1], "sweeptimer restart");
    EXPECT_EQ(r.lines[2], "effect S2");
    EXPECT_EQ(r.lines[3], "redraw");
    EXPECT_EQ(r.lines[4], "score 3");
    const std::string after = StateHex(r.lines[5]);
    for (int x : {3, 5, 6, 7}) EXPECT_EQ(after.substr(2 * (36 * x + 3 * (x == 3 ? 3 : 5)), 2), "00") << x;
    EXPECT_EQ(after.substr(2 * (36 * 10 + 3 * 5), 2), "05");
    EXPECT_NE(r.lines[5].find("sweeptimer on"), std::string::npos);
}

TEST(ReplayTest, BadLineIsReportedWithItsNumberAndNothingAfterItRuns) {
    const struct {
        const char* line;
    } bad[] = {{"jump"},       {"launch 5 1"},  {"launch 0 1"},  {"launch 1 11"}, {"launch 1 0"}, {"launch 1"}, {"launch 1 2 3"},
               {"launch a b"}, {"launch -1 2"}, {"launch +1 2"}, {"new now"},     {"tick 5"},     {"DUMP"}};
    for (const auto& b : bad) {
        const Result r = RunScript(std::string("new\n# comment\n") + b.line + "\ndump\n");
        EXPECT_EQ(r.status, 2) << b.line;
        EXPECT_EQ(r.lines.size(), 2u) << b.line;  // new's two calls, and no dump
        EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
    }
}

TEST(ReplayTest, BlankLinesCommentsAndWindowsLineEndsAreAccepted) {
    const Result r = RunScript("\n  \n# nothing\r\nnew\r\n\tlaunch   3 5 \r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines, (std::vector<std::string>{"steptimer on", "redraw full", "effect S1"}));
}

TEST(ReplayTest, ColoursAndSeedShapeTheGame) {
    const Result five = RunScript("new\ndump\n", {"--colors", "5", "--seed", "9"});
    const Result ten = RunScript("new\ndump\n", {"--colors", "10", "--seed", "9"});
    const Result tenAgain = RunScript("new\ndump\n", {"--seed", "9", "--colors", "10"});
    const Result otherSeed = RunScript("new\ndump\n", {"--colors", "10", "--seed", "10"});
    const std::string h5 = StateHex(DumpLine(five)), h10 = StateHex(DumpLine(ten));
    const auto at = [](const std::string& h, int x, int y) { return h.substr(2 * (36 * x + 3 * y), 2); };
    EXPECT_EQ(at(h5, 6, 5), "00");  // colour 10 of the pattern only with ten colours
    EXPECT_EQ(at(h10, 6, 5), "0a");
    EXPECT_EQ(h10, StateHex(DumpLine(tenAgain)));
    EXPECT_NE(h10, StateHex(DumpLine(otherSeed)));
    for (std::size_t i = 2 * 432; i < 2 * 592; i += 2) EXPECT_LE(std::stoi(h5.substr(i, 2), nullptr, 16), 5);
}

TEST(ReplayTest, BadArgumentsAreErrorsWithStatusTwo) {
    TempFile shorter("replay_short"), longer("replay_long");
    shorter.Write(std::string(599, '\0'));
    longer.Write(std::string(601, '\0'));
    const std::vector<std::vector<std::string>> bad = {{"--colors", "4"},
                                                       {"--colors", "11"},
                                                       {"--colors", "seven"},
                                                       {"--colors", ""},
                                                       {"--colors"},
                                                       {"--seed", "-1"},
                                                       {"--seed", "x1"},
                                                       {"--seed", "99999999999999999999"},
                                                       {"--seed"},
                                                       {"--load", "/nonexistent/kelm.sg3"},
                                                       {"--load", shorter.path()},
                                                       {"--load", longer.path()},
                                                       {"--load", std::filesystem::temp_directory_path().string()},
                                                       {"--load", ""},
                                                       {"--verbose"},
                                                       {"7"}};
    for (const auto& args : bad) {
        const Result r = RunScript("new\ndump\n", args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_TRUE(r.lines.empty());
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(RunScript("", {"--seed", "18446744073709551615", "--colors", "10"}).status, 0);
}

}  // namespace
}  // namespace tesseron::replay
