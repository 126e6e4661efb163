#include "support/ui_skin_fixture.h"
#include "draw/BitmapText.h"

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using namespace test;

TEST(GlyphIndexTest, LettersOfEitherCaseShareTheirGlyph) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(GlyphIndex('A' + i, 1), i + 1);
        EXPECT_EQ(GlyphIndex('a' + i, 1), i + 1);
        EXPECT_EQ(GlyphIndex('A' + i, 2), i + 1);
        EXPECT_EQ(GlyphIndex('a' + i, 2), i + 1);
    }
}

TEST(GlyphIndexTest, DigitsAndSignsOfFontOne) {
    EXPECT_EQ(GlyphIndex('3', 1), 30);
    EXPECT_EQ(GlyphIndex(':', 1), 40);
    EXPECT_EQ(GlyphIndex('0', 1), 27);
    EXPECT_EQ(GlyphIndex('5', 1), 32);
    const char signs[] = "+-=:;\"$#@%()&!";
    for (int i = 0; i < 14; ++i) EXPECT_EQ(GlyphIndex(static_cast<unsigned char>(signs[i]), 1), 37 + i) << signs[i];
}

TEST(GlyphIndexTest, UnlistedCharactersTakeTheDefaultGlyph) {
    EXPECT_EQ(GlyphIndex('.', 1), 37);
    EXPECT_EQ(GlyphIndex(',', 1), 37);
    EXPECT_EQ(GlyphIndex(' ', 1), 37);
    EXPECT_EQ(GlyphIndex(0, 1), 37);
    EXPECT_EQ(GlyphIndex('7', 2), 1);
    EXPECT_EQ(GlyphIndex('!', 2), 1);
    EXPECT_EQ(GlyphIndex('A', 3), 1);
    EXPECT_EQ(GlyphIndex('-', 3), 1);
    for (int c = 128; c < 256; ++c) {
        EXPECT_EQ(GlyphIndex(static_cast<unsigned char>(c), 1), 37);
        EXPECT_EQ(GlyphIndex(static_cast<unsigned char>(c), 2), 1);
        EXPECT_EQ(GlyphIndex(static_cast<unsigned char>(c), 3), 1);
    }
    for (int d = 0; d < 10; ++d) EXPECT_EQ(GlyphIndex('0' + d, 3), d + 1);
}

class BitmapTextTest : public ::testing::Test {
protected:
    BitmapTextTest() {
        coded.LoadInto(skin);
        surface.Resize(800, 200);
        surface.SetRecorder(&log);
    }
    CodedSkinDir coded;
    Skin skin;
    Surface surface;
    std::vector<QRect> log;
};

TEST_F(BitmapTextTest, LetterCopiesItsGlyphRegionOfEachFont) {
    DrawLetter(5, 7, surface, skin, 1, 'c');
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(5, 7, 20, 30), SheetFont1, QRect(40, 0, 20, 30)));
    DrawLetter(100, 50, surface, skin, 2, 'Z');
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(100, 50, 30, 45), SheetFont2, QRect(750, 0, 30, 45)));
    DrawLetter(300, 0, surface, skin, 3, '9');
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(300, 0, 20, 30), SheetFont3, QRect(180, 0, 20, 30)));
    DrawLetter(400, 0, surface, skin, 1, '!');
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(400, 0, 20, 30), SheetFont1, QRect(980, 0, 20, 30)));
}

TEST_F(BitmapTextTest, OtherFontNumbersDrawNothing) {
    for (int font : {0, 4, -1, 1000}) {
        DrawLetter(0, 0, surface, skin, font, 'A');
        DrawString(0, 0, surface, skin, font, "ABC");
    }
    DrawString(0, 0, surface, skin, 1, "");
    EXPECT_TRUE(log.empty());
}

TEST_F(BitmapTextTest, SpacesTakeTheirAdvanceAndDrawNothing) {
    surface.TakeDirty();
    DrawString(10, 5, surface, skin, 2, "HALL OF FAME");
    std::vector<QRect> expected;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9, 10, 11}) expected.push_back(QRect(10 + 30 * i, 5, 30, 45));
    EXPECT_EQ(log, expected);
    EXPECT_EQ(surface.TakeDirty().boundingRect(), QRect(10, 5, 360, 45));
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(10 + 30 * 11, 5, 30, 45), SheetFont2, QRect(30 * 4, 0, 30, 45)));
    EXPECT_EQ(surface.image().pixel(10 + 30 * 4 + 5, 20), qRgb(0, 0, 0));
}

