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

}  // namespace
}  // namespace tesseron
