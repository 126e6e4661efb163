// The game window's own files: the saved games, one slot per number of colours.
// The storage library reads and writes them; here the window tells the player.
#include "ui/UMain.h"

#include "storage/SavedGames.h"

#include <QCoreApplication>

namespace tesseron {

void TMain::SaveClick() {
    PlayEffect(Effect::Click);
    if (storage::SaveSlot(storage::SlotPath(BaseDir, NumCol), game.st) != storage::SaveSlotResult::Saved)
        Message(QMessageBox::Warning, QCoreApplication::translate("Storage", storage::MsgGameNotSaved));
}

void TMain::Loadgame1Click() {
    PlayEffect(Effect::Click);
    GameState saved;
    switch (storage::LoadSlot(storage::SlotPath(BaseDir, NumCol), saved, NumCol)) {
    case storage::LoadSlotResult::Loaded:
        game.Resume(saved);
        // A game loaded after the end of another must run, so the step timer goes on.
        host_.StepTimer(true);
        FollowState();
        break;
    case storage::LoadSlotResult::Spent:
        Message(QMessageBox::Information, QCoreApplication::translate("Storage", storage::MsgSameGameTwice));
        break;
    case storage::LoadSlotResult::Failed:
        Message(QMessageBox::Warning, QCoreApplication::translate("Storage", storage::MsgSavedGameNotOpened));
        game.NewClick();
        break;
    }
}

}  // namespace tesseron
