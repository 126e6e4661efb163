// The icon sheet and the pictogram sheet of a skin: command icons, side buttons
// and the pieces of the options window, each cut where the game reads it.
#pragma once

#include "assets/SkinArt.h"

#include <QImage>
#include <QString>

namespace tesseron::assets {

// The icons with their captions in `language` (a shipped language's suffix, "" for
// English); throws for a language it has no words for.
QImage PaintIcons(const SkinStyle& s, const QString& language = QString());
// `behind` is the background tile's mean colour, which the plates' corners take.
QImage PaintPictograms(const SkinStyle& s, const QColor& behind);

}  // namespace tesseron::assets
