// What screen readers are given, on a 640 x 480 offscreen screen: the game window's
// buttons and field through Qt's accessibility interfaces, their presses, the
// announcements, and the bridge's children on a small window of painted controls.
#include "ui/Accessible.h"
#include "ui/PaintedControls.h"
#include "ui/Session.h"
#include "ui/UMain.h"

#include "support/BoardPicture.h"
#include "support/FakeMedia.h"
#include "support/ui_window_fixture.h"

#include <QAccessible>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace tesseron {
namespace {

using test::GameDir;
using test::ModalWatcher;
using test::Probe;
using test::WaitUntil;

const QString Press = QAccessibleActionInterface::pressAction();
const QString Toggle = QAccessibleActionInterface::toggleAction();

// What the update handler saw: the event, and the role and name of its object then.
struct SeenEvent {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
};
std::vector<SeenEvent>* seenEvents = nullptr;
void RecordEvent(QAccessibleEvent* event) {
    if (!seenEvents) return;
    QAccessibleInterface* iface = event->accessibleInterface();
    seenEvents->push_back(
        {event->type(), iface ? iface->role() : QAccessible::NoRole, iface ? iface->text(QAccessible::Name) : QString()});
}

// Catches every accessibility event while it lives, as an assistive technology would.
class EventRecorder {
public:
    EventRecorder() {
        seenEvents = &events;
        previous_ = QAccessible::installUpdateHandler(RecordEvent);
        // As a screen reader switches it on: Qt sends no event while nobody listens.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~EventRecorder() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
        seenEvents = nullptr;
    }
    // The texts of the notifications shown so far.
    QStringList Announced() const {
        QStringList texts;
        for (const SeenEvent& e : events)
            if (e.type == QAccessible::ObjectShow && e.role == QAccessible::Notification) texts << e.name;
        return texts;
    }
    std::vector<SeenEvent> events;

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

// The game window and the session that starts it, both with a recording sound service.
struct GameWindow {
    GameWindow() { session.Start(main); }
    test::FakeMedia* media = new test::FakeMedia;
    Audio audio{std::unique_ptr<MediaBackend>(media)};
    Session session{&audio};
    TMain main{session.SkinInUse(), session.BaseDir(), &audio};
};

// A started, shown game window with the step timer stopped and counting handlers.
class MainAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallAccessibility();
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
        iface = QAccessible::queryAccessibleInterface(main);
        ASSERT_NE(iface, nullptr);
    }

    // The child of the game window's interface with this name; null when there is none.
    QAccessibleInterface* Named(const QString& name) const {
        for (int i = 0; i < iface->childCount(); ++i)
            if (QAccessibleInterface* c = iface->child(i); c && c->text(QAccessible::Name) == name) return c;
        return nullptr;
    }
    // Empty without a picture.
    void ClearBoard(const std::string& picture = "") {
        GameState& st = main->Engine().st;
        if (picture.empty())
            for (auto& column : st.board.cells)
                for (Cell& c : column) c = Cell{0, 0, 0};
        else
            test::SetZone(st.board, picture);
        st.InMotion = false;
    }

    GameDir dir;
    ModalWatcher watcher;
    std::unique_ptr<GameWindow> window;
    TMain* main = nullptr;
    QAccessibleInterface* iface = nullptr;
    int L = 0, T = 0;
    int quits = 0, scores = 0, rules = 0, options = 0;
};

// The icons and side buttons in reading order, each with the middle of its picture.
struct ButtonCase {
    const char* name;
    QPoint middle;  // from the field origin
};
const ButtonCase Buttons[] = {
    {"New game (Ctrl+N)", {45, 45}},
    {"Hall of fame (Ctrl+H)", {435, 45}},
    {"Help (F1)", {45, 435}},
    {"Options (Ctrl+Shift+,)", {435, 435}},
    {"Undo (Ctrl+Z)", {511, 110}},
    {"Minimise", {511, 193}},
    {"Load or save a game (Ctrl+O, Ctrl+S)", {510, 276}},
    {"Quit (Ctrl+Q)", {510, 361}},
};

