#include "ui/App.h"

#include "audio/SdlMedia.h"
#include "storage/Settings.h"
#include "ui/DataFiles.h"

namespace tesseron {

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

void App::ShowText(const QString& path) {
    ureadme.ShowFile(path);
    Rules.Repaint();
}

}  // namespace tesseron
