// The game window's keyboard shortcuts on a 640 x 480 offscreen screen: each reaches
// the command its icon or button runs.
#include "storage/SavedGames.h"
#include "ui/Session.h"
#include "ui/UScores.h"
#include "ui/UMain.h"

#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace tesseron {
namespace {

using test::GameDir;
using test::ModalWatcher;
using test::WaitUntil;

// The game window and the session that starts it, wired as the application wires them.
struct GameWindow {
    GameWindow() { session.Start(main); }
    Session session;
    TMain main{session.SkinInUse(), session.BaseDir()};
};

// A started, shown window with the step timer stopped and counting handlers.
class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Enter();
        window = std::make_unique<GameWindow>();
        main = &window->main;
        ASSERT_TRUE(WaitUntil([&] { return window->session.Started(); }));
        main->SetQuitHandler([this] { ++quits; });
        main->SetScoresHandler([this] { ++scores; });
        main->SetRulesHandler([this] { ++rules; });
        main->SetOptionsHandler([this] { ++options; });
        main->ShowFullScreen();
        main->EngineHost().StepTimer(false);
        L = main->FieldOrigin().x();
        T = main->FieldOrigin().y();
    }

    void Key(int key, Qt::KeyboardModifiers mods = Qt::ControlModifier) { QTest::keyClick(main, Qt::Key(key), mods); }

    GameDir dir;
    ModalWatcher watcher;
    std::unique_ptr<GameWindow> window;
    TMain* main = nullptr;
    int L = 0, T = 0;
    int quits = 0, scores = 0, rules = 0, options = 0;
};

TEST_F(KeysTest, CtrlZUndoesALaunchAndCtrlNStartsANewGame) {
    GameState& st = main->Engine().st;
    for (auto& column : st.board.cells)
        for (Cell& c : column) c = Cell{0, 0, 0};
    st.board.at(5, 1) = Cell{2, DirNone, 1};  // a stopper on the left side's first lane
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    ASSERT_NE(st.board.at(1, 1).Color, 0);
    Key(Qt::Key_Z);
    EXPECT_EQ(st.board.at(1, 1).Color, 0);
    EXPECT_EQ(st.board.at(5, 1).Color, 2);

    st.Score = 99;
    Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);  // another combination: nothing
    EXPECT_EQ(st.Score, 99);
    Key(Qt::Key_N);
    EXPECT_EQ(st.Score, 0);
    EXPECT_TRUE(main->StepTimer().isActive());  // the press's follow-up ran too
}

TEST_F(KeysTest, CtrlSWritesTheSlotAndCtrlOLoadsIt) {
    main->Engine().st.Score = 42;
    Key(Qt::Key_S);
    EXPECT_EQ(QFileInfo(dir.Path("kelm.sg3")).size(), 600);
    main->Engine().st.Score = 0;
    Key(Qt::Key_O);
    EXPECT_EQ(main->Engine().st.Score, 42);
    EXPECT_TRUE(main->StepTimer().isActive());
    EXPECT_TRUE(watcher.menus.empty());  // straight to the entry, without the menu
}

TEST_F(KeysTest, HelpScoresOptionsAndQuitReachTheirHandlers) {
    Key(Qt::Key_F1, Qt::NoModifier);
    Key(Qt::Key_H);
    Key(Qt::Key_Comma, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Less, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Less);
    EXPECT_EQ(rules, 1);
    EXPECT_EQ(scores, 1);
    EXPECT_EQ(options, 3);
    EXPECT_EQ(quits, 0);
    Key(Qt::Key_Comma);  // without Shift it is no shortcut
    Key(Qt::Key_F1, Qt::ControlModifier);
    Key(Qt::Key_Escape, Qt::NoModifier);  // with a skin Escape does not quit
    EXPECT_EQ(options, 3);
    EXPECT_EQ(rules, 1);
    EXPECT_EQ(quits, 0);
    Key(Qt::Key_Q);
    EXPECT_EQ(quits, 1);
}

TEST_F(KeysTest, ZoomKeysStillStepTheFactor) {
    Key(Qt::Key_Minus);
    EXPECT_EQ(main->ZoomSetting(), 1);  // a fixed factor now
    Key(Qt::Key_0);
    EXPECT_EQ(main->ZoomSetting(), 0);  // back to automatic
}

// Hints come from the hover rectangles: inside each, and at an edge that takes no hover.
TEST_F(KeysTest, EachIconAndSideButtonHintsItsActionAndKey) {
    struct Case {
        int x, y;
        const char* hint;
    };
    const Case cases[] = {
        {45, 45, "New game (Ctrl+N)"},
        {435, 10, "Hall of fame (Ctrl+H)"},
        {1, 479, "Help (F1)"},
        {479, 435, "Options (Ctrl+Shift+,)"},
        {490, 90, "Undo (Ctrl+Z)"},
        {532, 214, "Minimise"},
        {500, 280, "Load or save a game (Ctrl+O, Ctrl+S)"},
        {531, 382, "Quit (Ctrl+Q)"},
        {0, 45, ""},     // the icon's edge
        {540, 200, ""},  // presses minimise, but is outside its hover rectangle
        {45, 200, ""},   // a lane
    };
    for (const Case& c : cases) EXPECT_EQ(main->HintAt(L + c.x, T + c.y), QString::fromLatin1(c.hint)) << c.x << "," << c.y;

    // The real event shows it.
    const QPoint at(L + 45, T + 45);
    QHelpEvent help(QEvent::ToolTip, at, main->mapToGlobal(at));
    QApplication::sendEvent(main, &help);
    EXPECT_EQ(QToolTip::text(), "New game (Ctrl+N)");
}

// After a window over the game closes, keys reach the game without a click.
TEST_F(KeysTest, AfterTheHallOfFameClosesTheGameHasTheKeys) {
    TScores scores(window->session.SkinInUse(), nullptr);
    bool closedByEscape = false;
    main->SetScoresHandler([&] {
        QTimer::singleShot(0, &scores, [&] {
            QTest::keyClick(&scores, Qt::Key_Escape);
            closedByEscape = !scores.isVisible();
        });
        QTimer::singleShot(3000, &scores, [&] { scores.reject(); });
        scores.ShowModal([&] { main->Uncover(); });
    });
    QTest::keyClick(main->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(closedByEscape);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == main; }));
    QTest::keyClick(main->windowHandle(), Qt::Key_F1);  // routed like a real key, to the focus
    EXPECT_EQ(rules, 1);
}

}  // namespace
}  // namespace tesseron
