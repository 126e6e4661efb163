// The game full screen and in a window, on a 1920 x 1080 offscreen screen: F11 switches,
// in a window its inside is the game's rectangle (the factor that fits, the field
// centred, nothing smaller than 640 x 480), the windows over the game cover only that
// inside, and the mode and the window come back from kelm.ini, whatever it holds.
#include "storage/Settings.h"
#include "ui/Display.h"
#include "ui/MainSettings.h"
#include "ui/UGameOver.h"
#include "ui/UScores.h"
#include "ui/USplash.h"
#include "ui/readme.h"

#include "support/FileBytes.h"
#include "support/ui_window_fixture.h"

#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using test::Probe;
using test::WaitUntil;

constexpr QRect Screen(0, 0, 1920, 1080);
// A window never kept opens at factor 2 with room for a title bar, centred.
constexpr QRect Centred(320, 60, 1280, 960);

// --- Where a window opens ----------------------------------------------------------

struct PlaceCase {
    const char* what;
    QRect saved;
    qreal dpr;
    QRect expected;
};

const QList<QRect> TwoScreens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};

const PlaceCase PlaceCases[] = {
    {"kept on the first screen", {100, 50, 1300, 1000}, 1, {100, 50, 1300, 1000}},
    {"kept on the second screen", {2000, 10, 700, 500}, 1, {2000, 10, 700, 500}},
    {"a corner of 64 x 64 left on a screen", {1856, 1016, 800, 600}, 1, {1856, 1016, 800, 600}},
    {"one unit short of that corner", {1857, 1016, 800, 600}, 1, Centred},
    {"off every screen", {5000, 5000, 800, 600}, 1, Centred},
    {"above every screen", {100, -700, 800, 600}, 1, Centred},
    {"none kept", {0, 0, 0, 0}, 1, Centred},
    {"a negative size", {100, 100, -640, 480}, 1, Centred},
    {"too small: grown to 640 x 480", {100, 100, 10, 10}, 1, {100, 100, 640, 480}},
    {"larger than its screen: cut to it", {0, 0, 5000, 4000}, 1, {0, 0, 1920, 1080}},
    // At twice the desktop scale 640 x 480 device pixels are 320 x 240 units, and the
    // 1920 x 1080 units are 3840 x 2160 device pixels: factor 4, 2560 x 1920 device pixels.
    {"scaled: the least", {100, 100, 10, 10}, 2, {100, 100, 320, 240}},
    {"scaled: none kept", {}, 2, {320, 60, 1280, 960}},
};

TEST(WindowPlace, KeptWhileOnAScreenElseCentredOnThePrimaryAtTheFactorThatFits) {
    for (const PlaceCase& c : PlaceCases)
        EXPECT_EQ(display::WindowPlace(c.saved, TwoScreens, Screen, c.dpr), c.expected) << c.what;
    // A small screen: factor 1, and never more than fits.
    EXPECT_EQ(display::WindowPlace({}, {QRect(0, 0, 1024, 768)}, QRect(0, 0, 1024, 768), 1), QRect(192, 144, 640, 480));
    EXPECT_EQ(display::MinimumWindow(1.5), QSize(427, 320));
}

// --- The game window -----------------------------------------------------------------

class WindowMode : public ::testing::Test, protected test::FullScreenGame {
protected:
    void SetUp() override {
        display::SetSetting(zoom::Automatic);
        QFile::remove(storage::SettingsPath());
        StartFullScreen();
    }
    void TearDown() override {
        display::SetSetting(zoom::Automatic);
        QFile::remove(storage::SettingsPath());
    }

    // Started as the application starts it: the settings read, then shown as they say.
    void StartAsTheApplication() {
        main.reset();
        session.reset();
        dir.Enter();
        session = std::make_unique<Session>();
        main = std::make_unique<TMain>(session->SkinInUse(), session->BaseDir());
        session->Start(*main);
        ASSERT_TRUE(WaitUntil([&] { return session->Started(); }));
        main->ShowGame();
        ASSERT_TRUE(WaitUntil([&] { return main->isVisible(); }));
        Probe(*main).EngineHost().StepTimer(false);
    }

