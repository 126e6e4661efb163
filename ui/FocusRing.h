// The keyboard's focus over a skinned window's painted controls: Tab, Shift+Tab and the
// arrows move it through the window's Controls() in their order, wrapping at the ends,
// and Space or Return presses the control in focus exactly as a click does. Its frame
// looks like the game window's lane frame and lies on a layer above the window's labels
// that lets the pointer through, so the pointer and the keys never undo each other.
#pragma once

#include "ui/PaintedControls.h"

#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

namespace tesseron {

class SkinnedWindow;

class FocusRing : public QObject {
public:
    // Hidden: the first key only shows the frame, so a pointer player sees the window
    // as it always was. Shown: the frame is there as the window opens.
    enum class Start { Hidden, Shown };
    // `around(i)` is the box of control i, in skin pixels, that the frame goes round.
    FocusRing(SkinnedWindow& window, const PaintedControls& controls, std::function<QRect(int)> around, Start start);
    ~FocusRing() override;

    // The control in focus, an index into Controls(); whether its frame shows.
    int At() const { return at_; }
    bool Shown() const { return shown_; }
    // True when the focus is on control i and the player can see it.
    bool Framed(int i) const { return shown_ && at_ == i; }

    // A key for the ring; false when it is not one of its keys.
    bool Key(int key, Qt::KeyboardModifiers mods);
    // As the window opens: the first control, the frame as at the start.
    void Reset();

    // Where the frame stands, in skin pixels; empty while hidden.
    QRect Frame() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Layer;
    // The next control a click could press, forwards or back from the one in focus.
    int Next(bool forward) const;
    void Show(bool shown, int at);

    SkinnedWindow& window_;
    const PaintedControls& controls_;
    std::function<QRect(int)> around_;
    Start start_;
    int at_ = 0;
    bool shown_ = false;
    Layer* layer_;  // a child of the window, which deletes it
};

}  // namespace tesseron
