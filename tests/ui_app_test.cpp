// The application object's wiring of the real windows.
#include "storage/HighScores.h"
#include "ui/App.h"

#include "support/ui_window_fixture.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tesseron {
namespace {

using test::WaitUntil;

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
    app.Main.OptionsClick();
    ASSERT_EQ(watcher.messages.size(), 1u);
    EXPECT_TRUE(watcher.messages[0].text.startsWith("Tesseron could not load the skin: "));
    EXPECT_EQ(watcher.messages[0].parent, &app.Options);
    EXPECT_EQ(tileBefore, test::SheetTile);
    EXPECT_EQ(tileAfter, test::SheetPictograms);
    EXPECT_EQ(test::Decode(app.Main.Canvas().image().pixel(5, 5)).sheet, test::SheetPictograms);
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
    app.Main.SetColours(8);  // as the options window does
    QString shown;
    QTimer::singleShot(0, &app.Scores, [&] {
        shown = app.Scores.FameNames[0] + ' ' + app.Scores.FameScores[0];
        app.Scores.accept();
    });
    app.Main.ScoresClick();
    EXPECT_EQ(shown, "EIGHT 500");
}

}  // namespace
}  // namespace tesseron
