// The game window's keyboard shortcuts on a 640 x 480 offscreen screen: each reaches
// the command its icon or button runs.
#include "storage/SavedGames.h"
#include "ui/Session.h"
#include "ui/UScores.h"
#include "ui/UMain.h"

#include "support/FakeMedia.h"
#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QHelpEvent>
#include <QToolTip>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

namespace tesseron {
namespace {

using test::GameDir;
using test::ModalWatcher;
using test::Probe;
using test::WaitUntil;

// The game window and the session that starts it, wired as the application wires
// them, with a recording sound service.
struct GameWindow {
    GameWindow() {
        main.GameOverHandler = [this](int32_t score) { session.AddHighScore(score); };
        session.Start(main);
    }
    Session session;
    test::FakeMedia* media = new test::FakeMedia;
    Audio audio{std::unique_ptr<MediaBackend>(media)};
    TMain main{session.SkinInUse(), session.BaseDir(), &audio};
};

// A started, shown window with the step timer stopped and counting handlers.
class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Enter();
        window = std::make_unique<GameWindow>();
        main = &window->main;
        ASSERT_TRUE(WaitUntil([&] { return window->session.Started(); }));
        main->QuitHandler = [this] { ++quits; };
        main->ScoresHandler = [this] { ++scores; };
        main->RulesHandler = [this] { ++rules; };
        main->OptionsHandler = [this] { ++options; };
        main->ShowFullScreen();
        Probe(*main).EngineHost().StepTimer(false);
        L = Probe(*main).FieldOrigin().x();
        T = Probe(*main).FieldOrigin().y();
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
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());  // the press's follow-up ran too
}

TEST_F(KeysTest, CtrlSWritesTheSlotAndCtrlOLoadsIt) {
    main->Engine().st.Score = 42;
    Key(Qt::Key_S);
    EXPECT_EQ(QFileInfo(dir.Path("kelm.sg3")).size(), 600);
    main->Engine().st.Score = 0;
    Key(Qt::Key_O);
    EXPECT_EQ(main->Engine().st.Score, 42);
    EXPECT_TRUE(Probe(*main).StepTimer().isActive());
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

// The hint on screen, whichever window shows it; none when hidden.
const QLabel* ShownHint() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::ToolTip && w->isVisible()) return qobject_cast<QLabel*>(w);
    return nullptr;
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
    for (const Case& c : cases)
        EXPECT_EQ(Probe(*main).HintAt(L + c.x, T + c.y), QString::fromLatin1(c.hint)) << c.x << "," << c.y;

    // The real event shows it.
    const QPoint at(L + 45, T + 45);
    QHelpEvent help(QEvent::ToolTip, at, main->mapToGlobal(at));
    QApplication::sendEvent(main, &help);
    ASSERT_TRUE(ShownHint());
    EXPECT_EQ(ShownHint()->text(), "New game (Ctrl+N)");
}

// The pointer as the window system moves and presses it: each event goes to the
// top-level window under its screen position, as a hint's window would take it.
void PointerAt(QPoint global, Qt::MouseButtons buttons, QEvent::Type type) {
    QWindowSystemInterface::handleMouseEvent(nullptr, QPointF(global), QPointF(global), buttons,
                                             type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, type);
    QWindowSystemInterface::flushWindowSystemEvents();
}
void ClickAt(QPoint global) {
    PointerAt(global, Qt::NoButton, QEvent::MouseMove);
    PointerAt(global, Qt::LeftButton, QEvent::MouseButtonPress);
    PointerAt(global, Qt::NoButton, QEvent::MouseButtonRelease);
}

