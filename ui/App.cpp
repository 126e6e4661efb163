#include "ui/App.h"

#include "audio/SdlMedia.h"
#include "storage/Settings.h"
#include "ui/DataFiles.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tesseron {

namespace {

int signalPipe[2] = {-1, -1};

// The desktop icon in every size the program carries (packaging/CMakeLists.txt).
QIcon WindowIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) icon.addFile(sizes.next());
    return icon;
}

// Only writes a byte: the event loop does the rest.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

}  // namespace

App::App()
    : audio(CreateSdlBackend()), session(&audio), Main(session.SkinInUse(), session.BaseDir(), &audio),
      Scores(session.SkinInUse(), &audio), Options(session.SkinInUse(), session.BaseDir(), &audio), EnterName(&audio),
      Rules(session.SkinInUse(), session.BaseDir(), &audio), GameOver(&audio) {
    // Every window, those made later included, shows the game's own icon.
    QApplication::setWindowIcon(WindowIcon());
    session.SetFallbackSkin(ShippedFile(session.BaseDir(), QString::fromLatin1(storage::DefaultSkinName)));
    session.Start(Main);
    Splash.ShowMainHandler = [this] { Main.ShowGame(); };
    Splash.CloseHandler = [this] { session.FormClose(); };
    Splash.EndedHandler = [this] { Main.hide(); };
    Main.QuitHandler = [this] { Splash.close(); };
    Main.GameOverHandler = [this](int32_t score) { session.AddHighScore(score); };
    // The settings are read while the splash is up: it takes the player's factor too.
    Main.ZoomedHandler = [this] {
        if (Splash.isVisible()) Splash.Rezoom();
    };
    Main.RulesHandler = [this] { Rules.ShowModal(); };
    Rules.UncoverHandler = [this] { Main.Uncover(); };
    Rules.TextHandler = [this](const QString& path) { ShowText(path); };
    Main.OptionsHandler = [this] { Options.ShowModal(); };
    // The player's choices are kept as the window closes, not only when the game ends.
    Options.UncoverHandler = [this] {
        Main.Uncover();
        if (!session.Closing()) session.WriteIni();
    };
    Options.ColoursHandler = [this] { return Main.Colours(); };
    Options.ColoursChosenHandler = [this](int n) { Main.SetColours(n); };
    Options.NewGameHandler = [this] { Main.Engine().NewClick(); };
    Options.ChangeSkinHandler = [this](const QString& path) { return session.ChangeSkin(path); };
    Scores.UncoverHandler = [this] { Main.Uncover(); };
    Main.ScoresHandler = [this] {
        session.UpDateScores();
        Scores.ShowModal();
    };
    session.ScoresHandler = [this] { Scores.ShowModal(); };
    session.FameHandler = [this](const QStringList& names, const QStringList& scores) { Scores.SetEntries(names, scores); };
    session.EnterNameHandler = [this] {
        const QString name = EnterName.Ask();
        Main.Uncover();
        return name;
    };
    session.NameSoFarHandler = [this] { return UpperCaseName(EnterName.PlayerName.text()); };
    session.GameOverHandler = [this] {
        GameOver.Show();
        Main.Uncover();
    };
}

App::~App() = default;

void App::Start() { Splash.show(); }

void App::QuitOnSignals() {
    if (signalPipe[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    signals_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(signals_.get(), &QSocketNotifier::activated, [this] {
        char byte;
        [[maybe_unused]] const ssize_t got = read(signalPipe[0], &byte, 1);
        Splash.close();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

void App::BringToFront() {
    // Until the hand-over the splash is the window on screen.
    QWidget& front = Splash.isVisible() ? static_cast<QWidget&>(Splash) : Main;
    if (front.isMinimized()) front.setWindowState(front.windowState() & ~Qt::WindowMinimized);
    front.show();
    front.raise();
    front.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void App::ShowText(const QString& path) {
    ureadme.ShowFile(path);
    Rules.Repaint();
}

}  // namespace tesseron
