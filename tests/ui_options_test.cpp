// The options window on an 800 x 600 offscreen screen: L = 80, T = 180.
#include "draw/Layout.h"
#include "ui/UOptions.h"

#include "audio/Audio.h"
#include "support/CaptionTranslator.h"
#include "support/FakeMedia.h"
#include "support/ui_window_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace tesseron {
namespace {

using namespace layout;
using test::CodedSkinDir;
using test::SheetPictograms;
using test::ShowsRegion;

constexpr int L = (TESSERON_TEST_SCREEN_W - 640) / 2;
constexpr int T = (TESSERON_TEST_SCREEN_H - 400) / 2 + 80;

QRect At(const Box& b) { return QRect(L + b.left, T + b.top, b.width(), b.height()); }
QRect Sheet(const Box& b) { return QRect(b.left, b.top, b.width(), b.height()); }

bool Has(const std::vector<std::string>& calls, const std::string& what) {
    return std::find(calls.begin(), calls.end(), what) != calls.end();
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() : media(new test::FakeMedia), audio(std::unique_ptr<MediaBackend>(media)) {}

    void SetUp() override {
        dir.LoadInto(skin);
        audio.Sound = true;
        audio.StartAudio();
        options.ColoursHandler = [this] { return colours; };
        options.ColoursChosenHandler = [this](int n) {
            colours = n;
            set.push_back(n);
        };
        options.NewGameHandler = [this] { ++newGames; };
        options.ChooseMusic = [] { return std::optional<QString>(); };
        options.ChooseSkin = [] { return std::optional<QString>(); };
        media->calls.clear();
    }

    void Press(int x, int y) { options.FormMouseDown(Qt::LeftButton, Qt::NoModifier, x, y); }
    void Move(int x, int y, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&options, &e);
    }

    CodedSkinDir dir;
    Skin skin;
    test::FakeMedia* media;
    Audio audio;
    TOptions options{skin, dir.Base(), &audio};
    int colours = 7;
    std::vector<int> set;
    int newGames = 0;
    std::vector<QRect> drawn;
};

TEST_F(OptionsTest, OriginFollowsTheScreen) {
    EXPECT_EQ(options.OptionsLeft, L);
    EXPECT_EQ(options.OptionsTop, T);
    EXPECT_EQ(options.SkinOpenDir, dir.Base());
}

TEST_F(OptionsTest, ColourZonesAreStrictAndLeaveGaps) {
    const int y = T + 10;
    for (int n = MinColours; n <= MaxColours; ++n) {
        const int left = L + 340 + ColorZoneX[n - MinColours];
        Press(left, y);
        Press(left + ColorZoneWidth, y);
        EXPECT_TRUE(set.empty()) << n;
        Press(left + 1, y);
        Press(left + ColorZoneWidth - 1, y);
        EXPECT_EQ(set, std::vector<int>({n, n})) << n;
        set.clear();
    }
    for (int x = L + 367; x <= L + 372; ++x) Press(x, y);
    EXPECT_TRUE(set.empty());

    // The zone for 10 reaches past the drawn strip, still inside the outer rectangle.
    Press(L + 519, y);
    Press(L + 543, y);
    EXPECT_EQ(set, std::vector<int>({10, 10}));
    set.clear();
    Press(L + 519, T - 4);
    Press(L + 519, T + 34);
    EXPECT_TRUE(set.empty());
    Press(L + 519, T - 3);
    Press(L + 519, T + 33);
    EXPECT_EQ(set, std::vector<int>({10, 10}));
}

TEST_F(OptionsTest, ANewCountStartsOneGameTheSameOnlyRedraws) {
    options.surface.SetRecorder(&drawn);
    Press(L + 340 + ColorZoneX[7 - MinColours] + 5, T + 10);
    EXPECT_EQ(newGames, 0);
    EXPECT_EQ(drawn, std::vector<QRect>({At(ColourStrip), At(ColourMarker(7))}));

    Press(L + 340 + ColorZoneX[9 - MinColours] + 5, T + 10);
    EXPECT_EQ(colours, 9);
    EXPECT_EQ(newGames, 1);
    EXPECT_EQ(drawn.back(), At(ColourMarker(9)));
}

