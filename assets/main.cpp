// Writes the shipped skins, title picture, sounds, tune and default high-score table into
// the data folder given as the first argument. The output depends on nothing but this source and the fonts, so
// two runs give the same bytes.
#include "assets/IconArt.h"
#include "assets/LogoArt.h"
#include "assets/Paint.h"
#include "assets/SheetArt.h"
#include "assets/SkinArt.h"
#include "assets/SoundArt.h"
#include "assets/TitleArt.h"
#include "assets/TuneArt.h"
#include "storage/HighScores.h"
#include "storage/Language.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

using namespace tesseron::assets;

namespace {

struct Bitmap {
    const char* file;
    const char* comment;
    QImage SkinImages::*image;
};

// In the order of the description's bitmap lines.
const Bitmap Bitmaps[] = {
    {"tile.bmp", "Background tile, 100 x 100, repeated over the screen:", &SkinImages::tile},
    {"bricks.bmp", "Bricks, 150 x 300: colours 1-10 downward, arrows none/right/up/left/down across:", &SkinImages::bricks},
    {"icons.bmp", "Command icons, 180 x 450, highlighted above normal; back icon in the last row:", &SkinImages::icons},
    {"pictograms.bmp", "Side buttons and options pictures:", &SkinImages::pictograms},
    {"font1.bmp", "Glyphs 20 x 30: A-Z 0-9 + - = : ; \" $ # @ % ( ) & !", &SkinImages::font1},
    {"font2.bmp", "Title glyphs 30 x 45: A-Z", &SkinImages::font2},
    {"font3.bmp", "Digits 20 x 30: 0-9", &SkinImages::font3},
};

QByteArray Description(const SkinStyle& s) {
    // Free text everywhere but on the lines the game reads; each bitmap's comment
    // stands on the line above its name.
    QList<QByteArray> lines(tesseron::layout::SkinDescriptionLines);
    lines[0] = "Tesseron skin: " + s.title.toUtf8();
    lines[1] = "Made by the Tesseron asset generator.";
    for (int i = 0; i < tesseron::layout::SkinImageCount; ++i) {
        const int line = tesseron::layout::SkinLines[i];
        lines[line - 1] = Bitmaps[i].comment;
        lines[line] = (s.folder + '/' + Bitmaps[i].file).toUtf8();
    }
    return lines.join('\n') + '\n';
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void WriteSkin(const QDir& out, const SkinStyle& s) {
    if (!out.mkpath(s.folder)) throw std::runtime_error("cannot create " + out.filePath(s.folder).toStdString());
    const SkinImages images = PaintSkin(s);
    for (const Bitmap& b : Bitmaps) SaveBmp(images.*(b.image), out.filePath(s.folder + '/' + b.file));
    // The icons carry words: a sheet for each shipped language, beside the English one.
    // The pictograms carry none and have no such versions.
    for (const QString& language : tesseron::language::Shipped()) {
        const QString name = tesseron::language::Variants(QStringLiteral("icons.bmp"), language).first();
        SaveBmp(PaintIcons(s, language), out.filePath(s.folder + '/' + name));
    }
    WriteFile(out.filePath(s.title + ".skn"), Description(s));
}

void ReportFont(const QString& family, QFont::StyleHint hint) {
    const QString found = QFontInfo(BoldFont(family, hint)).family();
    if (found != family)
        std::fprintf(stderr, "tesseron-assets: font \"%s\" not found, using \"%s\"\n", qPrintable(family), qPrintable(found));
}

// The desktop icon into a hicolor theme folder: SIZExSIZE/apps and scalable/apps.
void WriteIcons(const QDir& theme) {
    const QString name = QStringLiteral("apps/org.example.Tesseron");
    for (const int size : IconSizes) {
        const QString folder = QStringLiteral("%1x%1").arg(size);
        if (!theme.mkpath(folder + QStringLiteral("/apps")))
            throw std::runtime_error("cannot create " + theme.filePath(folder).toStdString());
        const QString path = theme.filePath(folder + '/' + name + QStringLiteral(".png"));
        if (!PaintIcon(size).save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
    }
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        throw std::runtime_error("cannot create " + theme.filePath(QStringLiteral("scalable")).toStdString());
    WriteFile(theme.filePath(QStringLiteral("scalable/") + name + QStringLiteral(".svg")), IconSvg());
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER [ICON-THEME-FOLDER]\n", argv[0]);
        return 2;
    }
    try {
        const QDir out(QString::fromLocal8Bit(argv[1]));
        if (!out.mkpath(QStringLiteral("."))) throw std::runtime_error(std::string("cannot create ") + argv[1]);
        ReportFont(QStringLiteral("Liberation Sans"), QFont::SansSerif);
        ReportFont(QStringLiteral("Liberation Serif"), QFont::Serif);
        const SkinStyle red = ScoarchingRed();
        WriteSkin(out, red);
        WriteSkin(out, GlacierBlue());
        SaveBmp(PaintTitle(red), out.filePath(QStringLiteral("title.bmp")));
        SaveBmp(PaintLogo(), out.filePath(QStringLiteral("logo.bmp")));
        WriteFile(out.filePath(QStringLiteral("1.snd")), ShootSound());
        WriteFile(out.filePath(QStringLiteral("2.snd")), ExplodeSound());
        WriteFile(out.filePath(QStringLiteral("3.snd")), ClickSound());
        WriteFile(out.filePath(QStringLiteral("4.snd")), ApplauseSound());
        WriteFile(out.filePath(QStringLiteral("5.snd")), GameOverSound());
        WriteFile(out.filePath(QStringLiteral("Music.mid")), Tune());
        // The table the game starts with, saved by the game's own writer, so that a first
        // start finds a file byte for byte like the one the game would leave.
        const QString high = tesseron::storage::HighPath(out.path() + QLatin1Char('/'));
        if (tesseron::storage::HighTable().SaveHigh(high) != tesseron::storage::SaveHighResult::Ok)
            throw std::runtime_error("cannot write " + high.toStdString());
        if (argc == 3) WriteIcons(QDir(QString::fromLocal8Bit(argv[2])));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tesseron-assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
