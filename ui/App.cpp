#include "ui/App.h"

#include "audio/SdlMedia.h"
#include "storage/Settings.h"
#include "ui/DataFiles.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tesseron {

namespace {

int signalPipe[2] = {-1, -1};

// Only writes a byte: the event loop does the rest.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

}  // namespace

App::App()
    : audio(CreateSdlBackend()),
      Scores(Main.skin, &audio),
      Options(Main.skin, Main.BaseDir, &audio),
      EnterName(&audio),
      Rules(Main.skin, Main.BaseDir, &audio, [this](const QString& path) { ShowText(path); }),
      GameOver(&audio) {
    Main.audio = &audio;
    Main.FallbackSkin = ShippedFile(Main.BaseDir, QString::fromLatin1(storage::DefaultSkinName));
    Splash.ShowMain = [this] { Main.ShowFullScreen(); };
    Splash.MainClose = [this] { Main.FormClose(); };
    Splash.Ended = [this] { Main.hide(); };
    Main.QuitHandler = [this] { Splash.close(); };
    Main.RulesHandler = [this] { Rules.ShowModal([this] { Main.Uncover(); }); };
    Main.OptionsHandler = [this] { Options.ShowModal([this] { Main.Uncover(); }); };
    Options.GetColours = [this] { return Main.NumCol; };
    Options.SetColours = [this](int n) { Main.NumCol = n; };
    Options.NewGame = [this] { Main.game.NewClick(); };
    Options.ChangeSkin = [this](const QString& path) { return Main.ChangeSkin(path); };
    Main.ScoresHandler = [this] { Scores.ShowModal([this] { Main.Uncover(); }); };
    Main.FameHandler = [this](const QStringList& names, const QStringList& scores) { Scores.SetEntries(names, scores); };
    Main.EnterNameHandler = [this] {
        const QString name = EnterName.Ask();
        Main.Uncover();
        return name;
    };
    Main.GameOverHandler = [this] {
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

void App::ShowText(const QString& path) {
    ureadme.ShowFile(path);
    Rules.Repaint();
}

}  // namespace tesseron
