#include "ui/UGameOver.h"

#include "audio/Sounds.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>

namespace tesseron {

TGameOver::TGameOver(Sounds* sounds, QWidget* parent)
    : BlackDialog(QCoreApplication::translate("TGameOver", "GameOver"), 236, 55, parent), sounds_(sounds) {
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPixelSize(35);
    Label1.setFont(serif);
    Label1.setText(QCoreApplication::translate("TGameOver", "GAME OVER"));
    // A translation may be longer than the panel: its size shrinks until it fits.
    while (serif.pixelSize() > 12 && Label1.sizeHint().width() > 236 - 2 * 13) {
        serif.setPixelSize(serif.pixelSize() - 1);
        Label1.setFont(serif);
    }
    Label1.setGeometry(13, 8, Label1.sizeHint().width(), 40);

    Label1.OnClick = [this] { Label1Click(); };
    Panel1.OnClick = [this] { Label1Click(); };
}

void TGameOver::Show() { exec(); }

void TGameOver::FormShow() {
    if (sounds_) sounds_->ResumeEffect(Effect::GameOver);
}

// A click on the label reaches the panel beneath it too: close only once.
void TGameOver::Label1Click() {
    if (isVisible()) accept();
}

void TGameOver::FormKeyPress(const QString& text) {
    // Return, Escape, Backspace and Tab type characters too; arrows, function keys
    // and a modifier alone type none.
    if (text.isEmpty()) return;
    if (isVisible()) accept();
}

void TGameOver::showEvent(QShowEvent* event) {
    BlackDialog::showEvent(event);
    if (StartsShowing(event)) FormShow();
}

void TGameOver::keyPressEvent(QKeyEvent* event) {
    event->accept();  // Escape and Enter are characters here, not the dialog's reject and default
    FormKeyPress(event->text());
}

bool TGameOver::event(QEvent* event) {
    // Tab would move the focus before it reached keyPressEvent.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return BlackDialog::event(event);
}

}  // namespace tesseron
