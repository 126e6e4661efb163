// The game window on a 640 x 480 offscreen screen: start-up, pointer regions,
// hover highlights, painting, the clock format and modal boxes.
#include "storage/SavedGames.h"
#include "storage/Settings.h"
#include "ui/Clock.h"
#include "ui/Session.h"
#include "ui/SkinnedWindow.h"
#include "ui/UMain.h"

#include "support/BoardPicture.h"
#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace tesseron {
namespace {

using test::GameDir;
using test::ModalWatcher;
using test::ShowsRegion;

using test::Probe;
using test::WaitUntil;

// The first game's fixed pattern: colours 1..7 at these cells.
bool HasFirstSet(const GameState& st) {
    static constexpr int cells[7][2] = {{4, 5}, {4, 6}, {5, 7}, {6, 7}, {7, 6}, {7, 5}, {5, 4}};
    for (int c = 0; c < 7; ++c)
        if (st.board.at(cells[c][0], cells[c][1]).Color != c + 1) return false;
    return true;
}

// The game window and the session that starts it, wired as the application wires them.
struct GameWindow {
    explicit GameWindow(const QString& fallbackSkin = {}) {
        session.SetFallbackSkin(fallbackSkin);
        main.GameOverHandler = [this](int32_t score) { session.AddHighScore(score); };
        session.Start(main);
    }
    Session session;
    TMain main{session.SkinInUse(), session.BaseDir()};
};

QLabel* Label(TMain& main, const char* name) { return main.findChild<QLabel*>(QLatin1String(name)); }

class StartupTest : public ::testing::Test {
protected:
    // Runs the start-up sequence in the folder; `fallbackSkin` takes the place of a skin that fails.
    void Start(const QString& fallbackSkin = {}) {
        dir.Enter();
        window = std::make_unique<GameWindow>(fallbackSkin);
        main = &window->main;
        session = &window->session;
        ASSERT_TRUE(WaitUntil([&] { return session->Started(); }));
    }
    GameDir dir;
    ModalWatcher watcher;
    std::unique_ptr<GameWindow> window;
    TMain* main = nullptr;
    Session* session = nullptr;
};

TEST_F(StartupTest, CompleteFolderStartsSilentlyWithDefaults) {
    Start();
    EXPECT_TRUE(watcher.messages.empty());
    EXPECT_EQ(session->BaseDir(), dir.Base());
    EXPECT_EQ(Probe(*session).SkinFile(), dir.Base() + "Scoarching red.skn");
    EXPECT_TRUE(session->SkinInUse().Present());
    EXPECT_TRUE(HasFirstSet(main->Engine().st));
    EXPECT_FALSE(main->Engine().st.UndoReady);  // cleared again after the first game's snapshot
    EXPECT_EQ(main->Colours(), 7);
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());
    EXPECT_EQ(Probe(*main).StepTimer().interval(), 50);
    EXPECT_FALSE(Probe(*main).SweepTimer().isActive());
    EXPECT_EQ(Probe(*main).SweepTimer().interval(), 50);
    EXPECT_TRUE(Probe(*main).ClockTimer().isActive());
    EXPECT_EQ(Probe(*main).ClockTimer().interval(), 1000);
}

TEST_F(StartupTest, MissingFilesShowTheirMessagesAndTheSequenceGoesOn) {
    dir.Remove("Vexil.hig");
    dir.Remove("Scoarching red.skn");
    Start();
    ASSERT_EQ(watcher.messages.size(), 3u);
    EXPECT_EQ(watcher.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(watcher.messages[0].text, "The high scores file was not found! A new file was created.");
    EXPECT_EQ(watcher.messages[1].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.messages[1].text, "The skin file cound not be opened!");
    // skn still says "skn", so loading the images fails and the general report names the step.
    EXPECT_EQ(watcher.messages[2].icon, QMessageBox::Critical);
    EXPECT_TRUE(watcher.messages[2].text.startsWith("Tesseron could not load the skin: "))
        << watcher.messages[2].text.toStdString();
    for (const auto& m : watcher.messages) EXPECT_EQ(m.buttons, 1);
    EXPECT_TRUE(HasFirstSet(main->Engine().st));  // the first game started after the warning
    EXPECT_FALSE(session->SkinInUse().Present());
    EXPECT_FALSE(QFile::exists(dir.Path("Vexil.hig")));  // nothing is written at start-up
}

TEST_F(StartupTest, HighScoreFileEndingInAPartialRecordWarnsAndSkinStillLoads) {
    test::WriteFile(dir.Path("Vexil.hig"), QByteArray(31 * 108 - 1, '\0'));
    Start();
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_EQ(watcher.messages[0].text, "The high scores file was not found! A new file was created.");
    EXPECT_TRUE(session->SkinInUse().Present());
    EXPECT_FALSE(main->Engine().st.UndoReady);
}

TEST_F(StartupTest, BrokenSkinImageEndsTheSequenceWithTheReport) {
    test::WriteFile(dir.Path("icons.bmp"), "BM not really");
    Start();
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_TRUE(watcher.messages[0].text.startsWith("Tesseron could not load the skin: "));
    EXPECT_TRUE(watcher.messages[0].text.contains("icons.bmp"));
    EXPECT_TRUE(main->Engine().st.UndoReady);  // the later steps were skipped
}

TEST_F(StartupTest, SequenceRunsOnceOnly) {
    Start();
    main->Engine().st.Score = 77;
    // A step comes 50 ms after the sequence's 1 ms timer: once it has found nothing to
    // move, a sequence that ran again would have started a new game by then.
    Probe(*main).EngineHost().StepTimer(true);
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).StepResting(); }));
    EXPECT_EQ(main->Engine().st.Score, 77);  // no second new game
}

