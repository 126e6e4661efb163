// Program entry: one application object creates the windows in their order and
// keeps them until the end.
#include "ui/Accessible.h"
#include "ui/App.h"
#include "ui/CommandLine.h"
#include "ui/ControlZoom.h"
#include "ui/Display.h"
#include "ui/OneGame.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStringList>

namespace {
// Quiet unless asked: QT_LOGGING_RULES="tesseron.info=true" makes the game say when its
// start-up is over, for a script that must not signal it before then.
Q_LOGGING_CATEGORY(lcTesseron, "tesseron", QtWarningMsg)
}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt opens the display, so that they work in any terminal; a core
    // application is enough for them to speak the player's language.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const tesseron::CommandLine line = tesseron::ParseCommandLine(args);
    if (line.action != tesseron::CommandLine::Action::Play) {
        QCoreApplication core(argc, argv);
        tesseron::InstallTranslations();
        return tesseron::AnswerCommandLine(line);
    }

    QApplication app(argc, argv);
    // Before any window or message: every text, Qt's own included, in the desktop's language.
    tesseron::InstallTranslations();
    // No display name: Qt would append it to every window's title ("Open a SKIN — Tesseron").
    QApplication::setApplicationName(QStringLiteral("Tesseron"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tesseron"));
    // Only closing the splash ends the program, whatever windows are open then.
    QApplication::setQuitOnLastWindowClosed(false);

    // A second game on the same folder would overwrite the first one's scores and
    // settings: it brings the first to the front instead, before reading anything.
    tesseron::OneGame one(QDir::currentPath());
    const tesseron::OneGame::Outcome claimed = one.Claim();
    if (claimed == tesseron::OneGame::Outcome::Raised) {
        qCInfo(lcTesseron, "raised the running game");
        return 0;
    }

    // Before any window exists, so that every painted window gets its own interface.
    tesseron::InstallAccessibility();
    tesseron::App program;
    program.QuitOnSignals();
    one.Listen([&program] { program.BringToFront(); });
    // Without the lock another game may be keeping the files here: this one plays, writing none.
    if (claimed != tesseron::OneGame::Outcome::First) program.session.SetUnguarded(one.Trouble());
    program.session.StartedHandler = [] { qCInfo(lcTesseron, "ready"); };
    program.Start();
    return app.exec();
}
