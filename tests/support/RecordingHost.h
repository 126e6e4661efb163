// The engine's host for tests: every call kept, in order, in the words of
// tesseron-replay ("redraw", "effect S1", "sweeptimer restart", ...).
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "game/Game.h"
#include "tools/HostRecorder.h"

namespace tesseron::test {

class RecordingHost : public HostRecorder {
public:
    RecordingHost() : HostRecorder(7) {}
    std::vector<std::string> calls;

    int Count(const std::string& call) const { return int(std::count(calls.begin(), calls.end(), call)); }
    void Clear() { calls.clear(); }

protected:
    void Record(const std::string& call) override { calls.push_back(call); }
};

// A game on a recording host with a fixed seed.
struct TestGame {
    explicit TestGame(int colours = 7, uint64_t seed = 12345) : random(seed) { host.colours = colours; }
    RecordingHost host;
    Random random;
    Game game{host, random};

    // Periphery queues with every entry set, predictable per lane: side s, lane l, slot k
    // holds 1 + (s + l + k) mod colours.
    void FillNexts() {
        for (int s = 1; s <= 4; ++s)
            for (int l = 1; l <= ZoneSize; ++l)
                for (int k = 0; k < 4; ++k) game.st.nexts.at(s, l, k) = uint8_t(1 + (s + l + k) % host.colours);
    }
};

}  // namespace tesseron::test
