#include "support/ui_skin_fixture.h"
#include "draw/Skin.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using namespace test;

QStringList Split(const char* text) { return Skin::SplitLines(QByteArray(text)); }

TEST(SkinLinesTest, AllFourLineEndsEndALine) { EXPECT_EQ(Split("a\r\nb\n\rc\rd\ne"), (QStringList{"a", "b", "c", "d", "e"})); }

TEST(SkinLinesTest, EmptyLinesAreKeptAndALastLineEndAddsNothing) {
    EXPECT_EQ(Split("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\r"), (QStringList{"a", ""}));
    EXPECT_EQ(Split("a\n\n"), (QStringList{"a", ""}));
    // LF CR is one line end; the LF after it ends an empty line.
    EXPECT_EQ(Split("a\n\r\nb"), (QStringList{"a", "", "b"}));
    // CR LF CR: the pair first, then a lone CR.
    EXPECT_EQ(Split("a\r\n\rb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Split("last"), (QStringList{"last"}));
    EXPECT_TRUE(Split("").isEmpty());
}

TEST(SkinLinesTest, PresentOnlyOnceLineZeroIsNotExactlySkn) {
    Skin skin;
    EXPECT_FALSE(skin.Present());
    skin.skn = QStringList{"skn", "anything"};
    EXPECT_FALSE(skin.Present());
    for (const char* first : {"Skn", "skn ", "", "My skin"}) {
        skin.skn = QStringList{first};
        EXPECT_TRUE(skin.Present()) << first;
    }
}

TEST(SkinLinesTest, ReadDescriptionSplitsTheFileAndNamesAMissingOne) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/x.skn";
    WriteFile(path, "title\n\rtwo\rthree\r\n");
    EXPECT_EQ(Skin::ReadDescription(path), (QStringList{"title", "two", "three"}));
    try {
        Skin::ReadDescription(dir.path() + "/none.skn");
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_NE(std::string(e.what()).find("none.skn"), std::string::npos) << e.what();
    }
}

TEST(SkinImageTest, EmptyCellImageIsBlackWithAGreyTopRowAndLeftColumn) {
    const Skin skin;
    ASSERT_EQ(skin.imBlack.size(), QSize(30, 30));
    const QRgb grey = qRgb(109, 109, 109);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(skin.imBlack.pixel(i, 0), grey);
        EXPECT_EQ(skin.imBlack.pixel(0, i), grey);
        if (i > 0) {
            EXPECT_EQ(skin.imBlack.pixel(i, 1), qRgb(0, 0, 0));
            EXPECT_EQ(skin.imBlack.pixel(1, i), qRgb(0, 0, 0));
            EXPECT_EQ(skin.imBlack.pixel(i, 29), qRgb(0, 0, 0));
        }
    }
}

class LoadSkinTest : public ::testing::Test {
protected:
    CodedSkinDir coded;
    Skin skin;
};

TEST_F(LoadSkinTest, ExactTableWithEmptyFreeLinesLoadsEveryImage) {
    QByteArray text;
    for (const QString& line : coded.Lines()) text += line.toUtf8() + "\r\n";
    WriteFile(coded.Path("coded.skn"), text);
    skin.skn = Skin::ReadDescription(coded.Path("coded.skn"));
    ASSERT_EQ(skin.skn.size(), 18);
    skin.LoadImages(coded.Base());

    const QImage* images[] = {&skin.bgimg, &skin.br, &skin.citems, &skin.pictograms, &skin.font1, &skin.font2, &skin.font3};
    for (int sheet = SheetTile; sheet <= SheetFont3; ++sheet) {
        const QImage& image = *images[sheet - 1];
        EXPECT_EQ(image.size(), SheetSize(sheet)) << sheet;
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(ShowsRegion(image, image.rect(), sheet, image.rect()));
    }
    EXPECT_EQ(skin.BackgroundTile, skin.bgimg);
}

