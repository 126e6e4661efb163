#include "ui/OneGame.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace tesseron {

namespace {
const QByteArray RaiseRequest = "raise\n";
const QByteArray RaisedAnswer = "raised\n";
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
    server_.reset();  // the socket goes before the lock that guards it
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
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(RaiseRequest);
            QByteArray answer;
            while (socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())))) {
                answer += socket.readAll();
                if (answer.startsWith(RaisedAnswer)) return Outcome::Raised;
            }
        }
        if (deadline.hasExpired()) return Outcome::NoAnswer;
        QThread::msleep(10);
    }
}

bool OneGame::Listen(std::function<void()> raise) {
    if (!lock_.isLocked()) return false;
    raise_ = std::move(raise);
    // The lock is ours, so a socket left here belongs to a game that was killed.
    QLocalServer::removeServer(SocketPath());
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Answer(); });
    return server_->listen(SocketPath());
}

void OneGame::Answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) return;
            // Anything but our own request is not answered.
            if (socket->readLine() != RaiseRequest) {
                socket->abort();
                return;
            }
            if (raise_) raise_();
            socket->write(RaisedAnswer);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

}  // namespace tesseron
