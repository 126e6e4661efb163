// The zoom factor from the screen's size and the desktop's scale, the mapping of
// pointer positions and drawn rectangles, and the zoom setting in the settings file.
#include "draw/Zoom.h"
#include "storage/Settings.h"

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using zoom::Zoom;

TEST(ZoomFactorTest, LargestWholeFactorThatFitsBothSides) {
    struct Case {
        int w, h, k;
    } cases[] = {
        {320, 200, 1},   {639, 479, 1},   {640, 480, 1},   {1024, 768, 1},  {1279, 1024, 1}, {1280, 959, 1},
        {1280, 960, 2},  {1280, 1024, 2}, {1920, 1080, 2}, {1920, 1439, 2}, {1920, 1440, 3}, {2560, 1440, 3},
        {2559, 2160, 3}, {3840, 2160, 4}, {3840, 2399, 4}, {3840, 2400, 5}, {7680, 4320, 9},
    };
    for (const Case& c : cases) EXPECT_EQ(zoom::AutoFactor(QSize(c.w, c.h)), c.k) << c.w << "x" << c.h;
}

TEST(ZoomFactorTest, SettingIsCappedToWhatFitsAndOutOfRangeIsAutomatic) {
    EXPECT_EQ(zoom::Factor(1, QSize(3840, 2160)), 1);
    EXPECT_EQ(zoom::Factor(3, QSize(3840, 2160)), 3);
    EXPECT_EQ(zoom::Factor(8, QSize(1920, 1080)), 2);
    EXPECT_EQ(zoom::Factor(8, QSize(7680, 4320)), 8);  // more would fit, but 8 was asked for
    EXPECT_EQ(zoom::Factor(0, QSize(2560, 1440)), 3);
    EXPECT_EQ(zoom::Factor(9, QSize(2560, 1440)), 3);
    EXPECT_EQ(zoom::Factor(-1, QSize(2560, 1440)), 3);
}

TEST(ZoomFactorTest, DesktopScaleIsUndoneNotAddedOn) {
    // The same 3840 x 2160 panel at 100, 125, 150 and 200 %: four device pixels per skin pixel.
    for (qreal dpr : {1.0, 1.25, 1.5, 2.0}) {
        const Zoom z = Zoom::Of(0, QSize(qRound(3840 / dpr), qRound(2160 / dpr)), dpr);
        EXPECT_EQ(z.k, 4) << dpr;
        EXPECT_EQ(z.device, QSize(3840, 2160)) << dpr;
        EXPECT_EQ(z.Zoomed(), QSize(960, 540)) << dpr;
    }
    // 1920 x 1080 at 150 % shows 1280 x 720 units: still factor 2, the field at device (480, 60).
    const Zoom z = Zoom::Of(0, QSize(1280, 720), 1.5);
    EXPECT_EQ(z.k, 2);
    EXPECT_EQ(z.Zoomed(), QSize(960, 540));
    // A side that is not a multiple of k leaves a margin, never half a skin pixel.
    EXPECT_EQ(Zoom::Of(0, QSize(1301, 1001), 1).Zoomed(), QSize(650, 500));
    EXPECT_EQ(Zoom::Of(0, QSize(1919, 1079), 1).Zoomed(), QSize(959, 539));
    EXPECT_EQ(Zoom::Of(0, QSize(1024, 768), 2).Zoomed(), QSize(682, 512));  // 2048 x 1536 device pixels at factor 3
}

TEST(ZoomMappingTest, PointerEdgesLandOnTheSameSkinPixelAsAt1x) {
    // Factor 2, unscaled desktop: device pixels 178 and 179 are skin pixel 89, 180 is 90.
    const Zoom two = Zoom::Of(0, QSize(1920, 1080), 1);
    EXPECT_EQ(two.ToLayout(QPointF(179, 0)), QPoint(89, 0));
    EXPECT_EQ(two.ToLayout(QPointF(180, 1)), QPoint(90, 0));
    EXPECT_EQ(two.ToLayout(QPointF(-1, -2)), QPoint(-1, -1));  // left of the window stays left of it
    // Factor 4 at 150 %: device pixel 359 is unit 239.33, skin pixel 89; 360 is 240, skin pixel 90.
    const Zoom four = Zoom::Of(0, QSize(2560, 1440), 1.5);
    EXPECT_EQ(four.ToLayout(QPointF(359 / 1.5, 360 / 1.5)), QPoint(89, 90));
    EXPECT_EQ(four.ToLayout(QPointF(363 / 1.5, 364 / 1.5)), QPoint(90, 91));
}

TEST(ZoomMappingTest, DrawnRectanglesCoverWholeDevicePixelsOutward) {
    const Zoom two = Zoom::Of(0, QSize(1920, 1080), 1);
    EXPECT_EQ(two.ToWindow(QRect(90, 90, 30, 30)), QRect(180, 180, 60, 60));
    const Zoom four = Zoom::Of(0, QSize(2560, 1440), 1.5);
    // Device 360..480 is units 240..320; device 4..8 is units 2.67..5.33, so 2..6.
    EXPECT_EQ(four.ToWindow(QRect(90, 90, 30, 30)), QRect(240, 240, 80, 80));
    EXPECT_EQ(four.ToWindow(QRect(1, 1, 1, 1)), QRect(2, 2, 4, 4));
    QFont f;
    f.setPixelSize(19);
    EXPECT_EQ(two.Font(f).pixelSize(), 38);
    EXPECT_EQ(Zoom::Of(0, QSize(1920, 1080), 2).Font(f).pixelSize(), 38);  // 76 device pixels at 200 %
}

TEST(ZoomSettingTest, ReadFromDisplayZoomAndWrittenOnlyWhenChosen) {
    using storage::IniFile;
    const auto read = [](const QByteArray& text) {
        IniFile ini;
        ini.Parse(text);
        return storage::ReadSettings(ini, QStringLiteral("/b/")).Zoom;
    };
    EXPECT_EQ(read(""), 0);
    EXPECT_EQ(read("[display]\nzoom=3\n"), 3);
    EXPECT_EQ(read("[Display]\nZoom=8\n"), 8);
    EXPECT_EQ(read("[Display]\nZoom=9\n"), 0);
    EXPECT_EQ(read("[Display]\nZoom=-1\n"), 0);
    EXPECT_EQ(read("[Display]\nZoom=big\n"), 0);

    storage::Settings s;
    IniFile fresh;
    storage::WriteSettings(fresh, s);
    EXPECT_EQ(fresh.ReadString(QStringLiteral("Display"), QStringLiteral("Zoom"), QStringLiteral("none")), "none");
    s.Zoom = 2;
    storage::WriteSettings(fresh, s);
    EXPECT_EQ(fresh.ReadInteger(QStringLiteral("Display"), QStringLiteral("Zoom"), -1), 2);
    // Back to automatic: the earlier choice is overwritten, not left standing.
    s.Zoom = 0;
    storage::WriteSettings(fresh, s);
    EXPECT_EQ(fresh.ReadInteger(QStringLiteral("Display"), QStringLiteral("Zoom"), -1), 0);
}

}  // namespace
}  // namespace tesseron
