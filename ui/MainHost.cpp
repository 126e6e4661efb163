// The rules engine's requests, as the game window answers them: drawing goes to the
// window's view, sounds to its sound service, messages to the player, the end of a
// game to the high-score hand-over.
#include "ui/UMain.h"

#include "ui/Accessible.h"

#include <QApplication>
#include <QCoreApplication>

namespace tesseron {

void TMain::MainHost::FieldUpDate(bool full) { w_.FieldUpDate(full); }

void TMain::MainHost::ScoreLabel(int32_t score) { w_.ShowScore(score); }

void TMain::MainHost::PlayEffect(Effect effect) { w_.PlayEffect(effect); }

void TMain::MainHost::Beep() {
    // The engine beeps only to refuse a launch; a player who cannot see the field hears why.
    Announce(&w_, QCoreApplication::translate("TMain", "Launch refused"));
    if (w_.audio)
        w_.audio->Beep();
    else
        QApplication::beep();
}

void TMain::MainHost::ShowInformation(const std::string& text) {
    w_.Message(QMessageBox::Information, QString::fromStdString(text));
}

void TMain::MainHost::StepTimer(bool enabled) {
    // Enabling a running timer leaves its count alone, as switching on a timer that is on does.
    w_.stepResting_ = false;
    if (!enabled)
        w_.tmrSTEP.stop();
    else if (!w_.tmrSTEP.isActive())
        w_.tmrSTEP.start();
}

void TMain::MainHost::RestartSweepTimer() {
    w_.AntiMinus.stop();
    w_.AntiMinus.start();
}

void TMain::MainHost::GameOver(int32_t score) {
    Announce(&w_, QCoreApplication::translate("TMain", "Game over, score %1").arg(score));
    // The engine has stopped the step timer; the dialogs behind the handler wait for the player.
    if (w_.GameOverHandler) w_.GameOverHandler(score);
}

int TMain::MainHost::NumberOfColors() const { return w_.NumCol; }

}  // namespace tesseron
