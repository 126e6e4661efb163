// Writing a file so that a crash, a full disk or a size limit never leaves half of
// it: the new content goes to a temporary file of our own that replaces the old one.
#pragma once

#include <QByteArray>
#include <QString>

namespace tesseron::files {

// Replaces the file's content with data; on any failure the old file stays whole and
// the result is false. A new file gets the permissions the umask gives, an existing
// one keeps its own; a symbolic link stays and the file it points to is replaced.
// Anything but a regular file, or a file the player made read-only (its owner may not
// write it, whoever we are, root included), is refused.
// createFolder makes missing parent folders.
bool WriteFileSafely(const QString& path, const QByteArray& data, bool createFolder = false);

// The hidden name prefix of this file's temporary files: ".<name>.tesseron-", followed
// by six letters and digits. Nothing else beside the file is ever removed.
QString TemporaryPrefix(const QString& fileName);

}  // namespace tesseron::files
