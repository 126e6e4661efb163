// The keyboard's focus frame, the same on every window: a white outline two pixels wide
// with a dark line inside it, drawn here rather than from the skin so that it shows on
// light and dark pictures alike.
#pragma once

#include "draw/Layout.h"
#include "draw/Surface.h"

#include <QRect>
#include <QRgb>

#include <array>

namespace tesseron::focus {

struct Stroke {
    QRect rect;  // in skin pixels
    QRgb colour;
};

// How far the frame reaches into its box.
constexpr int Thickness = layout::FocusFrameWidth;
static_assert(Thickness == 3, "the strokes below are two light pixels and one dark");

// The outline first, then the dark line, each as top, bottom, left and right.
inline std::array<Stroke, 8> Strokes(const layout::Box& b) {
    const int w = b.width(), h = b.height();
    const QRgb light = qRgb(255, 255, 255), dark = qRgb(0, 0, 0);
    return {{{QRect(b.left, b.top, w, 2), light},
             {QRect(b.left, b.bottom - 2, w, 2), light},
             {QRect(b.left, b.top + 2, 2, h - 4), light},
             {QRect(b.right - 2, b.top + 2, 2, h - 4), light},
             {QRect(b.left + 2, b.top + 2, w - 4, 1), dark},
             {QRect(b.left + 2, b.bottom - 3, w - 4, 1), dark},
             {QRect(b.left + 2, b.top + 3, 1, h - 6), dark},
             {QRect(b.right - 3, b.top + 3, 1, h - 6), dark}}};
}

inline void Draw(Surface& surface, const layout::Box& b) {
    for (const Stroke& s : Strokes(b)) surface.Fill(s.rect, s.colour);
}

}  // namespace tesseron::focus
