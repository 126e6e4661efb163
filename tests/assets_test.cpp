// The shipped skins and title picture as the game will read them from the data folder.
#include "draw/Layout.h"
#include "draw/Skin.h"
#include "storage/Language.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <set>

namespace {

const QString DataDir = QStringLiteral(TESSERON_DATA_DIR);
const QStringList SkinFiles = {QStringLiteral("Scoarching red.skn"), QStringLiteral("Glacier blue.skn")};

struct Needed {
    int line, width, height;
};
// The description lines that name bitmaps and the least size the game cuts from.
using namespace tesseron::layout;
constexpr Needed Bitmaps[] = {
    {SkinLines[0], TileSheet.width, TileSheet.height},
    {SkinLines[1], BrickSheet.width, BrickSheet.height},
    {SkinLines[2], IconSheet.width, IconSheet.height},
    {SkinLines[3], PictogramSheet.width, PictogramSheet.height},
    {SkinLines[4], FontAdvance[1] * FontGlyphs[1], FontHeight[1]},
    {SkinLines[5], FontAdvance[2] * FontGlyphs[2], FontHeight[2]},
    {SkinLines[6], FontAdvance[3] * FontGlyphs[3], FontHeight[3]},
};

QStringList Description(const QString& skin) {
    QFile f(DataDir + '/' + skin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return tesseron::Skin::SplitLines(f.readAll());
}

QImage Load(const QString& relative) {
    QImageReader reader(DataDir + '/' + relative);
    return reader.read();
}

QImage SkinImage(const QString& skin, int line) { return Load(Description(skin).value(line)); }

double Luma(QRgb c) { return (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255.0; }

// Difference between the darkest and brightest pixel: near 0 for an empty region.
double Contrast(const QImage& img, const QRect& r) {
    double lo = 1, hi = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double l = Luma(img.pixel(x, y));
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    return hi - lo;
}

QRgb Mean(const QImage& img, const QRect& r) {
    double sr = 0, sg = 0, sb = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            sr += qRed(c), sg += qGreen(c), sb += qBlue(c);
        }
    const double n = double(r.width()) * r.height();
    return qRgb(int(sr / n), int(sg / n), int(sb / n));
}

QByteArray Bytes(const QImage& img, const QRect& r) {
    QByteArray out;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
        }
    return out;
}

}  // namespace

TEST(AssetsTest, SkinDescriptionsNameBitmapsOfTheNeededSize) {
    for (const QString& skin : SkinFiles) {
        SCOPED_TRACE(skin.toStdString());
        const QStringList lines = Description(skin);
        ASSERT_GE(lines.size(), 18);
        EXPECT_NE(lines[0], QStringLiteral("skn"));
        for (const Needed& n : Bitmaps) {
            const QString name = lines[n.line];
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(name.endsWith(QStringLiteral(".bmp"))) << "line " << n.line;
            EXPECT_FALSE(name.contains(' '));
            EXPECT_TRUE(QDir::isRelativePath(name));
            QImageReader reader(DataDir + '/' + name);
            EXPECT_EQ(reader.format(), QByteArray("bmp"));
            const QImage img = reader.read();
            ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
            EXPECT_GE(img.width(), n.width);
            EXPECT_GE(img.height(), n.height);
        }
    }
}

TEST(AssetsTest, TitlePictureIs500By375) {
    const QImage title = Load(QStringLiteral("title.bmp"));
    ASSERT_FALSE(title.isNull());
    EXPECT_EQ(title.size(), QSize(500, 375));
    EXPECT_GT(Contrast(title, title.rect()), 0.5);
}