// A hint never costs a press: it shows off its control after the pointer rests there,
// and a press where Qt's tooltip sat, or on the hint itself, runs as without it, with
// the highlight following the pointer.
TEST_F(KeysTest, APressNearOrOnAHintRunsAsWithoutIt) {
    const auto rest = [&](QPoint at) {
        PointerAt(main->mapToGlobal(at), Qt::NoButton, QEvent::MouseMove);
        return WaitUntil([&] { return ShownHint() != nullptr; }, 5000);  // Qt's own wake-up timer
    };
    // Undo at rest, then pressed 12 px right and 23 px down: the box of a refused undo.
    const QPoint onUndo(L + 500, T + 95);
    ASSERT_TRUE(rest(onUndo));
    const QRect undoControl(main->mapToGlobal(QPoint(L + 490, T + 90)), QSize(54, 42));
    EXPECT_FALSE(ShownHint()->frameGeometry().intersects(undoControl)) << "the hint covers its button";
    ClickAt(main->mapToGlobal(onUndo + QPoint(12, 23)));
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_EQ(watcher.messages[0].text, "You are unable to make undo since you have just started playing");
    EXPECT_FALSE(ShownHint());

    // The hall of fame's hint lies over the right side's first lane: a press there launches.
    GameState& st = main->Engine().st;
    for (auto& column : st.board.cells)
        for (Cell& c : column) c = Cell{0, 0, 0};
    st.board.at(5, 1) = Cell{2, DirNone, 1};
    ASSERT_TRUE(rest(QPoint(L + 435, T + 45)));
    ASSERT_TRUE(Probe(*main).Hover().IconHover);
    const QRect lane1(main->mapToGlobal(QPoint(L + 391, T + 91)), QSize(88, 28));
    const QRect onLane = ShownHint()->frameGeometry().intersected(lane1);
    ASSERT_FALSE(onLane.isEmpty()) << "the hint is not over the lane";
    ClickAt(onLane.center());
    EXPECT_NE(st.board.at(10, 1).Color, 0) << "the launch was lost";
    EXPECT_FALSE(Probe(*main).Hover().IconHover) << "the icon's highlight stayed on";
    EXPECT_FALSE(ShownHint());
}

// After a window over the game closes, keys reach the game without a click.
TEST_F(KeysTest, AfterTheHallOfFameClosesTheGameHasTheKeys) {
    TScores scores(window->session.SkinInUse(), nullptr);
    bool closedByEscape = false;
    scores.UncoverHandler = [&] { main->Uncover(); };
    main->ScoresHandler = [&] {
        QTimer::singleShot(0, &scores, [&] {
            QTest::keyClick(&scores, Qt::Key_Escape);
            closedByEscape = !scores.isVisible();
        });
        QTimer::singleShot(3000, &scores, [&] { scores.reject(); });
        scores.ShowModal();
    };
    QTest::keyClick(main->windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(closedByEscape);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == main; }));
    QTest::keyClick(main->windowHandle(), Qt::Key_F1);  // routed like a real key, to the focus
    EXPECT_EQ(rules, 1);
}

// --- The lane cursor ---------------------------------------------------------------

using cursor::Arrow;
using cursor::Lane;

TEST(LaneRingTest, EveryCornerTurnsBothWaysAndKeysAcrossASideMoveNothing) {
    struct Case {
        Lane from;
        Arrow key;
        Lane to;
    };
    const Case cases[] = {
        {{3, 10}, Arrow::Down, {4, 1}},   {{4, 1}, Arrow::Left, {3, 10}},   // bottom left
        {{4, 10}, Arrow::Right, {1, 10}}, {{1, 10}, Arrow::Down, {4, 10}},  // bottom right
        {{1, 1}, Arrow::Up, {2, 10}},     {{2, 10}, Arrow::Right, {1, 1}},  // top right
        {{2, 1}, Arrow::Left, {3, 1}},    {{3, 1}, Arrow::Up, {2, 1}},      // top left
        {{3, 5}, Arrow::Down, {3, 6}},    {{1, 5}, Arrow::Down, {1, 6}},   {{2, 5}, Arrow::Left, {2, 4}},
        {{3, 5}, Arrow::Left, {3, 5}},    {{1, 5}, Arrow::Right, {1, 5}},  {{2, 5}, Arrow::Up, {2, 5}},
        {{4, 5}, Arrow::Down, {4, 5}},
    };
    for (const Case& c : cases) {
        const Lane to = cursor::Step(c.from, c.key);
        EXPECT_EQ(to, c.to) << c.from.side << "/" << c.from.lane << " key " << int(c.key) << " gave " << to.side << "/"
                            << to.lane;
    }
}

