#include "draw/Surface.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace tesseron {

namespace {

// Opaque copy of one scanline piece; the surface is RGB32, so alpha must be 0xff.
inline void CopyRow(QRgb* dst, const uchar* srcLine, QImage::Format format, int sx, int n) {
    if (format == QImage::Format_RGB32) {
        std::memmove(dst, reinterpret_cast<const QRgb*>(srcLine) + sx, size_t(n) * sizeof(QRgb));
    } else {
        const QRgb* s = reinterpret_cast<const QRgb*>(srcLine) + sx;
        for (int i = 0; i < n; ++i) dst[i] = s[i] | 0xff000000u;
    }
}

}  // namespace

void Surface::Resize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    size_ = QSize(width, height);
    image_ = QImage();
    dirty_ = QRegion(QRect(QPoint(0, 0), size_));
}

QImage& Surface::Pixels() const {
    if (image_.isNull() && !size_.isEmpty()) {
        image_ = QImage(size_, QImage::Format_RGB32);
        image_.fill(qRgb(0, 0, 0));
    }
    return image_;
}

void Surface::Copy(const QImage& src, const QRect& from, const QRect& to) {
    if (log_) log_->push_back(to);
    if (src.isNull() || from.isEmpty() || to.isEmpty() || Pixels().isNull()) return;

    // Sources in other formats are converted piecewise; skin images are RGB32 already.
    if (src.format() != QImage::Format_RGB32 && src.format() != QImage::Format_ARGB32) {
        const QRect part = from.intersected(src.rect());
        if (part.isEmpty()) return;
        const QImage converted = src.copy(part).convertToFormat(QImage::Format_RGB32);
        // Re-express `from` relative to the converted piece so the mapping stays the same.
        std::vector<QRect>* log = std::exchange(log_, nullptr);
        Copy(converted, from.translated(-part.topLeft()), to);
        log_ = log;
        return;
    }

    const QImage::Format format = src.format();
    const QRect target = image_.rect();
    const int stride = int(image_.bytesPerLine() / sizeof(QRgb));
    QRgb* const base = reinterpret_cast<QRgb*>(image_.bits());

    if (from.size() == to.size()) {
        // Unscaled: clip against the source and the surface together.
        const QPoint shift = to.topLeft() - from.topLeft();
        QRect s = from.intersected(src.rect());
        s = s.intersected(target.translated(-shift));
        if (s.isEmpty()) return;
        const QRect d = s.translated(shift);
        for (int row = 0; row < s.height(); ++row) {
            CopyRow(base + size_t(d.top() + row) * stride + d.left(), src.constScanLine(s.top() + row), format, s.left(),
                    s.width());
        }
        Touched(d);
        return;
    }

    // Scaled, nearest pixel by centre: destination pixel i of n samples source pixel
    // floor((2i + 1) * m / 2n) of m. Source pixels outside the image draw nothing.
    const QRect d = to.intersected(target);
    if (d.isEmpty()) return;
    const int64_t fw = from.width(), fh = from.height(), tw = to.width(), th = to.height();
    QRect drawn;
    for (int y = d.top(); y <= d.bottom(); ++y) {
        const int sy = from.top() + int(((2 * int64_t(y - to.top()) + 1) * fh) / (2 * th));
        if (sy < 0 || sy >= src.height()) continue;
        const QRgb* sline = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        QRgb* dline = base + size_t(y) * stride;
        for (int x = d.left(); x <= d.right(); ++x) {
            const int sx = from.left() + int(((2 * int64_t(x - to.left()) + 1) * fw) / (2 * tw));
            if (sx < 0 || sx >= src.width()) continue;
            dline[x] = sline[sx] | 0xff000000u;
            drawn |= QRect(x, y, 1, 1);
        }
    }
    if (!drawn.isEmpty()) Touched(drawn);
}

void Surface::Draw(const QImage& src, const QPoint& at) { Copy(src, src.rect(), QRect(at, src.size())); }

void Surface::Fill(const QRect& rect, QRgb colour) {
    if (log_) log_->push_back(rect);
    const QRect d = rect.intersected(QRect(QPoint(0, 0), size_));
    if (d.isEmpty()) return;
    if (image_.isNull() && qRed(colour) == 0 && qGreen(colour) == 0 && qBlue(colour) == 0) {
        Touched(d);  // pixels not made yet are black already
        return;
    }
    if (Pixels().isNull()) return;
    const QRgb value = colour | 0xff000000u;
    for (int y = d.top(); y <= d.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y)) + d.left();
        for (int x = 0; x < d.width(); ++x) line[x] = value;
    }
    Touched(d);
}

QRegion Surface::TakeDirty() { return std::exchange(dirty_, QRegion()); }

void Surface::Touched(const QRect& rect) {
    // A region that already covers the rectangle in one piece needs no union (the
    // common case during a full repaint, after the background made it whole).
    if (dirty_.rectCount() == 1 && dirty_.boundingRect().contains(rect)) return;
    dirty_ += rect;
}

}  // namespace tesseron