TEST(AssetsTest, EveryRegionTheGameCutsHoldsAPicture) {
    for (const QString& skin : SkinFiles) {
        SCOPED_TRACE(skin.toStdString());
        const QImage pictograms = SkinImage(skin, 10);
        ASSERT_FALSE(pictograms.isNull());
        // Buttons highlighted and normal, colour strip, marker, switch on and off, folder.
        const QRect regions[] = {{6, 9, 42, 41},    {6, 65, 42, 41},   {55, 9, 62, 41},   {54, 65, 62, 41},  {122, 9, 41, 41},
                                 {122, 65, 41, 41}, {171, 9, 40, 41},  {169, 65, 40, 41}, {8, 115, 200, 29}, {46, 152, 10, 10},
                                 {238, 55, 30, 22}, {273, 55, 30, 22}, {237, 89, 41, 41}};
        for (const QRect& r : regions) EXPECT_GT(Contrast(pictograms, r), 0.3) << r.x() << "," << r.y();
        for (int b = 0; b < 4; ++b)
            EXPECT_NE(Bytes(pictograms, regions[2 * b]), Bytes(pictograms, regions[2 * b + 1]))
                << "button " << b << " looks the same highlighted";
        EXPECT_NE(Bytes(pictograms, regions[10]), Bytes(pictograms, regions[11])) << "switch on equals off";

        // Highlighted and normal icon tiles differ; so do the two back icons.
        const QImage icons = SkinImage(skin, 8);
        ASSERT_FALSE(icons.isNull());
        for (int tile = 0; tile < 4; ++tile) {
            const QRect hot((tile % 2) * 90, (tile / 2) * 90, 90, 90);
            EXPECT_NE(Bytes(icons, hot), Bytes(icons, hot.translated(0, 180))) << "icon " << tile;
        }
        EXPECT_NE(Bytes(icons, {0, 360, 90, 90}), Bytes(icons, {90, 360, 90, 90}));
    }
}

TEST(AssetsTest, GlyphsAreInkedAndAllDifferent) {
    struct Strip {
        int line, width, height, count;
    };
    for (const QString& skin : SkinFiles) {
        SCOPED_TRACE(skin.toStdString());
        for (const Strip s : {Strip{13, 20, 30, 50}, Strip{15, 30, 45, 26}, Strip{17, 20, 30, 10}}) {
            const QImage strip = SkinImage(skin, s.line);
            ASSERT_FALSE(strip.isNull());
            std::set<QByteArray> seen;
            for (int n = 0; n < s.count; ++n) {
                const QRect cell(n * s.width, 0, s.width, s.height);
                EXPECT_GT(Contrast(strip, cell), 0.4) << "glyph " << n + 1 << " of line " << s.line;
                seen.insert(Bytes(strip, cell));
            }
            // A fallback font without these characters would draw the same box for each.
            EXPECT_EQ(int(seen.size()), s.count) << "line " << s.line;
        }
    }
}

TEST(AssetsTest, BrickColoursAreFarApartAndArrowsShow) {
    for (const QString& skin : SkinFiles) {
        SCOPED_TRACE(skin.toStdString());
        const QImage bricks = SkinImage(skin, 6);
        ASSERT_FALSE(bricks.isNull());
        QRgb mean[10];
        for (int c = 0; c < 10; ++c) {
            // A patch of the face beside the mark, clear of rim and gloss.
            mean[c] = Mean(bricks, QRect(4, 30 * c + 16, 4, 4));
            for (int d = 1; d <= 4; ++d)
                EXPECT_NE(Bytes(bricks, QRect(30 * d, 30 * c, 30, 30)), Bytes(bricks, QRect(0, 30 * c, 30, 30)))
                    << "colour " << c + 1 << " arrow " << d;
        }
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b) {
                const int dist = std::abs(qRed(mean[a]) - qRed(mean[b])) + std::abs(qGreen(mean[a]) - qGreen(mean[b])) +
                                 std::abs(qBlue(mean[a]) - qBlue(mean[b]));
                EXPECT_GT(dist, 60) << "colours " << a + 1 << " and " << b + 1;
            }
    }
}

TEST(AssetsTest, TheTwoSkinsLookDifferent) {
    for (int line : {4, 6, 8, 10, 13, 15, 17}) {
        const QImage a = SkinImage(SkinFiles[0], line), b = SkinImage(SkinFiles[1], line);
        ASSERT_FALSE(a.isNull());
        ASSERT_FALSE(b.isNull());
        const QRect r(0, 0, 100, 30);
        EXPECT_NE(Bytes(a, r), Bytes(b, r)) << "line " << line;
        // The bricks keep their colours across skins; everything else changes its tint.
        if (line != 6) {
            const QRgb ma = Mean(a, r), mb = Mean(b, r);
            EXPECT_GT(std::abs(qRed(ma) - qRed(mb)) + std::abs(qBlue(ma) - qBlue(mb)), 10) << "line " << line;
        }
    }
}

