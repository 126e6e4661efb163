// Text drawn glyph by glyph from the skin's three glyph strips.
#pragma once

#include "draw/Layout.h"
#include "draw/Skin.h"
#include "draw/Surface.h"

#include <QByteArray>
#include <QString>

namespace tesseron {

using layout::FontAdvance;  // glyph width and advance of fonts 1..3
using layout::FontHeight;

// Glyph number (from 1) that draws the character in the font (1..3).
int GlyphIndex(unsigned char character, int font);
// One glyph at (x, y); a font other than 1..3 draws nothing.
void DrawLetter(int x, int y, Surface& target, const Skin& skin, int font, unsigned char character);
// Left to right at the font's advance; a space takes its advance and draws nothing.
void DrawString(int x, int y, Surface& target, const Skin& skin, int font, const QByteArray& text);

// `text` spelled with the glyphs the font has: accented letters as their base letters
// ("Ü" as "U", "ß" as "SS", "Ł" as "L"); empty when some character has no glyph.
QByteArray FoldCaption(const QString& text, int font);
// What a caption shows: `translated` folded, when it has glyphs for every letter and
// fits `room` pixels; otherwise the English `source`.
QByteArray ChooseCaption(const QString& translated, const char* source, int font, int room);
// A caption translated in `context`, drawn with the skin's glyphs within `room` pixels
// to the right of x (see ChooseCaption).
void DrawCaption(int x, int y, Surface& target, const Skin& skin, int font, int room, const char* context, const char* source);

}  // namespace tesseron
