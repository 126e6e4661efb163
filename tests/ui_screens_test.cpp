// The game window on two offscreen screens, 1920 x 1080 and 3840 x 2160 beside it,
// changed the way the platform changes them: a screen set to another size, the window
// moved onto the other screen, that screen unplugged. Each time the factor, the layout
// and what reaches the screen follow.
#include "ui/Display.h"
#include "ui/Session.h"
#include "ui/UMain.h"

#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <gtest/gtest.h>

#include <memory>

namespace tesseron {
namespace {

using test::Probe;
using test::WaitUntil;

QJsonObject Screen(const char* name, int x, int width, int height) {
    return {{"name", name}, {"x", x}, {"y", 0}, {"width", width}, {"height", height}, {"dpr", 1}};
}

// Hands the offscreen platform a new set of screens; it tells Qt what changed as a
// display server would, and Qt tells the windows.
void SetScreens(const QJsonArray& screens) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto get =
        reinterpret_cast<QJsonObject (*)(QPlatformNativeInterface*)>(native->nativeResourceForIntegration("configuration"));
    auto set = reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(
        native->nativeResourceForIntegration("setConfiguration"));
    ASSERT_TRUE(get && set) << "this platform cannot change its screens";
    QJsonObject configuration = get(native);
    configuration[QStringLiteral("screens")] = screens;
    set(configuration, native);
}

const QJsonArray TwoScreens{Screen("a", 0, 1920, 1080), Screen("b", 1920, 3840, 2160)};

QScreen* Named(const QString& name) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == name) return s;
    return nullptr;
}

class ScreenChange : public ::testing::Test, protected test::FullScreenGame {
protected:
    void SetUp() override {
        SetScreens(TwoScreens);
        ASSERT_TRUE(WaitUntil([] { return QGuiApplication::screens().size() == 2; }));
        display::SetScreen(nullptr);
        display::SetSetting(zoom::Automatic);
        StartFullScreen();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(Probe(*main).Zoom().k, 2);
    }

    // The new game icon reaches the screen as its skin picture in k x k blocks at `at`.
    void ExpectNewGameIcon(int k, QPoint at) {
        const QImage shown = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 90 * k; y += 7)
            for (int x = 0; x < 90 * k; x += 5)
                ASSERT_EQ(test::Decode(shown.pixel(at.x() + x, at.y() + y)),
                          (test::Decoded{test::SheetIcons, x / k, 180 + y / k}))
                    << x << ", " << y;
    }

    bool On(const char* name) const { return main->windowHandle()->screen() == Named(QString::fromLatin1(name)); }
    // Still full screen, and the platform's window covers the whole screen, not only the widget.
    bool Fills(const QRect& screen) const {
        return main->isFullScreen() && main->geometry() == screen && main->windowHandle()->geometry() == screen;
    }
};

TEST_F(ScreenChange, AScreenSetToAnotherSizeLaysTheGameOutAnew) {
    SetScreens({Screen("a", 0, 2560, 1440), Screen("b", 2560, 3840, 2160)});
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).Zoom().k == 3; }));
    // 853 x 480 skin pixels: the field touches the top, centred across.
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(186, 0));
    EXPECT_EQ(Probe(*main).Canvas().width(), 853);
    EXPECT_TRUE(WaitUntil([&] { return Fills(QRect(0, 0, 2560, 1440)); }));
    ExpectNewGameIcon(3, {3 * 186, 0});

    SetScreens(TwoScreens);
    ASSERT_TRUE(WaitUntil([&] { return Probe(*main).Zoom().k == 2; }));
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(240, 30));
    ExpectNewGameIcon(2, {480, 60});
}

TEST_F(ScreenChange, MovedToAnotherScreenItTakesThatScreensFactorAndLosingItGoesBack) {
    main->windowHandle()->setScreen(Named(QStringLiteral("b")));
    ASSERT_TRUE(WaitUntil([&] { return On("b") && Probe(*main).Zoom().k == 4; }));
    EXPECT_EQ(Probe(*main).FieldOrigin(), QPoint(240, 30));
    EXPECT_TRUE(WaitUntil([&] { return Fills(QRect(1920, 0, 3840, 2160)); }));
    ExpectNewGameIcon(4, {960, 120});
    // The pointer is mapped at the new factor: the icon's strict edge is four pixels wide,
    // and the options icon far beyond the old screen's size answers.
    QTest::mouseMove(main.get(), QPoint(963, 200));
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(964, 200));
    EXPECT_TRUE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(5, 5));
    EXPECT_FALSE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(4 * (240 + 435), 4 * (30 + 435)));
    EXPECT_TRUE(Probe(*main).Hover().IconHover);
    QTest::mouseMove(main.get(), QPoint(5, 5));

    // Unplugged: the game goes on on the screen that is left, at its factor.
    SetScreens({Screen("a", 0, 1920, 1080)});
    ASSERT_TRUE(WaitUntil([&] { return On("a") && Probe(*main).Zoom().k == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return Fills(QRect(0, 0, 1920, 1080)); }));
    ExpectNewGameIcon(2, {480, 60});
}

}  // namespace
}  // namespace tesseron

// Two screens from the start, so that the game has one to move to.
int main(int argc, char** argv) {
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    tesseron::test::UseOffscreenScreens(
        "[{\"name\":\"a\",\"x\":0,\"y\":0,\"width\":1920,\"height\":1080,\"dpr\":1},"
        "{\"name\":\"b\",\"x\":1920,\"y\":0,\"width\":3840,\"height\":2160,\"dpr\":1}]");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
