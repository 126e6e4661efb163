// The one reader of files that come from outside the program: skins, saved games,
// scores, settings, sounds, the tune and the texts.
#pragma once

#include <QByteArray>
#include <QString>

namespace tesseron::files {

enum class ReadStatus {
    Ok,
    Missing,     // no file of that name
    NotAFile,    // a folder, FIFO, device or socket
    TooLarge,    // more than the caller's cap
    Unreadable,  // no permission, or an error while reading
};

// What to do with a file larger than the cap: refuse it without reading, or read its
// first bytes for a caller that uses no more than those.
enum class Oversized { Refuse, KeepStart };

// Reads a regular file of at most maxBytes into out. Anything else is refused without
// blocking and without reading. With KeepStart a larger file still returns TooLarge,
// and out holds its first maxBytes bytes.
ReadStatus ReadUntrustedFile(const QString& path, qint64 maxBytes, QByteArray& out, Oversized oversized = Oversized::Refuse);

}  // namespace tesseron::files
