// tesseron-replay: runs the real rules engine headless against a host that
// prints every call it receives, driven by a script of commands.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "game/Game.h"
#include "tools/HostRecorder.h"

namespace tesseron::replay {

// Prints each host call as one line the moment it is made.
class ReplayHost final : public HostRecorder {
public:
    ReplayHost(std::ostream& out, int colours) : HostRecorder(colours), out_(out) {}

protected:
    void Record(const std::string& call) override;

private:
    std::ostream& out_;
};

struct Options {
    int colors = DefaultColors;
    bool seedGiven = false;
    uint64_t seed = 0;
    std::string loadFile;  // empty: none
};

// Both return an empty string on success, otherwise what was wrong.
std::string ParseArguments(int argc, const char* const* argv, Options& options);
std::string ReadRecordFile(const std::string& path, uint8_t record[RecordSize]);

// The engine in its start-up state and the interpreter of the script.
class Replay {
public:
    Replay(int colours, uint64_t seed, std::ostream& out);

    // Copies a saved-game record into the state, as loading a saved game does.
    void Load(const uint8_t record[RecordSize]);
    // Runs one line of the script; an empty result means it was understood.
    std::string Execute(const std::string& line);
    // Runs every line; 0 at the end of input, 2 at the first bad line (reported on err).
    int Run(std::istream& in, std::ostream& err);
    // "state HEX inmotion 0|1 undoready 0|1 steptimer on|off sweeptimer on|off"
    std::string Dump() const;

    Game& game() { return game_; }
    ReplayHost& host() { return host_; }

private:
    std::ostream& out_;
    ReplayHost host_;
    Random random_;
    Game game_;
};

// The whole program: arguments, optional load, then the script. Returns the exit status.
int Main(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tesseron::replay
