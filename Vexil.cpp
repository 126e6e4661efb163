// Program entry: one application object creates the windows in their order and
// keeps them until the end.
#include "ui/App.h"

#include <QApplication>
#include <QLoggingCategory>

namespace {
// Quiet unless asked: QT_LOGGING_RULES="tesseron.info=true" makes the game say when its
// start-up is over, for a script that must not signal it before then.
Q_LOGGING_CATEGORY(lcTesseron, "tesseron", QtWarningMsg)
}  // namespace

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
    program.session.SetStartedHandler([] { qCInfo(lcTesseron, "ready"); });
    program.Start();
    return app.exec();
}
