// Where the help window points: the game's site, the maker's site and the support
// address. Placeholders under the reserved example domain until real ones exist.
#pragma once

#include <QString>

namespace tesseron::links {

inline const QString GameSite = QStringLiteral("https://tesseron.example.org/");
inline const QString MakerSite = QStringLiteral("https://orvane.example.org/");
inline const QString SupportAddress = QStringLiteral("support@tesseron.example.org");

}  // namespace tesseron::links
