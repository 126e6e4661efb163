// The real windows on a 1920 x 1080 offscreen screen, where the game plays at factor 2:
// what reaches the screen is every skin pixel as a 2 x 2 block at the described place,
// pointer regions keep their edges, the keys change the factor, and the other windows,
// the splash and the dialogs take the factor of the moment they are shown.
#include "ui/Display.h"
#include "ui/Session.h"
#include "ui/UGameOver.h"
#include "ui/UMain.h"
#include "ui/UOptions.h"
#include "ui/UScores.h"
#include "ui/USplash.h"

#include "support/ui_window_fixture.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tesseron {
namespace {

using test::Probe;
using test::WaitUntil;

class ZoomedGame : public ::testing::Test, protected test::FullScreenGame {
protected:
    void SetUp() override {
        display::SetSetting(zoom::Automatic);
        StartFullScreen();
    }
    void TearDown() override { display::SetSetting(zoom::Automatic); }

    // The window as it reaches the screen.
    QImage Shown() const { return main->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // An empty zone with one stopper in row 1, so lane 1 of the left side can launch.
    void OneStopper() {
        GameState& st = main->Engine().st;
        for (auto& column : st.board.cells)
            for (Cell& c : column) c = Cell{0, 0, 0};
        st.board.at(10, 1) = Cell{1, DirNone, 1};
        st.InMotion = false;
        Probe(*main).FieldUpDate(true);
    }
    bool LaunchedLeftLane1() const { return main->Engine().st.board.at(1, 1).Dir == DirRight; }
};

TEST_F(ZoomedGame, EverySkinPixelReachesTheScreenAsATwoByTwoBlockAtTheDescribedPlace) {
    ASSERT_EQ(Probe(*main).Zoom().k, 2);
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(240, 30));  // (480, 60) in device pixels
    EXPECT_EQ(Probe(*main).Canvas().width(), 960);
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(1920, 1080));
    // The new game icon: its normal picture, each pixel doubled.
    for (int y = 0; y < 180; ++y)
        for (int x = 0; x < 180; ++x) {
            const test::Decoded got = test::Decode(shown.pixel(480 + x, 60 + y));
            ASSERT_EQ(got, (test::Decoded{test::SheetIcons, x / 2, 180 + y / 2})) << x << ", " << y;
        }
    // The whole field is the surface doubled.
    const QImage& canvas = Probe(*main).Canvas().image();
    for (int y = 60; y < 1020; ++y)
        for (int x = 480; x < 1440; ++x) ASSERT_EQ(shown.pixel(x, y), canvas.pixel(x / 2, y / 2)) << x << ", " << y;
    // The score label sits at its doubled place in a font twice as large.
    const auto* scor = main->findChild<QLabel*>(QStringLiteral("Scor"));
    EXPECT_EQ(scor->pos(), QPoint(2 * (240 + 495), 2 * (30 + 35)));
    EXPECT_EQ(scor->font().pixelSize(), 38);
}

TEST_F(ZoomedGame, PointerRegionsKeepTheirEdgesInDevicePixels) {
    // The left strip is strict: skin x 240 (device 480, 481) is its edge, 241 (482, 483) inside.
    for (int x : {480, 481, 482, 483, 658, 659, 660}) {
        OneStopper();
        QTest::mouseClick(main.get(), Qt::LeftButton, {}, QPoint(x, 2 * (30 + 100)));
        EXPECT_EQ(LaunchedLeftLane1(), x >= 482 && x <= 659) << x;
    }
    // The hover of the new game icon (strict) and of the undo button (inclusive).
    QTest::mouseMove(main.get(), QPoint(481, 100));
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(482, 100));
    EXPECT_TRUE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(2 * (240 + 532) + 1, 2 * (30 + 131) + 1));
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 1);
    QTest::mouseMove(main.get(), QPoint(2 * (240 + 533), 2 * (30 + 131)));
    EXPECT_EQ(Probe(*main).Hover().HoverButton, 0);
}

