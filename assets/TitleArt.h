// The 500 × 375 title picture of the splash screen.
#pragma once

#include <QImage>

namespace tesseron::assets {

struct SkinStyle;

QImage PaintTitle(const SkinStyle& bricks);

}  // namespace tesseron::assets