TEST_F(MainAccessibleTest, TheEightCommandsAreButtonsNamedAsTheirHintsWhereTheyAreDrawn) {
    EXPECT_EQ(iface->role(), QAccessible::Window);
    EXPECT_EQ(iface->text(QAccessible::Name), "Tesseron");
    for (int i = 0; i < 8; ++i) {
        const ButtonCase& b = Buttons[i];
        SCOPED_TRACE(b.name);
        QAccessibleInterface* button = iface->child(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(QAccessible::Name), b.name);
        EXPECT_EQ(button->role(), QAccessible::PushButton);
        EXPECT_EQ(button->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(button), i);
        EXPECT_TRUE(button->state().focusable);
        EXPECT_FALSE(button->state().checkable);
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_EQ(button->actionInterface()->actionNames(), QStringList{Press});
        const QPoint middle = main->mapToGlobal(QPoint(L, T) + b.middle);
        EXPECT_TRUE(button->rect().contains(middle));
        EXPECT_EQ(iface->childAt(middle.x(), middle.y()), button);
    }
    EXPECT_EQ(iface->child(8)->role(), QAccessible::Graphic);
    EXPECT_EQ(iface->child(8)->text(QAccessible::Name), "Field");
    // The clock and the score keep Qt's own interfaces after the painted controls.
    QAccessibleInterface* score = Named("Score: 0");
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->role(), QAccessible::StaticText);
    EXPECT_GE(iface->indexOfChild(score), 9);
    EXPECT_EQ(iface->child(0), iface->child(0));  // one interface, one id, however often asked
}

TEST_F(MainAccessibleTest, TheScoreLabelIsNamedByWhatItCounts) {
    Probe(*main).EngineHost().ScoreLabel(1234);
    EXPECT_NE(Named("Score: 1234"), nullptr);
    EXPECT_EQ(Named("Score: 0"), nullptr);
}

struct FieldCase {
    const char* picture;
    bool moving;
    const char* description;
};
const FieldCase FieldCases[] = {
    {"", false, "Bricks: 0"},
    {"5: . . 3= 3= . . . . . .\n9: 1= . . . . . . . . 2=", false, "Bricks: 4"},
    {"5: . . 3= 3= . . . . . .\n9: 1> . . . . . . . . 2=", true, "Bricks: 4, one moving"},
    // Exploding bricks are leaving the field already.
    {"5: *3 *3 *3 . . . . . . 4=", false, "Bricks: 1"},
};

TEST_F(MainAccessibleTest, TheFieldSaysHowManyBricksStandAndWhetherOneMoves) {
    QAccessibleInterface* field = Named("Field");
    ASSERT_NE(field, nullptr);
    for (const FieldCase& c : FieldCases) {
        SCOPED_TRACE(c.picture);
        ClearBoard(c.picture);
        main->Engine().st.InMotion = c.moving;
        EXPECT_EQ(field->text(QAccessible::Description), c.description);
    }
    const QPoint centre = main->mapToGlobal(QPoint(L + 240, T + 240));
    EXPECT_EQ(iface->childAt(centre.x(), centre.y()), field);
    EXPECT_EQ(field->actionInterface()->actionNames(), QStringList{});
}

TEST_F(MainAccessibleTest, PressingNewGameRunsTheClickWithItsSound) {
    ClearBoard("5: . . 3= 3= . . . . . .");
    main->Engine().st.Score = 99;
    window->media->calls.clear();
    Named("New game (Ctrl+N)")->actionInterface()->doAction(Press);
    // The press comes from the event loop, after the screen reader has its answer.
    EXPECT_EQ(main->Engine().st.Score, 99);
    ASSERT_TRUE(WaitUntil([&] { return main->Engine().st.Score == 0; }));
    EXPECT_EQ(test::BricksInZone(main->Engine().st.board), 7);  // the first set
    const auto& calls = window->media->calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "S3 play"), calls.end());
    // The screen reader's field follows.
    EXPECT_EQ(Named("Field")->text(QAccessible::Description), "Bricks: 7");
}

TEST_F(MainAccessibleTest, EachButtonsPressReachesItsOwnCommand) {
    struct Case {
        const char* name;
        int* count;
    };
    const Case cases[] = {{"Hall of fame (Ctrl+H)", &scores},
                          {"Help (F1)", &rules},
                          {"Options (Ctrl+Shift+,)", &options},
                          {"Quit (Ctrl+Q)", &quits}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::array<int, 4> before{scores, rules, options, quits};
        Named(c.name)->actionInterface()->doAction(Press);
        ASSERT_TRUE(WaitUntil([&] { return *c.count == 1; }));
        EXPECT_EQ(scores + rules + options + quits, before[0] + before[1] + before[2] + before[3] + 1);
    }
    // Undo takes back a launch, as its click does.
    ClearBoard("1: . . . . 2= . . . . .");
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    ASSERT_NE(main->Engine().st.board.at(1, 1).Color, 0);
    Named("Undo (Ctrl+Z)")->actionInterface()->doAction(Press);
    ASSERT_TRUE(WaitUntil([&] { return main->Engine().st.board.at(1, 1).Color == 0; }));
    // The load/save button opens its menu, as a click does.
    Named("Load or save a game (Ctrl+O, Ctrl+S)")->actionInterface()->doAction(Press);
    ASSERT_TRUE(WaitUntil([&] { return !watcher.menus.empty(); }));
    EXPECT_EQ(watcher.menus[0], (QStringList{"Load game", "Save game"}));
}

