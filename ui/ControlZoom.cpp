#include "ui/ControlZoom.h"

namespace tesseron {

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
