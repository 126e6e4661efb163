#include "ui/ShelLink.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPalette>

namespace tesseron {

TShellLink::TShellLink(QWidget* parent, OpenFunction open)
    : QLabel(parent), FocusFont(font()), FocusColor(Color()), savedFont_(font()), savedColor_(Color()),
      open_(open ? std::move(open) : OpenFunction([](const QUrl& url) { QDesktopServices::openUrl(url); })) {}

void TShellLink::SetColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor TShellLink::Color() const { return palette().color(QPalette::WindowText); }

void TShellLink::Click() {
    if (Link.isEmpty()) return;
    open_(QUrl(Link.left(MaxLink)));
}

void TShellLink::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    // A second enter without a leave would save the focus look as the normal one.
    if (!pointedAt_) {
        savedFont_ = font();
        savedColor_ = Color();
        pointedAt_ = true;
    }
    setFont(FocusFont);
    SetColor(FocusColor);
    if (OnMouseEnter) OnMouseEnter(this);
}

void TShellLink::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (pointedAt_) {
        setFont(savedFont_);
        SetColor(savedColor_);
        pointedAt_ = false;
    }
    if (OnMouseLeave) OnMouseLeave(this);
}

void TShellLink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}

}  // namespace tesseron
