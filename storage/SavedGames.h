// Saved-game slots: one 600-byte record per number of colours, loadable once.
#pragma once

#include "game/GameState.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

namespace tesseron::storage {

// The player reads these translated: the window that shows them looks them up in "Storage".
inline constexpr const char* MsgGameNotSaved = QT_TRANSLATE_NOOP("Storage", "The game could not be saved!");  // warning
inline constexpr const char* MsgSameGameTwice =
    QT_TRANSLATE_NOOP("Storage", "You can not open the same game twice");  // information
inline constexpr const char* MsgSavedGameNotOpened =
    QT_TRANSLATE_NOOP("Storage", "Could not open the saved game. A new game started.");  // warning

// First byte of a slot that holds no game (a real record has 0 there: corner cell (0, 0)).
constexpr uint8_t SpentMark = 11;

enum class SaveSlotResult { Saved, Failed };
enum class LoadSlotResult {
    Loaded,  // the game is in the state; the slot is now spent
    Spent,   // the slot was already spent; state unchanged, slot rewritten as spent
    Failed   // missing, short, unreadable, not a sound record, not rewritable or writes held
             // (storage/WriteHold.h); state and slot unchanged
};

// baseDir + "kelm.sg" + digit (colours - 4), colours taken within 5..10.
QString SlotPath(const QString& baseDir, int colours);

// Replaces the slot with the game's Board, Nexts, Score and SetCount.
SaveSlotResult SaveSlot(const QString& path, const GameState& st);

// Loads the slot into st and marks it spent. colours bounds the colours a
// record may hold. A missing slot is never created.
LoadSlotResult LoadSlot(const QString& path, GameState& st, int colours);

// A record the game can play on: central colours within -colours..colours,
// an empty exit ring, arrows 0..4, queue colours 1..colours, no negative counts.
bool IsSoundRecord(const uint8_t record[RecordSize], int colours);

}  // namespace tesseron::storage
