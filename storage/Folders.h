// The player's own folders, found the way other Linux programs find them.
#pragma once

#include <QString>

namespace tesseron::storage {

// $HOME when it is an absolute path, else this user's entry in the password database;
// empty when neither names a folder other than the root, so nothing lands in "/".
QString HomeFolder();
// $XDG_CONFIG_HOME when absolute, else ~/.config; empty without a home folder.
QString ConfigFolder();
// $XDG_DATA_HOME when absolute, else ~/.local/share; empty without a home folder.
QString DataFolder();

}  // namespace tesseron::storage