TEST_F(MainAccessibleTest, ARefusedLaunchIsAnnounced) {
    EventRecorder recorder;
    ClearBoard();  // nothing in the left side's first lane stops a brick
    QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 45, T + 100));
    EXPECT_EQ(recorder.Announced(), QStringList{"Launch refused"});
    // The notification is the window's, and Qt's alert goes with it.
    const auto alert = std::find_if(recorder.events.begin(), recorder.events.end(),
                                    [](const SeenEvent& e) { return e.type == QAccessible::Alert; });
    ASSERT_NE(alert, recorder.events.end());
    EXPECT_EQ(alert->name, "Launch refused");
}

TEST_F(MainAccessibleTest, TheEndOfAGameAndANewHighScoreAreAnnounced) {
    EventRecorder recorder;
    int32_t handed = -1;
    main->GameOverHandler = [&](int32_t score) { handed = score; };
    Probe(*main).EngineHost().GameOver(120);
    EXPECT_EQ(handed, 120);
    // The session's table is empty: any score enters it.
    window->session.AddHighScore(300);
    EXPECT_EQ(recorder.Announced(), (QStringList{"Game over, score 120", "New high score: 300"}));
}

// --- The bridge on a window of its own ------------------------------------------------

class TinyWindow : public QWidget, public PaintedControls {
public:
    std::vector<PaintedControl> controls;
    std::vector<PaintedControl> Controls() const override { return controls; }
};

PaintedControl Control(QAccessible::Role role, const QString& name, QRect rect, std::function<void()> press = {}) {
    PaintedControl c;
    c.role = role;
    c.name = name;
    c.rect = rect;
    c.press = std::move(press);
    return c;
}

class BridgeTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallAccessibility();
        tiny = std::make_unique<TinyWindow>();
        tiny->setGeometry(100, 50, 300, 200);
        PaintedControl sounds = Control(QAccessible::CheckBox, "Sounds", {10, 10, 30, 20}, [this] { ++toggles; });
        sounds.checkable = sounds.checked = true;
        PaintedControl fame = Control(QAccessible::List, "Hall of fame", {10, 40, 200, 100});
        for (int i = 0; i < 3; ++i) {
            fame.items.push_back(Control(QAccessible::ListItem, QString("Player %1").arg(i + 1), {10, 40 + 30 * i, 200, 30}));
            fame.items.back().description = QString::number(100 - i);
        }
        fame.items[1].focused = true;
        tiny->controls = {sounds, fame, Control(QAccessible::Link, "readme.txt", {10, 150, 80, 20}, [this] { ++links; })};
        tiny->show();
        iface = QAccessible::queryAccessibleInterface(tiny.get());
        ASSERT_NE(iface, nullptr);
    }
    std::unique_ptr<TinyWindow> tiny;
    QAccessibleInterface* iface = nullptr;
    int toggles = 0, links = 0;
};

TEST_F(BridgeTest, ControlsReportTheirRolesStatesAndPlacesOnTheScreen) {
    ASSERT_EQ(iface->childCount(), 3);
    QAccessibleInterface* sounds = iface->child(0);
    EXPECT_EQ(sounds->role(), QAccessible::CheckBox);
    EXPECT_TRUE(sounds->state().checkable);
    EXPECT_TRUE(sounds->state().checked);
    EXPECT_EQ(sounds->rect(), QRect(110, 60, 30, 20));
    tiny->controls[0].checked = false;  // read afresh, never kept
    EXPECT_FALSE(sounds->state().checked);
    EXPECT_EQ(sounds->actionInterface()->actionNames(), QStringList{Toggle});

    QAccessibleInterface* link = iface->child(2);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_TRUE(link->state().linked);
    EXPECT_EQ(link->actionInterface()->actionNames(), QStringList{Press});
    link->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());  // not its action: nothing
    sounds->actionInterface()->doAction(Toggle);
    link->actionInterface()->doAction(Press);
    ASSERT_TRUE(WaitUntil([&] { return toggles == 1 && links == 1; }));
}