// The program announces that it is ready from this hand-over, so it must come once,
// after the sequence's last step, also when a step ends the sequence early.
TEST_F(StartupTest, TheEndOfTheSequenceIsToldOnceAfterItsLastStep) {
    for (bool brokenSkin : {false, true}) {
        if (brokenSkin) test::WriteFile(dir.Path("icons.bmp"), "BM not really");
        dir.Enter();
        window = std::make_unique<GameWindow>();
        int told = 0;
        bool undoReady = true;
        window->session.StartedHandler = [&] {
            ++told;
            undoReady = window->main.Engine().st.UndoReady;
        };
        ASSERT_TRUE(WaitUntil([&] { return window->session.Started(); }));
        EXPECT_EQ(told, 1);
        // Cleared by the last step only; a sequence that ended at the skin leaves it set.
        EXPECT_EQ(undoReady, brokenSkin);
        EXPECT_EQ(watcher.messages.size(), brokenSkin ? 1u : 0u);
    }
}

// --- Files ------------------------------------------------------------------------

TEST_F(StartupTest, ClosingWritesAllSettingsAndTheScoresEvenWhenTheSettingsFail) {
    Start();
    session->FormClose();
    QFile ini(storage::SettingsPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    for (const char* key : {"Music=0", "MisicFile=Music.mid", "Sounds=1", "SndShootFile=1.snd", "SndOverFile=5.snd",
                            "GameSpeed=50", "DisappearSpeed=50", "Skin=0", "NumberOfColors=7", "SkinFile="})
        EXPECT_TRUE(text.contains(QLatin1String(key))) << key;
    EXPECT_EQ(QFileInfo(dir.Path("Vexil.hig")).size(), 3348);

    // A folder where the settings file should be: the message, and the scores still saved.
    ini.close();
    ASSERT_TRUE(QFile::remove(storage::SettingsPath()));
    ASSERT_TRUE(QDir().mkpath(storage::SettingsPath()));
    ASSERT_TRUE(QFile::remove(dir.Path("Vexil.hig")));
    session->FormClose();
    QDir().rmdir(storage::SettingsPath());
    ASSERT_FALSE(watcher.messages.empty());
    EXPECT_EQ(watcher.messages.back().text, "Unable to write to " + storage::SettingsPath());
    EXPECT_EQ(QFileInfo(dir.Path("Vexil.hig")).size(), 3348);
}

TEST_F(StartupTest, SavedGameLoadsOnceAndAMissingSlotStartsANewGame) {
    Start();
    main->Engine().st.Score = 42;
    Probe(*main).SaveClick();
    EXPECT_EQ(QFileInfo(dir.Path("kelm.sg3")).size(), 600);
    main->Engine().st.Score = 0;
    Probe(*main).EngineHost().StepTimer(false);  // as after the end of a game
    Probe(*main).Loadgame1Click();
    EXPECT_EQ(main->Engine().st.Score, 42);
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());  // the loaded game runs
    Probe(*main).Loadgame1Click();
    ASSERT_TRUE(WaitUntil([&] { return !watcher.messages.empty(); }));
    EXPECT_EQ(watcher.messages.back().text, "You can not open the same game twice");
    EXPECT_EQ(main->Engine().st.Score, 42);

    main->SetColours(8);  // another slot, never saved
    main->Engine().st.Score = 9;
    Probe(*main).Loadgame1Click();
    EXPECT_EQ(watcher.messages.back().text, "Could not open the saved game. A new game started.");
    EXPECT_EQ(main->Engine().st.Score, 0);
    EXPECT_FALSE(QFile::exists(dir.Path("kelm.sg4")));
}

// --- A skin that cannot be used ----------------------------------------------------

TEST_F(StartupTest, ABrokenSkinGivesWayToTheShippedOneAndAChangeKeepsTheLastGoodFile) {
    test::CodedSkinDir shipped;
    test::WriteFile(shipped.Path("Shipped.skn"), shipped.Lines().join("\n").toLatin1());
    test::WriteFile(dir.Path("icons.bmp"), "BM not really");
    Start(shipped.Path("Shipped.skn"));
    ASSERT_EQ(watcher.messages.size(), 1u);  // reported as before, then the shipped skin
    EXPECT_TRUE(session->SkinInUse().Present());
    EXPECT_FALSE(main->Engine().st.UndoReady);  // and the sequence went on to its end
    main->ShowFullScreen();
    EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(5, 5)).sheet, test::SheetTile);

    const QString before = Probe(*session).SkinFile();
    test::WriteFile(dir.Path("Other.skn"), "only a title\n");
    EXPECT_TRUE(session->ChangeSkin(dir.Path("Other.skn")));  // the shipped skin again: repaint
    EXPECT_EQ(Probe(*session).SkinFile(), before);
    EXPECT_TRUE(session->SkinInUse().Present());
}

