#include "Folders.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace tesseron::storage {

namespace {
// An absolute folder other than the root, cleaned of "." and trailing slashes; else empty.
QString Usable(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) return {};
    const QString clean = QDir::cleanPath(path);
    return clean == QStringLiteral("/") ? QString() : clean;
}

// Relative values are invalid for XDG variables and are ignored.
QString XdgFolder(const char* variable, const char* underHome) {
    const QString set = Usable(qEnvironmentVariable(variable));
    if (!set.isEmpty()) return set;
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + QLatin1String(underHome);
}
}  // namespace

QString HomeFolder() {
    const QString home = Usable(qEnvironmentVariable("HOME"));
    if (!home.isEmpty()) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? Usable(QFile::decodeName(entry->pw_dir)) : QString();
}

QString ConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", "/.config"); }

QString DataFolder() { return XdgFolder("XDG_DATA_HOME", "/.local/share"); }

}  // namespace tesseron::storage
