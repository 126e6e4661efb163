// One game per player: the first start for a data folder holds a lock and listens
// on a local socket beside it; a later start finds the lock, asks the running game
// to come to the front and ends without touching the player's files.
#pragma once

#include <QLockFile>
#include <QSocketNotifier>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tesseron {

class OneGame {
public:
    // The lock and the socket go into `runtimeFolder` (the player's runtime folder),
    // named after the data folder, so that games in other folders do not meet.
    OneGame(const QString& dataFolder, const QString& runtimeFolder);
    ~OneGame();

    enum class Outcome {
        First,     // this start holds the lock: play
        Raised,    // the running game came to the front: end at once
        NoAnswer,  // another game holds the lock but did not answer in time
        NoLock,    // the lock cannot be made here: play, unguarded
    };
    // Takes the lock, also over one whose process is gone; otherwise asks its holder
    // to come to the front, waiting at most `limitMs` for it to answer.
    Outcome Claim(int limitMs = 5000);
    // The first game, once the event loop exists: `raise` runs for every later start,
    // which is told when it has.
    bool Listen(std::function<void()> raise);

    QString LockPath() const { return base_ + QStringLiteral(".lock"); }
    QString SocketPath() const { return base_ + QStringLiteral(".sock"); }
    // The process that holds the lock when Claim did not get it; 0 when unknown.
    qint64 HolderPid() const { return holder_; }

private:
    // A later start that has connected and not yet said what it wants.
    struct Caller {
        int fd;
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray heard;
    };
    void Accept();
    void Hear(int fd);
    void HangUp(int fd);

    QString base_;
    QLockFile lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::vector<Caller> callers_;
    std::function<void()> raise_;
    qint64 holder_ = 0;
};

// The player's runtime folder ($XDG_RUNTIME_DIR, or the private one Qt makes when it
// is unset); the data folder itself when there is none.
QString RuntimeFolderFor(const QString& dataFolder);

}  // namespace tesseron