TEST_F(StartupTest, TheSkinTakesThePlayersLanguageSheetWhereItLoads) {
    Start();
    QImage german(180, 450, QImage::Format_RGB32);
    german.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(german.save(dir.Path("icons.de.bmp"), "BMP"));
    const QString skin = dir.Path("Scoarching red.skn");
    for (const auto& [language, germanShown] : std::vector<std::pair<QString, bool>>{{"de", true}, {"fr", false}, {"", false}}) {
        Probe(*session).SetLanguage(language);
        ASSERT_TRUE(session->ChangeSkin(skin));
        EXPECT_EQ(session->SkinInUse().citems.pixel(3, 3) == qRgb(10, 200, 30), germanShown) << language.toStdString();
    }
    // A broken German sheet leaves its place to the base one, without a message.
    test::WriteFile(dir.Path("icons.de.bmp"), "BM broken");
    Probe(*session).SetLanguage("de");
    ASSERT_TRUE(session->ChangeSkin(skin));
    EXPECT_EQ(test::Decode(session->SkinInUse().citems.pixel(3, 3)).sheet, test::SheetIcons);
    EXPECT_TRUE(watcher.messages.empty());
}

TEST_F(StartupTest, WithNoSkinAtAllEscapeStillQuits) {
    dir.Remove("Scoarching red.skn");
    Start(dir.Path("missing.skn"));
    int quits = 0;
    main->QuitHandler = [&] { ++quits; };
    EXPECT_FALSE(session->SkinInUse().Present());
    main->ShowFullScreen();
    QTest::keyClick(main, Qt::Key_Space);
    EXPECT_EQ(quits, 0);
    QTest::keyClick(main, Qt::Key_Escape);
    EXPECT_EQ(quits, 1);
}

TEST(LayoutTest, FieldOriginIsHalfTheSpareScreenTruncatedTowardZero) {
    EXPECT_EQ(layout::FieldOffset(640), 80);
    EXPECT_EQ(layout::FieldOffset(480), 0);
    EXPECT_EQ(layout::FieldOffset(1024), 272);
    EXPECT_EQ(layout::FieldOffset(768), 144);
    EXPECT_EQ(layout::FieldOffset(478), -1);
    EXPECT_EQ(layout::FieldOffset(479), 0);
    EXPECT_EQ(layout::FieldOffset(400), -40);
}

TEST(LayoutTest, WindowOn640x480PlacesFieldAndLabels) {
    GameDir dir;
    dir.Enter();
    Session session;
    TMain main(session.SkinInUse(), session.BaseDir());
    EXPECT_EQ(Probe(main).FieldOrigin(), QPoint(80, 0));
    EXPECT_EQ(Label(main, "Scor")->pos(), QPoint(80 + 495, 35));
    EXPECT_EQ(Label(main, "lblTime")->pos(), QPoint(8, 8));
    EXPECT_EQ(Probe(main).Canvas().width(), 640);
    EXPECT_EQ(Probe(main).Canvas().height(), 480);
}

// A started, shown window with the step timer stopped, so the board only changes by the tests.
class PointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Enter();
        window = std::make_unique<GameWindow>();
        main = &window->main;
        session = &window->session;
        ASSERT_TRUE(WaitUntil([&] { return session->Started(); }));
        main->ShowFullScreen();
        Probe(*main).EngineHost().StepTimer(false);
        L = Probe(*main).FieldOrigin().x();
        T = Probe(*main).FieldOrigin().y();
        Cross();
    }

    // Bricks along row 5 and column 5: every lane holds a stopper, and the entry
    // cells of lanes 1 and 10 of every side are free.
    void Cross() {
        GameState& st = main->Engine().st;
        for (auto& column : st.board.cells)
            for (Cell& c : column) c = Cell{0, 0, 0};
        for (int i = 1; i <= 10; ++i) {
            st.board.at(i, 5) = Cell{int8_t(1 + i % 5), DirNone, 1};
            st.board.at(5, i) = Cell{int8_t(1 + i % 5), DirNone, 1};
        }
        st.InMotion = false;
        Probe(*main).FieldUpDate(false);
    }

    // Which entry cells hold a launched brick: "side:lane" for each.
    QStringList Launched() const {
        QStringList out;
        const GameState& st = main->Engine().st;
        for (int side = SideRight; side <= SideBottom; ++side)
            for (int lane = 1; lane <= 10; ++lane) {
                const LaneEntry e = EntryOf(side, lane);
                if (st.board.at(e.x, e.y).Color > 0 && st.board.at(e.x, e.y).Dir == e.dir)
                    out << QStringLiteral("%1:%2").arg(side).arg(lane);
            }
        return out;
    }

    QStringList PressAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        Cross();
        QTest::mousePress(main, button, {}, QPoint(x, y));
        QTest::mouseRelease(main, button, {}, QPoint(x, y));
        return Launched();
    }

    void MoveTo(QWidget* w, int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    QRect Field(int x, int y, int w, int h) const { return QRect(L + x, T + y, w, h); }

    GameDir dir;
    ModalWatcher watcher;
    std::unique_ptr<GameWindow> window;
    TMain* main = nullptr;
    Session* session = nullptr;
    int L = 0, T = 0;
};

