#include "ui/CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

// TESSERON_VERSION, the project's version, comes from the build (ui/CMakeLists.txt).

namespace tesseron {

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine line;
    for (const QString& arg : args) {
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            line.action = CommandLine::Action::Help;
        } else if (arg == QLatin1String("--version")) {
            if (line.action == CommandLine::Action::Play) line.action = CommandLine::Action::Version;
        } else {
            // A wrong argument wins over everything: nothing is done on a mistyped line.
            return {CommandLine::Action::Refuse, arg};
        }
    }
    return line;
}

QString Usage() {
    return QCoreApplication::translate("CommandLine",
                                       "Usage: tesseron [--help | --version]\n"
                                       "\n"
                                       "Tesseron, a puzzle game: shoot coloured bricks from the queues around a 10 x 10\n"
                                       "field; three or more touching bricks of one colour explode and score.\n"
                                       "\n"
                                       "Options:\n"
                                       "  -h, --help     show this help and exit\n"
                                       "      --version  show the version and exit\n"
                                       "\n"
                                       "Files:\n"
                                       "  $XDG_DATA_HOME/tesseron/ (normally ~/.local/share/tesseron/)\n"
                                       "      your data folder: skins, sounds, texts, the high scores (Vexil.hig) and\n"
                                       "      the saved games (kelm.sg1 to kelm.sg6)\n"
                                       "  $XDG_CONFIG_HOME/tesseron/kelm.ini (normally ~/.config/tesseron/kelm.ini)\n"
                                       "      the settings\n"
                                       "\n"
                                       "More in the manual: man tesseron\n");
}

QString VersionText() { return QStringLiteral("tesseron " TESSERON_VERSION "\n"); }

int AnswerCommandLine(const CommandLine& line) {
    switch (line.action) {
    case CommandLine::Action::Play: return -1;
    case CommandLine::Action::Help: std::fputs(qPrintable(Usage()), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(qPrintable(VersionText()), stdout); return 0;
    case CommandLine::Action::Refuse:
        std::fputs(qPrintable(QCoreApplication::translate("CommandLine", "tesseron: unknown argument '%1'").arg(line.wrong) +
                              QStringLiteral("\n\n") + Usage()),
                   stderr);
        return 2;
    }
    return -1;
}

}  // namespace tesseron
