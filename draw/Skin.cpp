#include "draw/Skin.h"

#include "draw/Layout.h"

#include "files/UntrustedFile.h"
#include "storage/Language.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tesseron {

namespace {

constexpr qint64 MaxDescriptionBytes = 1 << 20;

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw SkinError(QStringLiteral("Cannot load the skin image \"%1\": %2.").arg(path, reason).toStdString());
}

uint32_t Le16(const uchar* p) { return qFromLittleEndian<quint16>(p); }
uint32_t Le32(const uchar* p) { return qFromLittleEndian<quint32>(p); }

// Checks a Windows bitmap's headers against the file's length before anything is
// decoded: the decoder itself accepts files whose pixel rows were cut off.
void CheckBmpHeader(const QString& path, const QByteArray& head, qint64 fileSize) {
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    if (head.size() < 2 || p[0] != 'B' || p[1] != 'M') Fail(path, QStringLiteral("not a Windows bitmap"));
    if (head.size() < 18) Fail(path, QStringLiteral("the file is truncated (incomplete header)"));
    const qint64 offBits = Le32(p + 10);
    const qint64 infoSize = Le32(p + 14);
    if (infoSize != 12 && infoSize < 40) Fail(path, QStringLiteral("the bitmap header is not valid"));
    if (head.size() < 14 + (infoSize == 12 ? 12 : 40)) Fail(path, QStringLiteral("the file is truncated (incomplete header)"));

    qint64 width, height;
    uint32_t bits, compression = 0, sizeImage = 0;
    if (infoSize == 12) {
        width = Le16(p + 18);
        height = Le16(p + 20);
        bits = Le16(p + 24);
    } else {
        width = int32_t(Le32(p + 18));
        height = int32_t(Le32(p + 22));
        bits = Le16(p + 28);
        compression = Le32(p + 30);
        sizeImage = Le32(p + 34);
    }
    height = std::llabs(height);  // negative: rows stored top-down
    if (width <= 0 || height <= 0) Fail(path, QStringLiteral("the bitmap has no valid size"));
    if (width > Skin::MaxImageSide || height > Skin::MaxImageSide || width * height > Skin::MaxImagePixels)
        Fail(path, QStringLiteral("the bitmap claims %1 x %2 pixels, more than a skin image may have").arg(width).arg(height));
    if (offBits < 14 + infoSize) Fail(path, QStringLiteral("the bitmap header is not valid"));
    if (offBits > fileSize) Fail(path, QStringLiteral("the file is truncated (no pixel data)"));

    if (compression == 0 || compression == 3 || compression == 6) {
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            Fail(path, QStringLiteral("the bitmap has an unsupported depth of %1 bits").arg(bits));
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        if (fileSize < offBits + rowBytes * height) Fail(path, QStringLiteral("the file is truncated (pixel rows missing)"));
    } else if (compression == 1 || compression == 2) {
        if (fileSize <= offBits || (sizeImage != 0 && fileSize < offBits + sizeImage))
            Fail(path, QStringLiteral("the file is truncated (pixel data missing)"));
        // A run of two bytes makes at most 255 pixels: a short file cannot honestly
        // claim a large picture, and decoding one would cost the whole claim in memory.
        if ((fileSize - offBits) / 2 * 255 < width * height)
            Fail(path, QStringLiteral("the compressed pixel data is too short for %1 x %2 pixels").arg(width).arg(height));
    }
}

}  // namespace

Skin::Skin() {
    using layout::Brick;
    imBlack = QImage(Brick, Brick, QImage::Format_RGB32);
    imBlack.fill(qRgb(0, 0, 0));
    const QRgb grey = qRgb(109, 109, 109);
    for (int i = 0; i < Brick; ++i) {
        imBlack.setPixel(i, 0, grey);
        imBlack.setPixel(0, i, grey);
    }
}

bool Skin::Present() const { return skn.isEmpty() || skn.first() != QLatin1String("skn"); }

QStringList Skin::SplitLines(const QByteArray& bytes) {
    QStringList lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0, i = 0;
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(QFile::decodeName(bytes.mid(start, i - start)));
            const char pair = c == '\r' ? '\n' : '\r';
            i += (i + 1 < n && bytes[i + 1] == pair) ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n) lines.append(QFile::decodeName(bytes.mid(start)));
    return lines;
}

QStringList Skin::ReadDescription(const QString& path) {
    // Only the first eighteen lines mean anything; a huge file is read no further than this.
    QByteArray bytes;
    const auto read = files::ReadUntrustedFile(path, MaxDescriptionBytes, bytes, files::Oversized::KeepStart);
    if (read != files::ReadStatus::Ok && read != files::ReadStatus::TooLarge)
        throw SkinError(QStringLiteral("Cannot read the skin description \"%1\".").arg(path).toStdString());
    return SplitLines(bytes);
}

