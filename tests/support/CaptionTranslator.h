// A translator made by the test for the captions drawn with the skin's glyphs, and a
// reader of which glyphs landed on a surface drawn from the coded skin.
#pragma once

#include "support/ui_skin_fixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QTranslator>

#include <map>

namespace tesseron::test {

// Answers the "Caption" context from its words; everything else stays untranslated.
class CaptionTranslator : public QTranslator {
public:
    std::map<QString, QString> words;
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) != QLatin1String("Caption")) return {};
        const auto it = words.find(QString::fromUtf8(source));
        return it == words.end() ? QString() : it->second;
    }
    bool isEmpty() const override { return false; }
};

// Source caption -> translation.
using CaptionWords = std::map<QString, QString>;

// Installed for the lifetime of the object.
class InstalledCaptions {
public:
    explicit InstalledCaptions(CaptionWords words) {
        translator_.words = std::move(words);
        QCoreApplication::installTranslator(&translator_);
    }
    ~InstalledCaptions() { QCoreApplication::removeTranslator(&translator_); }
    InstalledCaptions(const InstalledCaptions&) = delete;
    InstalledCaptions& operator=(const InstalledCaptions&) = delete;

private:
    CaptionTranslator translator_;
};

// The characters `count` whole glyphs of font 1 or 2 show from (x, y) on, read from a
// surface drawn with the coded skin: ' ' where no glyph was drawn (no font pixel at the
// cell's corner), '?' where the cell is not one whole glyph.
inline QByteArray DrawnGlyphs(const QImage& image, int x, int y, int font, int count) {
    const char* const letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-=:;\"$#@%()&!";
    const int sheet = font == 1 ? SheetFont1 : SheetFont2;
    const int w = font == 1 ? 20 : 30, h = font == 1 ? 30 : 45;
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const QRect cell(x + w * i, y, w, h);
        const Decoded d = Decode(image.pixel(cell.topLeft()));
        if (d.sheet != sheet) {
            out += ' ';
            continue;
        }
        const bool whole = d.x % w == 0 && d.y == 0 && ShowsRegion(image, cell, sheet, QRect(d.x, 0, w, h));
        out += whole ? letters[d.x / w] : '?';
    }
    return out;
}

}  // namespace tesseron::test
