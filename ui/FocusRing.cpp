#include "ui/FocusRing.h"

#include "draw/FocusFrame.h"
#include "ui/SkinnedWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWidget>

namespace tesseron {

// The whole window, transparent but for the frame it paints.
class FocusRing::Layer : public QWidget {
public:
    Layer(FocusRing& ring, QWidget* window) : QWidget(window), ring_(ring) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window->rect());
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QRect frame = ring_.Frame();
        if (frame.isEmpty()) return;
        QPainter painter(this);
        const zoom::Zoom& zoom = ring_.window_.Zoom();
        for (const focus::Stroke& s : focus::Strokes({frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1}))
            painter.fillRect(zoom.ToWindow(s.rect), QColor(s.colour));
    }

private:
    FocusRing& ring_;
};

FocusRing::FocusRing(SkinnedWindow& window, const PaintedControls& controls, std::function<QRect(int)> around, Start start)
    : QObject(&window), window_(window), controls_(controls), around_(std::move(around)), start_(start),
      layer_(new Layer(*this, &window)) {
    window.installEventFilter(this);
    Reset();
}

FocusRing::~FocusRing() = default;

QRect FocusRing::Frame() const {
    if (!shown_) return {};
    // Round the control, kept on the screen: the close icon sits in its corner.
    const QRect box = around_(at_).adjusted(-focus::Thickness, -focus::Thickness, focus::Thickness, focus::Thickness);
    return box.intersected(QRect(QPoint(0, 0), window_.Zoom().Zoomed()));
}

int FocusRing::Next(bool forward) const {
    const std::vector<PaintedControl> controls = controls_.Controls();
    const int n = int(controls.size());
    for (int step = 1; step <= n; ++step) {
        const int i = ((at_ + (forward ? step : -step)) % n + n) % n;
        if (controls[i].press) return i;
    }
    return at_;
}

void FocusRing::Show(bool shown, int at) {
    const zoom::Zoom& zoom = window_.Zoom();
    layer_->update(zoom.ToWindow(Frame()));
    shown_ = shown;
    at_ = at;
    layer_->update(zoom.ToWindow(Frame()));
}

void FocusRing::Reset() { Show(start_ == Start::Shown, 0); }

bool FocusRing::Key(int key, Qt::KeyboardModifiers mods) {
    mods &= ~Qt::KeypadModifier;
    int direction = 0;
    // Shift+Tab comes as Backtab, with or without the Shift it was typed with.
    if (key == Qt::Key_Backtab && (mods == Qt::ShiftModifier || mods == Qt::NoModifier)) direction = -1;
    if (mods == Qt::NoModifier) switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Right:
        case Qt::Key_Down: direction = 1; break;
        case Qt::Key_Left:
        case Qt::Key_Up: direction = -1; break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!shown_) {
                Show(true, at_);  // nothing pressed that the player could not see
            } else {
                const std::vector<PaintedControl> controls = controls_.Controls();
                if (at_ < int(controls.size()) && controls[at_].press) controls[at_].press();
            }
            return true;
        default: break;
        }
    if (direction == 0) return false;
    // A hidden frame first shows where the focus is, so the player sees it before it moves.
    Show(true, shown_ ? Next(direction > 0) : at_);
    return true;
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* k = static_cast<QKeyEvent*>(event);
            return Key(k->key(), k->modifiers());
        }
        // Not when the window system merely restores it.
        case QEvent::Show:
            if (!event->spontaneous()) Reset();
            break;
        case QEvent::Resize:
            layer_->setGeometry(QRect(QPoint(0, 0), static_cast<QResizeEvent*>(event)->size()));
            layer_->raise();
            break;
        default: break;
        }
    return QObject::eventFilter(watched, event);
}

}  // namespace tesseron
