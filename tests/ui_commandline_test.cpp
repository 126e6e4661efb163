// The program's command line: what each set of arguments asks for, and what it prints.
#include "ui/CommandLine.h"

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, OnlyHelpAndVersionAreTakenAndAWrongArgumentWinsOverThem) {
    struct Case {
        QStringList args;
        Action action;
        const char* wrong;
    };
    const Case cases[] = {
        {{}, Action::Play, ""},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"--version", "--help"}, Action::Help, ""},
        {{"--help", "--bogus"}, Action::Refuse, "--bogus"},
        {{"-platform", "xcb"}, Action::Refuse, "-platform"},
        {{"Vexil.hig"}, Action::Refuse, "Vexil.hig"},
        {{"--HELP"}, Action::Refuse, "--HELP"},
        {{""}, Action::Refuse, ""},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << c.args.join(' ').toStdString();
        EXPECT_EQ(line.wrong, QString::fromLatin1(c.wrong)) << c.args.join(' ').toStdString();
    }
}

TEST(CommandLineTest, TheUsageSaysWhatTheGameIsItsOptionsItsFilesAndTheManual) {
    const QString usage = Usage();
    for (const char* part : {"Usage: tesseron [--help | --version]", "puzzle game", "--help", "--version",
                             "~/.local/share/tesseron/", "kelm.ini", "man tesseron"})
        EXPECT_TRUE(usage.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(usage.endsWith('\n'));
    EXPECT_EQ(VersionText(), "tesseron " TESSERON_VERSION "\n");
}

}  // namespace
}  // namespace tesseron
