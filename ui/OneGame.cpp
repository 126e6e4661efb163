#include "ui/OneGame.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is a plain Unix socket watched by the event loop: Qt's own local sockets
// would bring in Qt Network and its libraries, two megabytes for six bytes each way.

namespace tesseron {

namespace {
const QByteArray RaiseRequest = "raise\n";
const QByteArray RaisedAnswer = "raised\n";
constexpr int MaxCallers = 8;  // later starts waiting for an answer at the same time

bool AddressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

int Remaining(const QDeadlineTimer& deadline) { return int(std::max<qint64>(1, deadline.remainingTime())); }

// Asks the game listening at `path` to come to the front; true once it says it has.
bool AskToRaise(const QString& path, const QDeadlineTimer& deadline) {
    sockaddr_un address;
    if (!AddressOf(path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, RaiseRequest.constData(), size_t(RaiseRequest.size()), MSG_NOSIGNAL) == RaiseRequest.size()) {
        pollfd wait{fd, POLLIN, 0};
        while (!answer.startsWith(RaisedAnswer) && ::poll(&wait, 1, Remaining(deadline)) > 0) {
            char bytes[16];
            const ssize_t got = ::recv(fd, bytes, sizeof bytes, 0);
            if (got <= 0) break;
            answer.append(bytes, got);
        }
    }
    ::close(fd);
    return answer.startsWith(RaisedAnswer);
}
}  // namespace

QString RuntimeFolderFor(const QString& dataFolder) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? dataFolder : runtime;
}

OneGame::OneGame(const QString& dataFolder, const QString& runtimeFolder)
    : base_([&] {
          // The same folder reached by another path (a link, a trailing slash) is the same player.
          const QString canonical = QFileInfo(dataFolder).canonicalFilePath();
          const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(dataFolder) : canonical).toUtf8();
          const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
          return QDir::cleanPath(runtimeFolder) + QStringLiteral("/tesseron-") + QString::fromLatin1(hash);
      }()),
      lock_(LockPath()) {
    // Only a holder that is gone makes the lock stale, never its age: a game may run for days.
    lock_.setStaleLockTime(0);
}

OneGame::~OneGame() {
    for (Caller& caller : callers_) {
        caller.notifier.reset();
        ::close(caller.fd);
    }
    if (listener_ >= 0) {
        // The socket goes before the lock that guards it.
        listening_.reset();
        ::close(listener_);
        ::unlink(QFile::encodeName(SocketPath()).constData());
    }
    if (lock_.isLocked()) lock_.unlock();
}

OneGame::Outcome OneGame::Claim(int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    for (;;) {
        // tryLock removes a lock whose process is gone and takes it.
        if (lock_.tryLock(0)) return Outcome::First;
        if (lock_.error() != QLockFile::LockFailedError) return Outcome::NoLock;
        QString host, app;
        lock_.getLockInfo(&holder_, &host, &app);
        // The holder may still be starting: it listens a moment after taking the lock.
        if (AskToRaise(SocketPath(), deadline)) return Outcome::Raised;
        if (deadline.hasExpired()) return Outcome::NoAnswer;
        QThread::msleep(10);
    }
}

bool OneGame::Listen(std::function<void()> raise) {
    sockaddr_un address;
    if (!lock_.isLocked() || listener_ >= 0 || !AddressOf(SocketPath(), address)) return false;
    raise_ = std::move(raise);
    // The lock is ours, so a socket left here belongs to a game that was killed.
    struct stat left;
    if (::lstat(address.sun_path, &left) == 0 && S_ISSOCK(left.st_mode)) ::unlink(address.sun_path);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) return false;
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener_, MaxCallers) != 0) {
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    listening_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(listening_.get(), &QSocketNotifier::activated, listening_.get(), [this] { Accept(); });
    return true;
}

void OneGame::Accept() {
    for (int fd; (fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
        if (callers_.size() >= MaxCallers) {
            ::close(fd);
            continue;
        }
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this, fd] { Hear(fd); });
        callers_.push_back({fd, std::move(notifier), {}});
    }
}

void OneGame::Hear(int fd) {
    const auto caller = std::find_if(callers_.begin(), callers_.end(), [fd](const Caller& c) { return c.fd == fd; });
    if (caller == callers_.end()) return;
    char bytes[16];
    const ssize_t got = ::recv(fd, bytes, sizeof bytes, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got > 0) caller->heard.append(bytes, got);
    // Anything but our own request, or a caller that goes quiet half-way, is not answered.
    if (got > 0 && caller->heard.size() < RaiseRequest.size() && RaiseRequest.startsWith(caller->heard)) return;
    if (caller->heard == RaiseRequest) {
        if (raise_) raise_();
        ::send(fd, RaisedAnswer.constData(), size_t(RaisedAnswer.size()), MSG_NOSIGNAL);
    }
    HangUp(fd);
}

void OneGame::HangUp(int fd) {
    const auto caller = std::find_if(callers_.begin(), callers_.end(), [fd](const Caller& c) { return c.fd == fd; });
    if (caller == callers_.end()) return;
    // The notifier may be the one whose signal brought us here: it goes when the loop is back.
    caller->notifier->setEnabled(false);
    caller->notifier.release()->deleteLater();
    ::close(fd);
    callers_.erase(caller);
}

}  // namespace tesseron
