// The application object's wiring of the real windows.
#include "storage/HighScores.h"
#include "storage/Settings.h"
#include "ui/App.h"

#include "support/FileBytes.h"
#include "support/ui_window_fixture.h"

#include <QIcon>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <utility>
#include <unistd.h>

namespace tesseron {
namespace {

using test::Probe;
using test::WaitUntil;

// Runs `act` once, when the first window of type W is shown (a dialog in its own loop).
template <typename W>
class OnShow : public QObject {
public:
    explicit OnShow(std::function<void(W*)> act) : act_(std::move(act)) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && act_)
            if (auto* w = dynamic_cast<W*>(object)) {
                // Queued, so that it runs inside the window's own loop.
                QTimer::singleShot(0, w, [act = std::move(act_), w] { act(w); });
                act_ = nullptr;
            }
        return false;
    }

private:
    std::function<void(W*)> act_;
};

// A real SIGTERM through the game's own handler, as a logout sends it.
void Terminate() { ::kill(::getpid(), SIGTERM); }

// After a signal has ended the game's loops, lets later loops of this test run again.
void ClearTheQuit() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// The name and score of the group's best entry as the file holds them.
QString BestInFile(const QString& path, int colours) {
    storage::HighTable table;
    if (table.LoadHigh(path) != storage::LoadHighResult::Loaded) return QStringLiteral("<unreadable>");
    return table.Names(colours)[0] + ' ' + table.Scores(colours)[0];
}

// A skin chosen in the options window whose images fail: the report sits over the
// options window, and both windows show the shipped skin that took its place.
TEST(AppTest, AFailedSkinFromTheOptionsIsReportedOverThemAndTheyRepaintInTheShippedSkin) {
    test::GameDir dir;
    // The "shipped" skin tiles its background from the pictogram sheet, so its pixels tell it apart.
    QStringList shipped = test::CodedSkinDir().Lines();
    shipped[4] = QString::fromLatin1(test::SheetFile(test::SheetPictograms));
    test::WriteFile(dir.Path("Shipped.skn"), shipped.join('\n').toLatin1());
    test::WriteFile(dir.Path("Broken.skn"), "a title only\n");
    dir.Enter();
    App app;
    app.session.SetFallbackSkin(dir.Path("Shipped.skn"));
    ASSERT_TRUE(WaitUntil([&] { return app.session.Started(); }));
    app.Main.ShowFullScreen();
    test::ModalWatcher watcher;
    app.Options.ChooseSkin = [&] { return std::optional<QString>(dir.Path("Broken.skn")); };

    int tileBefore = 0, tileAfter = 0;
    QTimer::singleShot(0, &app.Options, [&] {
        tileBefore = test::Decode(app.Options.surface.image().pixel(95, 5)).sheet;
        const int x = app.Options.OptionsLeft + layout::SkinIcon.left, y = app.Options.OptionsTop + layout::SkinIcon.top;
        QTest::mouseClick(&app.Options, Qt::LeftButton, {}, QPoint(x, y));
        tileAfter = test::Decode(app.Options.surface.image().pixel(95, 5)).sheet;
        app.Options.accept();
    });
    Probe(app.Main).OptionsClick();
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_TRUE(watcher.messages[0].text.startsWith("Tesseron could not load the skin: "));
    EXPECT_EQ(watcher.messages[0].parent, &app.Options);
    EXPECT_EQ(tileBefore, test::SheetTile);
    EXPECT_EQ(tileAfter, test::SheetPictograms);
    EXPECT_EQ(test::Decode(Probe(app.Main).Canvas().image().pixel(5, 5)).sheet, test::SheetPictograms);
}

// The hall of fame's icon shows the group of the colours now in play: the session
// brings the lines up to date before the window opens.
TEST(AppTest, TheHallOfFameShowsTheGroupOfTheColoursInPlay) {
    test::GameDir dir;
    storage::HighTable table;
    table.Enter(8, 500, QStringLiteral("EIGHT"));
    ASSERT_EQ(table.SaveHigh(dir.Path("Vexil.hig")), storage::SaveHighResult::Ok);
    dir.Enter();
    App app;
    ASSERT_TRUE(WaitUntil([&] { return app.session.Started(); }));
    ASSERT_NE(app.Scores.FameNames[0], "EIGHT");  // seven colours at start
    app.Main.SetColours(8);                       // as the options window does
    QString shown;
    QTimer::singleShot(0, &app.Scores, [&] {
        shown = app.Scores.FameNames[0] + ' ' + app.Scores.FameScores[0];
        app.Scores.accept();
    });
    Probe(app.Main).ScoresClick();
    EXPECT_EQ(shown, "EIGHT 500");
}

