// The player's language for every text the program shows: the game's own translation
// and Qt's (file dialogs, message-box buttons, key names), installed once at start-up.
#pragma once

#include <QString>

namespace tesseron {

// Installs the translations for `lang`, a shipped suffix ("de", "pt_BR"), into the
// running application in place of any installed before; none for English (empty).
// Returns whether the game's own translation was found.
bool InstallTranslations(const QString& lang);
// The same for the desktop's language; returns the suffix taken, empty for English.
QString InstallTranslations();
// The language the windows speak: the suffix whose translation is installed, empty for English.
QString InstalledLanguage();

}  // namespace tesseron
