// The program's one application object: it creates every window and service once,
// in the order of the start-up, owns them for the whole run and connects them.
// Windows know nothing of each other; what one asks of another goes through here.
#pragma once

#include "ui/UMain.h"
#include "ui/USplash.h"

namespace tesseron {

class App {
public:
    App();
    ~App();

    // The splash first: it is the application's main window, and closing it ends the program.
    TSplash Splash;
    TMain Main;
    // The hall of fame, options, name entry, help, game over and text viewer
    // windows follow here, in that order.

    // Shows the splash; the start-up sequence runs as soon as the event loop does.
    void Start();
};

}  // namespace tesseron
