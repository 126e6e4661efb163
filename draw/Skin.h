// A skin: the lines of its description file and the seven bitmaps they name,
// plus the built-in empty-cell image.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace tesseron {

// A skin or image file that could not be read; what() names the file.
class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Skin {
public:
    Skin();

    // Lines of the current skin description; "skn" alone until one was read.
    QStringList skn{QStringLiteral("skn")};

    QImage bgimg, br, citems, pictograms, font1, font2, font3;
    QImage imBlack;         // built in: black with a grey top row and left column
    QImage BackgroundTile;  // the background tile of the last complete load

    // False while line 0 of skn is exactly "skn": nothing may be painted then.
    bool Present() const;

    // Splits a description into lines: CR LF, LF CR, a lone CR or a lone LF end a line.
    static QStringList SplitLines(const QByteArray& bytes);
    // Reads a description file; throws SkinError when it cannot be opened or read.
    static QStringList ReadDescription(const QString& path);
    // Loads one bitmap, treating the file as hostile; throws SkinError naming the file
    // when it is missing, unreadable, not an image of a known kind or absurdly large.
    // At most pixelBudget pixels are decoded.
    static QImage LoadBitmap(const QString& path, qint64 pixelBudget = MaxImagePixels);

    // Loads the seven images named by skn (lines 4, 6, 8, 10, 13, 15, 17, each relative
    // to baseDir) in that order. Stops at the first failure and throws: images before
    // it hold the new skin, it and those after keep their content, BackgroundTile stays.
    // With a language ("de"), a picture NAME.de.bmp beside NAME.bmp takes its place;
    // one that cannot be loaded leaves the place to NAME.bmp, with a line on stderr.
    void LoadImages(const QString& baseDir, const QString& language = QString());

    static constexpr int MaxImageSide = 8192;
    static constexpr qint64 MaxImagePixels = qint64(8192) * 4096;  // 128 MiB at 32 bits
    // All seven images together; a real skin needs about 0.15 M.
    static constexpr qint64 MaxSkinPixels = qint64(16) << 20;
    static constexpr qint64 MaxImageFileBytes = qint64(64) << 20;

    // The brick sheet as exploding bricks show it: the same layout, brightened, with a
    // white burst on every tile. Rebuilt on first use after br changed.
    const QImage& ExplodingBricks() const;

private:
    // One picture of the skin: its version in `language` where that loads, else `name` itself.
    static QImage LoadSheet(const QString& baseDir, const QString& name, const QString& language, qint64 budget);

    mutable QImage exploding_;
    mutable qint64 explodingKey_ = -1;
};

}  // namespace tesseron
