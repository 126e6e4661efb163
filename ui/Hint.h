// The hint of a painted control: a small label shown beside the control, never over
// it, and never in the way of a press. The window system lets the pointer through it
// where it can; a press or move that still reaches it goes on to the window below, so
// a press runs exactly as it would without the hint.
#pragma once

#include <QLabel>
#include <QRect>
#include <QTimer>

namespace tesseron {

class Hint : public QLabel {
public:
    // Presses and moves that reach the hint go on to `owner`.
    explicit Hint(QWidget* owner);

    // Shows `text` for the control at `control` (the owner's coordinates), below it and
    // starting at the pointer's column, or above it where the screen ends.
    void ShowFor(const QString& text, const QRect& control, const QPoint& globalPointer);
    // Hides the hint once the pointer is off its control (the owner's coordinates).
    void Follow(const QPoint& pointer);
    const QRect& Control() const { return control_; }

protected:
    bool event(QEvent* event) override;

private:
    QWidget* owner_;
    QRect control_;
    QTimer expiry_;
};

}  // namespace tesseron
