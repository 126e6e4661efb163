#include "ui/ControlZoom.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QProxyStyle>

#include <algorithm>
#include <cmath>

namespace tesseron {

namespace {

// The application's style with the message-box icon k times as large: the style's own
// picture at that size, or where it has none that large its 1x picture as k x k blocks.
// The box takes its icon anew when its style changes, and still says which it shows.
class ZoomedIconStyle : public QProxyStyle {
public:
    explicit ZoomedIconStyle(const zoom::Zoom& zoom) : zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int atOne = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_MessageBoxIconSize) return atOne;
        // Rounded up, so that the box never asks for fewer device pixels than there are.
        return int(std::ceil(atOne * zoom_.Scale() - 1e-9));
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        const QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        if (which < SP_MessageBoxInformation || which > SP_MessageBoxQuestion || icon.isNull()) return icon;
        // What the box shows at 1x, which may be smaller than it asks for.
        const int asked = QProxyStyle::pixelMetric(PM_MessageBoxIconSize, nullptr, widget);
        const QPixmap atOne = icon.pixmap(QSize(asked, asked), 1.0);
        const QSize size = atOne.size() * zoom_.k;
        QPixmap large = icon.pixmap(size, 1.0);
        if (large.size() != size)
            large = QPixmap::fromImage(atOne.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        return QIcon(large);
    }

private:
    zoom::Zoom zoom_;
};

}  // namespace

ZoomedMessageBox::ZoomedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                                   QWidget* parent, const zoom::Zoom& zoom)
    : QMessageBox(icon, title, text, buttons, parent), zoom_(zoom) {
    setFont(zoom.Font(font()));
    if (zoom.Scale() == 1) return;
    auto* style = new ZoomedIconStyle(zoom);
    style->setParent(this);  // goes with the box
    setStyle(style);
}

void ZoomedMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    if (zoom_.Scale() == 1) return;
    Fit();
    adjustPosition(parentWidget());
}

bool ZoomedMessageBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);
    // The box sizes itself anew on a layout request, with the limits of the real screen.
    if (event->type() == QEvent::LayoutRequest && isVisible() && zoom_.Scale() != 1) Fit();
    return handled;
}

void ZoomedMessageBox::Fit() {
    // Qt wraps a box's text at half the screen, 500 units at most: k times the text on the
    // same width would wrap into k times the lines. The limit is taken on the zoomed screen.
    QLabel* label = nullptr;
    for (QLabel* l : findChildren<QLabel*>())
        if (l->text() == text()) label = l;
    if (!label || !layout()) return;
    const int wrapAt = zoom_.Length(std::min(zoom_.Zoomed().width() / 2, 500));
    label->setWordWrap(false);
    layout()->activate();
    int width = layout()->totalMinimumSize().width();
    if (width > wrapAt) {
        label->setWordWrap(true);
        layout()->activate();
        width = std::max(wrapAt, layout()->totalMinimumSize().width());
    }
    layout()->activate();
    const int height =
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : layout()->totalMinimumSize().height();
    setFixedSize(width, height);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);  // this one is answered
}

void ControlZoom::Apply(const zoom::Zoom& zoom) {
    for (Control& c : controls_) {
        if (!c.taken) {
            c.geometry = c.widget->geometry();
            c.font = c.widget->font();
            c.taken = true;
        }
        c.widget->setFont(zoom.Font(c.font));
        c.widget->setGeometry(zoom.ToWindow(c.geometry));
    }
    for (Font& f : fonts_) {
        if (!f.taken) {
            f.atOne = *f.font;
            f.taken = true;
        }
        *f.font = zoom.Font(f.atOne);
    }
}

QRect ControlZoom::AtOne(const QWidget* control) const {
    for (const Control& c : controls_)
        if (c.widget == control) return c.geometry;
    return {};
}

}  // namespace tesseron
