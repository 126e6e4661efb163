// The program's one application object: it creates every window and service once,
// in the order of the start-up, owns them for the whole run and connects them.
// Windows know nothing of each other; what one asks of another goes through here.
#pragma once

#include "audio/Audio.h"
#include "ui/EntName.h"
#include "ui/UGameOver.h"
#include "ui/UMain.h"
#include "ui/UOptions.h"
#include "ui/UScores.h"
#include "ui/Session.h"
#include "ui/URul.h"
#include "ui/URules.h"
#include "ui/USplash.h"
#include "ui/readme.h"

#include <memory>

class QSocketNotifier;

namespace tesseron {

class App {
public:
    App();
    ~App();

    // The sounds first, so that every window can be given them.
    Audio audio;
    // The splash first of the windows: it is the application's main window, and
    // closing it ends the program.
    TSplash Splash;
    // The start-up folder, the settings, the skin and the high scores, before the
    // windows that are handed them.
    Session session;
    TMain Main;
    TScores Scores;
    TOptions Options;
    TEnterName EnterName;
    TRules Rules;
    TGameOver GameOver;
    Trul rul;  // the viewer's plain base; never shown
    Tureadme ureadme;

    // Shows the splash; the start-up sequence runs as soon as the event loop does.
    void Start();
    // SIGTERM, SIGINT and SIGHUP (a logout, a terminal closing) end the program the way
    // the quit button does, so settings and scores are saved.
    void QuitOnSignals();
    // A second start asked for this game: the window in use is restored if minimised,
    // raised and given the focus, with any open dialog above it.
    void BringToFront();

private:
    std::unique_ptr<QSocketNotifier> signals_;
    // The text viewer over the help window, which is redrawn when it closes.
    void ShowText(const QString& path);
};

}  // namespace tesseron
