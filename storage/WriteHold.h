// Whether this game may write the player's files at all. A game that could not take its
// data folder's lock reads them but writes none: another game may be keeping them.
#pragma once

namespace tesseron::storage {

// Once held, the high scores, the saved games and the settings are never written:
// their writes fail, and a saved game is not loaded, since it could not be spent.
void HoldWrites(bool held);
bool WritesHeld();

}  // namespace tesseron::storage