TEST_F(PointerTest, StripEdgesDoNothingAndOnePixelInsideLaunches) {
    const QString none;
    // Left strip: L < X < L + 90, T + 90 < Y < T + 390.
    EXPECT_EQ(PressAt(L, T + 100).join(','), none);
    EXPECT_EQ(PressAt(L + 1, T + 100).join(','), "3:1");
    EXPECT_EQ(PressAt(L + 89, T + 91).join(','), "3:1");
    EXPECT_EQ(PressAt(L + 89, T + 90).join(','), none);
    EXPECT_EQ(PressAt(L + 45, T + 389).join(','), "3:10");
    EXPECT_EQ(PressAt(L + 45, T + 390).join(','), none);
    // Right strip: L + 390 < X < L + 480.
    EXPECT_EQ(PressAt(L + 390, T + 100).join(','), none);
    EXPECT_EQ(PressAt(L + 391, T + 100).join(','), "1:1");
    EXPECT_EQ(PressAt(L + 479, T + 389).join(','), "1:10");
    EXPECT_EQ(PressAt(L + 480, T + 389).join(','), none);
    // Top strip: L + 90 < X < L + 390, T < Y < T + 90.
    EXPECT_EQ(PressAt(L + 90, T + 45).join(','), none);
    EXPECT_EQ(PressAt(L + 91, T + 45).join(','), "2:1");
    EXPECT_EQ(PressAt(L + 389, T + 1).join(','), "2:10");
    EXPECT_EQ(PressAt(L + 389, T).join(','), none);
    EXPECT_EQ(PressAt(L + 100, T + 89).join(','), "2:1");
    EXPECT_EQ(PressAt(L + 100, T + 90).join(','), none);
    // Bottom strip: T + 390 < Y < T + 480.
    EXPECT_EQ(PressAt(L + 100, T + 390).join(','), none);
    EXPECT_EQ(PressAt(L + 100, T + 391).join(','), "4:1");
    EXPECT_EQ(PressAt(L + 389, T + 479).join(','), "4:10");
    EXPECT_EQ(PressAt(L + 389, T + 480).join(','), none);
    EXPECT_EQ(PressAt(L + 390, T + 479).join(','), none);
}

TEST_F(PointerTest, LaneUnderThePointerIsChosenOnEveryLayer) {
    // Lane 4 of the left side covers rows T+180..T+209; all three layers launch it.
    for (int x : {L + 5, L + 45, L + 85}) EXPECT_EQ(PressAt(x, T + 180).join(','), "3:4") << x;
    EXPECT_EQ(PressAt(L + 45, T + 179).join(','), "3:3");
    EXPECT_EQ(PressAt(L + 300, T + 400).join(','), "4:8");
}

TEST_F(PointerTest, EveryMouseButtonLaunchesAlike) {
    EXPECT_EQ(PressAt(L + 100, T + 45, Qt::RightButton).join(','), "2:1");
    EXPECT_EQ(PressAt(L + 100, T + 45, Qt::MiddleButton).join(','), "2:1");
}

TEST_F(PointerTest, LaunchIsDrawnAtOnce) {
    Cross();
    const Nexts queue = main->Engine().st.nexts;
    std::vector<QRect> drawn;
    Probe(*main).Canvas().SetRecorder(&drawn);
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    Probe(*main).Canvas().SetRecorder(nullptr);
    // The entry cell (1, 1), and those bricks of the left side's lane 1 whose colour changed.
    std::vector<QRect> want = {Field(90, 90, 30, 30)};
    for (int layer = 1; layer <= 3; ++layer)
        if (queue.at(SideLeft, 1, layer - 1) != main->Engine().st.nexts.at(SideLeft, 1, layer - 1))
            want.push_back(Field(90 - 30 * layer, 90, 30, 30));
    std::sort(drawn.begin(), drawn.end(), [](const QRect& a, const QRect& b) { return a.x() > b.x(); });
    EXPECT_EQ(drawn, want);
    EXPECT_TRUE(ShowsRegion(Probe(*main).Canvas().image(), Field(90, 90, 30, 30), test::SheetBricks,
                            QRect(30 * DirRight, 30 * (main->Engine().st.board.at(1, 1).Color - 1), 30, 30)));
}