TEST_F(BridgeTest, AListHasItsLinesAsChildren) {
    QAccessibleInterface* list = iface->child(1);
    ASSERT_EQ(list->childCount(), 3);
    QAccessibleInterface* second = list->child(1);
    EXPECT_EQ(second->role(), QAccessible::ListItem);
    EXPECT_EQ(second->text(QAccessible::Name), "Player 2");
    EXPECT_EQ(second->text(QAccessible::Description), "99");
    EXPECT_EQ(second->parent(), list);
    EXPECT_EQ(list->indexOfChild(second), 1);
    EXPECT_EQ(second->rect(), QRect(110, 120, 200, 30));
    EXPECT_EQ(list->childAt(150, 125), second);
    EXPECT_EQ(iface->focusChild(), second);  // the keyboard's frame is on it
    EXPECT_TRUE(second->state().focused);
    EXPECT_EQ(second->actionInterface()->actionNames(), QStringList{});  // it only shows
}

TEST_F(BridgeTest, ChildrenFollowTheControlsAndKeepTheirIds) {
    QAccessibleInterface* link = iface->child(2);
    QAccessibleInterface* line = iface->child(1)->child(2);
    const QAccessible::Id linkId = QAccessible::uniqueId(link), lineId = QAccessible::uniqueId(line);
    tiny->controls[1].items.pop_back();
    tiny->controls.pop_back();
    EXPECT_EQ(iface->childCount(), 2);
    EXPECT_FALSE(link->isValid());
    EXPECT_FALSE(line->isValid());
    EXPECT_EQ(iface->indexOfChild(link), -1);
    EXPECT_EQ(link->text(QAccessible::Name), "");
    // Grown again, the same interfaces come back rather than new ids.
    tiny->controls.push_back(Control(QAccessible::Button, "Back", {0, 0, 90, 90}));
    EXPECT_EQ(iface->child(2), link);
    EXPECT_EQ(QAccessible::uniqueId(iface->child(2)), linkId);
    EXPECT_TRUE(link->isValid());
    EXPECT_EQ(link->text(QAccessible::Name), "Back");
    // The window gone, so are its children's ids.
    tiny.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(linkId), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(lineId), nullptr);
}

TEST_F(BridgeTest, ARepaintTellsWhatChangedAmongTheControls) {
    EventRecorder recorder;
    tiny->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return tiny->isActiveWindow(); }));
    tiny->repaint();          // the first look: nothing to compare with yet
    recorder.events.clear();  // the window's own activation
    tiny->repaint();
    EXPECT_TRUE(recorder.events.empty());

    tiny->controls[0].checked = false;
    tiny->controls[1].items[1].focused = false;
    tiny->controls[1].items[2].focused = true;
    tiny->controls[1].items[0].description = "150";
    tiny->controls.pop_back();
    tiny->repaint();
    struct Expected {
        QAccessible::Event type;
        QAccessibleInterface* object;
    };
    QAccessibleInterface* fame = iface->child(1);
    const Expected expected[] = {{QAccessible::ObjectReorder, iface},
                                 {QAccessible::StateChanged, iface->child(0)},
                                 {QAccessible::DescriptionChanged, fame->child(0)},
                                 {QAccessible::Focus, fame->child(2)}};
    ASSERT_EQ(recorder.events.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(recorder.events[i].type, expected[i].type);
        EXPECT_EQ(recorder.events[i].name, expected[i].object->text(QAccessible::Name));
    }
    recorder.events.clear();
    tiny->repaint();  // told once
    EXPECT_TRUE(recorder.events.empty());
}

// A control drawn with a label stands in its place; empty labels say nothing.
TEST_F(BridgeTest, OnlyQtsChildrenThatSaySomethingOfTheirOwnAreListed) {
    QLabel link(QStringLiteral("[ readme ]"), tiny.get()), empty(tiny.get()), note(QStringLiteral("Tesseron 1.40"), tiny.get());
    link.show(), empty.show(), note.show();
    tiny->controls.back().drawnWith = {&link};
    ASSERT_EQ(iface->childCount(), 4);
    EXPECT_EQ(iface->child(3)->object(), &note);
    EXPECT_EQ(iface->indexOfChild(iface->child(3)), 3);
    EXPECT_EQ(iface->child(4), nullptr);
}

TEST_F(BridgeTest, OrdinaryWidgetsKeepQtsOwnInterfaces) {
    QWidget plain;
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(&plain);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->childCount(), 0);
    EXPECT_EQ(own->role(), QAccessible::Client);
    EXPECT_EQ(iface->role(), QAccessible::Window);
}

}  // namespace
}  // namespace tesseron
