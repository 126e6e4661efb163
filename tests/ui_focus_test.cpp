// The options, help and hall of fame windows from the keyboard, on an 800 x 600
// offscreen screen: the focus order, Space and Return doing what a click does, the
// frame on the screen, and the painted controls each window lists.
#include "draw/Layout.h"
#include "ui/Links.h"
#include "ui/UOptions.h"
#include "ui/URules.h"
#include "ui/UScores.h"

#include "audio/Audio.h"
#include "support/FakeMedia.h"
#include "support/ui_window_fixture.h"

#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tesseron {
namespace {

using test::CodedSkinDir;
using test::WaitUntil;

std::vector<Qt::Key> Times(int n, Qt::Key key) { return std::vector<Qt::Key>(size_t(n), key); }
std::vector<Qt::Key> TabsThen(int n, Qt::Key key) {
    std::vector<Qt::Key> keys = Times(n, Qt::Key_Tab);
    keys.push_back(key);
    return keys;
}

void Keys(QWidget& w, const std::vector<Qt::Key>& keys) {
    for (Qt::Key k : keys) QTest::keyClick(&w, k, k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

// The index of the control the frame is on, -1 for none.
int Focused(const PaintedControls& window) {
    const std::vector<PaintedControl> controls = window.Controls();
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i].focused) return int(i);
    return -1;
}

QImage Shown(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// An options window with its own sound service and counting handlers, shown.
struct OptionsWorld {
    explicit OptionsWorld(const Skin& skin, const CodedSkinDir& dir) : options(skin, dir.Base(), &audio) {
        audio.Sound = true;
        audio.StartAudio();
        options.ColoursHandler = [this] { return colours; };
        options.ColoursChosenHandler = [this](int n) { colours = n; };
        options.NewGameHandler = [this] { ++newGames; };
        options.ChooseMusic = [this] { return ++musicAsked, std::optional<QString>(); };
        options.ChooseSkin = [this] { return ++skinAsked, std::optional<QString>(); };
        options.show();
        media->calls.clear();
    }
    // What a press left behind, to compare a key with a click.
    std::string Outcome() const {
        std::string s = "colours " + std::to_string(colours) + " new " + std::to_string(newGames) + " sound " +
                        std::to_string(audio.Sound) + " music " + std::to_string(audio.Music) + " asked " +
                        std::to_string(musicAsked) + "/" + std::to_string(skinAsked) + " open " +
                        std::to_string(options.isVisible()) + " |";
        for (const std::string& c : media->calls) s += " " + c;
        return s;
    }

    test::FakeMedia* media = new test::FakeMedia;
    Audio audio{std::unique_ptr<MediaBackend>(media)};
    int colours = 7, newGames = 0, musicAsked = 0, skinAsked = 0;
    TOptions options;
};

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override { dir.LoadInto(skin); }
    CodedSkinDir dir;
    Skin skin;
};

// --- The options window ------------------------------------------------------------

struct OrderCase {
    std::vector<Qt::Key> keys;
    int focused;  // -1: no frame
    const char* name;
};

TEST_F(FocusTest, OptionsFocusOrderShowsFirstThenStepsAndWraps) {
    const OrderCase cases[] = {
        {{}, -1, ""},
        {{Qt::Key_Return}, 0, "5 colors"},  // shows the frame, presses nothing
        {{Qt::Key_Tab}, 0, "5 colors"},
        {{Qt::Key_Backtab}, 0, "5 colors"},
        {{Qt::Key_Down}, 0, "5 colors"},
        {Times(2, Qt::Key_Tab), 1, "6 colors"},
        {Times(6, Qt::Key_Tab), 5, "10 colors"},
        {Times(7, Qt::Key_Tab), 6, "Sounds"},
        {Times(8, Qt::Key_Tab), 7, "Music"},
        {Times(9, Qt::Key_Tab), 8, "Music file"},
        {Times(10, Qt::Key_Tab), 9, "Skin"},
        {Times(11, Qt::Key_Tab), 10, "Close"},
        {Times(12, Qt::Key_Tab), 0, "5 colors"},
        {Times(2, Qt::Key_Backtab), 10, "Close"},
        {Times(3, Qt::Key_Backtab), 9, "Skin"},
        {{Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up}, 1, "6 colors"},
        {{Qt::Key_Left, Qt::Key_Left}, 10, "Close"},
        {{Qt::Key_Tab, Qt::Key_A, Qt::Key_F1}, 0, "5 colors"},  // other keys move nothing
    };
    OptionsWorld w(skin, dir);
    for (const OrderCase& c : cases) {
        w.options.hide();
        w.options.show();  // each opening starts without a frame, on the first control
        Keys(w.options, c.keys);
        const int at = Focused(w.options);
        EXPECT_EQ(at, c.focused) << c.name;
        if (at >= 0) {
            EXPECT_EQ(w.options.Controls()[at].name, c.name);
        }
        EXPECT_EQ(w.colours, 7) << c.name;
        EXPECT_TRUE(w.options.isVisible()) << c.name;
    }
}

struct PressCase {
    int stop;
    const char* outcome;  // the state after the press, as OptionsWorld::Outcome says it
};

// Each control pressed with Space or Return leaves exactly what a click on it leaves.
TEST_F(FocusTest, OptionsSpaceAndReturnDoWhatAClickDoes) {
    const PressCase cases[] = {
        {0, "colours 5 new 1 sound 1 music 0 asked 0/0 open 1 |"},
        {1, "colours 6 new 1 sound 1 music 0 asked 0/0 open 1 |"},
        {2, "colours 7 new 0 sound 1 music 0 asked 0/0 open 1 |"},
        {3, "colours 8 new 1 sound 1 music 0 asked 0/0 open 1 |"},
        {4, "colours 9 new 1 sound 1 music 0 asked 0/0 open 1 |"},
        {5, "colours 10 new 1 sound 1 music 0 asked 0/0 open 1 |"},
        {6, "colours 7 new 0 sound 0 music 0 asked 0/0 open 1 | S1 stop S2 stop S3 stop S4 stop S5 stop S3 play"},
        {7,
         "colours 7 new 0 sound 1 music 1 asked 0/0 open 1 | S1 stop S2 stop S3 stop S4 stop S5 stop S3 play Music open "
         "Music.mid Music play"},
        {8, "colours 7 new 0 sound 1 music 0 asked 1/0 open 1 | Music open Music.mid Music play"},
        {9, "colours 7 new 0 sound 1 music 0 asked 0/1 open 1 | S1 stop S2 stop S3 stop S4 stop S5 stop S3 play"},
        {10, "colours 7 new 0 sound 1 music 0 asked 0/0 open 0 | S1 stop S2 stop S3 stop S4 stop S5 stop S3 play"},
    };
    for (const PressCase& c : cases) {
        for (Qt::Key press : {Qt::Key_Space, Qt::Key_Return}) {
            OptionsWorld clicked(skin, dir), keyed(skin, dir);
            const QRect at = clicked.options.Controls().at(c.stop).rect;
            QTest::mouseClick(&clicked.options, Qt::LeftButton, {}, at.center());
            Keys(keyed.options, Times(c.stop + 1, Qt::Key_Tab));
            ASSERT_EQ(Focused(keyed.options), c.stop);
            Keys(keyed.options, {press});
            EXPECT_EQ(keyed.Outcome(), clicked.Outcome()) << c.stop;
            EXPECT_EQ(keyed.Outcome(), c.outcome) << c.stop;
        }
    }
}

TEST_F(FocusTest, OptionsFrameShowsOnlyAfterAKeyAndMovesWithTheFocus) {
    OptionsWorld w(skin, dir);
    ASSERT_TRUE(WaitUntil([&] { return w.options.isVisible(); }));
    const QImage bare = Shown(w.options);
    // A pointer player sees exactly the surface.
    EXPECT_EQ(bare, w.options.surface.image().convertToFormat(QImage::Format_RGB32));

    const auto frameOf = [&](int stop) {
        const QRect r = w.options.Controls().at(stop).rect;
        return r.adjusted(-3, -3, 3, 3).intersected(w.options.rect());
    };
    for (int stop : {0, 1, 6, 10}) {
        w.options.hide();
        w.options.show();
        Keys(w.options, Times(stop + 1, Qt::Key_Tab));
        const QImage framed = Shown(w.options);
        const QRect frame = frameOf(stop);
        EXPECT_EQ(framed.pixel(frame.topLeft()), qRgb(255, 255, 255)) << stop;
        EXPECT_EQ(framed.pixel(frame.bottomRight()), qRgb(255, 255, 255)) << stop;
        EXPECT_EQ(framed.pixel(frame.topLeft() + QPoint(2, 2)), qRgb(0, 0, 0)) << stop;
        // Only the frame changed: the control inside it and the rest of the window are as before.
        for (int y = 0; y < bare.height(); y += 3)
            for (int x = 0; x < bare.width(); x += 3)
                if (!frame.contains(x, y) || frame.adjusted(3, 3, -3, -3).contains(x, y)) {
                    ASSERT_EQ(framed.pixel(x, y), bare.pixel(x, y)) << stop << " at " << x << "," << y;
                }
    }
}

TEST_F(FocusTest, OptionsPointerWorksAsBeforeWithTheFrameShown) {
    OptionsWorld w(skin, dir);
    Keys(w.options, {Qt::Key_Tab, Qt::Key_Tab});  // on 6 colours
    const QRect sounds = w.options.Controls().at(6).rect;
    QTest::mouseClick(&w.options, Qt::LeftButton, {}, sounds.center());
    EXPECT_FALSE(w.audio.Sound);
    QTest::mouseMove(&w.options, QPoint(40, 40));
    EXPECT_TRUE(w.options.CloseHover);
    EXPECT_EQ(Focused(w.options), 1);  // the pointer leaves the focus where it was
    const QRect ten = w.options.Controls().at(5).rect;
    QTest::mouseClick(&w.options, Qt::LeftButton, {}, ten.center());
    EXPECT_EQ(w.colours, 10);
    Keys(w.options, {Qt::Key_Space});  // the key still presses the framed control
    EXPECT_EQ(w.colours, 6);
    EXPECT_EQ(w.newGames, 2);
}

// --- The help window -------------------------------------------------------------------

struct RecordingSounds : Sounds {
    std::vector<Effect> resumed;
    void PlayEffect(Effect) override {}
    void ResumeEffect(Effect effect) override { resumed.push_back(effect); }
    void Beep() override {}
};

struct HelpCase {
    std::vector<Qt::Key> keys;
    QString shown;   // the text file shown, relative to BaseDir
    QString opened;  // the address handed to the desktop
    bool closed;
};

TEST_F(FocusTest, HelpOpensOnTheRulesAndReturnOpensTheLinkInFocus) {
    const QString mail = QStringLiteral("mailto:") + links::SupportAddress;
    const HelpCase cases[] = {
        {{Qt::Key_Return}, "rules.txt", "", false},
        {{Qt::Key_Enter}, "rules.txt", "", false},
        {{Qt::Key_Space}, "rules.txt", "", false},
        {{Qt::Key_Tab, Qt::Key_Return}, "readme.txt", "", false},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, "readme.txt", "", false},
        {{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, "", mail, false},
        {TabsThen(3, Qt::Key_Return), "", links::GameSite, false},
        {TabsThen(4, Qt::Key_Return), "", links::MakerSite, false},
        {TabsThen(5, Qt::Key_Return), "", mail, false},
        {TabsThen(6, Qt::Key_Return), "", "", true},
        {{Qt::Key_Backtab, Qt::Key_Space}, "", "", true},
        {TabsThen(7, Qt::Key_Return), "rules.txt", "", false},
        {{Qt::Key_Tab}, "", "", false},
    };
    for (const HelpCase& c : cases) {
        RecordingSounds sounds;
        std::vector<QString> shown;
        std::vector<QUrl> opened;
        TRules rules(skin, dir.Base(), &sounds, [&](const QUrl& u) { opened.push_back(u); });
        rules.TextHandler = [&](const QString& p) { shown.push_back(p); };
        rules.show();
        Keys(rules, c.keys);
        const std::string what = QStringLiteral("%1 keys to %2%3").arg(c.keys.size()).arg(c.shown, c.opened).toStdString();
        EXPECT_EQ(shown, c.shown.isEmpty() ? std::vector<QString>{} : std::vector<QString>{dir.Path(c.shown)}) << what;
        EXPECT_EQ(opened, c.opened.isEmpty() ? std::vector<QUrl>{} : std::vector<QUrl>{QUrl(c.opened)}) << what;
        EXPECT_EQ(rules.isVisible(), !c.closed) << what;
        EXPECT_EQ(sounds.resumed, c.closed ? std::vector<Effect>{Effect::Click} : std::vector<Effect>{}) << what;
    }
}

TEST_F(FocusTest, HelpShowsItsFrameRoundTheRulesAsItOpensAndEachOpeningStartsThere) {
    auto rules = std::make_unique<TRules>(skin, dir.Base(), nullptr, [](const QUrl&) {});
    rules->show();
    ASSERT_TRUE(WaitUntil([&] { return rules->isVisible(); }));
    EXPECT_EQ(Focused(*rules), 0);
    const QImage framed = Shown(*rules);
    // Round the words of the bar, which itself runs the width of the window.
    const QRect bar = rules->Label8.geometry();
    const QFontMetrics metrics(rules->Label8.font());
    const int words = bar.left() + metrics.horizontalAdvance(QStringLiteral("           "));
    const int y = bar.center().y();
    EXPECT_EQ(framed.pixel(words - 5, y), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(words - 3, y), qRgb(0, 0, 0));
    EXPECT_NE(framed.pixel(words - 6, y), qRgb(255, 255, 255));

    Keys(*rules, {Qt::Key_Tab, Qt::Key_Tab});
    EXPECT_EQ(Focused(*rules), 2);
    const QImage moved = Shown(*rules);
    EXPECT_EQ(moved.pixel(words - 5, y), QColor(30, 60, 0).rgb());  // the bar's own colour again
    for (int x = words - 2; x < words + 40; ++x) EXPECT_EQ(moved.pixel(x, y), framed.pixel(x, y)) << x;  // the words untouched
    rules->hide();
    rules->show();
    EXPECT_EQ(Focused(*rules), 0);
}

// --- What each window lists ----------------------------------------------------------------

struct ControlCase {
    const char* window;
    int index;
    QAccessible::Role role;
    const char* name;
    bool checkable, checked;
};

TEST_F(FocusTest, EachWindowListsItsControlsInTheKeyboardsOrder) {
    OptionsWorld w(skin, dir);
    TRules rules(skin, dir.Base(), nullptr, [](const QUrl&) {});
    TScores scores(skin, nullptr);
    scores.SetEntries({"ADA", "BO"}, {"120", "45"});
    const std::map<std::string, const PaintedControls*> windows{{"options", &w.options}, {"help", &rules}, {"fame", &scores}};
    const std::map<std::string, size_t> counts{{"options", 11}, {"help", 7}, {"fame", 2}};
    const std::string address = links::SupportAddress.toStdString();
    const ControlCase cases[] = {
        {"options", 0, QAccessible::RadioButton, "5 colors", true, false},
        {"options", 2, QAccessible::RadioButton, "7 colors", true, true},
        {"options", 5, QAccessible::RadioButton, "10 colors", true, false},
        {"options", 6, QAccessible::CheckBox, "Sounds", true, true},
        {"options", 7, QAccessible::CheckBox, "Music", true, false},
        {"options", 8, QAccessible::Button, "Music file", false, false},
        {"options", 9, QAccessible::Button, "Skin", false, false},
        {"options", 10, QAccessible::Button, "Close", false, false},
        {"help", 0, QAccessible::Link, "Rules of the game", false, false},
        {"help", 1, QAccessible::Link, "Tesseron Readme", false, false},
        {"help", 2, QAccessible::Link, address.c_str(), false, false},
        {"help", 3, QAccessible::Link, "Visit Tesseron website", false, false},
        {"help", 4, QAccessible::Link, "Visit the Orvane website", false, false},
        {"help", 5, QAccessible::Link, "Send e-mail to the author", false, false},
        {"help", 6, QAccessible::Button, "Close", false, false},
        {"fame", 0, QAccessible::List, "Hall of fame", false, false},
        {"fame", 1, QAccessible::Button, "Close", false, false},
    };
    for (const ControlCase& c : cases) {
        const std::vector<PaintedControl> controls = windows.at(c.window)->Controls();
        ASSERT_EQ(controls.size(), counts.at(c.window)) << c.window;
        const PaintedControl& p = controls.at(c.index);
        EXPECT_EQ(p.role, c.role) << c.window << " " << c.index;
        EXPECT_EQ(p.name.toStdString(), c.name) << c.window << " " << c.index;
        EXPECT_EQ(p.checkable, c.checkable) << c.name;
        EXPECT_EQ(p.checked, c.checked) << c.name;
        EXPECT_EQ(bool(p.press), c.role != QAccessible::List) << c.name;
        EXPECT_FALSE(p.rect.isEmpty()) << c.name;
    }
    // The switches follow the sound service; the list holds every rank, empty ones too.
    w.audio.Sound = false;
    EXPECT_FALSE(w.options.Controls()[6].checked);
    const std::vector<PaintedControl> fame = scores.Controls();
    ASSERT_EQ(fame[0].items.size(), 5u);
    EXPECT_EQ(fame[0].items[0].name, "ADA 120");
    EXPECT_EQ(fame[0].items[1].name, "BO 45");
    EXPECT_EQ(fame[0].items[4].role, QAccessible::ListItem);
    // Where a screen reader points: the links are their labels, the switch its picture.
    EXPECT_EQ(rules.Controls()[1].rect, rules.Label14.geometry());
    const int L = (TESSERON_TEST_SCREEN_W - 640) / 2, T = (TESSERON_TEST_SCREEN_H - 400) / 2 + 80;
    EXPECT_EQ(w.options.Controls()[6].rect, QRect(L + 340, T + 57, 30, 22));
    EXPECT_EQ(w.options.Controls()[10].rect, QRect(0, 0, 90, 90));
}

}  // namespace
}  // namespace tesseron
