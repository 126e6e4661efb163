#include "draw/BitmapText.h"

#include <QCoreApplication>

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

// Letters that Unicode does not decompose into a base letter and a mark.
struct Undecomposed {
    char16_t letter;
    const char* spelled;
};
const Undecomposed Spellings[] = {
    {u'ß', "SS"}, {u'ẞ', "SS"}, {u'Æ', "AE"}, {u'æ', "AE"}, {u'Œ', "OE"}, {u'œ', "OE"}, {u'Ø', "O"},
    {u'ø', "O"},  {u'Ł', "L"},  {u'ł', "L"},  {u'Đ', "D"},  {u'đ', "D"},  {u'Ð', "D"},  {u'ð', "D"},
    {u'Þ', "TH"}, {u'þ', "TH"}, {u'Ħ', "H"},  {u'ħ', "H"},  {u'ı', "I"},  {u'Ŧ', "T"},  {u'ŧ', "T"},
};

bool HasGlyph(char c, int font) {
    const FontTables& t = Tables[font];
    return c != 0 && (std::strchr(t.primary, c) || std::strchr(t.alternate, c));
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

QByteArray FoldCaption(const QString& text, int font) {
    if (font < 1 || font > 3) return {};
    QByteArray out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        // The marks an accented letter decomposes into are left off.
        if (c.isMark()) continue;
        if (c.isSpace()) {
            out += ' ';
            continue;
        }
        const char* spelled = nullptr;
        for (const Undecomposed& u : Spellings)
            if (c.unicode() == u.letter) spelled = u.spelled;
        const QByteArray letters = spelled ? QByteArray(spelled) : QByteArray(1, c.unicode() < 128 ? char(c.unicode()) : '\0');
        for (const char l : letters)
            if (!HasGlyph(l, font)) return {};
        out += letters.toUpper();
    }
    return out;
}

QByteArray ChooseCaption(const QString& translated, const char* source, int font, int room) {
    const QByteArray english(source);
    if (font < 1 || font > 3) return english;
    const QByteArray folded = FoldCaption(translated, font).trimmed();
    if (folded.isEmpty() || qint64(folded.size()) * FontAdvance[font] > room) return english;
    return folded;
}

void DrawCaption(int x, int y, Surface& target, const Skin& skin, int font, int room, const char* context, const char* source) {
    const QString translated = QCoreApplication::translate(context, source);
    DrawString(x, y, target, skin, font, ChooseCaption(translated, source, font, room));
}

}  // namespace tesseron
