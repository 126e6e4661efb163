// One game per data folder, against the real game running beside the test.
#include "ui/OneGame.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

    void SetUp() override {
        // Longer than a socket path may be, so that nothing here can rely on one.
        ASSERT_TRUE(QDir().mkpath(root.filePath(QString(120, u'd'))));
        ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral(TESSERON_DATA_DIR), data()}), 0);
        ASSERT_GT(QFile::encodeName(data()).size(), 108);
        ASSERT_TRUE(QDir().mkpath(run()));
        QFile::setPermissions(run(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What every game here gets: its own runtime and settings folders, no screen and no sound.
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tesseron.info=true"));
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        return env;
    }

    // Starts `p` in the data folder and reads its standard error until a line holds
    // `words`, it ends, or a generous minute is over: what it said.
    QByteArray StartUntil(QProcess& p, const QProcessEnvironment& env, const QByteArray& words) {
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(data());
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.setReadChannel(QProcess::StandardError);
        p.start(QStringLiteral(TESSERON_GAME), {});
        QByteArray err;
        if (!p.waitForStarted(30000)) return err;
        const QDeadlineTimer limit(60000);
        while (!err.contains(words) && !limit.hasExpired() && p.state() == QProcess::Running)
            if (p.waitForReadyRead(1000)) err += p.readAllStandardError();
        return err + p.readAllStandardError();
    }

    // Starts the game and waits until its start-up is over.
    void StartGame() {
        const QByteArray err = StartUntil(game, Environment(), "tesseron: ready");
        ASSERT_TRUE(err.contains("tesseron: ready")) << err.toStdString();
    }

    void TearDown() override {
        if (game.state() == QProcess::Running) {
            ::kill(pid_t(game.processId()), SIGCONT);
            game.terminate();
            game.waitForFinished(30000);
        }
    }

    QString run() const { return root.filePath(QStringLiteral("run")); }
    QString data() const { return root.filePath(QString(120, u'd') + QStringLiteral("/data")); }

    QTemporaryDir root;
    QProcess game;
};

// Connects to the abstract socket `name`; -1 when nobody listens there.
int ConnectTo(const QByteArray& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(name.begin(), name.end(), address.sun_path + 1);
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
    ::close(fd);
    return -1;
}

// Says `words` on the socket and returns all that comes back until the game hangs up.
QByteArray SayOnSocket(const QByteArray& name, const QByteArray& words) {
    const int fd = ConnectTo(name);
    if (fd < 0) return "no connection";
    QByteArray heard;
    if (::send(fd, words.constData(), size_t(words.size()), MSG_NOSIGNAL) == words.size()) {
        ::shutdown(fd, SHUT_WR);  // nothing more from us
        char bytes[64];
        for (ssize_t got; (got = ::recv(fd, bytes, sizeof bytes, 0)) > 0;) heard.append(bytes, got);
    }
    ::close(fd);
    return heard;
}

// A running game answers a later start and is brought to the front; a start in another
// folder is a game of its own; anything else on the socket is hung up on, unanswered.
TEST_F(OneGameTest, ALaterStartOnTheSameFolderReachesTheRunningGame) {
    StartGame();
    OneGame second(data());
    EXPECT_EQ(SayOnSocket(second.SocketName(), "hello, is it me you're looking for?\n"), "");
    EXPECT_EQ(SayOnSocket(second.SocketName(), "rai"), "");  // and then nothing more
    EXPECT_EQ(SayOnSocket(second.SocketName(), "raise\n"), "raised\n");
    EXPECT_EQ(second.Claim(), OneGame::Outcome::Raised);
    EXPECT_EQ(second.HolderPid(), game.processId());
    // Reached through other spellings of the same folder.
    ASSERT_TRUE(QFile::link(data(), root.filePath(QStringLiteral("link"))));
    for (const QString& same : {data() + QStringLiteral("/."), root.filePath(QStringLiteral("link"))}) {
        OneGame again(same);
        EXPECT_EQ(again.Claim(), OneGame::Outcome::Raised) << same.toStdString();
    }
    OneGame elsewhere(root.path());
    EXPECT_EQ(elsewhere.Claim(), OneGame::Outcome::First);
    EXPECT_EQ(game.state(), QProcess::Running);
}

// The lock is in the data folder, so a start from a shell without the desktop's runtime
// folder, or with another one, still finds the game: it raises it and ends at once.
TEST_F(OneGameTest, ALaterStartInAnyEnvironmentRaisesTheRunningGame) {
    StartGame();
    const QString longRun = root.filePath(QString(110, u'r'));
    ASSERT_TRUE(QDir().mkpath(longRun));
    const struct {
        const char* name;
        QString runtime;  // empty: unset
    } starts[] = {{"the same runtime folder", run()},
                  {"no runtime folder", QString()},
                  {"another runtime folder", root.path()},
                  {"a runtime folder too long for a socket", longRun}};
    for (const auto& start : starts) {
        QProcessEnvironment env = Environment();
        if (start.runtime.isEmpty())
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), start.runtime);
        QProcess later;
        const QByteArray err = StartUntil(later, env, "tesseron: raised the running game");
        EXPECT_TRUE(later.waitForFinished(30000)) << start.name;
        EXPECT_EQ(later.exitStatus(), QProcess::NormalExit) << start.name;
        EXPECT_EQ(later.exitCode(), 0) << start.name;
        EXPECT_TRUE(err.contains("tesseron: raised the running game")) << start.name << ": " << err.toStdString();
        if (later.state() == QProcess::Running) later.kill();
    }
    EXPECT_EQ(game.state(), QProcess::Running);
}

