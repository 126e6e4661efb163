// The game's desktop icon: a bevelled plate holding a small field of bricks, one of
// them shot in from the left. Painted at every size it ships in, and as SVG.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tesseron::assets {

// The sizes of the hicolor theme the icon is installed in.
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// A square ARGB picture of size x size pixels, to be saved as PNG.
QImage PaintIcon(int size);
// The same picture as scalable vector text.
QByteArray IconSvg();

}  // namespace tesseron::assets
