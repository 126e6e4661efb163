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

// The application's style at the zoom, for a message box and everything in it: its
// margins, spacings and button padding k times as large, and its icon too, the style's own
// picture at that size or, where it has none that large, its 1x picture as k x k blocks.
// The box takes its icon anew when its style changes, and still says which it shows.
class ZoomedBoxStyle : public QProxyStyle {
public:
    explicit ZoomedBoxStyle(const zoom::Zoom& zoom) : zoom_(zoom) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return Zoomed(QProxyStyle::pixelMetric(metric, option, widget));
    }
    int layoutSpacing(QSizePolicy::ControlType one, QSizePolicy::ControlType two, Qt::Orientation orientation,
                      const QStyleOption* option, const QWidget* widget) const override {
        return Zoomed(QProxyStyle::layoutSpacing(one, two, orientation, option, widget));
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
    // Rounded up, so that the box never asks for fewer device pixels than there are; a
    // negative answer means "ask elsewhere" and stays as it is.
    int Zoomed(int atOne) const { return atOne <= 0 ? atOne : int(std::ceil(atOne * zoom_.Scale() - 1e-9)); }

    zoom::Zoom zoom_;
};

}  // namespace

ZoomedMessageBox::ZoomedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent,
                                   const zoom::Zoom& zoom)
    : QMessageBox(icon, title, text, buttons, parent), zoom_(zoom) {
    setFont(zoom.Font(font()));
    if (zoom.Scale() == 1) return;
    auto* style = new ZoomedBoxStyle(zoom);
    style->setParent(this);  // goes with the box
    setStyle(style);
    // A widget's style is its own, not its children's: the label, the icon and the buttons.
    for (QWidget* part : findChildren<QWidget*>()) part->setStyle(style);
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
