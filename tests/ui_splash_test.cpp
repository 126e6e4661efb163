// The splash and the game window together, as the program entry makes them, on a
// 1024 x 768 offscreen screen: hand-over by time, key and press, and the ways out.
#include "ui/App.h"

#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tesseron {
namespace {

using test::GameDir;

using test::Probe;
using test::WaitUntil;

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Enter();
        app = std::make_unique<App>();
        splash = &app->Splash;
        main = &app->Main;
        app->Start();
    }

    // Runs the application's event loop until the program ends; false when it keeps running.
    bool RunsToTheEnd(const std::function<void()>& action) {
        QTimer::singleShot(0, action);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(3000);
        return QApplication::exec() == 0;
    }

    // The splash's window is given back with it, so its copy on the screen side is freed.
    bool HandedOver() const {
        return !splash->isVisible() && main->isVisible() && !splash->Ti.isActive() && !splash->windowHandle();
    }

    GameDir dir;
    std::unique_ptr<App> app;
    TSplash* splash = nullptr;
    TMain* main = nullptr;
};

TEST_F(SplashTest, CentredFramelessPanelWithThePicture) {
    EXPECT_EQ(splash->size(), QSize(502, 377));
    EXPECT_EQ(splash->pos(), QPoint((1024 - 502) / 2, (768 - 377) / 2));
    EXPECT_EQ(splash->Image1->geometry(), QRect(1, 1, 500, 375));
    EXPECT_FALSE(main->isVisible());
}

TEST_F(SplashTest, TitlePictureComesFromTheWorkingDirectoryFirst) {
    QImage picture(500, 375, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(picture.save(dir.Path("title.bmp"), "BMP"));
    EXPECT_EQ(TSplash::TitlePicturePath(), dir.Path("title.bmp"));
    TSplash withPicture;
    ASSERT_FALSE(withPicture.Image1->pixmap().isNull());
    EXPECT_EQ(withPicture.Image1->pixmap().toImage().pixel(250, 180), qRgb(10, 20, 30));
}

// The four seconds are the timer's: started at creation, firing once and never early.
// The test fires that timer at once rather than waiting for it.
TEST_F(SplashTest, HandsOverAfterFourSecondsWithTheWindowPaintedInFull) {
    EXPECT_EQ(splash->Ti.interval(), 4000);
    EXPECT_TRUE(splash->Ti.isSingleShot());
    EXPECT_EQ(splash->Ti.timerType(), Qt::PreciseTimer);  // a coarse one may fire 5 % early
    ASSERT_TRUE(splash->Ti.isActive());
    EXPECT_FALSE(main->isVisible());
    splash->Ti.setInterval(0);  // restarts it
    ASSERT_TRUE(WaitUntil([&] { return main->isVisible() && app->session.SkinInUse().Present(); }));
    EXPECT_TRUE(HandedOver());
    EXPECT_TRUE(main->isFullScreen());
    EXPECT_EQ(main->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(272, 144));
    EXPECT_EQ(main->findChild<QLabel*>("Scor")->pos(), QPoint(272 + 495, 144 + 35));
    // Background tiles at 100-pixel steps up to the bottom-right corner.
    EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(1023, 767)), (test::Decoded{test::SheetTile, 23, 67}));
}

TEST_F(SplashTest, KeyPressHandsOverAtOnceAndTheStartUpStillRuns) {
    QTest::keyClick(splash, Qt::Key_Space);
    EXPECT_TRUE(HandedOver());
    // The sequence had not run yet; its first tick loads the skin and paints.
    ASSERT_TRUE(WaitUntil([&] { return app->session.SkinInUse().Present(); }));
    EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(5, 5)).sheet, test::SheetTile);
    QTest::keyClick(splash, Qt::Key_A);  // a second key changes nothing
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, PressOnThePictureHandsOver) {
    QTest::mouseClick(splash->Image1, Qt::LeftButton, {}, QPoint(250, 180));
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, PressOnThePanelFrameHandsOver) {
    QTest::mouseClick(splash->Panel1, Qt::RightButton, {}, QPoint(0, 0));
    EXPECT_TRUE(HandedOver());
}

TEST_F(SplashTest, QuitButtonEndsTheProgram) {
    QTest::keyClick(splash, Qt::Key_Space);
    ASSERT_TRUE(WaitUntil([&] { return app->session.SkinInUse().Present(); }));
    const int L = Probe(*main).FieldOrigin().x(), T = Probe(*main).FieldOrigin().y();
    EXPECT_TRUE(RunsToTheEnd([&] { QTest::mouseClick(main, Qt::LeftButton, {}, QPoint(L + 499, T + 389)); }));
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashTest, CloseRequestToTheGameWindowEndsTheProgram) {
    QTest::keyClick(splash, Qt::Key_Space);
    EXPECT_TRUE(RunsToTheEnd([&] { main->close(); }));
    EXPECT_FALSE(main->isVisible());
}

TEST_F(SplashTest, ClosingTheSplashBeforeTheHandOverEndsTheProgram) {
    EXPECT_TRUE(RunsToTheEnd([&] { splash->close(); }));
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashTest, CornerIconsOpenTheirWindowsAndTheirCloseIconsLeadBack) {
    QTest::keyClick(splash, Qt::Key_Space);
    ASSERT_TRUE(WaitUntil([&] { return app->session.SkinInUse().Present(); }));
    const int L = Probe(*main).FieldOrigin().x(), T = Probe(*main).FieldOrigin().y();
    struct Corner {
        QPoint icon;
        SkinnedWindow* window;
    };
    const Corner corners[] = {
        {{L + 435, T + 45}, &app->Scores}, {{L + 45, T + 435}, &app->Rules}, {{L + 435, T + 435}, &app->Options}};
    for (const Corner& c : corners) {
        bool opened = false;
        QTimer::singleShot(0, [&] {  // runs in the window's own loop
            opened = c.window->isVisible() && c.window->geometry() == QRect(0, 0, 1024, 768);
            Probe(*main).Canvas().Fill(QRect(0, 0, 1024, 768), qRgb(1, 2, 3));  // what the window covers goes stale
            QTest::mouseClick(c.window, Qt::LeftButton, {}, QPoint(45, 45));
        });
        QTest::mouseClick(main, Qt::LeftButton, {}, c.icon);
        EXPECT_TRUE(opened) << c.window->windowTitle().toStdString();
        EXPECT_FALSE(c.window->isVisible());
        EXPECT_EQ(test::Decode(Probe(*main).Canvas().image().pixel(5, 5)).sheet, test::SheetTile);  // redrawn on closing
    }
}

}  // namespace
}  // namespace tesseron
