// The rules engine's requests, as the game window answers them: drawing goes to the
// window's view, sounds to its sound service, messages to the player.
#pragma once

#include "game/GameHost.h"

namespace tesseron {

class TMain;

class MainHost final : public GameHost {
public:
    explicit MainHost(TMain& w) : w_(w) {}
    void FieldUpDate(bool full) override;
    void ScoreLabel(int32_t score) override;
    void PlayEffect(Effect effect) override;
    void Beep() override;
    void ShowInformation(const std::string& text) override;
    void StepTimer(bool enabled) override;
    void RestartSweepTimer() override;
    void GameOver(int32_t score) override;
    int NumberOfColors() const override;

private:
    TMain& w_;
};

}  // namespace tesseron