// The lock of a game that was killed does not block the next start.
TEST_F(OneGameTest, TheLockOfAKilledGameIsTakenOver) {
    StartGame();
    OneGame next(data());
    game.kill();  // SIGKILL: nothing is cleaned up
    ASSERT_TRUE(game.waitForFinished(30000));
    ASSERT_TRUE(QFile::exists(next.LockPath()));
    EXPECT_EQ(next.Claim(1000), OneGame::Outcome::First);
    int raised = 0;
    EXPECT_TRUE(next.Listen([&] { ++raised; }));
}

// A holder that is alive but never answers is not waited for beyond the limit.
TEST_F(OneGameTest, AHolderThatDoesNotAnswerIsGivenUpOnAtTheLimit) {
    StartGame();
    ::kill(pid_t(game.processId()), SIGSTOP);
    OneGame second(data());
    EXPECT_EQ(second.Claim(300), OneGame::Outcome::NoAnswer);
    EXPECT_TRUE(second.Trouble().contains(QStringLiteral("does not answer"))) << second.Trouble().toStdString();
    ::kill(pid_t(game.processId()), SIGCONT);
}

// Callers that connect and say nothing are hung up on after a short while, and never
// keep a later start from reaching the game.
TEST_F(OneGameTest, CallersThatSayNothingDoNotKeepALaterStartOut) {
    StartGame();
    OneGame second(data());
    std::vector<int> silent;
    for (int i = 0; i < 8; ++i) silent.push_back(ConnectTo(second.SocketName()));
    EXPECT_EQ(second.Claim(), OneGame::Outcome::Raised);
    for (const int fd : silent) {
        ASSERT_GE(fd, 0);
        pollfd hungUp{fd, POLLIN, 0};
        char byte;
        EXPECT_EQ(::poll(&hungUp, 1, 30000), 1);
        EXPECT_EQ(::recv(fd, &byte, 1, MSG_DONTWAIT), 0);
        ::close(fd);
    }
}

// A file's bytes and inode: replaced or rewritten, it is no longer the same.
QByteArray Identity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return "missing";
    QFile f(path);
    return QByteArray::number(quint64(st.st_ino)) + ' ' + (f.open(QIODevice::ReadOnly) ? f.readAll() : "unreadable");
}

// A start that cannot take the lock, because its holder does not answer or because
// it cannot be made, says why once, plays, and leaves every file as it found it.
class UnguardedTest : public OneGameTest {
protected:
    void PlayUnguarded(const QByteArray& why) {
        const QString settings = root.filePath(QStringLiteral("config/tesseron/kelm.ini"));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QFile ini(settings);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("[Sound]\nMusic=0\n") > 0);
        ini.close();
        const QStringList files = QDir(data()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QByteArray scores = Identity(data() + QStringLiteral("/Vexil.hig"));
        const QByteArray kept = Identity(settings);

        QProcess unguarded;
        QByteArray err = StartUntil(unguarded, Environment(), why);
        const qsizetype line = err.lastIndexOf('\n', err.indexOf(why)) + 1;
        ASSERT_TRUE(err.contains(why) && err.mid(line).startsWith("tesseron: Tesseron ")) << err.toStdString();
        EXPECT_EQ(unguarded.state(), QProcess::Running) << "it plays";
        unguarded.terminate();  // as a logout does: the close writes what it may
        ASSERT_TRUE(unguarded.waitForFinished(30000));
        err += unguarded.readAllStandardError();
        EXPECT_EQ(unguarded.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(unguarded.exitCode(), 0);
        EXPECT_EQ(err.count(why), 1) << err.toStdString();
        EXPECT_EQ(Identity(data() + QStringLiteral("/Vexil.hig")), scores);
        EXPECT_EQ(Identity(settings), kept);
        EXPECT_EQ(QDir(data()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
    }
};

TEST_F(UnguardedTest, BesideAGameThatDoesNotAnswer) {
    StartGame();
    ::kill(pid_t(game.processId()), SIGSTOP);
    PlayUnguarded("but does not answer. This game writes no high scores, saved games or settings");
}

TEST_F(UnguardedTest, WhereNoLockCanBeMade) {
    // Even root cannot open a folder as the lock file.
    ASSERT_TRUE(QDir(data()).mkdir(QString::fromLatin1(OneGame::LockName)));
    PlayUnguarded("). This game writes no high scores, saved games or settings");
}

// Root starting a game in a player's folder leaves a lock the player's next start can take.
TEST_F(OneGameTest, ALockMadeByRootInAPlayersFolderIsThePlayers) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root makes files for others";
    const QString folder = root.filePath(QStringLiteral("player"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
    OneGame one(folder);
    ASSERT_EQ(one.Claim(), OneGame::Outcome::First);
    struct stat lock {};
    ASSERT_EQ(::stat(QFile::encodeName(one.LockPath()).constData(), &lock), 0);
    EXPECT_EQ(lock.st_uid, 65534u);
}

}  // namespace
}  // namespace tesseron