    void InWindow() {
        QTest::keyClick(main.get(), Qt::Key_F11);
        ASSERT_FALSE(main->FullScreenMode());
        ASSERT_TRUE(WaitUntil([&] { return main->isVisible(); }));
    }
    QImage Shown() const { return main->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool Frameless() const { return main->windowFlags() & Qt::FramelessWindowHint; }
};

TEST_F(WindowMode, F11SwitchesToADecoratedWindowAndBackToFullScreen) {
    ASSERT_TRUE(main->FullScreenMode());
    InWindow();
    EXPECT_FALSE(Frameless());
    EXPECT_FALSE(main->isFullScreen());
    EXPECT_EQ(main->geometry(), Centred);
    EXPECT_EQ(main->minimumSize(), QSize(640, 480));
    EXPECT_EQ(display::GameRect(), Centred);
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(80, 0));
    EXPECT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == main.get(); }));  // the keys still reach the game

    QTest::keyClick(main.get(), Qt::Key_F11);
    EXPECT_TRUE(main->FullScreenMode());
    ASSERT_TRUE(WaitUntil([&] { return main->isVisible() && main->isFullScreen(); }));
    EXPECT_EQ(main->geometry(), Screen);
    EXPECT_EQ(main->minimumSize(), QSize(0, 0));
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(240, 30));
    EXPECT_EQ(test::Decode(Shown().pixel(480 + 10, 60 + 14)), (test::Decoded{test::SheetIcons, 5, 187}));
    // The window comes back where it was left.
    main->SetWindowMode(true, QRect(10, 20, 700, 500));
    QTest::keyClick(main.get(), Qt::Key_F11);
    EXPECT_EQ(main->geometry(), QRect(10, 20, 700, 500));
}

struct SizeCase {
    QSize asked;
    QSize got;
    int k;
    QPoint field;  // in layout pixels
};

const SizeCase Sizes[] = {
    {{1300, 1000}, {1300, 1000}, 2, {85, 10}},  {{1280, 960}, {1280, 960}, 2, {80, 0}},
    {{1279, 960}, {1279, 960}, 1, {399, 240}},  {{639, 479}, {640, 480}, 1, {80, 0}},  // refused: the window keeps its least size
    {{1919, 1079}, {1919, 1079}, 2, {239, 29}}, {{700, 1000}, {700, 1000}, 1, {110, 260}},
    {{1301, 1001}, {1301, 1001}, 2, {85, 10}},
};

TEST_F(WindowMode, AResizedWindowTakesTheFactorThatFitsItsInsideWithTheFieldCentred) {
    InWindow();
    for (const SizeCase& c : Sizes) {
        main->resize(c.asked);
        ASSERT_EQ(main->size(), c.got) << c.asked.width();
        EXPECT_EQ(Probe(*main).Zoom().k, c.k) << c.asked.width();
        EXPECT_EQ(Probe(*main).FieldOrigin(), c.field) << c.asked.width();
        EXPECT_EQ(display::GameRect(), main->geometry());
        // Drawn whole at once: the new game icon at the field's corner, and any margin
        // beyond the zoomed surface black, as full screen.
        const QImage shown = Shown();
        ASSERT_EQ(shown.size(), c.got);
        const QPoint icon = c.field * c.k + QPoint(5 * c.k, 7 * c.k);
        EXPECT_EQ(test::Decode(shown.pixel(icon)), (test::Decoded{test::SheetIcons, 5, 187})) << c.asked.width();
        if (c.got.width() % c.k) {
            EXPECT_EQ(shown.pixel(c.got.width() - 1, 3), qRgb(0, 0, 0)) << c.asked.width();
        }
        EXPECT_EQ(test::Decode(shown.pixel(1, 1)).sheet, test::SheetTile) << c.asked.width();
    }
}

