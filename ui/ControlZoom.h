// The ordinary controls of a window at any zoom: their places, sizes and fonts are
// taken as they were set for 1x the first time each is zoomed, and every
// zoom after that works from those, so rounding never adds up.
#pragma once

#include "draw/Zoom.h"

#include <QFont>
#include <QRect>
#include <QWidget>

#include <vector>

class QMessageBox;

namespace tesseron {

// A message box at the zoom: its text k times its size and its icon too, the style's
// own picture asked at that size.
void ZoomMessageBox(QMessageBox& box, const zoom::Zoom& zoom);

class ControlZoom {
public:
    // A control to follow; its 1x place and font are read at the first Apply.
    void Add(QWidget* control) { controls_.push_back({control, {}, {}, false}); }
    // A font kept apart from the control (the look of a pointed-at link).
    void AddFont(QFont* font) { fonts_.push_back({font, {}, false}); }

    // Places every control at its 1x place times the zoom, with its font k times its size.
    void Apply(const zoom::Zoom& zoom);
    // A control's 1x rectangle (after the first Apply).
    QRect AtOne(const QWidget* control) const;

private:
    struct Control {
        QWidget* widget;
        QRect geometry;
        QFont font;
        bool taken;
    };
    struct Font {
        QFont* font;
        QFont atOne;
        bool taken;
    };
    std::vector<Control> controls_;
    std::vector<Font> fonts_;
};

}  // namespace tesseron
