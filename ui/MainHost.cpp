#include "ui/MainHost.h"

#include "ui/UMain.h"

#include <QApplication>

namespace tesseron {

void MainHost::FieldUpDate(bool full) { w_.FieldUpDate(full); }

void MainHost::ScoreLabel(int32_t score) { w_.ShowScore(score); }

void MainHost::PlayEffect(Effect effect) { w_.PlayEffect(effect); }

void MainHost::Beep() {
    if (w_.audio)
        w_.audio->Beep();
    else
        QApplication::beep();
}

void MainHost::ShowInformation(const std::string& text) {
    w_.Message(QMessageBox::Information, QString::fromStdString(text));
}

void MainHost::StepTimer(bool enabled) {
    // Enabling a running timer leaves its count alone, as switching on a timer that is on does.
    w_.stepResting_ = false;
    if (!enabled)
        w_.tmrSTEP.stop();
    else if (!w_.tmrSTEP.isActive())
        w_.tmrSTEP.start();
}

void MainHost::RestartSweepTimer() {
    w_.AntiMinus.stop();
    w_.AntiMinus.start();
}

void MainHost::GameOver(int32_t score) { w_.AddHighScore(score); }

int MainHost::NumberOfColors() const { return w_.NumCol; }

}  // namespace tesseron
