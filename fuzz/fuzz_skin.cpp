// A skin: its description and the seven bitmaps it names.
//
// Input: the description, then up to seven files, each part introduced by a line
// "--8<--". A bitmap line that names a plain file name gets the matching part,
// written under that name, so the extension picks the decoder.
#include "draw/Layout.h"
#include "draw/Skin.h"

#include "FuzzSupport.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace tesseron;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char Cut[] = "\n--8<--\n";
    std::vector<std::pair<const uint8_t*, size_t>> parts;
    const uint8_t* p = data;
    const uint8_t* end = data + size;
    while (parts.size() < 1 + layout::SkinImageCount) {
        const uint8_t* at = static_cast<const uint8_t*>(memmem(p, size_t(end - p), Cut, sizeof Cut - 1));
        if (!at) break;
        parts.emplace_back(p, size_t(at - p));
        p = at + sizeof Cut - 1;
    }
    parts.emplace_back(p, size_t(end - p));

    const std::string dir = fuzz::ScratchDir();
    if (!fuzz::WriteScratch(dir + "fuzz.skn", parts[0].first, parts[0].second)) std::abort();
    Skin skin;
    std::vector<std::string> written;
    try {
        skin.skn = Skin::ReadDescription(QString::fromStdString(dir + "fuzz.skn"));
        for (int i = 0; i < layout::SkinImageCount && i + 1 < int(parts.size()); ++i) {
            const int line = layout::SkinLines[i];
            if (line >= skin.skn.size()) break;
            const std::string name = skin.skn[line].toStdString();
            if (name.empty() || name.size() > 64 || name[0] == '.' || name.find('/') != std::string::npos) continue;
            if (fuzz::WriteScratch(dir + name, parts[i + 1].first, parts[i + 1].second)) written.push_back(dir + name);
        }
        skin.LoadImages(QString::fromStdString(dir));
        skin.ExplodingBricks();
    } catch (const SkinError&) {
    }
    qint64 pixels = 0;
    for (const QImage* im : {&skin.bgimg, &skin.br, &skin.citems, &skin.pictograms, &skin.font1, &skin.font2, &skin.font3})
        pixels += qint64(im->width()) * im->height();
    if (pixels > Skin::MaxSkinPixels) std::abort();
    for (const std::string& f : written) std::remove(f.c_str());
    return 0;
}
