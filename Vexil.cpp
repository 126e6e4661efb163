// Program entry: one application object creates the windows in their order and
// keeps them until the end.
#include "ui/App.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window's title ("Open a SKIN — Tesseron").
    QApplication::setApplicationName(QStringLiteral("Tesseron"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tesseron"));
    // Only closing the splash ends the program, whatever windows are open then.
    QApplication::setQuitOnLastWindowClosed(false);

    tesseron::App program;
    program.QuitOnSignals();
    program.Start();
    return app.exec();
}