TEST_F(LoadSkinTest, LineNamesAFileInASubdirectory) {
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(qRgb(1, 2, 3));
    QDir().mkpath(coded.Path("tiles/dark"));
    ASSERT_TRUE(tile.save(coded.Path("tiles/dark/t.bmp"), "BMP"));
    skin.skn = coded.Lines();
    skin.skn[4] = "tiles/dark/t.bmp";
    skin.LoadImages(coded.Base());
    EXPECT_EQ(skin.BackgroundTile.pixel(50, 50), qRgb(1, 2, 3));
}

TEST_F(LoadSkinTest, ShortDescriptionFailsAtTheFirstMissingLine) {
    skin.skn = coded.Lines().mid(0, 11);  // lines 0..10: the glyph strips are missing
    try {
        skin.LoadImages(coded.Base());
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_NE(std::string(e.what()).find("line 13"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(skin.pictograms.isNull());
    EXPECT_TRUE(skin.font1.isNull());
    EXPECT_TRUE(skin.BackgroundTile.isNull());
}

TEST_F(LoadSkinTest, FailureKeepsTheOldContentFromTheFailingImageOn) {
    coded.LoadInto(skin);
    const QImage oldTile = skin.BackgroundTile;

    // A second skin of solid sheets whose pictogram file is missing.
    QTemporaryDir other;
    const QString base = other.path() + "/";
    QStringList lines = coded.Lines();
    for (int sheet = SheetTile; sheet <= SheetFont3; ++sheet) {
        const QSize size = SheetSize(sheet);
        QImage solid(size, QImage::Format_RGB32);
        solid.fill(qRgb(200, 0, sheet));
        if (sheet != SheetPictograms) {
            ASSERT_TRUE(solid.save(base + SheetFile(sheet), "BMP"));
        }
    }
    skin.skn = lines;
    try {
        skin.LoadImages(base);
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_NE(std::string(e.what()).find((base + "picto.bmp").toStdString()), std::string::npos) << e.what();
    }
    EXPECT_EQ(skin.bgimg.pixel(0, 0), qRgb(200, 0, SheetTile));
    EXPECT_EQ(skin.br.pixel(0, 0), qRgb(200, 0, SheetBricks));
    EXPECT_EQ(skin.citems.pixel(0, 0), qRgb(200, 0, SheetIcons));
    EXPECT_EQ(Decode(skin.pictograms.pixel(7, 9)), (Decoded{SheetPictograms, 7, 9}));
    EXPECT_EQ(Decode(skin.font1.pixel(0, 0)).sheet, SheetFont1);
    EXPECT_EQ(Decode(skin.font3.pixel(0, 0)).sheet, SheetFont3);
    EXPECT_EQ(skin.BackgroundTile, oldTile);
}

TEST_F(LoadSkinTest, NoDescriptionReadYetFailsOnTheFirstImage) {
    EXPECT_THROW(skin.LoadImages(coded.Base()), SkinError);
    EXPECT_TRUE(skin.bgimg.isNull());
    EXPECT_FALSE(skin.Present());
}

class HostileImageTest : public ::testing::Test {
protected:
    // The error for a file, or "" when it loaded.
    std::string ErrorOf(const QString& name) {
        try {
            Skin::LoadBitmap(dir.path() + "/" + name);
        } catch (const SkinError& e) {
            EXPECT_NE(std::string(e.what()).find(name.toStdString()), std::string::npos) << e.what();
            return e.what();
        }
        return "";
    }
    QByteArray GoodBmp(int w, int h) {
        QImage image = CodedImage(SheetBricks, w, h);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes;
    }
    QTemporaryDir dir;
};

TEST_F(HostileImageTest, MissingFolderAndNamelessFilesFail) {
    EXPECT_NE(ErrorOf("nothing.bmp"), "");
    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_NE(ErrorOf("folder.bmp"), "");
    WriteFile(dir.path() + "/noext", GoodBmp(4, 4));
    EXPECT_NE(ErrorOf("noext"), "");
}

TEST_F(HostileImageTest, TruncatedBitmapsFail) {
    const QByteArray good = GoodBmp(40, 30);
    WriteFile(dir.path() + "/good.bmp", good);
    EXPECT_EQ(ErrorOf("good.bmp"), "");
    for (int cut : {1, 10, 30, 54, 100, int(good.size()) / 2, int(good.size()) - 1}) {
        const QString name = QString("cut%1.bmp").arg(cut);
        WriteFile(dir.path() + "/" + name, good.left(cut));
        EXPECT_NE(ErrorOf(name), "") << cut;
    }
}

TEST_F(HostileImageTest, RandomBytesAndWrongKindsFail) {
    QByteArray noise(5000, '\0');
    uint32_t s = 12345;
    for (char& c : noise) c = char((s = s * 1103515245u + 12345u) >> 24);
    WriteFile(dir.path() + "/noise.bmp", noise);
    EXPECT_NE(ErrorOf("noise.bmp"), "");
    WriteFile(dir.path() + "/text.bmp", "BM this is no bitmap at all");
    EXPECT_NE(ErrorOf("text.bmp"), "");
    // The extension says what the file is: a bitmap named .png is not read as one.
    WriteFile(dir.path() + "/bitmap.png", GoodBmp(8, 8));
    EXPECT_NE(ErrorOf("bitmap.png"), "");
    WriteFile(dir.path() + "/bitmap.txt", GoodBmp(8, 8));
    EXPECT_NE(ErrorOf("bitmap.txt"), "");
}

TEST_F(HostileImageTest, AbsurdSizesAreRefusedBeforeDecoding) {
    QByteArray header = GoodBmp(2, 2).left(54);
    auto put32 = [&](int at, int32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = char(uint32_t(v) >> (8 * i));
    };
    put32(18, 100000);
    put32(22, 100000);
    WriteFile(dir.path() + "/huge.bmp", header + QByteArray(64, '\0'));
    EXPECT_NE(ErrorOf("huge.bmp").find("100000 x 100000"), std::string::npos);
    put32(18, 8193);
    put32(22, -1);  // top-down rows
    WriteFile(dir.path() + "/wide.bmp", header + QByteArray(8193 * 4, '\0'));
    EXPECT_NE(ErrorOf("wide.bmp").find("8193 x 1"), std::string::npos);
    put32(18, 8192);
    put32(22, 8192);  // each side allowed, the whole too big
    WriteFile(dir.path() + "/square.bmp", header);
    EXPECT_NE(ErrorOf("square.bmp"), "");
    put32(18, 0);
    put32(22, 5);
    WriteFile(dir.path() + "/zero.bmp", header + QByteArray(64, '\0'));
    EXPECT_NE(ErrorOf("zero.bmp"), "");
}

TEST_F(HostileImageTest, SideOfTheLimitLoads) {
    WriteFile(dir.path() + "/long.bmp", GoodBmp(8192, 1));
    EXPECT_EQ(ErrorOf("long.bmp"), "");
}

TEST_F(HostileImageTest, ShortCompressedBitmapsCannotClaimALargePicture) {
    // 8-bit RLE, 8192 x 4096: 60 bytes cannot hold the runs for 32 M pixels.
    QByteArray bmp = GoodBmp(2, 2).left(54);
    auto put32 = [&](int at, int32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = char(uint32_t(v) >> (8 * i));
    };
    put32(10, 54);
    put32(18, 8192);
    put32(22, 4096);
    bmp[28] = 8;
    bmp[29] = 0;
    put32(30, 1);  // BI_RLE8
    put32(34, 0);
    WriteFile(dir.path() + "/rle.bmp", bmp + QByteArray("\x00\x01", 2) + QByteArray(4, '\0'));
    EXPECT_NE(ErrorOf("rle.bmp").find("too short"), std::string::npos);
}

TEST_F(HostileImageTest, PipesAndDevicesAreRefusedWithoutWaiting) {
    const QString fifo = dir.path() + "/pipe.bmp";
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_NE(ErrorOf("pipe.bmp").find("not a regular file"), std::string::npos);
    EXPECT_THROW(Skin::ReadDescription(fifo), SkinError);
    EXPECT_THROW(Skin::ReadDescription("/dev/zero"), SkinError);
}

TEST(SkinBudgetTest, TheSevenImagesShareOnePixelBudget) {
    // Each image alone is allowed; together they are far beyond any real skin.
    CodedSkinDir coded;
    QImage big(4096, 1024, QImage::Format_RGB32);
    big.fill(0);
    for (const char* name : {"tile.bmp", "bricks.bmp", "icons.bmp", "picto.bmp", "f1.bmp"}) big.save(coded.Path(name), "BMP");
    Skin skin;
    skin.skn = coded.Lines();
    try {
        skin.LoadImages(coded.Base());
        FAIL() << "loaded";
    } catch (const SkinError& e) {
        EXPECT_NE(std::string(e.what()).find("f1.bmp"), std::string::npos) << e.what();
    }
}

// --- Pictures in the player's language -----------------------------------------

QImage Solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray BmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// What stands in "icons.de.bmp" (written only when given), and which sheet a language takes.
struct LanguageSheetCase {
    const char* why;
    std::function<QByteArray()> german;  // null: no such file
    const char* language;
    bool germanShown;
};

const QRgb GermanColour = qRgb(10, 200, 30);

const LanguageSheetCase LanguageSheetCases[] = {
    {"German for German", [] { return BmpBytes(Solid(SheetSize(SheetIcons), GermanColour)); }, "de", true},
    {"French has none, takes the base", [] { return BmpBytes(Solid(SheetSize(SheetIcons), GermanColour)); }, "fr", false},
    {"English takes the base", [] { return BmpBytes(Solid(SheetSize(SheetIcons), GermanColour)); }, "", false},
    {"no German sheet", nullptr, "de", false},
    {"truncated German sheet", [] { return BmpBytes(Solid(SheetSize(SheetIcons), GermanColour)).left(300); }, "de", false},
    {"German sheet that is no picture", [] { return QByteArray("BM not a bitmap at all"); }, "de", false},
    {"empty German sheet", [] { return QByteArray(); }, "de", false},
    {"German sheet claiming 60000 x 60000",
     [] {
         QByteArray b = BmpBytes(Solid(QSize(4, 4), GermanColour));
         qToLittleEndian<qint32>(60000, b.data() + 18);
         qToLittleEndian<qint32>(60000, b.data() + 22);
         return b;
     },
     "de", false},
};

class LanguageSheets : public ::testing::TestWithParam<LanguageSheetCase> {};

TEST_P(LanguageSheets, TheLanguagesPictureWhereItLoadsElseTheBase) {
    CodedSkinDir coded;
    const LanguageSheetCase& c = GetParam();
    if (c.german) WriteFile(coded.Path("icons.de.bmp"), c.german());
    Skin skin;
    skin.skn = coded.Lines();
    ASSERT_NO_THROW(skin.LoadImages(coded.Base(), QString::fromLatin1(c.language))) << c.why;
    if (c.germanShown) {
        EXPECT_EQ(skin.citems.pixel(17, 33), GermanColour) << c.why;
    } else {
        EXPECT_TRUE(ShowsRegion(skin.citems, skin.citems.rect(), SheetIcons, skin.citems.rect())) << c.why;
    }
    // The other sheets have no German version and stay as they are.
    EXPECT_TRUE(ShowsRegion(skin.pictograms, skin.pictograms.rect(), SheetPictograms, skin.pictograms.rect()));
}

INSTANTIATE_TEST_SUITE_P(Skins, LanguageSheets, ::testing::ValuesIn(LanguageSheetCases));

TEST(LanguageSheetsTest, ABrokenBaseSheetStillFailsWhenTheLanguageHasNone) {
    CodedSkinDir coded;
    WriteFile(coded.Path("icons.bmp"), "BM");
    Skin skin;
    skin.skn = coded.Lines();
    EXPECT_THROW(skin.LoadImages(coded.Base(), "de"), SkinError);
}

}  // namespace
}  // namespace tesseron