TEST_F(OptionsTest, DraggingSelectsOnlyWithTheLeftButtonHeld) {
    colours = 5;
    for (int x = L + 345; x <= L + 410; x += 5) Move(x, T + 10, Qt::RightButton);
    for (int x = L + 345; x <= L + 410; x += 5) Move(x, T + 10, Qt::NoButton);
    EXPECT_TRUE(set.empty());
    EXPECT_EQ(newGames, 0);

    for (int x = L + 345; x <= L + 410; x += 5) Move(x, T + 10, Qt::LeftButton);
    EXPECT_EQ(colours, 7);
    EXPECT_EQ(newGames, 2);  // 5 -> 6 -> 7
}

TEST_F(OptionsTest, EachSwitchRedrawsOnlyItself) {
    options.surface.SetRecorder(&drawn);
    Press(L + 451, T + 92);  // far corner of the sounds switch's region
    EXPECT_FALSE(audio.Sound);
    EXPECT_EQ(drawn, std::vector<QRect>({At(SoundSwitch)}));
    EXPECT_TRUE(Has(media->calls, "S3 play"));  // switching sounds off still clicks

    drawn.clear();
    Press(L + 340, T + 97);
    EXPECT_TRUE(audio.Music);
    EXPECT_EQ(drawn, std::vector<QRect>({At(MusicSwitch), At(MusicFileIcon)}));
    EXPECT_TRUE(Has(media->calls, "Music play"));

    drawn.clear();
    Press(L + 453, T + 60);  // just outside both
    EXPECT_TRUE(drawn.empty());
    EXPECT_FALSE(audio.Sound);
}

TEST_F(OptionsTest, MusicFileIconNeverClicks) {
    int asked = 0;
    options.ChooseMusic = [&] {
        ++asked;
        return std::optional<QString>(dir.Path("tune.mid"));
    };
    Press(L + 535, T + 132);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(audio.File(MusicPlayer), dir.Path("tune.mid"));
    EXPECT_TRUE(Has(media->calls, "Music play"));
    for (const std::string& c : media->calls) EXPECT_EQ(c.rfind("S", 0), std::string::npos) << c;
    EXPECT_FALSE(audio.Music);
}

TEST_F(OptionsTest, SkinIconCancelledChangesNothing) {
    bool clickedFirst = false;
    int changes = 0;
    options.ChooseSkin = [&] {
        clickedFirst = Has(media->calls, "S3 play");
        return std::optional<QString>();
    };
    options.ChangeSkinHandler = [&](const QString&) { return ++changes, true; };
    options.surface.SetRecorder(&drawn);
    Press(L + 405, T + 192);
    EXPECT_TRUE(clickedFirst);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(OptionsTest, ChosenSkinIsHandedOverAndTheWindowRepaints) {
    std::vector<QString> paths;
    bool ok = true;
    options.ChooseSkin = [&] { return std::optional<QString>(dir.Path("other.skn")); };
    options.ChangeSkinHandler = [&](const QString& p) {
        paths.push_back(p);
        return ok;
    };
    options.surface.SetRecorder(&drawn);
    Press(L + 340, T + 160);
    EXPECT_EQ(paths, std::vector<QString>({dir.Path("other.skn")}));
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), QRect(0, 0, TESSERON_TEST_SCREEN_W, TESSERON_TEST_SCREEN_H));
    EXPECT_EQ(drawn.back(), At(SkinIcon));

    // A description that could not be read changed nothing: the window stands.
    ok = false;
    drawn.clear();
    Press(L + 340, T + 160);
    EXPECT_EQ(paths.size(), 2u);
    EXPECT_TRUE(drawn.empty());
}

TEST_F(OptionsTest, CloseIconEdge) {
    bool stillOpenAfterMiss = false;
    QTimer::singleShot(0, &options, [&] {
        QTest::mouseClick(&options, Qt::RightButton, Qt::NoModifier, QPoint(90, 10));
        stillOpenAfterMiss = options.isVisible();
        media->calls.clear();
        QTest::mouseClick(&options, Qt::RightButton, Qt::NoModifier, QPoint(89, 89));
    });
    QTimer::singleShot(3000, &options, [&] { options.reject(); });
    options.ShowModal();
    EXPECT_TRUE(stillOpenAfterMiss);
    EXPECT_EQ(options.result(), QDialog::Accepted);
    EXPECT_TRUE(Has(media->calls, "S3 play"));
}

