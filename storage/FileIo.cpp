#include "FileIo.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesseron::storage {

ReadStatus ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out) {
    out.clear();
    const QFileInfo info(path);
    if (!info.exists()) return ReadStatus::Missing;
    if (!info.isFile()) return ReadStatus::Unreadable;

    // The file can be swapped between the check and the open: open without
    // blocking and look again at what was actually opened.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadStatus::Unreadable;
    }
    const qint64 want = std::min<qint64>(maxBytes, st.st_size);
    QByteArray data(want, Qt::Uninitialized);
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, data.data() + got, size_t(want - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return ReadStatus::Unreadable;
        }
        if (n == 0) break;  // shrank while reading
        got += n;
    }
    ::close(fd);
    data.truncate(got);
    out = data;
    return ReadStatus::Ok;
}

namespace {
// A write killed between naming its temporary file and the rename leaves
// "<name>.XXXXXX" behind; the next write removes such leftovers. Six letters and
// digits with at least one capital or digit, so that a "kelm.ini.backup" stays.
void RemoveLeftoverTemporaries(const QFileInfo& target) {
    const QString prefix = target.fileName() + u'.';
    QDir dir = target.absoluteDir();
    for (const QString& name : dir.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) continue;
        bool alnum = true, marked = false;
        for (QChar c : QStringView(name).mid(prefix.size())) {
            const char16_t u = c.unicode();
            const bool lower = u >= u'a' && u <= u'z', upper = u >= u'A' && u <= u'Z', digit = u >= u'0' && u <= u'9';
            alnum = alnum && (lower || upper || digit);
            marked = marked || upper || digit;
        }
        if (alnum && marked) dir.remove(name);
    }
}
}  // namespace

bool WriteFileSafely(const QString& path, const QByteArray& data, bool createFolder) {
    const QFileInfo info(path);
    if (info.isDir()) return false;
    if (createFolder && !QDir().mkpath(info.absolutePath())) return false;
    RemoveLeftoverTemporaries(info);
    QSaveFile file(path);
    // Unbuffered: a buffered flush that stops short (disk full, size limit) is not
    // reported, and commit() would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tesseron::storage
