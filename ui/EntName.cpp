#include "ui/EntName.h"

#include "audio/Sounds.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>

namespace tesseron {

QString UpperCaseName(const QString& name) {
    QString upper = name;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

TEnterName::TEnterName(Sounds* sounds, QWidget* parent)
    : BlackDialog(QCoreApplication::translate("TEnterName", "Good work!"), 225, 89, parent), PlayerName(&Panel1),
      SpeedButton1(&Panel1), sounds_(sounds) {
    Label1.setGeometry(13, 8, 204, 13);
    Label1.setText(QCoreApplication::translate("TEnterName", "Please enter your name for the hall of fame!"));
    // The face standing in for the original one is a little wider: shrink it until
    // the whole sentence fits the label rather than cutting its end off.
    for (QFont f = Label1.font(); f.pixelSize() > 8 && Label1.sizeHint().width() > Label1.width();) {
        f.setPixelSize(f.pixelSize() - 1);
        Label1.setFont(f);
    }

    PlayerName.setGeometry(8, 28, 209, 21);
    PlayerName.setText(QStringLiteral("Anonymus"));
    PlayerName.installEventFilter(this);

    SpeedButton1.setGeometry(8, 56, 209, 25);
    SpeedButton1.setText(QCoreApplication::translate("TEnterName", "OK"));
    SpeedButton1.setFlat(true);
    SpeedButton1.setFocusPolicy(Qt::NoFocus);
    // Not a default button: Enter in the field is handled once, by the field.
    SpeedButton1.setAutoDefault(false);
    SpeedButton1.setDefault(false);
    SetColours(SpeedButton1, Qt::yellow);
    connect(&SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });

    setTabOrder(&PlayerName, &SpeedButton1);
    controls.Add(&PlayerName);
    controls.Add(&SpeedButton1);
}

QString TEnterName::Ask() {
    exec();
    return PlayerName.text();
}

void TEnterName::FormShow() {
    if (sounds_) sounds_->ResumeEffect(Effect::Applause);
}

void TEnterName::FormActivate() {
    PlayerName.clear();
    PlayerName.setFocus();
}

void TEnterName::PlayerNameKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) SpeedButton1Click();
}

void TEnterName::SpeedButton1Click() {
    PlayerName.setText(UpperCaseName(PlayerName.text()));
    accept();
}

void TEnterName::showEvent(QShowEvent* event) {
    BlackDialog::showEvent(event);
    if (!StartsShowing(event)) return;
    FormShow();
    FormActivate();
}

void TEnterName::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    BlackDialog::keyPressEvent(event);
}

bool TEnterName::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &PlayerName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PlayerNameKeyDown(key);
            return true;
        }
    }
    return BlackDialog::eventFilter(watched, event);
}

}  // namespace tesseron