TEST_F(ZoomedGame, ALaunchAtAZoomedLaneTravels) {
    OneStopper();
    Probe(*main).EngineHost().StepTimer(true);
    QTest::mouseClick(main.get(), Qt::LeftButton, {}, QPoint(2 * (240 + 45), 2 * (30 + 100)));
    ASSERT_TRUE(LaunchedLeftLane1());
    ASSERT_TRUE(WaitUntil([&] { return main->Engine().st.board.at(9, 1).Color > 0; }));
    // It is drawn where it now stands, at twice the size.
    const QImage shown = Shown();
    EXPECT_EQ(test::Decode(shown.pixel(2 * (240 + 60 + 30 * 9) + 1, 2 * (30 + 60 + 30) + 1)).sheet, test::SheetBricks);
}

TEST_F(ZoomedGame, KeysStepTheFactorWithinWhatFitsAndGoBackToAutomatic) {
    QTest::keyClick(main.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Probe(*main).Zoom().k, 1);
    EXPECT_EQ(main->ZoomSetting(), 1);
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(720, 300));
    EXPECT_EQ(main->findChild<QLabel*>(QStringLiteral("Scor"))->font().pixelSize(), 19);
    // Drawn anew at once: the icon is at its 1x place, one screen pixel per skin pixel.
    EXPECT_EQ(test::Decode(Shown().pixel(720 + 5, 300 + 7)), (test::Decoded{test::SheetIcons, 5, 187}));
    QTest::keyClick(main.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Probe(*main).Zoom().k, 1);
    QTest::keyClick(main.get(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(main.get(), Qt::Key_Equal, Qt::ControlModifier);  // 3 does not fit 1080
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    EXPECT_EQ(main->ZoomSetting(), 2);
    QTest::keyClick(main.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(main->ZoomSetting(), zoom::Automatic);
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
    // Without Ctrl the keys do nothing.
    QTest::keyClick(main.get(), Qt::Key_Minus);
    EXPECT_EQ(Probe(*main).Zoom().k, 2);
}

TEST_F(ZoomedGame, TheHallOfFameOpensZoomedClosesAtItsZoomedEdgeAndFollowsANewFactor) {
    TScores scores(session->SkinInUse(), nullptr);
    bool stayed = false;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(scores.surface.width(), 960);
        QTest::mouseClick(&scores, Qt::LeftButton, {}, QPoint(180, 10));  // skin x 90: outside
        stayed = scores.isVisible();
        QTest::mouseClick(&scores, Qt::LeftButton, {}, QPoint(179, 179));
    });
    scores.ShowModal();
    EXPECT_TRUE(stayed);
    EXPECT_FALSE(scores.isVisible());

    main->SetZoomSetting(1);
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(scores.surface.width(), 1920);
        const QImage shown = scores.grab().toImage();
        EXPECT_EQ(test::Decode(shown.pixel(89, 89)), (test::Decoded{test::SheetIcons, 90 + 89, 360 + 89}));
        QTest::mouseClick(&scores, Qt::LeftButton, {}, QPoint(89, 89));
    });
    scores.ShowModal();
    EXPECT_FALSE(scores.isVisible());
}

TEST_F(ZoomedGame, TheOptionsFocusFrameIsDrawnInBlocksRoundItsZoomedControl) {
    TOptions options(session->SkinInUse(), session->BaseDir(), nullptr);
    QImage shown;
    QRect skinIcon;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < 10; ++i) QTest::keyClick(&options, Qt::Key_Tab);  // the skin's icon
        skinIcon = options.Controls().at(9).rect;
        shown = options.grab().toImage().convertToFormat(QImage::Format_RGB32);
        options.reject();
    });
    options.ShowModal();
    const int L = (960 - 640) / 2, T = (540 - 400) / 2 + 80;  // on the zoomed screen
    ASSERT_EQ(skinIcon, QRect(2 * (L + 340), 2 * (T + 160), 2 * 41, 2 * 41));
    // Three skin pixels outside the icon: two white, one dark, each two screen pixels wide.
    const QPoint frame = skinIcon.topLeft() - QPoint(6, 6);
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(shown.pixel(frame + QPoint(d, 20)), qRgb(255, 255, 255)) << d;
        EXPECT_EQ(shown.pixel(frame + QPoint(20, d)), qRgb(255, 255, 255)) << d;
    }
    EXPECT_EQ(shown.pixel(frame + QPoint(4, 20)), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(frame + QPoint(5, 20)), qRgb(0, 0, 0));
    EXPECT_NE(shown.pixel(frame + QPoint(-1, 20)), qRgb(255, 255, 255));
}

