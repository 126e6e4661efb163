#include "files/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesseron::files {

namespace {

constexpr int RandomChars = 6;
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

struct Fd {
    int fd = -1;
    Fd() = default;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

QByteArray RandomName(const QByteArray& prefix) {
    QByteArray name = prefix;
    for (int i = 0; i < RandomChars; ++i) name += Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet - 1))];
    return name;
}

bool IsOwnTemporary(const char* entry, const QByteArray& prefix) {
    const QByteArrayView name(entry);
    if (name.size() != prefix.size() + RandomChars || !name.startsWith(prefix)) return false;
    for (const char c : name.sliced(prefix.size()))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// Removes the temporary files that killed writes left. A live write holds a lock on
// its own, so a second game writing at the same moment keeps its file.
void RemoveLeftovers(int dirFd, const QByteArray& prefix) {
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return;
    DIR* list = ::fdopendir(listFd);
    if (!list) {
        ::close(listFd);
        return;
    }
    while (const dirent* entry = ::readdir(list)) {
        if (!IsOwnTemporary(entry->d_name, prefix)) continue;
        const Fd leftover(::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat st {};
        if (leftover.fd >= 0 && ::fstat(leftover.fd, &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(leftover.fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(list);
}

bool WriteAll(int fd, const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // disk full, size limit, I/O error
        done += n;
    }
    return true;
}

// An unnamed file is linked in through /proc, which a chroot may lack.
bool CanLinkUnnamed() { return ::access("/proc/self/fd", X_OK) == 0; }

// Gives the unnamed file a name of ours, so that it can be renamed over the target.
bool LinkUnnamed(int fd, int dirFd, const QByteArray& prefix, QByteArray& tempName) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = RandomName(prefix);
        if (::linkat(AT_FDCWD, self.constData(), dirFd, tempName.constData(), AT_SYMLINK_FOLLOW) == 0) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace

QString TemporaryPrefix(const QString& fileName) { return u'.' + fileName + QStringLiteral(".tesseron-"); }

bool WriteFileSafely(const QString& path, const QByteArray& data, bool createFolder) {
    if (path.isEmpty()) return false;
    // As QSaveFile does: through a chain of symbolic links to the file at its end, so
    // that a link the player made stays a link.
    QFileInfo target(path);
    for (int depth = 0; target.isSymLink(); ++depth) {
        if (depth == 40) return false;  // a loop
        target.setFile(target.symLinkTarget());
    }
    if (createFolder && !QDir().mkpath(target.absolutePath())) return false;
    const QByteArray name = QFile::encodeName(target.fileName());
    const QByteArray prefix = QFile::encodeName(TemporaryPrefix(target.fileName()));
    if (name.isEmpty()) return false;
    const Fd dir(::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0) return false;

    struct stat old {};
    const bool exists = ::fstatat(dir.fd, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT) return false;
    // A folder, FIFO or device is never replaced, and neither is a file made read-only: its
    // mode tells, also for root, whom access() lets write anything; access() adds a file
    // of someone else's that we could not write.
    if (exists && (!S_ISREG(old.st_mode) || !(old.st_mode & S_IWUSR) || ::faccessat(dir.fd, name.constData(), W_OK, 0) != 0))
        return false;

    RemoveLeftovers(dir.fd, prefix);
    // Only we can read the new content of an existing file until it has that file's mode.
    const mode_t createMode = exists ? 0600 : 0666;
    QByteArray tempName;
    const bool tryUnnamed = CanLinkUnnamed();
    Fd temp(tryUnnamed ? ::openat(dir.fd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, createMode) : -1);
    const bool unnamed = temp.fd >= 0;
    if (!unnamed) {
        // Only a file system or kernel without unnamed files is a reason to name one.
        if (tryUnnamed && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
        for (int attempt = 0; attempt < 100 && temp.fd < 0; ++attempt) {
            tempName = RandomName(prefix);
            temp.fd = ::openat(dir.fd, tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
            if (temp.fd < 0 && errno != EEXIST) return false;
        }
        if (temp.fd < 0) return false;
    }
    // Held until the file is closed or this process dies: a leftover is one without it.
    ::flock(temp.fd, LOCK_EX | LOCK_NB);

    const bool written =
        WriteAll(temp.fd, data) && (!exists || ::fchmod(temp.fd, old.st_mode & 0777) == 0) && ::fsync(temp.fd) == 0;
    if (written && unnamed && !LinkUnnamed(temp.fd, dir.fd, prefix, tempName)) return false;
    if (written && ::renameat(dir.fd, tempName.constData(), dir.fd, name.constData()) == 0) return true;
    if (!tempName.isEmpty()) ::unlinkat(dir.fd, tempName.constData(), 0);
    return false;
}

}  // namespace tesseron::files
