// A GameHost that writes down every call, in order, as short text lines:
// "redraw", "redraw full", "score N", "effect N", "beep", "message TEXT",
// "steptimer on", "steptimer off", "sweep restart", "gameover N".
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/GameHost.h"

namespace tesseron::test {

class RecordingHost : public GameHost {
public:
    std::vector<std::string> calls;
    int colours = 7;
    bool stepTimerOn = true;

    void FieldUpDate(bool full) override { calls.push_back(full ? "redraw full" : "redraw"); }
    void ScoreLabel(int32_t score) override { calls.push_back("score " + std::to_string(score)); }
    void PlayEffect(Effect effect) override { calls.push_back("effect " + std::to_string(int(effect))); }
    void Beep() override { calls.push_back("beep"); }
    void ShowInformation(const std::string& text) override { calls.push_back("message " + text); }
    void StepTimer(bool enabled) override {
        stepTimerOn = enabled;
        calls.push_back(enabled ? "steptimer on" : "steptimer off");
    }
    void RestartSweepTimer() override { calls.push_back("sweep restart"); }
    void GameOver(int32_t score) override { calls.push_back("gameover " + std::to_string(score)); }
    int NumberOfColors() const override { return colours; }

    int Count(const std::string& call) const { return int(std::count(calls.begin(), calls.end(), call)); }
    void Clear() { calls.clear(); }
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
