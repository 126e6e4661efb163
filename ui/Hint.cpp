#include "ui/Hint.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace tesseron {

namespace {

constexpr int Gap = 4;           // between the control and its hint
constexpr int ShownFor = 10000;  // ms, as long as Qt shows a short tooltip

}  // namespace

Hint::Hint(QWidget* owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      owner_(owner) {
    setObjectName(QStringLiteral("hint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);  // moves without a button are passed on too
    // Drawn as the desktop draws its tooltips.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    expiry_.setSingleShot(true);
    expiry_.setInterval(ShownFor);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
}

void Hint::ShowFor(const QString& text, const QRect& control, const QPoint& globalPointer) {
    control_ = control;
    setText(text);
    adjustSize();
    const QRect global(owner_->mapToGlobal(control.topLeft()), control.size());
    const QScreen* screen = owner_->screen();
    const QRect room = screen ? screen->geometry() : global;
    QPoint at(globalPointer.x(), global.bottom() + 1 + Gap);
    if (at.y() + height() > room.bottom() + 1) at.setY(global.top() - Gap - height());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
    move(at);
    show();
    raise();
    expiry_.start();
}

void Hint::Follow(const QPoint& pointer) {
    if (isVisible() && !control_.contains(pointer)) hide();
}

bool Hint::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        // Where the window system could not let it through: the owner gets it as its own.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() != QEvent::MouseMove) hide();
        const QPointF global = mouse->globalPosition();
        QMouseEvent passed(mouse->type(), owner_->mapFromGlobal(global), global, mouse->button(), mouse->buttons(),
                           mouse->modifiers(), mouse->pointingDevice());
        QApplication::sendEvent(owner_, &passed);
        return true;
    }
    default: return QLabel::event(event);
    }
}

}  // namespace tesseron
