// A host that records nothing, for tests and benchmarks that look only at the
// state or the drawing (and must not count the host's own allocations).
#pragma once

#include "game/GameHost.h"

namespace tesseron::test {

class SilentHost : public GameHost {
public:
    bool stepTimerOn = true;
    int colours = 7;
    void FieldUpDate(bool) override {}
    void ScoreLabel(int32_t) override {}
    void PlayEffect(Effect) override {}
    void Beep() override {}
    void ShowInformation(const std::string&) override {}
    void StepTimer(bool on) override { stepTimerOn = on; }
    void RestartSweepTimer() override {}
    void GameOver(int32_t) override {}
    int NumberOfColors() const override { return colours; }
};

}  // namespace tesseron::test
