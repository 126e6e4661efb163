// One game per data folder, against the real game running beside the test.
#include "ui/OneGame.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tesseron {
namespace {

class OneGameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "ui_onegame_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Tesseron"));
    }

    // Starts the game in a copy of the shipped data folder and waits until its start-up is over.
    void StartGame() {
        ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral(TESSERON_DATA_DIR), data()}), 0);
        ASSERT_TRUE(QDir().mkpath(run()));
        QFile::setPermissions(run(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tesseron.info=true"));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        game.setProcessEnvironment(env);
        game.setWorkingDirectory(data());
        game.setProcessChannelMode(QProcess::SeparateChannels);
        game.setReadChannel(QProcess::StandardError);
        game.start(QStringLiteral(TESSERON_GAME), {});
        ASSERT_TRUE(game.waitForStarted(30000));
        QByteArray err;
        const QDeadlineTimer limit(60000);
        while (!err.contains("tesseron: ready") && !limit.hasExpired() && game.state() == QProcess::Running)
            if (game.waitForReadyRead(1000)) err += game.readAllStandardError();
        ASSERT_TRUE(err.contains("tesseron: ready")) << err.toStdString();
    }

    void TearDown() override {
        if (game.state() == QProcess::Running) {
            game.terminate();
            game.waitForFinished(30000);
        }
    }

    QString run() const { return root.filePath(QStringLiteral("run")); }
    QString data() const { return root.filePath(QStringLiteral("data")); }

    QTemporaryDir root;
    QProcess game;
};

// Connects to `path`, says `words` and returns all that comes back until the game hangs up.
QByteArray SayOnSocket(const QString& path, const QByteArray& words) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QByteArray heard;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, words.constData(), size_t(words.size()), MSG_NOSIGNAL) == words.size()) {
        ::shutdown(fd, SHUT_WR);  // nothing more from us
        char bytes[64];
        for (ssize_t got; (got = ::recv(fd, bytes, sizeof bytes, 0)) > 0;) heard.append(bytes, got);
    } else {
        heard = "no connection";
    }
    ::close(fd);
    return heard;
}

// A running game answers a later start and is brought to the front; a start in another
// folder is a game of its own; anything else on the socket is hung up on, unanswered.
TEST_F(OneGameTest, ALaterStartOnTheSameFolderReachesTheRunningGame) {
    StartGame();
    OneGame second(data(), run());
    EXPECT_EQ(SayOnSocket(second.SocketPath(), "hello, is it me you're looking for?\n"), "");
    EXPECT_EQ(SayOnSocket(second.SocketPath(), "rai"), "");  // and then nothing more
    EXPECT_EQ(SayOnSocket(second.SocketPath(), "raise\n"), "raised\n");
    EXPECT_EQ(second.Claim(), OneGame::Outcome::Raised);
    EXPECT_EQ(second.HolderPid(), game.processId());
    // Reached through another spelling of the same folder.
    OneGame again(data() + QStringLiteral("/."), run());
    EXPECT_EQ(again.Claim(), OneGame::Outcome::Raised);
    OneGame elsewhere(root.path(), run());
    EXPECT_EQ(elsewhere.Claim(), OneGame::Outcome::First);
    EXPECT_EQ(game.state(), QProcess::Running);
}

// The lock and the socket of a game that was killed do not block the next start.
TEST_F(OneGameTest, TheLockOfAKilledGameIsTakenOver) {
    StartGame();
    OneGame next(data(), run());
    game.kill();  // SIGKILL: nothing is cleaned up
    ASSERT_TRUE(game.waitForFinished(30000));
    ASSERT_TRUE(QFile::exists(next.LockPath()));
    ASSERT_TRUE(QFile::exists(next.SocketPath()));
    EXPECT_EQ(next.Claim(1000), OneGame::Outcome::First);
    int raised = 0;
    EXPECT_TRUE(next.Listen([&] { ++raised; }));
}

// A holder that is alive but never answers is not waited for beyond the limit.
TEST_F(OneGameTest, AHolderThatDoesNotAnswerIsGivenUpOnAtTheLimit) {
    StartGame();
    ::kill(pid_t(game.processId()), SIGSTOP);
    OneGame second(data(), run());
    EXPECT_EQ(second.Claim(300), OneGame::Outcome::NoAnswer);
    ::kill(pid_t(game.processId()), SIGCONT);
}

}  // namespace
}  // namespace tesseron