TEST_F(PointerTest, PressAndHoverRectanglesOfUndoDiffer) {
    // Inside the hover rectangle but left of the press rectangle: highlighted, no undo.
    MoveTo(main, L + 495, T + 100);
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 1);
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 495, T + 100));
    EXPECT_TRUE(watcher.messages.empty());  // a refusal's box would have been shown and closed by now
    // Inside the press rectangle but right of the hover rectangle: not highlighted, undo runs
    // (and is refused right after start-up).
    MoveTo(main, L + 540, T + 100);
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 0);
    EXPECT_TRUE(ShowsRegion(Probe(*main).Canvas().image(), Field(490, 90, 42, 41), test::SheetPictograms, QRect(6, 65, 42, 41)));
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 540, T + 100));
    ASSERT_TRUE(WaitUntil([&] { return !watcher.messages.empty(); }));
    EXPECT_EQ(watcher.messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(watcher.messages[0].text, "You are unable to make undo since you have just started playing");
}

TEST_F(PointerTest, UndoButtonTakesBackTheLastLaunch) {
    Cross();
    const Board before = main->Engine().st.board;
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    ASSERT_NE(main->Engine().st.board.at(1, 1).Color, 0);
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 543, T + 130));  // the press rectangle's corner
    EXPECT_EQ(main->Engine().st.board.at(1, 1).Color, 0);
    EXPECT_EQ(std::memcmp(&before, &main->Engine().st.board, sizeof before), 0);
    // The press's own redraw puts the empty cell back on screen.
    EXPECT_EQ(Probe(*main).Canvas().image().pixel(L + 100, T + 100), qRgb(0, 0, 0));
    EXPECT_EQ(Probe(*main).Canvas().image().pixel(L + 90, T + 100), qRgb(109, 109, 109));
}

TEST_F(PointerTest, HoverRectanglesOfTheSideButtons) {
    struct Case {
        int x, y, button;
    };
    const Case cases[] = {
        {490, 90, 1},  {532, 131, 1}, {533, 131, 0}, {490, 89, 0},  {490, 173, 2}, {532, 214, 2}, {540, 200, 0},
        {490, 256, 3}, {531, 297, 3}, {531, 298, 0}, {490, 341, 4}, {531, 382, 4}, {489, 341, 0}, {531, 383, 0},
    };
    for (const Case& c : cases) {
        MoveTo(main, L + c.x, T + c.y);
        EXPECT_EQ(Probe(*main).Hover().HoverButton, c.button) << c.x << "," << c.y;
    }
    // The hovered button is drawn from the highlighted row, the others from the normal one.
    MoveTo(main, L + 500, T + 270);
    const QImage& s = Probe(*main).Canvas().image();
    EXPECT_TRUE(ShowsRegion(s, Field(490, 256, 41, 41), test::SheetPictograms, QRect(122, 9, 41, 41)));
    EXPECT_TRUE(ShowsRegion(s, Field(490, 90, 42, 41), test::SheetPictograms, QRect(6, 65, 42, 41)));
    EXPECT_TRUE(ShowsRegion(s, Field(490, 173, 62, 41), test::SheetPictograms, QRect(54, 65, 62, 41)));
}

TEST_F(PointerTest, UndoButtonIsHighlightedUntilThePointerFirstMoves) {
    const QImage& s = Probe(*main).Canvas().image();
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 1);
    EXPECT_TRUE(ShowsRegion(s, Field(490, 90, 42, 41), test::SheetPictograms, QRect(6, 9, 42, 41)));
    MoveTo(main, 5, 200);
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 0);
    EXPECT_TRUE(ShowsRegion(s, Field(490, 90, 42, 41), test::SheetPictograms, QRect(6, 65, 42, 41)));
}

TEST_F(PointerTest, CornerIconsHighlightUnderThePointer) {
    const QImage& s = Probe(*main).Canvas().image();
    MoveTo(main, L + 400, T + 10);  // hall of fame
    EXPECT_TRUE(Probe(*main).Hover().IconHover);
    EXPECT_EQ(Probe(*main).Hover().IconOffset[1], 0);
    EXPECT_EQ(Probe(*main).Hover().IconOffset[0], 180);
    EXPECT_TRUE(ShowsRegion(s, Field(390, 0, 90, 90), test::SheetIcons, QRect(90, 0, 90, 90)));
    EXPECT_TRUE(ShowsRegion(s, Field(0, 0, 90, 90), test::SheetIcons, QRect(0, 180, 90, 90)));
    MoveTo(main, L + 390, T + 10);  // the icon's edge belongs to no region
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    EXPECT_TRUE(ShowsRegion(s, Field(390, 0, 90, 90), test::SheetIcons, QRect(90, 180, 90, 90)));
    MoveTo(main, L + 89, T + 479);  // help
    EXPECT_EQ(Probe(*main).Hover().IconOffset[2], 0);
    EXPECT_TRUE(ShowsRegion(s, Field(0, 390, 90, 90), test::SheetIcons, QRect(0, 90, 90, 90)));
    MoveTo(main, L + 479, T + 479);  // options
    EXPECT_EQ(Probe(*main).Hover().IconOffset[3], 0);
    EXPECT_EQ(Probe(*main).Hover().IconOffset[2], 180);
}

