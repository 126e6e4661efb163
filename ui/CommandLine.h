// The program's command line: it plays without arguments; it answers --help and
// --version without a display; anything else is refused with the usage.
#pragma once

#include <QString>
#include <QStringList>

namespace tesseron {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    QString wrong;  // the first argument refused
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& args);
// What the player reads: the usage and the version, both ending in a newline.
QString Usage();
QString VersionText();
// Prints what the command line asks for; the program's exit status, or -1 to play.
int AnswerCommandLine(const CommandLine& line);

}  // namespace tesseron
