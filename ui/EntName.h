// The name entry dialog at the end of a game whose score enters the hall of fame.
#pragma once

#include "ui/BlackDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace tesseron {

class Sounds;

// Letters a..z become A..Z; every other character, and the length, stay as they are.
QString UpperCaseName(const QString& name);

class TEnterName : public BlackDialog {
public:
    // `sounds` may be null (silent).
    explicit TEnterName(Sounds* sounds, QWidget* parent = nullptr);

    QLineEdit PlayerName;
    QPushButton SpeedButton1;

    // Shows the dialog modally; returns the name as it stands after closing.
    QString Ask();

protected:
    // Run once per showing: the sound, then the emptied and focused field.
    void showEvent(QShowEvent* event) override;
    // Escape does not close it; the name is confirmed with Enter or the button.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormActivate();
    void PlayerNameKeyDown(int key);
    void SpeedButton1Click();

    Sounds* sounds_;
};

}  // namespace tesseron