TEST_F(PointerTest, PointerOverTheScoreLabelClearsIconsButKeepsTheButton) {
    QLabel* score = Label(*main, "Scor");
    MoveTo(score, 2, 2);  // right after start-up: undo highlighted
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 1);
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    MoveTo(main, L + 45, T + 45);
    ASSERT_TRUE(Probe(*main).Hover().IconHover);
    MoveTo(score, 2, 2);
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    for (int offset : Probe(*main).Hover().IconOffset) EXPECT_EQ(offset, 180);
    EXPECT_TRUE(ShowsRegion(Probe(*main).Canvas().image(), Field(0, 0, 90, 90), test::SheetIcons, QRect(0, 180, 90, 90)));
    EXPECT_TRUE(score->hasMouseTracking());
}

TEST_F(PointerTest, NewGameIconStartsAFreshGame) {
    main->Engine().st.Score = 99;
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L, T + 45));  // edge: nothing
    EXPECT_EQ(main->Engine().st.Score, 99);
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 1, T + 89));
    EXPECT_EQ(main->Engine().st.Score, 0);
    EXPECT_TRUE(HasFirstSet(main->Engine().st));
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());  // a new game switches the step timer on
}

TEST_F(PointerTest, LoadSaveButtonOpensItsMenuAtThePointer) {
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 503, T + 280));
    EXPECT_TRUE(watcher.menus.empty());  // the menu would have been shown and closed by now
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 504, T + 256));
    ASSERT_EQ(watcher.menus.size(), 1u);
    EXPECT_EQ(watcher.menus[0], QStringList({"Load game", "Save game"}));
}

TEST_F(PointerTest, CommandIconsAndMinimiseNeverCrash) {
    for (QPoint p : {QPoint(L + 435, T + 45), QPoint(L + 45, T + 435), QPoint(L + 435, T + 435)})
        QTest::mouseClick(main, Qt::LeftButton, {}, p);
    EXPECT_TRUE(main->isVisible());
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 551, T + 218));
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
}

TEST_F(PointerTest, FullPaintOnShowAndPaintEventCopiesTheSurface) {
    const QImage& s = Probe(*main).Canvas().image();
    EXPECT_EQ(test::Decode(s.pixel(3, 470)).sheet, test::SheetTile);  // background left of the field
    EXPECT_EQ(test::Decode(s.pixel(3, 470)), (test::Decoded{test::SheetTile, 3, 70}));
    const QImage shown = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(L + 100, T + 100), s.pixel(L + 100, T + 100));
    EXPECT_EQ(shown.pixel(L + 200, T + 450), s.pixel(L + 200, T + 450));
}

TEST_F(PointerTest, RestoringFromMinimisedRepaintsEverything) {
    main->showMinimized();
    Probe(*main).Canvas().Fill(QRect(0, 0, 640, 480), qRgb(1, 2, 3));
    main->showFullScreen();
    EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(3, 470)).sheet, test::SheetTile);
}

// A window manager reports Qt's minimise in steps, the first of them not minimised
// (full screen dropped, then hidden, then full screen again). The window must not take
// itself back on the way, and comes back whole and with the keys once restored.
TEST_F(PointerTest, MinimiseHoldsThroughTheWindowManagersStepsAndRestoresWhole) {
    QWindow* window = main->windowHandle();
    for (int round = 1; round <= 3; ++round) {
        QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 551, T + 218));
        ASSERT_TRUE(main->isMinimized());
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowNoState);
        QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowMinimized | Qt::WindowFullScreen);
        QWindowSystemInterface::flushWindowSystemEvents();
        QCoreApplication::processEvents();
        EXPECT_NE(QGuiApplication::focusWindow(), window) << "round " << round << ": it activated itself";

        Probe(*main).Canvas().Fill(QRect(0, 0, 640, 480), qRgb(1, 2, 3));
        QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowFullScreen);
        QWindowSystemInterface::handleWindowActivated(window);
        QWindowSystemInterface::flushWindowSystemEvents();
        EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(3, 470)).sheet, test::SheetTile) << "round " << round;
        EXPECT_EQ(QApplication::focusWidget(), main) << "round " << round;
    }
}

// --- The engine's host as the window answers it ---------------------------------

TEST_F(PointerTest, HostShowsTheScoreItIsGivenAndHandsOnTheFinalScore) {
    main->Engine().st.Score = 5;
    Probe(*main).EngineHost().ScoreLabel(1234);
    EXPECT_EQ(Label(*main, "Scor")->text(), "1234");
    main->Engine().st.Score = 77;
    main->Engine().tmrSTEPTimer();  // a step refreshes the label from the engine
    EXPECT_EQ(Label(*main, "Scor")->text(), "77");
    int asked = 0;
    session->EnterNameHandler = [&] {
        ++asked;
        return QStringLiteral("ADA");
    };
    Probe(*main).EngineHost().GameOver(321);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Probe(*session).High().Names(7)[0], "ADA");
    EXPECT_EQ(Probe(*session).High().Scores(7)[0], "321");
}