// Every window shows the shipped desktop icon, from 16 to 256 pixels, not Qt's blank one.
TEST(AppTest, EveryWindowShowsTheShippedIcon) {
    test::GameDir dir;
    dir.Enter();
    App app;
    const QImage shipped(QStringLiteral(TESSERON_ICON_DIR "/48x48/apps/org.example.Tesseron.png"));
    ASSERT_FALSE(shipped.isNull());
    for (QWidget* w : std::initializer_list<QWidget*>{&app.Splash, &app.Main, &app.Scores, &app.Options, &app.EnterName,
                                                      &app.Rules, &app.GameOver, &app.ureadme}) {
        const QIcon icon = w->windowIcon();
        EXPECT_EQ(icon.availableSizes().size(), 7) << w->metaObject()->className();
        EXPECT_EQ(icon.pixmap(48).toImage().convertToFormat(shipped.format()), shipped) << w->metaObject()->className();
    }
}

// A high score is in the file as soon as its name is confirmed, while the game goes on.
TEST(AppTest, AHighScoreIsInTheFileTheMomentItsNameIsConfirmed) {
    test::GameDir dir;
    dir.Enter();
    App app;
    ASSERT_TRUE(WaitUntil([&] { return app.session.Started(); }));
    OnShow<TEnterName> typeName([](TEnterName* d) {
        QTest::keyClicks(&d->PlayerName, "ada");
        QTest::keyClick(&d->PlayerName, Qt::Key_Return);
    });
    QString inFile;
    OnShow<TScores> readFile([&](TScores* scores) {
        inFile = BestInFile(dir.Path("Vexil.hig"), 7);
        scores->accept();
    });
    Probe(app.Main).EngineHost().GameOver(500);  // as the step finding the game over hands it on
    EXPECT_EQ(inFile, "ADA 500");
}

// SIGTERM while the name dialog is open: the score goes in with what was typed so far,
// or "Anonymus" when nothing was, and is saved before the game ends. Returns the
// group's best entry in the file.
QString EndDuringTheNameEntry(const char* typed) {
    test::GameDir dir;
    dir.Enter();
    App app;
    app.QuitOnSignals();
    EXPECT_TRUE(WaitUntil([&] { return app.session.Started(); }));
    OnShow<TEnterName> typeAndEnd([typed](TEnterName* d) {
        QTest::keyClicks(&d->PlayerName, typed);
        Terminate();
    });
    int hallShown = 0;
    OnShow<TScores> hall([&](TScores*) { ++hallShown; });
    Probe(app.Main).EngineHost().GameOver(700);
    ClearTheQuit();
    EXPECT_TRUE(app.session.Closing());
    EXPECT_EQ(hallShown, 0);
    EXPECT_EQ(Probe(app.session).High().Scores(7).count("700"), 1) << "entered once";
    return BestInFile(dir.Path("Vexil.hig"), 7);
}

TEST(AppTest, ATerminationSignalDuringTheNameEntryKeepsTheScoreWithTheNameSoFar) {
    EXPECT_EQ(EndDuringTheNameEntry("bo"), "BO 700");
}

TEST(AppTest, ATerminationSignalBeforeANameIsTypedKeepsTheScoreAsAnonymus) {
    EXPECT_EQ(EndDuringTheNameEntry(""), "Anonymus 700");
}

// SIGTERM while the start-up's warning is open, before the settings were read: the
// settings file stays as the player left it and the start-up goes no further.
TEST(AppTest, ATerminationSignalBeforeTheSettingsAreReadLeavesThemAlone) {
    test::GameDir dir;
    dir.Remove("Vexil.hig");
    const QByteArray ini = "[Graphics]\nGameSpeed=80\n[Skin]\nSkinFile=" + dir.Path("Scoarching red.skn").toUtf8() + "\n";
    test::PutBytes(storage::SettingsPath(), ini);
    dir.Enter();
    App app;
    app.QuitOnSignals();
    QStringList shown;
    OnShow<QMessageBox> endAtTheWarning([&](QMessageBox* box) {
        shown << box->text();
        Terminate();
    });
    ASSERT_TRUE(WaitUntil([&] { return app.session.Closing(); }));
    ClearTheQuit();
    EXPECT_EQ(shown, QStringList{QString::fromLatin1(storage::MsgHighNotFound)});
    EXPECT_EQ(test::GetBytes(storage::SettingsPath()), ini);
    EXPECT_EQ(Probe(app.Main).StepTimer().interval(), 50) << "the settings were read after the close";
    QFile::remove(storage::SettingsPath());
}

