#include "ui/BlackDialog.h"

#include "ui/Display.h"

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
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Panel1(this), Label1(&Panel1), atOne_(width, height) {
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
    controls.Add(&Panel1);
    controls.Add(&Label1);
    CentreOnScreen();
}

void BlackDialog::CentreOnScreen() {
    const QRect s = display::GameRect();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
}

bool BlackDialog::StartsShowing(const QShowEvent* event) {
    if (event->spontaneous()) return false;
    const zoom::Zoom zoom = display::Current();
    setFixedSize(zoom.ToWindow(QRect(QPoint(0, 0), atOne_)).size());
    controls.Apply(zoom);
    CentreOnScreen();
    return true;
}

}  // namespace tesseron
