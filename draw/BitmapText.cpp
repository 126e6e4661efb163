#include "draw/BitmapText.h"

#include <climits>
#include <cstring>

namespace tesseron {

namespace {

struct FontTables {
    const char* primary;
    const char* alternate;
    int defaultGlyph;
};

// Glyph n of a strip draws the character at position n of either table.
const FontTables Tables[4] = {
    {"", "", 0},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-=:;\"$#@%()&!", "abcdefghijklmnopqrstuvwxyz0123456789+-=:;\"$#@%()&!", 37},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", 1},
    {"0123456789", "0123456789", 1},
};

const QImage* Strip(const Skin& skin, int font) {
    switch (font) {
    case 1: return &skin.font1;
    case 2: return &skin.font2;
    case 3: return &skin.font3;
    default: return nullptr;
    }
}

}  // namespace

int GlyphIndex(unsigned char character, int font) {
    if (font < 1 || font > 3) return 0;
    const FontTables& t = Tables[font];
    if (character != 0) {
        if (const char* p = std::strchr(t.primary, character)) return int(p - t.primary) + 1;
        if (const char* p = std::strchr(t.alternate, character)) return int(p - t.alternate) + 1;
    }
    return t.defaultGlyph;
}

void DrawLetter(int x, int y, Surface& target, const Skin& skin, int font, unsigned char character) {
    const QImage* strip = Strip(skin, font);
    if (!strip) return;
    const int w = FontAdvance[font], h = FontHeight[font];
    const int n = GlyphIndex(character, font);
    target.Copy(*strip, QRect(w * (n - 1), 0, w, h), QRect(x, y, w, h));
}

void DrawString(int x, int y, Surface& target, const Skin& skin, int font, const QByteArray& text) {
    if (font < 1 || font > 3) return;
    const int advance = FontAdvance[font];
    for (qsizetype i = 0; i < text.size(); ++i) {
        const long long left = x + static_cast<long long>(i) * advance;
        if (left > INT_MAX - advance) break;  // no further glyph can land on any surface
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != ' ') DrawLetter(int(left), y, target, skin, font, c);
    }
}

}  // namespace tesseron
