// The notice at the end of a game whose score does not enter the hall of fame:
// the name dialog's window with its field and button hidden.
#pragma once

#include "ui/EntName.h"

namespace tesseron {

class TGameOver : public TEnterName {
public:
    // `sounds` may be null (silent).
    explicit TGameOver(Sounds* sounds, QWidget* parent = nullptr);

    // Shows the notice modally; returns when it was dismissed.
    void Show();

    void FormShow();
    void Label1Click();
    void FormKeyPress(const QString& text);

protected:
    // Once per showing: the game-over sound only; the hidden field is left alone.
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace tesseron
