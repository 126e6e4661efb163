// Program entry: the windows are created once, in a fixed order, and live until the end.
#include "ui/UMain.h"
#include "ui/USplash.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesseron"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tesseron"));
    // Only closing the splash ends the program, whatever windows are open then.
    QApplication::setQuitOnLastWindowClosed(false);

    tesseron::TSplash Splash;
    tesseron::TMain Main;
    // The hall of fame, options, name entry, help, game over and text viewer windows
    // follow here, in that order.

    Splash.Main = &Main;
    Main.Splash = &Splash;
    Splash.show();
    return app.exec();
}
