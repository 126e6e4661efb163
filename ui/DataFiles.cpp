#include "ui/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tesseron {

namespace {

// $XDG_DATA_HOME/tesseron/, ~/.local/share/tesseron/ when unset or not absolute.
QString UserDataDir() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/tesseron/");
}

}  // namespace

QString ShippedFile(const QString& baseDir, const QString& name) {
    const QString exe = QCoreApplication::applicationDirPath();
    // The player's own copies win; then the installed data beside bin/; then a build
    // tree, where the game sits at the top and the test programs one below it.
    const QString places[] = {UserDataDir(), baseDir, exe + QStringLiteral("/../share/tesseron/"),
                              exe + QStringLiteral("/data/"), exe + QStringLiteral("/../data/")};
    for (const QString& place : places) {
        const QFileInfo info(place + name);
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace tesseron
