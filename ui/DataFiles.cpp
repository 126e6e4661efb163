#include "ui/DataFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tesseron {

QString ShippedFile(const QString& baseDir, const QString& name) {
    const QString exe = QCoreApplication::applicationDirPath();
    // The game sits at the top of a build folder and the test programs one below it.
    const QString places[] = {baseDir, exe + QStringLiteral("/../share/tesseron/"), exe + QStringLiteral("/data/"),
                              exe + QStringLiteral("/../data/")};
    for (const QString& place : places) {
        const QFileInfo info(place + name);
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace tesseron
