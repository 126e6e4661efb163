// The notice at the end of a game whose score does not enter the hall of fame: the
// black panel and a "GAME OVER" label, closed by a click or a typed character.
#pragma once

#include "ui/BlackDialog.h"

namespace tesseron {

class Sounds;

class TGameOver : public BlackDialog {
public:
    // `sounds` may be null (silent).
    explicit TGameOver(Sounds* sounds, QWidget* parent = nullptr);

    // Shows the notice modally; returns when it was dismissed.
    void Show();

protected:
    // Once per showing: the game-over sound.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormShow();
    void Label1Click();
    void FormKeyPress(const QString& text);

    Sounds* sounds_;
};

}  // namespace tesseron
