// One game per data folder: the first start holds a lock on a file in the folder itself
// and listens on a local socket named after the folder; a later start finds the lock,
// asks the running game to come to the front and ends without touching the player's files.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace tesseron {

class OneGame {
public:
    // The lock is LockName in the data folder, so that every start on that folder meets
    // it whatever its environment; the socket has an abstract name, no file and no path.
    explicit OneGame(const QString& dataFolder);
    ~OneGame();
    OneGame(const OneGame&) = delete;
    OneGame& operator=(const OneGame&) = delete;

    static constexpr const char* LockName = ".tesseron.lock";
    // How long a later start may take to say what it wants once connected.
    static constexpr int CallerPatienceMs = 1000;

    enum class Outcome {
        First,     // this start holds the lock: play
        Raised,    // the running game came to the front: end at once
        NoAnswer,  // another game holds the lock but did not answer in time: play, writing nothing
        NoLock,    // the lock cannot be taken here: play, writing nothing
    };
    // Takes the lock, which a game that ended or was killed no longer holds; otherwise asks
    // its holder to come to the front, waiting at most `limitMs` for it to answer.
    Outcome Claim(int limitMs = 5000);
    // The first game, once the event loop exists: `raise` runs for every later start,
    // which is told when it has.
    bool Listen(std::function<void()> raise);

    QString LockPath() const { return lockPath_; }
    // The socket's abstract name, without the zero byte in front of it.
    QByteArray SocketName() const { return name_; }
    // The process that holds the lock when Claim did not get it; 0 when unknown.
    qint64 HolderPid() const { return holder_; }
    // What the player is told when Claim gave NoAnswer or NoLock.
    QString Trouble() const { return trouble_; }

private:
    // A later start that has connected and not yet said what it wants.
    struct Caller {
        int fd;
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray heard;
        QDeadlineTimer deadline;
    };
    void Accept();
    void Hear(int fd);
    void HangUp(int fd);
    void HangUpOnLate();

    QString folder_;
    QString lockPath_;
    QByteArray name_;
    int lockFd_ = -1;
    bool locked_ = false;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::vector<Caller> callers_;  // in the order they came, so the first is the first due
    QTimer patience_;
    std::function<void()> raise_;
    qint64 holder_ = 0;
    QString trouble_;
};

}  // namespace tesseron
