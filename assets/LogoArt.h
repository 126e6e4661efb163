// The maker's 88 x 31 button-sized logo shown on the help screen.
#pragma once

#include <QImage>

namespace tesseron::assets {

constexpr int LogoWidth = 88;
constexpr int LogoHeight = 31;

QImage PaintLogo();

}  // namespace tesseron::assets
