// Where the game finds the files it ships: the skins, the title picture, the
// sounds, the tune and the texts.
#pragma once

#include <QString>

namespace tesseron {

// The first regular file of that name in the player's data folder
// ($XDG_DATA_HOME/tesseron), the start-up folder, the installed data folder (the build
// gives its path from the program's folder: ../share/tesseron, or
// ../../../share/games/tesseron in Debian's games layout) or the build tree's data
// folder; empty when none.
QString ShippedFile(const QString& baseDir, const QString& name);

}  // namespace tesseron