TEST_F(WindowMode, TheZoomKeysAndSettingCapToTheWindow) {
    InWindow();
    main->resize(1300, 1000);
    QTest::keyClick(main.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Probe(*main).Zoom().k, 1);
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(410, 260));
    QTest::keyClick(main.get(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(main.get(), Qt::Key_Plus, Qt::ControlModifier);  // 3 does not fit 1300 x 1000
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    main->SetZoomSetting(4);
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    main->resize(2000, 1000);  // wider than the screen is fine for a window; 1000 still caps
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    EXPECT_FALSE(main->FullScreenMode());
}

TEST_F(WindowMode, TheWindowsOverTheGameCoverOnlyTheWindowsInside) {
    InWindow();
    main->setGeometry(200, 100, 1300, 1000);
    ASSERT_EQ(display::GameRect(), QRect(200, 100, 1300, 1000));
    TScores scores(session->SkinInUse(), nullptr);
    QRect covered;
    bool fullScreen = true;
    int surfaceWidth = 0;
    QTimer::singleShot(0, [&] {
        covered = scores.geometry();
        fullScreen = scores.isFullScreen();
        surfaceWidth = scores.surface.width();
        QTest::mouseClick(&scores, Qt::LeftButton, {}, QPoint(179, 179));  // the close icon at factor 2
    });
    scores.ShowModal();
    EXPECT_EQ(covered, QRect(200, 100, 1300, 1000));
    EXPECT_FALSE(fullScreen);
    EXPECT_EQ(surfaceWidth, 650);
    EXPECT_FALSE(scores.isVisible());

    // A dialog is centred on the window, at its factor.
    TGameOver over(nullptr);
    QRect at;
    QTimer::singleShot(0, [&] {
        at = over.geometry();
        over.accept();
    });
    over.Show();
    EXPECT_EQ(at.size(), QSize(472, 110));
    EXPECT_EQ(at.center(), QRect(200, 100, 1300, 1000).center());

    // The text viewer too, and the splash shows where the game will.
    Tureadme viewer;
    QTimer::singleShot(0, [&] {
        at = viewer.geometry();
        viewer.close();
    });
    viewer.ShowFile(dir.Path(QStringLiteral("none.txt")));
    EXPECT_EQ(at, QRect(250, 120, 1200, 960));
    TSplash splash;
    splash.Rezoom();
    EXPECT_EQ(splash.geometry(), QRect(200 + 148, 100 + 122, 1004, 754));

    // Full screen again: they cover the screen as before.
    QTest::keyClick(main.get(), Qt::Key_F11);
    QTimer::singleShot(0, [&] {
        covered = scores.geometry();
        QTest::mouseClick(&scores, Qt::LeftButton, {}, QPoint(179, 179));
    });
    scores.ShowModal();
    EXPECT_EQ(covered, Screen);
}

// The window manager's own full-screen toggle, reported from outside as a state change.
TEST_F(WindowMode, TheWindowManagersToggleIsFollowedAndAMinimiseIsNot) {
    QWindow* window = main->windowHandle();
    QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowNoState);
    QWindowSystemInterface::flushWindowSystemEvents();
    ASSERT_TRUE(WaitUntil([&] { return !main->FullScreenMode() && main->isVisible(); }));
    EXPECT_FALSE(Frameless());

    window = main->windowHandle();
    QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowFullScreen);
    QWindowSystemInterface::flushWindowSystemEvents();
    ASSERT_TRUE(WaitUntil([&] { return main->FullScreenMode() && main->isVisible() && main->isFullScreen(); }));
    // Laid out for the screen, which the window manager gives it, and drawn anew.
    EXPECT_EQ(display::GameRect(), Screen);
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(240, 30));
    EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(245, 37)), (test::Decoded{test::SheetIcons, 5, 187}));

    // A minimise passes through a state without full screen: the mode stays.
    main->showMinimized();
    window = main->windowHandle();
    QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowNoState);
    QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowMinimized | Qt::WindowFullScreen);
    QWindowSystemInterface::handleWindowStateChanged(window, Qt::WindowFullScreen);
    QWindowSystemInterface::flushWindowSystemEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->FullScreenMode());
    EXPECT_TRUE(main->isFullScreen());
}

// --- kelm.ini ------------------------------------------------------------------------

