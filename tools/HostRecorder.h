// A GameHost that turns every call into one short line, the vocabulary that
// tesseron-replay prints and the engine's tests read:
// "redraw", "redraw full", "score N", "effect SN", "beep", "message TEXT",
// "steptimer on", "steptimer off", "sweeptimer restart", "gameover N".
#pragma once

#include <string>

#include "game/GameHost.h"

namespace tesseron {

class HostRecorder : public GameHost {
public:
    explicit HostRecorder(int colours) : colours(colours) {}

    void FieldUpDate(bool full) override { Record(full ? "redraw full" : "redraw"); }
    void ScoreLabel(int32_t score) override { Record("score " + std::to_string(score)); }
    void PlayEffect(Effect effect) override { Record("effect S" + std::to_string(int(effect))); }
    void Beep() override { Record("beep"); }
    void ShowInformation(const std::string& text) override { Record("message " + text); }
    void StepTimer(bool enabled) override {
        stepTimerOn = enabled;
        Record(enabled ? "steptimer on" : "steptimer off");
    }
    void RestartSweepTimer() override {
        sweepTimerOn = true;
        Record("sweeptimer restart");
    }
    void GameOver(int32_t score) override { Record("gameover " + std::to_string(score)); }
    int NumberOfColors() const override { return colours; }

    int colours;
    // The step timer is enabled at creation; the sweep timer waits for the first explosion.
    bool stepTimerOn = true;
    bool sweepTimerOn = false;

protected:
    virtual void Record(const std::string& call) = 0;
};

}  // namespace tesseron
