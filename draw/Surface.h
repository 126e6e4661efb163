// A window's drawing surface. Handlers draw into it at once and the touched
// rectangles are remembered; the window's paint event then copies only the
// marked part to the screen.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <vector>

namespace tesseron {

class Surface {
public:
    // A new black surface of this size, marked for update as a whole. Its pixels
    // are only allocated when first drawn or read.
    void Resize(int width, int height);
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    const QImage& image() const { return Pixels(); }
    // Gives the pixels back, keeping the size; the next use finds the surface black.
    void Release() { image_ = QImage(); }

    // Copies rectangle `from` of `src` to rectangle `to`, scaling when the sizes
    // differ. Not transparent: the destination takes the source's pixels. A part
    // of `from` that lies outside `src` draws nothing.
    void Copy(const QImage& src, const QRect& from, const QRect& to);
    // Puts the whole of `src` at its natural size with its top-left corner at `at`.
    void Draw(const QImage& src, const QPoint& at);
    void Fill(const QRect& rect, QRgb colour);

    // The region drawn since the last call; clears it.
    QRegion TakeDirty();
    const QRegion& Dirty() const { return dirty_; }

    // When set, every Copy, Draw and Fill appends its destination rectangle, as asked
    // for before clipping (used by tests and benchmarks to see exactly what was drawn).
    void SetRecorder(std::vector<QRect>* log) { log_ = log; }

private:
    void Touched(const QRect& rect);
    QImage& Pixels() const;

    QSize size_;
    mutable QImage image_;
    QRegion dirty_;
    std::vector<QRect>* log_ = nullptr;
};

}  // namespace tesseron
