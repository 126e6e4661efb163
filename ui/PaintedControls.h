// Controls a window draws itself rather than placing widgets (corner icons, side
// buttons, switches, links, the hall of fame's lines): what the keyboard focus and
// screen readers need of each.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace tesseron {

struct PaintedControl {
    // Button, CheckBox, RadioButton, Link, StaticText, List (with `items`), ListItem,
    // Graphic (the field).
    QAccessible::Role role = QAccessible::Button;
    QString name;         // as its hint or caption says it, translated
    QString description;  // what a reader adds: the field's bricks, a line's score
    QRect rect;           // where it stands, in window units
    bool checkable = false;
    bool checked = false;
    bool focused = false;  // the keyboard's focus frame is on it
    // Exactly what a click on it does, sound included; empty for what only shows.
    std::function<void()> press;
    std::vector<PaintedControl> items;  // a list's lines
    // The widgets it is drawn with (a link's label, its logo): screen readers are
    // given the control in their place.
    std::vector<const QObject*> drawnWith;
};

// A window of painted controls lists them in reading order. The list is made anew each
// time it is asked for, so it always follows the window's state.
class PaintedControls {
public:
    virtual ~PaintedControls() = default;
    virtual std::vector<PaintedControl> Controls() const = 0;
};

}  // namespace tesseron
