#include "ui/App.h"

#include "audio/SdlMedia.h"

namespace tesseron {

App::App()
    : audio(CreateSdlBackend()),
      Rules(Main.skin, Main.BaseDir, &audio, [this](const QString& path) { ShowText(path); }) {
    Main.audio = &audio;
    Splash.ShowMain = [this] { Main.ShowFullScreen(); };
    Splash.MainClose = [this] { Main.FormClose(); };
    Splash.Ended = [this] { Main.hide(); };
    Main.QuitHandler = [this] { Splash.close(); };
    Main.RulesHandler = [this] { Rules.ShowModal([this] { Main.Uncover(); }); };
}

App::~App() = default;

void App::Start() { Splash.show(); }

void App::ShowText(const QString& path) {
    ureadme.ShowFile(path);
    Rules.Repaint();
}

}  // namespace tesseron