TEST_F(BitmapTextTest, NegativeNumberInTheDigitFontShowsItsMinusAsZero) {
    DrawString(0, 100, surface, skin, 3, "-12");
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(0, 100, 20, 30), SheetFont3, QRect(0, 0, 20, 30)));
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(20, 100, 20, 30), SheetFont3, QRect(20, 0, 20, 30)));
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(40, 100, 20, 30), SheetFont3, QRect(40, 0, 20, 30)));
}

// --- Translated captions ------------------------------------------------------

struct CaptionCase {
    const char* why;
    const char* translated;  // UTF-8
    const char* source;
    int font;
    int room;
    const char* drawn;
};

const CaptionCase CaptionCases[] = {
    {"German umlauts drop their dots", "ANZAHL DER FARBEN", "NUMBER OF COLORS", 1, 340, "ANZAHL DER FARBEN"},
    {"German umlauts drop their dots", "KLÄNGE", "SOUNDS", 1, 340, "KLANGE"},
    {"German O and U umlauts", "ÖFFNEN ÜBER", "SKIN", 1, 340, "OFFNEN UBER"},
    {"sharp s is spelled SS", "SCHLIEßEN", "SKIN", 1, 340, "SCHLIESSEN"},
    {"capital sharp s too", "GRÜẞE", "SKIN", 1, 340, "GRUSSE"},
    {"lower case is drawn with the capitals", "Musik", "MUSIC", 1, 340, "MUSIK"},
    {"French acute and cedilla", "RÉGLAGES FAÇADE", "SKIN", 1, 340, "REGLAGES FACADE"},
    {"French grave and circumflex", "RÈGLES DU JEU Ô", "SKIN", 1, 340, "REGLES DU JEU O"},
    {"French too long for its row", "NOMBRE DE COULEURS", "NUMBER OF COLORS", 1, 340, "NUMBER OF COLORS"},
    {"apostrophe has no glyph", "D'HONNEUR", "SKIN", 1, 340, "SKIN"},
    {"Polish stroke and accents", "ŁĄKA ŚWIT ŻÓŁW", "SKIN", 1, 340, "LAKA SWIT ZOLW"},
    {"Polish ogonek and acute", "DŹWIĘKI", "SOUNDS", 1, 340, "DZWIEKI"},
    {"Polish lower case stroke", "łódź", "SKIN", 1, 340, "LODZ"},
    {"Spanish tilde, exactly the room", "NÚMERO DE COLORES", "NUMBER OF COLORS", 1, 340, "NUMERO DE COLORES"},
    {"Spanish enye", "AÑO", "SKIN", 1, 340, "ANO"},
    {"Nordic and ligatures", "ØRE ÆBLE ŒUVRE", "SKIN", 1, 340, "ORE AEBLE OEUVRE"},
    {"Russian has no glyphs", "ЧИСЛО ЦВЕТОВ", "NUMBER OF COLORS", 1, 340, "NUMBER OF COLORS"},
    {"one Cyrillic letter is enough", "SKIN Ж", "SKIN", 1, 340, "SKIN"},
    {"Greek has no glyphs", "ΉΧΟΙ", "SOUNDS", 1, 340, "SOUNDS"},
    {"empty translation", "", "MUSIC", 1, 340, "MUSIC"},
    {"blank translation", "   ", "MUSIC", 1, 340, "MUSIC"},
    {"outer spaces take no room", "  MUSIK  ", "MUSIC", 1, 100, "MUSIK"},
    {"one letter past the room", "ABCDEF", "MUSIC", 1, 119, "MUSIC"},
    {"signs of the first font", "TON: AN (1)", "SOUNDS", 1, 340, "TON: AN (1)"},
    {"a title with spaced letters", "O P T I O N E N", "O P T I O N S", 2, 515, "O P T I O N E N"},
    {"a title too wide", "R U H M E S H A L L E", "HALL OF FAME", 2, 500, "HALL OF FAME"},
    {"the title font has no digits", "HILFE 2", "H E L P", 2, 425, "H E L P"},
    {"the title font has no signs", "HILFE!", "H E L P", 2, 425, "H E L P"},
    {"a title with an umlaut", "RUHMESHÄLLE", "HALL OF FAME", 2, 500, "RUHMESHALLE"},
    {"a font without letters", "EINS", "1", 3, 200, "1"},
    {"no font", "MUSIK", "MUSIC", 4, 340, "MUSIC"},
};

class CaptionTable : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTable, DrawsTheFoldedTranslationOrTheEnglish) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(ChooseCaption(QString::fromUtf8(c.translated), c.source, c.font, c.room), QByteArray(c.drawn)) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionTable, ::testing::ValuesIn(CaptionCases));

}  // namespace
}  // namespace tesseron
