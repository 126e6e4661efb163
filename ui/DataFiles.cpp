#include "ui/DataFiles.h"

#include "storage/Folders.h"

#include <QCoreApplication>
#include <QFileInfo>

// TESSERON_PROGRAM_TO_DATA, the installed data folder relative to the program's folder,
// comes from the build's install folders (ui/CMakeLists.txt).

namespace tesseron {

QString ShippedFile(const QString& baseDir, const QString& name) {
    const QString exe = QCoreApplication::applicationDirPath();
    const QString data = storage::DataFolder();
    // The player's own copies win; then the installed data; then a build tree, where
    // the game sits at the top and the test programs one below it.
    const QString places[] = {data.isEmpty() ? QString() : data + QStringLiteral("/tesseron/"), baseDir,
                              exe + QStringLiteral("/" TESSERON_PROGRAM_TO_DATA "/"), exe + QStringLiteral("/data/"),
                              exe + QStringLiteral("/../data/")};
    for (const QString& place : places) {
        if (place.isEmpty()) continue;  // no data folder without a home folder
        const QFileInfo info(place + name);
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace tesseron