// A choice made in the options window is in the settings file once the window closes.
TEST(AppTest, ClosingTheOptionsWindowWritesTheSettings) {
    test::GameDir dir;
    dir.Enter();
    QFile::remove(storage::SettingsPath());
    App app;
    ASSERT_TRUE(WaitUntil([&] { return app.session.Started(); }));
    app.Main.ShowFullScreen();
    QTimer::singleShot(0, &app.Options, [&] {
        const int x = app.Options.OptionsLeft + layout::OptionsPressRegions[2].box.left;
        const int y = app.Options.OptionsTop + layout::OptionsPressRegions[2].box.top;
        ASSERT_EQ(layout::OptionsPressRegions[2].command, layout::OptionsCommand::Sounds);
        QTest::mouseClick(&app.Options, Qt::LeftButton, {}, QPoint(x, y));
        QTest::mouseClick(&app.Options, Qt::LeftButton, {}, QPoint(10, 10));  // the close icon
    });
    Probe(app.Main).OptionsClick();
    EXPECT_TRUE(test::GetBytes(storage::SettingsPath()).contains("Sounds=0"));
    QFile::remove(storage::SettingsPath());
}

// Each part takes its own keys at the start and gives them back at the quit: a file
// without a default in it comes back byte for byte, and what a part changed goes in.
TEST(AppTest, EveryPartTakesItsOwnSettingsAndGivesThemBack) {
    test::GameDir dir;
    dir.Enter();
    const QByteArray ini =
        "[Sound]\nMusic=1\nMisicFile=none.mid\nSounds=0\nSndShootFile=a.snd\nSndExplodeFile=b.snd\n"
        "SndClickFile=c.snd\nSndApplauseFile=d.snd\nSndOverFile=e.snd\n[Graphics]\nGameSpeed=70\n"
        "DisappearSpeed=30\nSkin=4\n[GameSettings]\nNumberOfColors=9\n[Skin]\nSkinFile=Scoarching red.skn\n"
        "[Display]\nZoom=2\n";
    test::PutBytes(storage::SettingsPath(), ini);
    {
        App app;
        ASSERT_TRUE(WaitUntil([&] { return app.session.Started(); }));
        QStringList held{QString::number(app.audio.Music), QString::number(app.audio.Sound)};
        for (int player = S1; player <= MusicPlayer; ++player) held << app.audio.File(player);
        held << QString::number(Probe(app.Main).StepTimer().interval())
             << QString::number(Probe(app.Main).SweepTimer().interval()) << QString::number(app.Main.Colours())
             << QString::number(app.Main.ZoomSetting()) << Probe(app.session).SkinFile();
        EXPECT_EQ(held.join(' '), "1 0 a.snd b.snd c.snd d.snd e.snd none.mid 70 30 9 2 Scoarching red.skn");
        app.session.WriteIni();
        EXPECT_EQ(test::GetBytes(storage::SettingsPath()), ini);

        app.audio.Music = false;
        app.audio.Sound = true;
        app.audio.SetFile(S3, QStringLiteral("z.snd"));
        app.audio.SetFile(MusicPlayer, QStringLiteral("y.mid"));
        app.Main.SetSpeeds(90, 20);
        app.Main.SetColours(6);
        app.Main.SetZoomSetting(3);
        app.session.WriteIni();
        QByteArray changed = ini;
        for (const auto& [was, is] : {std::pair{"Music=1", "Music=0"},
                                      {"none.mid", "y.mid"},
                                      {"Sounds=0", "Sounds=1"},
                                      {"c.snd", "z.snd"},
                                      {"GameSpeed=70", "GameSpeed=90"},
                                      {"DisappearSpeed=30", "DisappearSpeed=20"},
                                      {"NumberOfColors=9", "NumberOfColors=6"},
                                      {"Zoom=2", "Zoom=3"}})
            changed.replace(was, is);
        EXPECT_EQ(test::GetBytes(storage::SettingsPath()), changed);
        app.Main.SetZoomSetting(zoom::Automatic);
    }
    QFile::remove(storage::SettingsPath());
}

}  // namespace
}  // namespace tesseron
