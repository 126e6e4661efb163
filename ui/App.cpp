#include "ui/App.h"

namespace tesseron {

App::App() {
    Splash.ShowMain = [this] { Main.ShowFullScreen(); };
    Splash.MainClose = [this] { Main.FormClose(); };
    Splash.Ended = [this] { Main.hide(); };
    Main.QuitHandler = [this] { Splash.close(); };
}

App::~App() = default;

void App::Start() { Splash.show(); }

}  // namespace tesseron
