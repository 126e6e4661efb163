// Text drawn glyph by glyph from the skin's three glyph strips.
#pragma once

#include "draw/Layout.h"
#include "draw/Skin.h"
#include "draw/Surface.h"

#include <QByteArray>

namespace tesseron {

using layout::FontAdvance;  // glyph width and advance of fonts 1..3
using layout::FontHeight;

// Glyph number (from 1) that draws the character in the font (1..3).
int GlyphIndex(unsigned char character, int font);
// One glyph at (x, y); a font other than 1..3 draws nothing.
void DrawLetter(int x, int y, Surface& target, const Skin& skin, int font, unsigned char character);
// Left to right at the font's advance; a space takes its advance and draws nothing.
void DrawString(int x, int y, Surface& target, const Skin& skin, int font, const QByteArray& text);

}  // namespace tesseron