TEST_F(OptionsTest, EscapeClosesLikeTheCloseIcon) {
    bool stillOpenAfterReturn = false;
    QTimer::singleShot(0, &options, [&] {
        QTest::keyClick(&options, Qt::Key_Return);
        stillOpenAfterReturn = options.isVisible();
        media->calls.clear();
        QTest::keyClick(&options, Qt::Key_Escape);
    });
    QTimer::singleShot(3000, &options, [&] { options.reject(); });
    options.ShowModal();
    EXPECT_TRUE(stillOpenAfterReturn);
    EXPECT_EQ(options.result(), QDialog::Accepted);  // the 3 s fallback would reject
    EXPECT_TRUE(Has(media->calls, "S3 play"));
}

TEST_F(OptionsTest, StripMarkerSwitchesAndIconsComeFromThePictogramSheet) {
    audio.Music = false;
    options.show();
    ASSERT_TRUE(test::WaitUntil([&] { return options.isVisible(); }));
    const QImage& img = options.surface.image();
    const Box stripAboveMarker{ColourStrip.left, ColourStrip.top, ColourStrip.right, ColourMarker(7).top};
    const Box stripPart{ColourStripPicture.left, ColourStripPicture.top, ColourStripPicture.right,
                        ColourStripPicture.top + stripAboveMarker.height()};
    EXPECT_TRUE(ShowsRegion(img, At(stripAboveMarker), SheetPictograms, Sheet(stripPart)));
    EXPECT_TRUE(ShowsRegion(img, At(ColourMarker(7)), SheetPictograms, Sheet(ColourMarkerPicture)));
    EXPECT_TRUE(ShowsRegion(img, At(SoundSwitch), SheetPictograms, Sheet(SwitchOnPicture)));
    EXPECT_TRUE(ShowsRegion(img, At(MusicSwitch), SheetPictograms, Sheet(SwitchOffPicture)));
    EXPECT_TRUE(ShowsRegion(img, At(MusicFileIcon), SheetPictograms, Sheet(FolderPicture)));
    EXPECT_TRUE(ShowsRegion(img, At(SkinIcon), SheetPictograms, Sheet(FolderPicture)));

    // A count from a bad settings file puts the marker at the nearest end.
    colours = 12;
    options.DrawColorStrip();
    EXPECT_TRUE(ShowsRegion(img, At(ColourMarker(10)), SheetPictograms, Sheet(ColourMarkerPicture)));
    colours = -3;
    options.DrawColorStrip();
    EXPECT_TRUE(ShowsRegion(img, At(ColourMarker(5)), SheetPictograms, Sheet(ColourMarkerPicture)));
    options.hide();
}

}  // namespace
}  // namespace tesseron