TEST_F(PointerTest, HostLeavesARunningStepTimerAloneAndRestartsTheSweep) {
    main->SetSpeeds(1000, 1000);
    Probe(*main).EngineHost().StepTimer(true);
    Probe(*main).EngineHost().RestartSweepTimer();
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).StepTimer().isActive() && Probe(*main).StepTimer().remainingTime() < 900; }));
    Probe(*main).EngineHost().StepTimer(true);
    EXPECT_LT(Probe(*main).StepTimer().remainingTime(), 900);  // still counting from its start
    Probe(*main).EngineHost().RestartSweepTimer();
    EXPECT_GT(Probe(*main).SweepTimer().remainingTime(), 900);  // a full interval from now
    Probe(*main).EngineHost().StepTimer(false);
    EXPECT_FALSE(Probe(*main).StepTimer().isActive());
    Probe(*main).SweepTick();  // nothing exploding: the sweep rests
    ASSERT_FALSE(Probe(*main).SweepTimer().isActive());
    Probe(*main).EngineHost().RestartSweepTimer();
    EXPECT_TRUE(Probe(*main).SweepTimer().isActive());
}

TEST_F(PointerTest, IconsAndButtonsAreRedrawnOnlyWhenTheHoverChanges) {
    std::vector<QRect> drawn;
    Probe(*main).Canvas().SetRecorder(&drawn);
    MoveTo(main, L + 45, T + 45);      // onto the new-game icon: the four icons
    EXPECT_EQ(drawn.size(), 4u + 4u);  // and the buttons, since undo lost its highlight
    drawn.clear();
    MoveTo(main, L + 50, T + 60);
    MoveTo(main, L + 200, T + 200);  // into the zone: the icons once
    EXPECT_EQ(drawn.size(), 4u);
    drawn.clear();
    MoveTo(main, L + 210, T + 220);
    MoveTo(main, L + 495, T + 100);  // onto undo: the buttons once
    MoveTo(main, L + 500, T + 110);
    Probe(*main).Canvas().SetRecorder(nullptr);
    EXPECT_EQ(drawn.size(), 4u);
}

// --- Repainting ----------------------------------------------------------------

TEST_F(PointerTest, ClosingAWindowOnTopRedrawsTheArrowsAChangeOfDirectionLeftStale) {
    main->Engine().st.board.at(3, 3) = Cell{2, DirRight, 1};
    Probe(*main).FieldUpDate(false);
    main->Engine().st.board.at(3, 3).Dir = DirDown;  // the same colour: no incremental redraw
    Probe(*main).FieldUpDate(false);
    const QRect cell = Field(150, 150, 30, 30);
    ASSERT_TRUE(ShowsRegion(Probe(*main).Canvas().image(), cell, test::SheetBricks, QRect(30 * DirRight, 30, 30, 30)));
    SkinnedWindow cover(session->SkinInUse(), QStringLiteral("cover"));
    QTimer::singleShot(50, &cover, &QDialog::accept);
    cover.UncoverHandler = [&] { main->Uncover(); };
    cover.ShowModal();
    EXPECT_TRUE(ShowsRegion(Probe(*main).Canvas().image(), cell, test::SheetBricks, QRect(30 * DirDown, 30, 30, 30)));
}

TEST_F(StartupTest, WithoutASkinTheShownWindowStaysBlack) {
    dir.Remove("Scoarching red.skn");
    Start();
    main->ShowFullScreen();
    const QImage& s = Probe(*main).Canvas().image();
    const int L = Probe(*main).FieldOrigin().x(), T = Probe(*main).FieldOrigin().y();
    // The first game's full redraw happened while the window was hidden: no grid, no icons.
    for (QPoint p : {QPoint(L + 90, T + 90), QPoint(L + 100, T + 100), QPoint(L + 45, T + 45), QPoint(5, 5)})
        EXPECT_EQ(s.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(main->grab().toImage().pixel(L + 90, T + 90), qRgb(0, 0, 0));
}

TEST(LayoutTest, PressTableWalksButtonsThenIconsThenStripsWithTheirBounds) {
    using namespace layout;
    EXPECT_TRUE(Inside(Buttons[0].press, Bounds::Inclusive, 500, 90));
    EXPECT_TRUE(Inside(Buttons[0].press, Bounds::Inclusive, 543, 130));
    EXPECT_FALSE(Inside(CornerIcon[0], Bounds::Strict, 0, 45));
    EXPECT_FALSE(Inside(CornerIcon[0], Bounds::Strict, 90, 45));
    EXPECT_TRUE(Inside(CornerIcon[0], Bounds::Strict, 89, 89));
    // Every point of the field and the button column lands in at most one press region.
    for (int x = -1; x <= 560; ++x)
        for (int y = -1; y <= 481; ++y) {
            int hits = 0;
            for (const Region& r : PressRegions) hits += Inside(r.box, r.bounds, x, y);
            ASSERT_LE(hits, 1) << x << "," << y;
        }
    EXPECT_EQ(LaneAlong(90 + 1), 1);
    EXPECT_EQ(LaneAlong(389), 10);
}

TEST(ModalTest, TimersKeepRunningWhileAMessageBoxIsOpen) {
    GameDir dir;
    dir.Enter();
    GameWindow window;
    TMain& main = window.main;
    ASSERT_TRUE(WaitUntil([&] { return window.session.Started(); }));
    // A brick with a long way to go keeps the steps coming.
    test::SetZone(main.Engine().st.board, "1: 2> . . . . . . . . 3\n");
    Probe(main).EngineHost().StepTimer(true);
    const auto column = [&] {
        for (int x = 1; x <= 10; ++x)
            if (main.Engine().st.board.at(x, 1).Color == 2) return x;
        return 0;
    };
    // From inside the box's own loop: wait for four steps, then press OK.
    QString shown;
    bool stepped = false;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
        if (!box) return;  // the watcher below closes it
        shown = box->text();
        stepped = WaitUntil([&] { return column() >= 5; }, 10000);
        box->button(QMessageBox::Ok)->click();
    });
    ModalWatcher closesABoxLeftOpen(20000);
    main.Message(QMessageBox::Information, "wait");
    EXPECT_EQ(shown, "wait");
    EXPECT_TRUE(stepped);  // four steps ran while the box was open
}