struct IniCase {
    const char* display;  // the [Display] section's lines
    bool fullScreen;
    QRect window;           // where it opens; ignored full screen
    bool sizeOnly = false;  // a window as large as the screen may be placed by the platform
};

const IniCase IniCases[] = {
    {"", true, {}},  // an old file plays full screen as before
    {"FullScreen=1\nWindowLeft=100\nWindowTop=50\nWindowWidth=1300\nWindowHeight=1000\n", true, {}},
    {"FullScreen=0\nWindowLeft=100\nWindowTop=50\nWindowWidth=1300\nWindowHeight=1000\n", false, {100, 50, 1300, 1000}},
    {"FullScreen=0\n", false, Centred},
    {"FullScreen=0\nWindowLeft=-3000\nWindowTop=50\nWindowWidth=1300\nWindowHeight=1000\n", false, Centred},
    {"FullScreen=0\nWindowLeft=100\nWindowTop=50\nWindowWidth=-1300\nWindowHeight=1000\n", false, Centred},
    {"FullScreen=0\nWindowLeft=100\nWindowTop=50\nWindowWidth=99999999999\nWindowHeight=1000\n", false, Centred},
    {"FullScreen=0\nWindowLeft=x\nWindowTop=y\nWindowWidth=w\nWindowHeight=h\n", false, Centred},
    {"FullScreen=0\nWindowLeft=0\nWindowTop=0\nWindowWidth=30000\nWindowHeight=30000\n", false, Screen, true},
    {"FullScreen=0\nWindowLeft=10\nWindowTop=10\nWindowWidth=1\nWindowHeight=1\n", false, {10, 10, 640, 480}},
    {"FullScreen=no\nWindowWidth=800\nWindowHeight=600\n", true, {}},
};

TEST_F(WindowMode, TheModeAndTheWindowComeBackFromTheSettingsWhateverTheyHold) {
    for (const IniCase& c : IniCases) {
        test::PutBytes(storage::SettingsPath(), QByteArray("[Display]\n") + c.display);
        StartAsTheApplication();
        EXPECT_EQ(main->FullScreenMode(), c.fullScreen) << c.display;
        const QRect expected = c.fullScreen ? Screen : c.window;
        if (c.sizeOnly) {
            EXPECT_EQ(main->size(), expected.size()) << c.display;
            continue;
        }
        EXPECT_EQ(main->geometry(), expected) << c.display;
        EXPECT_EQ(display::GameRect(), main->geometry()) << c.display;
    }
}

TEST_F(WindowMode, AQuitKeepsTheModeAndTheWindowAndAnOldFileKeepsItsBytes) {
    // Never played in a window: the file says nothing of one, and keeps its bytes.
    StartAsTheApplication();
    session->FormClose();
    const QByteArray old = test::GetBytes(storage::SettingsPath()) + "[Display]\nZoom=0\n";
    EXPECT_FALSE(old.contains("Window"));
    EXPECT_FALSE(old.contains("FullScreen"));
    test::PutBytes(storage::SettingsPath(), old);
    StartAsTheApplication();
    session->FormClose();
    EXPECT_EQ(test::GetBytes(storage::SettingsPath()), old);

    StartAsTheApplication();
    InWindow();
    main->setGeometry(150, 40, 1300, 1000);
    session->FormClose();
    EXPECT_TRUE(
        test::GetBytes(storage::SettingsPath())
            .contains("[Display]\nZoom=0\nFullScreen=0\nWindowLeft=150\nWindowTop=40\nWindowWidth=1300\nWindowHeight=1000\n"));

    // Full screen again: the window is still kept for the next F11.
    StartAsTheApplication();
    EXPECT_FALSE(main->FullScreenMode());
    EXPECT_EQ(main->geometry(), QRect(150, 40, 1300, 1000));
    QTest::keyClick(main.get(), Qt::Key_F11);
    session->FormClose();
    const storage::Settings s = storage::LoadSettingsFile(storage::SettingsPath(), dir.Base());
    EXPECT_TRUE(s.FullScreen);
    EXPECT_EQ(QRect(s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight), QRect(150, 40, 1300, 1000));
}

}  // namespace
}  // namespace tesseron