// The key that runs the ring on along each side, and the one that runs it back.
Arrow Onward(int side) { return side == 3 ? Arrow::Down : side == 4 ? Arrow::Right : side == 1 ? Arrow::Up : Arrow::Left; }
Arrow Back(int side) { return side == 3 ? Arrow::Up : side == 4 ? Arrow::Left : side == 1 ? Arrow::Down : Arrow::Right; }
int QtKey(Arrow a) {
    return a == Arrow::Up ? Qt::Key_Up : a == Arrow::Down ? Qt::Key_Down : a == Arrow::Left ? Qt::Key_Left : Qt::Key_Right;
}

TEST_F(KeysTest, FirstArrowShowsTheLeftTopLaneAndFortyStepsEachWayComeBack) {
    EXPECT_FALSE(Probe(*main).FramedLane());
    Key(Qt::Key_Up, Qt::NoModifier);  // shows, does not move
    ASSERT_EQ(Probe(*main).FramedLane(), Lane(cursor::Start));
    for (auto step : {Onward, Back}) {
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < cursor::RingSize; ++i) {
            const Lane at = *Probe(*main).FramedLane();
            seen.insert({at.side, at.lane});
            Key(QtKey(step(at.side)), Qt::NoModifier);
        }
        EXPECT_EQ(seen.size(), 40u);
        EXPECT_EQ(Probe(*main).FramedLane(), Lane(cursor::Start));
    }
    Key(Qt::Key_Down, Qt::ShiftModifier);  // with a modifier an arrow is no cursor key
    EXPECT_EQ(Probe(*main).FramedLane(), Lane(cursor::Start));
}

