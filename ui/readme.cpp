#include "ui/readme.h"

#include "ui/Display.h"

#include <QCoreApplication>
#include <QShowEvent>

namespace tesseron {

namespace {

constexpr int ViewerWidth = 600, ViewerHeight = 480;  // at 1x

void Flat(QWidget& w, const QColor& background, const QColor& text = Qt::white) {
    w.setAutoFillBackground(true);
    QPalette p = w.palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    w.setPalette(p);
}

QFont PixelFont(const QString& family, int pixels) {
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

Tureadme::Tureadme(QWidget* parent) : Trul(parent), Panel2(this), Panel3(this), Panel4(this), Panel5(this) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(ViewerWidth, ViewerHeight);
    const QColor frame(0, 98, 27);
    Panel3.setGeometry(0, 0, 600, 10);
    Panel2.setGeometry(0, 10, 10, 460);
    Panel4.setGeometry(590, 10, 10, 460);
    Panel5.setGeometry(0, 470, 600, 10);
    for (QFrame* f : {&Panel2, &Panel3, &Panel4, &Panel5}) {
        f->setFrameShape(QFrame::NoFrame);
        Flat(*f, frame);
    }

    Memo1.setGeometry(16, 16, 569, 401);
    Memo1.setFrameShape(QFrame::NoFrame);
    Memo1.setFont(PixelFont(QStringLiteral("Liberation Sans"), 16));
    Flat(Memo1, Qt::black, QColor(113, 225, 0));
    Memo1.viewport()->setAutoFillBackground(true);
    Memo1.setPlainText(QCoreApplication::translate("Trul", NotFound));

    Panel1.setGeometry(16, 434, 561, 30);
    Panel1.setFont(PixelFont(QStringLiteral("Liberation Serif"), 19));
    Flat(Panel1, Qt::black, Qt::white);

    for (QWidget* w : std::initializer_list<QWidget*>{&Panel2, &Panel3, &Panel4, &Panel5, &Memo1, &Panel1}) controls_.Add(w);
    CentreOnScreen();
}

void Tureadme::CentreOnScreen() {
    const QRect s = display::GameRect();
    move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
}

void Tureadme::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        const zoom::Zoom zoom = display::Current();
        setFixedSize(zoom.ToWindow(QRect(0, 0, ViewerWidth, ViewerHeight)).size());
        controls_.Apply(zoom);
        CentreOnScreen();
    }
    Trul::showEvent(event);
}

}  // namespace tesseron