TEST_F(PointerTest, TimersRestWhileNothingCanChangeAndWakeOnThePlayersMove) {
    Probe(*main).EngineHost().StepTimer(true);
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).StepResting(); }));
    EXPECT_FALSE(Probe(*main).StepTimer().isActive());
    const Board still = main->Engine().st.board;
    Probe(*main).StepTick();  // what a step would do now: nothing
    EXPECT_EQ(std::memcmp(&still, &main->Engine().st.board, sizeof still), 0);
    // A launch wakes the steps, which carry the brick to its stop.
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).StepResting(); }));
    EXPECT_EQ(main->Engine().st.board.at(1, 1).Color, 0);  // it travelled on from the entry cell
    // A sweep with nothing exploding rests; one that empties cells wakes the steps.
    Probe(*main).EngineHost().RestartSweepTimer();
    ASSERT_TRUE(WaitUntil([&] { return !Probe(*main).SweepTimer().isActive(); }));
    EXPECT_TRUE(Probe(*main).StepResting());
    main->Engine().st.board.at(2, 2).Color = -3;
    Probe(*main).EngineHost().RestartSweepTimer();
    ASSERT_TRUE(WaitUntil([&] { return !Probe(*main).StepResting(); }));
    EXPECT_EQ(main->Engine().st.board.at(2, 2).Color, 0);
}

// Bricks that were exploding when a game was saved, or when the last launch was
// made, are swept once they are back on the board, even with the sweep at rest.
TEST_F(PointerTest, ExplodingBricksFromALoadOrAnUndoAreSweptAndTheRefillFollows) {
    GameState saved = main->Engine().st;
    test::SetZone(saved.board, "4: . . *3 *3 *3 . . . . .\n");
    saved.Score = 30;
    const int32_t sets = saved.SetCount;
    ASSERT_EQ(storage::SaveSlot(storage::SlotPath(session->BaseDir(), main->Colours()), saved), storage::SaveSlotResult::Saved);
    Probe(*main).SweepTick();  // resting, as when nothing has exploded for a while
    ASSERT_FALSE(Probe(*main).SweepTimer().isActive());
    Probe(*main).Loadgame1Click();
    EXPECT_TRUE(Probe(*main).SweepTimer().isActive());
    // The emptied zone brings the bonus and one set more.
    ASSERT_TRUE(WaitUntil([&] { return main->Engine().st.Score == 180; }));
    EXPECT_EQ(main->Engine().st.SetCount, sets + 1);
    EXPECT_GT(test::BricksInZone(main->Engine().st.board), 0);

    // An explosion, a launch while it shows, its sweep and a rest; then the undo.
    Cross();
    Probe(*main).EngineHost().StepTimer(true);
    main->Engine().st.board.at(8, 8).Color = -2;
    Probe(*main).EngineHost().RestartSweepTimer();
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    ASSERT_TRUE(WaitUntil([&] { return !Probe(*main).SweepTimer().isActive() && Probe(*main).StepResting(); }));
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 543, T + 130));
    EXPECT_EQ(main->Engine().st.board.at(8, 8).Color, -2);
    EXPECT_TRUE(Probe(*main).SweepTimer().isActive());
    ASSERT_TRUE(WaitUntil([&] { return main->Engine().st.board.at(8, 8).Color == 0; }));
}

// A settings file too large to read: the player hears why once, plays with the
// defaults, and the close leaves the file as it was.
TEST_F(StartupTest, ASettingsFileThatCannotBeReadIsToldOnceAndLeftAsItWas) {
    const QString path = storage::SettingsPath();
    QByteArray big = "[Graphics]\nGameSpeed=80\n[Foreign]\n";
    while (big.size() < 2 << 20) big += "key=" + QByteArray(60, 'v') + "\n";
    test::WriteFile(path, big);
    Start();
    session->FormClose();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    file.remove();
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_EQ(watcher.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(watcher.messages[0].text, "The settings file " + path +
                                            " could not be read (it is larger than 1 MiB). Tesseron plays with the "
                                            "default settings and leaves the file as it is.");
    EXPECT_EQ(Probe(*main).StepTimer().interval(), 50);
    EXPECT_TRUE(after == big) << after.size();
}

}  // namespace
}  // namespace tesseron
