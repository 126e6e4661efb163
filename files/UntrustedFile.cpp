#include "files/UntrustedFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesseron::files {

namespace {

struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads until `count` bytes or the end of the file; -1 on an error.
qint64 ReadFull(int fd, char* to, qint64 count) {
    qint64 got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, to + got, size_t(count - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += n;
    }
    return got;
}

}  // namespace

ReadStatus ReadUntrustedFile(const QString& path, qint64 maxBytes, QByteArray& out, Oversized oversized) {
    out.clear();
    maxBytes = std::max<qint64>(maxBytes, 0);
    if (path.isEmpty()) return ReadStatus::Missing;
    const QByteArray native = QFile::encodeName(path);

    // Look before opening, since opening a device can do things of its own; then look
    // again at what was opened, since the name may have been swapped in between.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
    if (!S_ISREG(st.st_mode)) return ReadStatus::NotAFile;
    if (oversized == Oversized::Refuse && st.st_size > maxBytes) return ReadStatus::TooLarge;

    // Non-blocking: a FIFO put in place meanwhile opens at once and is refused below.
    const Fd file{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadStatus::Missing;
        return errno == ENXIO ? ReadStatus::NotAFile : ReadStatus::Unreadable;  // ENXIO: a socket
    }
    if (::fstat(file.fd, &st) != 0) return ReadStatus::Unreadable;
    if (!S_ISREG(st.st_mode)) return ReadStatus::NotAFile;
    if (oversized == Oversized::Refuse && st.st_size > maxBytes) return ReadStatus::TooLarge;

    // A buffer of the file's own size, not of the cap.
    QByteArray data(qsizetype(std::min<qint64>(st.st_size, maxBytes)), Qt::Uninitialized);
    const qint64 got = ReadFull(file.fd, data.data(), data.size());
    if (got < 0) return ReadStatus::Unreadable;
    if (got < data.size()) {
        data.truncate(got);  // shrank while being read
    } else if (got < maxBytes) {
        // Grew while being read, or a size of 0 that is not the truth (as in /proc).
        char chunk[4096];
        for (;;) {
            const qint64 n = ReadFull(file.fd, chunk, std::min<qint64>(sizeof chunk, maxBytes - data.size()));
            if (n < 0) return ReadStatus::Unreadable;
            data.append(chunk, n);
            if (n < qint64(sizeof chunk) || data.size() == maxBytes) break;
        }
        data.squeeze();
    }
    // One byte more tells a file of exactly the cap from a larger one.
    bool larger = false;
    if (data.size() == maxBytes) {
        char extra;
        const qint64 n = ReadFull(file.fd, &extra, 1);
        if (n < 0) return ReadStatus::Unreadable;
        larger = n > 0;
    }
    if (larger && oversized == Oversized::Refuse) return ReadStatus::TooLarge;
    out = std::move(data);
    return larger ? ReadStatus::TooLarge : ReadStatus::Ok;
}

}  // namespace tesseron::files