QImage Skin::LoadBitmap(const QString& path, qint64 pixelBudget) {
    const QFileInfo info(path);
    if (!info.exists()) Fail(path, QStringLiteral("the file does not exist"));
    if (info.isDir()) Fail(path, QStringLiteral("this is a folder, not an image file"));
    if (!info.isFile()) Fail(path, QStringLiteral("this is not a regular file"));
    // Read whole and without blocking: a named pipe or a device never holds the game up.
    QByteArray bytes;
    switch (files::ReadUntrustedFile(path, MaxImageFileBytes, bytes)) {
    case files::ReadStatus::Ok: break;
    case files::ReadStatus::Missing: Fail(path, QStringLiteral("the file does not exist"));
    case files::ReadStatus::NotAFile: Fail(path, QStringLiteral("this is not a regular file"));
    case files::ReadStatus::TooLarge: Fail(path, QStringLiteral("the file is larger than a skin image may be"));
    case files::ReadStatus::Unreadable: Fail(path, QStringLiteral("the file cannot be opened or read"));
    }
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);

    const QByteArray format = info.suffix().toLower().toLatin1();
    if (format.isEmpty()) Fail(path, QStringLiteral("the file name has no extension to tell its image type"));
    if (format == "bmp" || format == "dib") {
        CheckBmpHeader(path, bytes.left(14 + 124), bytes.size());
    }

    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);  // the extension alone says what the file is
    // Whatever a header claims, the decoder gets no more memory than the budget allows.
    reader.setAllocationLimit(int(std::min(MaxImagePixels, pixelBudget) * 4 / (1 << 20) + 1));
    if (!reader.canRead()) Fail(path, QStringLiteral("not an image of a known kind (%1)").arg(QString::fromLatin1(format)));
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxImageSide || size.height() > MaxImageSide ||
                           qint64(size.width()) * size.height() > std::min(MaxImagePixels, pixelBudget)))
        Fail(path, QStringLiteral("the image claims %1 x %2 pixels, more than a skin image may have")
                       .arg(size.width())
                       .arg(size.height()));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        Fail(path, QStringLiteral("the image cannot be decoded (%1)").arg(reader.errorString()));
    if (image.width() > MaxImageSide || image.height() > MaxImageSide)
        Fail(path, QStringLiteral("the image has %1 x %2 pixels, more than a skin image may have")
                       .arg(image.width())
                       .arg(image.height()));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage Skin::LoadSheet(const QString& baseDir, const QString& name, const QString& language, qint64 budget) {
    // Only the file's own name takes the language, never a folder above it.
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/')) + 1;
    const QStringList names = language::Variants(name.mid(slash), language);
    for (qsizetype k = 0; k + 1 < names.size(); ++k) {
        const QString path = baseDir + name.left(slash) + names[k];
        if (!QFileInfo::exists(path)) continue;
        try {
            return LoadBitmap(path, budget);
        } catch (const SkinError& e) {
            // The untranslated picture still says everything.
            std::fprintf(stderr, "tesseron: %s The picture \"%s\" is used instead.\n", e.what(), qUtf8Printable(name));
        }
    }
    return LoadBitmap(baseDir + name, budget);
}

void Skin::LoadImages(const QString& baseDir, const QString& language) {
    // In the order of the description's bitmap lines.
    static constexpr QImage Skin::*images[layout::SkinImageCount] = {
        &Skin::bgimg, &Skin::br, &Skin::citems, &Skin::pictograms, &Skin::font1, &Skin::font2, &Skin::font3,
    };
    qint64 budget = MaxSkinPixels;
    for (int i = 0; i < layout::SkinImageCount; ++i) {
        const int line = layout::SkinLines[i];
        const QString name = line < skn.size() ? skn[line] : QString();
        const QString path = baseDir + name;
        if (name.isEmpty())
            throw SkinError(QStringLiteral("Cannot load the skin image \"%1\": line %2 of the skin description names no file.")
                                .arg(path)
                                .arg(line)
                                .toStdString());
        // Replaced only once decoded, so a failing image keeps its old content.
        this->*images[i] = LoadSheet(baseDir, name, language, budget);
        budget -= qint64((this->*images[i]).width()) * (this->*images[i]).height();
    }
    BackgroundTile = bgimg;
    ExplodingBricks();  // built now rather than in the middle of a step
}

const QImage& Skin::ExplodingBricks() const {
    if (explodingKey_ == br.cacheKey()) return exploding_;
    exploding_ = br.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < exploding_.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(exploding_.scanLine(y));
        // Distances from the tile's centre, doubled so they stay whole numbers.
        const int ay = std::abs(2 * (y % layout::Brick) - (layout::Brick - 1));
        for (int x = 0; x < exploding_.width(); ++x) {
            const int ax = std::abs(2 * (x % layout::Brick) - (layout::Brick - 1));
            const bool burst = (ax <= 3 && ay <= 23) || (ay <= 3 && ax <= 23) || (std::abs(ax - ay) <= 2 && ax <= 17);
            if (burst) {
                line[x] = qRgb(255, 255, 255);
            } else {
                const QRgb c = line[x];
                line[x] = qRgb((qRed(c) + 255) / 2, (qGreen(c) + 255) / 2, (qBlue(c) + 255) / 2);
            }
        }
    }
    explodingKey_ = br.cacheKey();
    return exploding_;
}

}  // namespace tesseron
