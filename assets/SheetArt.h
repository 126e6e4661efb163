// The icon sheet and the pictogram sheet of a skin: command icons, side buttons
// and the pieces of the options window, each cut where the game reads it.
#pragma once

#include "assets/SkinArt.h"

#include <QImage>

namespace tesseron::assets {

QImage PaintIcons(const SkinStyle& s);
// `behind` is the background tile's mean colour, which the plates' corners take.
QImage PaintPictograms(const SkinStyle& s, const QColor& behind);

}  // namespace tesseron::assets