namespace tesseron {
namespace {

// The default choosers: the dialog's title, filters, suffix, folder and must-exist rule.
// What the options window draws for a language's captions: the title, then the rows.
struct OptionsCaptionsCase {
    const char* language;
    std::map<QString, QString> words;
    std::vector<QByteArray> drawn;
};

const OptionsCaptionsCase OptionsCaptionsCases[] = {
    {"English", {}, {"O P T I O N S", "NUMBER OF COLORS", "SOUNDS", "MUSIC", "SKIN"}},
    {"German",
     {{"O P T I O N S", "O P T I O N E N"},
      {"NUMBER OF COLORS", "ANZAHL DER FARBEN"},
      {"SOUNDS", "KLÄNGE"},
      {"MUSIC", "MUSIK"},
      {"SKIN", "SKIN"}},
     {"O P T I O N E N", "ANZAHL DER FARBEN", "KLANGE", "MUSIK", "SKIN"}},
    {"French, its colour row too long",
     {{"O P T I O N S", "O P T I O N S"},
      {"NUMBER OF COLORS", "NOMBRE DE COULEURS"},
      {"SOUNDS", "SONS"},
      {"MUSIC", "MUSIQUE"},
      {"SKIN", "HABILLAGE"}},
     {"O P T I O N S", "NUMBER OF COLORS", "SONS", "MUSIQUE", "HABILLAGE"}},
    {"Polish",
     {{"NUMBER OF COLORS", "LICZBA KOLORÓW"}, {"SOUNDS", "DŹWIĘKI"}, {"MUSIC", "MUZYKA"}, {"SKIN", "SKÓRKA"}},
     {"O P T I O N S", "LICZBA KOLOROW", "DZWIEKI", "MUZYKA", "SKORKA"}},
    {"Russian",
     {{"O P T I O N S", "Н А С Т Р О Й К И"},
      {"NUMBER OF COLORS", "ЧИСЛО ЦВЕТОВ"},
      {"SOUNDS", "ЗВУКИ"},
      {"MUSIC", "МУЗЫКА"},
      {"SKIN", "СКИН"}},
     {"O P T I O N S", "NUMBER OF COLORS", "SOUNDS", "MUSIC", "SKIN"}},
    {"a title wider than the column",
     {{"O P T I O N S", "E I N S T E L L U N G"}},
     {"O P T I O N S", "NUMBER OF COLORS", "SOUNDS", "MUSIC", "SKIN"}},
};

class OptionsCaptions : public OptionsTest, public ::testing::WithParamInterface<OptionsCaptionsCase> {};

TEST_P(OptionsCaptions, EachCaptionIsDrawnInItsPlaceAndNothingPastIt) {
    const test::InstalledCaptions words(GetParam().words);
    options.show();
    const QImage& img = options.surface.image();
    const std::vector<QByteArray>& want = GetParam().drawn;
    EXPECT_EQ(test::DrawnGlyphs(img, L + OptionsTitleLeft, TitleTop, 2, 17), want[0].leftJustified(17, ' '));
    const Point rows[] = {ColoursCaption, SoundsCaption, MusicCaption, SkinCaption};
    for (int i = 0; i < 4; ++i) {
        // Up to the row's control at x 340, which is no glyph.
        EXPECT_EQ(test::DrawnGlyphs(img, L + rows[i].x, T + rows[i].y, 1, 17), want[i + 1].leftJustified(17, ' ')) << i;
        EXPECT_EQ(test::Decode(img.pixel(L + OptionsCaptionRoom, T + rows[i].y + 3)).sheet == test::SheetFont1, false) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, OptionsCaptions, ::testing::ValuesIn(OptionsCaptionsCases));

TEST(OptionsDialogs, DefaultChoosersAskForExistingFilesAndCancelToNothing) {
    CodedSkinDir dir;
    Skin skin;
    dir.LoadInto(skin);
    TOptions options(skin, dir.Base(), nullptr);
    struct Seen {
        QString title, suffix, folder;
        QStringList filters, shown;
        QFileDialog::FileMode mode;
    };
    std::vector<Seen> seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                QStringList shown;  // what the player reads in the file type box
                if (auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                    for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
                seen.push_back({d->windowTitle(), d->defaultSuffix(), d->directory().absolutePath(), d->nameFilters(), shown,
                                d->fileMode()});
                d->reject();
            }
    });
    poll.start();
    EXPECT_FALSE(options.ChooseSkin().has_value());
    EXPECT_FALSE(options.ChooseMusic().has_value());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, "Open a SKIN");
    EXPECT_EQ(seen[0].shown, QStringList({"Tesseron skins", "All files"}));
    EXPECT_EQ(seen[0].filters.first(), "Tesseron skins (*.skn)");
    EXPECT_EQ(seen[0].suffix, "skn");
    EXPECT_EQ(QDir(seen[0].folder), QDir(dir.Base()));
    EXPECT_EQ(seen[0].mode, QFileDialog::ExistingFile);
    EXPECT_EQ(seen[1].title, "Open music file");
    EXPECT_EQ(seen[1].shown, QStringList({"MIDI files (*.mid,*.rmi)", "All files"}));
    EXPECT_EQ(seen[1].filters.first(), "MIDI files (*.mid,*.rmi) (*.mid *.rmi)");
    EXPECT_EQ(seen[1].suffix, "mid");
    EXPECT_EQ(seen[1].mode, QFileDialog::ExistingFile);
}

}  // namespace
}  // namespace tesseron