// Tab runs the ring the way the arrows run it onward, Shift+Tab back; the first only shows.
TEST_F(KeysTest, TabAndShiftTabShowTheFrameThenStepRoundThePeriphery) {
    struct Case {
        int tabs, backtabs;
        Lane at;  // after this row's keys, following the rows before
    };
    const Case cases[] = {
        {0, 1, {3, 1}},   {1, 0, {3, 2}},  {9, 0, {4, 1}}, {10, 0, {1, 10}},
        {10, 0, {2, 10}}, {10, 0, {3, 1}}, {0, 1, {2, 1}}, {0, 10, {1, 1}},
    };
    EXPECT_FALSE(Probe(*main).FramedLane());
    for (const Case& c : cases) {
        for (int i = 0; i < c.tabs; ++i) Key(Qt::Key_Tab, Qt::NoModifier);
        for (int i = 0; i < c.backtabs; ++i) Key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(Probe(*main).FramedLane(), c.at) << c.tabs << " tabs, " << c.backtabs << " back";
    }
    // Hidden by the pointer, the frame comes back where it was left.
    QTest::mouseMove(main, QPoint(L + 240, T + 240));
    ASSERT_TRUE(WaitUntil([&] { return !Probe(*main).FramedLane(); }));
    Key(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(Probe(*main).FramedLane(), (Lane{1, 1}));
    // Each Tab goes where the onward arrow of its side goes.
    for (int i = 0; i < cursor::RingSize; ++i) {
        const Lane at = *Probe(*main).FramedLane();
        Key(Qt::Key_Tab, Qt::NoModifier);
        EXPECT_EQ(Probe(*main).FramedLane(), cursor::Step(at, Onward(at.side)));
    }
}

TEST_F(KeysTest, ReturnLaunchesFromTheFramedLaneAndARefusalBeepsAndChangesNothing) {
    GameState& st = main->Engine().st;
    for (auto& column : st.board.cells)
        for (Cell& c : column) c = Cell{0, 0, 0};
    st.board.at(5, 1) = Cell{2, DirNone, 1};
    const int colour = st.nexts.at(SideLeft, 1, 0);
    Key(Qt::Key_Return, Qt::NoModifier);  // nothing framed: only shows the cursor
    EXPECT_EQ(st.board.at(1, 1).Color, 0);
    ASSERT_EQ(Probe(*main).FramedLane(), Lane(cursor::Start));
    const QRect cell(L + layout::CellLeft(1), T + layout::CellTop(1), layout::Brick, layout::Brick);
    const QImage empty = Probe(*main).Canvas().image().copy(cell);
    Key(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(st.board.at(1, 1).Color, colour);
    EXPECT_TRUE(st.UndoReady);
    EXPECT_NE(Probe(*main).Canvas().image().copy(cell), empty);                      // the press's redraw ran too
    EXPECT_EQ(Probe(*main).Canvas().image().pixel(L, T + 90), qRgb(255, 255, 255));  // and the frame is back on top

    // Lane 2's row is empty: refused with the beep, as a click is.
    Key(Qt::Key_Down, Qt::NoModifier);
    const GameState before = st;
    auto& calls = window->media->calls;
    calls.clear();
    Key(Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(calls, std::vector<std::string>{"alert"});
    EXPECT_EQ(std::memcmp(&before.board, &st.board, sizeof st.board), 0);
    EXPECT_EQ(std::memcmp(&before.nexts, &st.nexts, sizeof st.nexts), 0);
}

TEST_F(KeysTest, TheFrameIsRedrawnOnlyWhereItMovesAndThePointerTakesIt) {
    const auto onSurface = [&](Lane l) {
        const layout::Box b = cursor::Bricks(l).shifted(L, T);
        return QRect(b.left, b.top, b.width(), b.height());
    };
    const QRect lane1 = onSurface({3, 1}), lane2 = onSurface({3, 2});
    ASSERT_EQ(lane1.size(), QSize(90, 30));
    const QImage bare = Probe(*main).Canvas().image().copy(lane1.united(lane2));
    QTest::mouseMove(main, QPoint(L + 250, T + 250));  // the side buttons' first hover redraw, out of the way
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).Hover().HoverButton == 0; }));

    Key(Qt::Key_Down, Qt::NoModifier);
    const QImage& img = Probe(*main).Canvas().image();
    EXPECT_EQ(img.pixel(lane1.topLeft()), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(lane1.bottomRight() - QPoint(2, 2)), qRgb(0, 0, 0));

    std::vector<QRect> log;
    Probe(*main).Canvas().SetRecorder(&log);
    Key(Qt::Key_Down, Qt::NoModifier);
    QRegion drawn;
    for (const QRect& r : log) {
        EXPECT_TRUE(lane1.united(lane2).contains(r)) << r.x() << "," << r.y();
        drawn += r;
    }
    EXPECT_EQ(drawn, QRegion(lane1) + QRegion(lane2).subtracted(QRegion(lane2.adjusted(3, 3, -3, -3))));

    // Off the lanes the pointer hides it, leaving the bricks as they were.
    log.clear();
    QTest::mouseMove(main, QPoint(L + 240, T + 240));  // in the zone
    ASSERT_TRUE(WaitUntil([&] { return !Probe(*main).FramedLane(); }));
    for (const QRect& r : log) EXPECT_TRUE(lane2.contains(r));
    EXPECT_EQ(Probe(*main).Canvas().image().copy(lane1.united(lane2)), bare);

    // Over a lane it frames that lane; the next arrow goes on from there.
    QTest::mouseMove(main, QPoint(L + 200, T + 470));
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).FramedLane() == Lane{4, 4}; }));
    EXPECT_EQ(Probe(*main).Canvas().image().pixel(onSurface({4, 4}).topLeft()), qRgb(255, 255, 255));
    Probe(*main).Canvas().SetRecorder(nullptr);
    Key(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(Probe(*main).FramedLane(), (Lane{4, 5}));
}

}  // namespace
}  // namespace tesseron