// The height of the ink of a dialog's text, in screen pixels.
int InkHeight(QWidget& label) {
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(ZoomedGame, ADialogsTextIsKTimesItsHeightAt1x) {
    TGameOver over(nullptr);
    main->SetZoomSetting(1);
    over.show();
    EXPECT_EQ(over.size(), QSize(236, 55));
    const int atOne = InkHeight(over.Label1);
    over.hide();
    main->SetZoomSetting(zoom::Automatic);
    over.show();
    EXPECT_EQ(over.size(), QSize(472, 110));
    EXPECT_EQ(over.Label1.pos(), QPoint(26, 16));
    EXPECT_EQ(over.Label1.height(), 80);
    const int atTwo = InkHeight(over.Label1);
    over.hide();
    ASSERT_GT(atOne, 10);
    EXPECT_NEAR(atTwo, 2 * atOne, 2);
}

TEST_F(ZoomedGame, TheSplashShowsItsPictureAsBlocksCentredOnTheZoomedScreen) {
    QImage picture(500, 375, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 64 + y / 256 * 128));
    ASSERT_TRUE(picture.save(dir.Path("title.bmp"), "BMP"));
    TSplash splash;
    splash.Ti.stop();
    splash.show();
    // At (229, 81) on the 960 x 540 zoomed screen, its one-pixel frame two pixels wide.
    EXPECT_EQ(splash.geometry(), QRect(458, 162, 1004, 754));
    QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 750; ++y)
        for (int x = 0; x < 1000; ++x) ASSERT_EQ(shown.pixel(2 + x, 2 + y), picture.pixel(x / 2, y / 2)) << x << ", " << y;
    EXPECT_EQ(shown.pixel(1, 1), shown.pixel(0, 0));
    EXPECT_EQ(shown.pixel(1003, 753), shown.pixel(1002, 752));

    main->SetZoomSetting(1);
    splash.Rezoom();
    EXPECT_EQ(splash.geometry(), QRect(709, 351, 502, 377));
    shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(1 + 499, 1 + 374), picture.pixel(499, 374));
    EXPECT_EQ(shown.pixel(1 + 301, 1 + 257), picture.pixel(301, 257));
}

TEST_F(ZoomedGame, AMessageBoxsIconIsKTimesItsSizeAt1xAndItsTextWrapsAsAt1x) {
    // Long enough to wrap at 1x.
    const QString text = QStringLiteral("The skin file cound not be opened! ").repeated(8);
    main->SetZoomSetting(1);
    main->Message(QMessageBox::Warning, text);
    main->SetZoomSetting(zoom::Automatic);
    main->Message(QMessageBox::Warning, text);
    ASSERT_EQ(watcher.messages.size(), 2u);
    const test::SeenMessage& atOne = watcher.messages[0];
    const test::SeenMessage& atTwo = watcher.messages[1];
    ASSERT_GE(atOne.iconSize.width(), 16);
    EXPECT_EQ(atTwo.iconSize, 2 * atOne.iconSize);
    EXPECT_EQ(atTwo.icon, QMessageBox::Warning);  // it still says what kind of message it is
    // Wrapped on a line twice as wide, not into twice the lines (960 x 540 at 1x wraps at
    // 480); a font twice the size is not exactly twice as wide, so a word may wrap sooner.
    EXPECT_EQ(atTwo.size.width(), 960);
    const int line = QFontMetrics(QApplication::font()).lineSpacing();
    EXPECT_LE(atTwo.size.height(), 2 * (atOne.size.height() + line));
    // The button's padding grows with its text.
    EXPECT_NEAR(atTwo.okSize.height(), 2 * atOne.okSize.height(), 2);
}

}  // namespace
}  // namespace tesseron
