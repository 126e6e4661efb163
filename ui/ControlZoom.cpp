#include "ui/ControlZoom.h"

#include <QMessageBox>
#include <QPixmap>
#include <QProxyStyle>

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

void ZoomMessageBox(QMessageBox& box, const zoom::Zoom& zoom) {
    box.setFont(zoom.Font(box.font()));
    if (zoom.Scale() == 1) return;
    auto* style = new ZoomedIconStyle(zoom);
    style->setParent(&box);  // goes with the box
    box.setStyle(style);
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