// The icons carry words: each shipped language has its sheet beside the English one,
// loadable as the game loads it, with the same pictures and only its words changed.
TEST(AssetsTest, EachShippedLanguageHasItsIconSheetWithOnlyTheWordsChanged) {
    const int tiles[][2] = {{0, 0}, {90, 0}, {0, 90}, {90, 90}, {0, 180}, {90, 180}, {0, 270}, {90, 270}, {0, 360}, {90, 360}};
    for (const QString& skin : SkinFiles) {
        const QString icons = Description(skin).value(SkinLines[2]);
        ASSERT_TRUE(icons.endsWith(".bmp")) << icons.toStdString();
        const QImage base = tesseron::Skin::LoadBitmap(DataDir + '/' + icons);
        for (const QString& language : tesseron::language::Shipped()) {
            const QString name = tesseron::language::Variants(icons, language).first();
            SCOPED_TRACE(name.toStdString());
            QImage sheet;
            ASSERT_NO_THROW(sheet = tesseron::Skin::LoadBitmap(DataDir + '/' + name));
            ASSERT_EQ(sheet.size(), base.size());
            int changed = 0;
            for (const auto& [x, y] : tiles) {
                // The disc and its picture end at row 70 of a tile; the caption lies below.
                EXPECT_EQ(Bytes(sheet, QRect(x, y, 90, 70)), Bytes(base, QRect(x, y, 90, 70))) << x << ", " << y;
                if (Bytes(sheet, QRect(x, y + 70, 90, 20)) != Bytes(base, QRect(x, y + 70, 90, 20))) ++changed;
                EXPECT_GT(Contrast(sheet, QRect(x + 5, y + 74, 80, 14)), 0.3) << "no caption at " << x << ", " << y;
            }
            // Every language has its own words for most commands ("HELP" is Dutch too).
            EXPECT_GE(changed, 6);
        }
    }
}

TEST(AssetsTest, GeneratorWritesTheSameBytesAgain) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    gen.setProcessEnvironment(env);
    gen.start(QStringLiteral(TESSERON_ASSETGEN), {out.path()});
    ASSERT_TRUE(gen.waitForFinished(120000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();
    int files = 0;
    const QStringList topLevel = QDir(out.path()).entryList(QDir::Files);
    for (const char* name : {"title.bmp", "logo.bmp", "1.snd", "2.snd", "3.snd", "4.snd", "5.snd", "Music.mid", "Vexil.hig"})
        EXPECT_TRUE(topLevel.contains(QLatin1String(name))) << name;
    QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(out.path()).relativeFilePath(path);
        QFile fresh(path), built(DataDir + '/' + relative);
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << relative.toStdString();
        EXPECT_TRUE(fresh.readAll() == built.readAll()) << relative.toStdString() << " differs";
        ++files;
    }
    // Two skins of 8 files and an icon sheet per language, title, logo, sounds, tune, high scores.
    EXPECT_EQ(files, 2 * (8 + tesseron::language::Shipped().size()) + 1 + 1 + 6 + 1);
}

// A first start is seeded with this file: the default table as the game saves it, 31
// records of 108 bytes (length byte, name, padding, score little-endian at 104).
TEST(AssetsTest, ShippedHighScoresAreTheDefaultTable) {
    QFile f(DataDir + QStringLiteral("/Vexil.hig"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 3348);
    const auto record = [&](int r) { return bytes.mid(r * 108, 108); };
    const auto score = [](const QByteArray& rec) {
        uint32_t u = 0;
        for (int b = 3; b >= 0; --b) u = u << 8 | uint8_t(rec[104 + b]);
        return int32_t(u);
    };
    EXPECT_EQ(record(0).mid(1, uint8_t(record(0)[0])), QByteArray("Tesseron high scores"));
    EXPECT_EQ(score(record(0)), -1);
    for (int r = 1; r <= 30; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(record(r).mid(1, uint8_t(record(r)[0])), QByteArray("Empty"));
        EXPECT_EQ(score(record(r)), 5 - (r - 1) % 5);  // each colour group 5 down to 1
    }
}
