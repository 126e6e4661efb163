// Reading files that may be hostile and writing files safely (temporary file
// renamed over the old one), shared by the settings, scores and saved games.
#pragma once

#include <QByteArray>
#include <QString>

namespace tesseron::storage {

enum class ReadStatus { Ok, Missing, Unreadable };

// Reads at most maxBytes of a regular file. Anything that is not a regular file
// (folder, FIFO, device) is refused without blocking.
ReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out);

// Replaces the file with data through a temporary file in the same folder; the
// old file stays whole on any failure. createFolder makes missing parent folders.
bool WriteFileSafely(const QString& path, const QByteArray& data, bool createFolder = false);

}  // namespace tesseron::storage
