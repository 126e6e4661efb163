#include "ui/BlackDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace tesseron {

void SetColours(QWidget& w, const QColor& text, const QColor& background) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Button, background);
    p.setColor(QPalette::ButtonText, text);
    w.setPalette(p);
}

BlackDialog::BlackDialog(const QString& title, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Panel1(this), Label1(&Panel1) {
    setWindowTitle(title);
    setModal(true);
    setFixedSize(width, height);
    setAutoFillBackground(true);
    SetColours(*this, Qt::white);
    // The controls take the dialog's font unless they set their own.
    QFont sans(QStringLiteral("Liberation Sans"));
    sans.setPixelSize(11);
    setFont(sans);

    Panel1.setGeometry(0, 0, width, height);
    Panel1.setAutoFillBackground(true);
    SetColours(Panel1, Qt::white);
    SetColours(Label1, Qt::white);
    CentreOnScreen();
}

void BlackDialog::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

bool BlackDialog::StartsShowing(const QShowEvent* event) {
    if (event->spontaneous()) return false;
    CentreOnScreen();
    return true;
}

}  // namespace tesseron
