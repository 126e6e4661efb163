// Test skins whose every pixel names its own sheet and position, so a pixel on a
// drawn surface tells exactly which source pixel landed there.
#pragma once

#include "draw/Skin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tesseron::test {

// Sheet numbers 1..7 in the order of the skin's images; 0 is no coded sheet.
enum Sheet { SheetTile = 1, SheetBricks, SheetIcons, SheetPictograms, SheetFont1, SheetFont2, SheetFont3 };

// R and G carry the low bytes of x and y; B carries the sheet and the high bits
// (x below 1024, y below 512).
inline QRgb Code(int sheet, int x, int y) {
    return qRgb(x & 0xff, y & 0xff, (sheet << 3) | ((x >> 8) & 3) << 1 | ((y >> 8) & 1));
}

struct Decoded {
    int sheet, x, y;
    bool operator==(const Decoded&) const = default;
};

inline Decoded Decode(QRgb c) {
    const int b = qBlue(c);
    return {b >> 3, qRed(c) | ((b >> 1) & 3) << 8, qGreen(c) | (b & 1) << 8};
}

inline QImage CodedImage(int sheet, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, Code(sheet, x, y));
    return image;
}

// Every pixel of `dest` on the surface shows the matching pixel of `from` on the sheet.
inline ::testing::AssertionResult ShowsRegion(const QImage& surface, const QRect& dest, int sheet, const QRect& from) {
    for (int dy = 0; dy < dest.height(); ++dy)
        for (int dx = 0; dx < dest.width(); ++dx) {
            const Decoded got = Decode(surface.pixel(dest.x() + dx, dest.y() + dy));
            const Decoded want{sheet, from.x() + dx, from.y() + dy};
            if (!(got == want))
                return ::testing::AssertionFailure()
                       << "at (" << dest.x() + dx << ", " << dest.y() + dy << ") sheet " << got.sheet << " pixel (" << got.x
                       << ", " << got.y << "), expected sheet " << want.sheet << " pixel (" << want.x << ", " << want.y << ")";
        }
    return ::testing::AssertionSuccess();
}

// Sizes big enough for every region the program cuts.
inline QSize SheetSize(int sheet) {
    switch (sheet) {
    case SheetTile: return {100, 100};
    case SheetBricks: return {150, 300};
    case SheetIcons: return {180, 450};
    case SheetPictograms: return {304, 163};
    case SheetFont1: return {1000, 30};
    case SheetFont2: return {780, 45};
    default: return {200, 30};
    }
}

inline const char* SheetFile(int sheet) {
    static const char* names[] = {"", "tile.bmp", "bricks.bmp", "icons.bmp", "picto.bmp", "f1.bmp", "f2.bmp", "f3.bmp"};
    return names[sheet];
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

// A skin of coded sheets in a temporary folder (the BaseDir of the tests).
class CodedSkinDir {
public:
    CodedSkinDir() {
        for (int sheet = SheetTile; sheet <= SheetFont3; ++sheet) {
            const QSize size = SheetSize(sheet);
            CodedImage(sheet, size.width(), size.height()).save(Path(SheetFile(sheet)), "BMP");
        }
    }
    // BaseDir with its trailing separator.
    QString Base() const { return dir_.path() + QLatin1Char('/'); }
    QString Path(const QString& name) const { return Base() + name; }

    // The description lines: the names at lines 4, 6, 8, 10, 13, 15, 17, free text elsewhere.
    QStringList Lines() const {
        QStringList lines;
        for (int i = 0; i < 18; ++i) lines << QString();
        lines[0] = QStringLiteral("Coded test skin");
        const int at[] = {4, 6, 8, 10, 13, 15, 17};
        for (int sheet = SheetTile; sheet <= SheetFont3; ++sheet) lines[at[sheet - 1]] = QString::fromLatin1(SheetFile(sheet));
        return lines;
    }

    // A skin loaded from this folder.
    void LoadInto(Skin& skin) const {
        skin.skn = Lines();
        skin.LoadImages(Base());
    }

private:
    QTemporaryDir dir_;
};

}  // namespace tesseron::test
