#include "ui/OneGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The lock is a record lock the kernel lets go of when its holder ends, however it
// ends. The socket is a plain Unix socket watched by the event loop: Qt's own local
// sockets would bring in Qt Network and its libraries, two megabytes for six bytes each way.

namespace tesseron {

namespace {
const QByteArray RaiseRequest = "raise\n";
const QByteArray RaisedAnswer = "raised\n";
constexpr int MaxCallers = 8;  // later starts waiting for an answer at the same time

// An abstract address: a zero byte, then the name; its length is part of the address.
bool AddressOf(const QByteArray& name, sockaddr_un& address, socklen_t& length) {
    std::memset(&address, 0, sizeof address);
    if (name.isEmpty() || size_t(name.size()) + 1 > sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
    length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
    return true;
}

int Remaining(const QDeadlineTimer& deadline) { return int(std::max<qint64>(1, deadline.remainingTime())); }

// Asks the game listening on `name` to come to the front; true once it says it has.
// Anyone may take a name: only the process that holds the lock (when known) is asked.
bool AskToRaise(const QByteArray& name, qint64 holder, const QDeadlineTimer& deadline) {
    sockaddr_un address;
    socklen_t length = 0;
    if (!AddressOf(name, address, length)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    QByteArray answer;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
        ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && (holder <= 0 || peer.pid == holder) &&
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

QString NoLockText(const QString& lockPath, int error) {
    return QCoreApplication::translate("OneGame",
                                       "Tesseron could not lock %1 (%2). This game writes no high scores, saved games or "
                                       "settings, so that it cannot overwrite another game's in that folder.")
        .arg(QDir::toNativeSeparators(lockPath), QString::fromLocal8Bit(std::strerror(error)));
}
}  // namespace

OneGame::OneGame(const QString& dataFolder)
    : folder_(QDir::cleanPath(dataFolder)), lockPath_(folder_ + u'/' + QLatin1String(LockName)) {
    // The folder's identity, not its path: a link or another spelling is the same folder.
    struct stat st {};
    if (::stat(QFile::encodeName(folder_).constData(), &st) == 0)
        name_ = "tesseron/" + QByteArray::number(quint64(st.st_dev), 16) + '/' + QByteArray::number(quint64(st.st_ino), 16);
    patience_.setSingleShot(true);
    QObject::connect(&patience_, &QTimer::timeout, [this] { HangUpOnLate(); });
}

OneGame::~OneGame() {
    patience_.stop();
    for (Caller& caller : callers_) {
        caller.notifier.reset();
        ::close(caller.fd);
    }
    if (listener_ >= 0) {
        listening_.reset();
        ::close(listener_);
    }
    // The file stays: removing it would let a start that opened it meanwhile lock a file
    // nobody else can find any more.
    if (lockFd_ >= 0) ::close(lockFd_);
}

OneGame::Outcome OneGame::Claim(int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    if (lockFd_ < 0) {
        lockFd_ = ::open(QFile::encodeName(lockPath_).constData(),
                         O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        struct stat st {};
        int error = lockFd_ < 0 ? errno : ::fstat(lockFd_, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EISDIR;
        if (error == 0 && ::geteuid() == 0 && st.st_uid == 0) {
            // Root starting a game in a player's folder leaves the lock to the player, whose
            // own next start must be able to open it.
            struct stat owner {};
            if (::stat(QFile::encodeName(folder_).constData(), &owner) == 0 && owner.st_uid != 0 &&
                ::fchown(lockFd_, owner.st_uid, owner.st_gid) != 0) {
                // Not fatal here: that start will say it cannot lock.
            }
        }
        if (error != 0) {
            if (lockFd_ >= 0) ::close(lockFd_);
            lockFd_ = -1;
            trouble_ = NoLockText(lockPath_, error);
            return Outcome::NoLock;
        }
    }
    for (;;) {
        struct flock whole {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        if (::fcntl(lockFd_, F_SETLK, &whole) == 0) {
            locked_ = true;
            trouble_.clear();
            return Outcome::First;
        }
        if (errno != EACCES && errno != EAGAIN) {
            trouble_ = NoLockText(lockPath_, errno);
            return Outcome::NoLock;
        }
        struct flock held {};
        held.l_type = F_WRLCK;
        held.l_whence = SEEK_SET;
        if (::fcntl(lockFd_, F_GETLK, &held) == 0 && held.l_type != F_UNLCK) holder_ = held.l_pid;
        // The holder may still be starting: it listens a moment after taking the lock.
        if (AskToRaise(name_, holder_, deadline)) return Outcome::Raised;
        if (deadline.hasExpired()) {
            const QString who = holder_ > 0 ? QCoreApplication::translate("OneGame", " (process %1)").arg(holder_) : QString();
            //: %1 is the data folder; %2 is empty or " (process 1234)"
            trouble_ =
                QCoreApplication::translate("OneGame",
                                            "Tesseron is already running in %1%2 but does not answer. This game writes no "
                                            "high scores, saved games or settings, so that it cannot overwrite that game's.")
                    .arg(QDir::toNativeSeparators(folder_), who);
            return Outcome::NoAnswer;
        }
        QThread::msleep(10);
    }
}

bool OneGame::Listen(std::function<void()> raise) {
    sockaddr_un address;
    socklen_t length = 0;
    if (!locked_ || listener_ >= 0 || !AddressOf(name_, address, length)) return false;
    raise_ = std::move(raise);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) return false;
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(listener_, MaxCallers) != 0) {
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
        // An abstract name can be reached by anyone: only this user, or root starting the
        // game for them, may raise it.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || (peer.uid != ::geteuid() && peer.uid != 0)) {
            ::close(fd);
            continue;
        }
        // The caller waiting longest makes room; a real one asks again.
        if (callers_.size() >= MaxCallers) HangUp(callers_.front().fd);
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this, fd] { Hear(fd); });
        callers_.push_back({fd, std::move(notifier), {}, QDeadlineTimer(CallerPatienceMs)});
        if (!patience_.isActive()) patience_.start(CallerPatienceMs);
    }
}

void OneGame::HangUpOnLate() {
    while (!callers_.empty() && callers_.front().deadline.hasExpired()) HangUp(callers_.front().fd);
    if (!callers_.empty()) patience_.start(Remaining(callers_.front().deadline));
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
