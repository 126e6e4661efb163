#include "Replay.h"

#include <charconv>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

namespace tesseron::replay {

namespace {

constexpr const char* Program = "tesseron-replay";
constexpr const char* Usage = "usage: tesseron-replay [--colors N] [--seed S] [--load FILE] < script";

// Plain decimal digits only: no sign, no spaces, no hex.
template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    if (text.empty() || text.size() > 20) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

}  // namespace

void ReplayHost::Record(const std::string& call) { out_ << call << '\n'; }

std::string ParseArguments(int argc, const char* const* argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--colors" && arg != "--seed" && arg != "--load") return "unknown argument '" + arg + "'";
        if (i + 1 >= argc) return arg + " needs a value";
        const std::string value = argv[++i];
        if (arg == "--colors") {
            int n = 0;
            if (!ParseNumber(value, n) || n < MinColors || n > MaxColors)
                return "--colors must be a number from " + std::to_string(MinColors) + " to " + std::to_string(MaxColors) +
                       ", not '" + value + "'";
            options.colors = n;
        } else if (arg == "--seed") {
            uint64_t s = 0;
            if (!ParseNumber(value, s)) return "--seed must be a number from 0 to 18446744073709551615, not '" + value + "'";
            options.seed = s;
            options.seedGiven = true;
        } else {
            if (value.empty()) return "--load needs a file name";
            options.loadFile = value;
        }
    }
    return {};
}

std::string ReadRecordFile(const std::string& path, uint8_t record[RecordSize]) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot open '" + path + "'";
    // One byte more than a record tells a longer file from an exact one.
    char buffer[RecordSize + 1];
    file.read(buffer, sizeof buffer);
    const std::streamsize got = file.gcount();
    if (file.bad() || (!file.eof() && got < std::streamsize(sizeof buffer))) return "cannot read '" + path + "'";
    if (got != std::streamsize(RecordSize))
        return "'" + path + "' is not a saved game: it must be exactly 600 bytes" +
               (got > std::streamsize(RecordSize) ? std::string(", it is longer") : ", it has " + std::to_string(got));
    for (std::size_t i = 0; i < RecordSize; ++i) record[i] = uint8_t(buffer[i]);
    return {};
}

Replay::Replay(int colours, uint64_t seed, std::ostream& out)
    : out_(out), host_(out, colours), random_(seed), game_(host_, random_) {}

void Replay::Load(const uint8_t record[RecordSize]) {
    GameState saved;
    ReadRecord(saved, record);
    game_.Resume(saved);
}

std::string Replay::Execute(const std::string& line) {
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') return {};  // blank lines and comments
    const std::string& cmd = w[0];
    const auto noArguments = [&]() -> std::string { return w.size() == 1 ? std::string() : "'" + cmd + "' takes no arguments"; };
    if (cmd == "new" || cmd == "tick" || cmd == "sweep" || cmd == "undo" || cmd == "dump") {
        if (std::string e = noArguments(); !e.empty()) return e;
        if (cmd == "new")
            game_.NewClick();
        else if (cmd == "tick") {
            if (host_.stepTimerOn) game_.tmrSTEPTimer();
        } else if (cmd == "sweep") {
            if (host_.sweepTimerOn) game_.AntiMinusTimer();
        } else if (cmd == "undo")
            game_.UndoClick();
        else
            out_ << Dump() << '\n';
        return {};
    }
    if (cmd == "launch") {
        int side = 0, lane = 0;
        if (w.size() != 3 || !ParseNumber(w[1], side) || !ParseNumber(w[2], lane) || side < SideRight || side > SideBottom ||
            lane < 1 || lane > ZoneSize)
            return "'launch' needs SIDE 1..4 and LANE 1..10";
        game_.LaunchBrick(side, lane);
        return {};
    }
    return "unknown command '" + cmd + "'";
}

int Replay::Run(std::istream& in, std::ostream& err) {
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (std::string e = Execute(line); !e.empty()) {
            out_.flush();
            err << Program << ": line " << number << ": " << e << '\n';
            return 2;
        }
    }
    out_.flush();
    return 0;
}

std::string Replay::Dump() const {
    uint8_t record[RecordSize];
    WriteRecord(game_.st, record);
    static const char digits[] = "0123456789abcdef";
    std::string s = "state ";
    s.reserve(s.size() + 2 * RecordSize + 64);
    for (uint8_t b : record) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    s += game_.st.InMotion ? " inmotion 1" : " inmotion 0";
    s += game_.st.UndoReady ? " undoready 1" : " undoready 0";
    s += host_.stepTimerOn ? " steptimer on" : " steptimer off";
    s += host_.sweepTimerOn ? " sweeptimer on" : " sweeptimer off";
    return s;
}

int Main(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    Options options;
    if (std::string e = ParseArguments(argc, argv, options); !e.empty()) {
        err << Program << ": " << e << '\n' << Usage << '\n';
        return 2;
    }
    uint8_t record[RecordSize];
    if (!options.loadFile.empty()) {
        if (std::string e = ReadRecordFile(options.loadFile, record); !e.empty()) {
            err << Program << ": " << e << '\n';
            return 2;
        }
    }
    Replay replay(options.colors, options.seedGiven ? options.seed : Random::ClockSeed(), out);
    if (!options.loadFile.empty()) replay.Load(record);
    return replay.Run(in, err);
}

}  // namespace tesseron::replay
