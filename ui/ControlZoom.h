// The ordinary controls of a window at any zoom: their places, sizes and fonts are
// taken as they were set for 1x the first time each is zoomed, and every
// zoom after that works from those, so rounding never adds up.
#pragma once

#include "draw/Zoom.h"

#include <QFont>
#include <QMessageBox>
#include <QRect>
#include <QWidget>

#include <vector>

namespace tesseron {

// A message box at the zoom: its text and its icon k times their size, and laid out as
// the 1x box would be on the zoomed screen.
class ZoomedMessageBox : public QMessageBox {
public:
    ZoomedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent,
                     const zoom::Zoom& zoom);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Sizes the box as the 1x one would be on the zoomed screen, k times as large.
    void Fit();
    zoom::Zoom zoom_;
};

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
