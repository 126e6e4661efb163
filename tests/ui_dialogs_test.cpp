// The hall of fame and the two end-of-game dialogs on an 800 x 600 offscreen screen.
#include "draw/BitmapText.h"
#include "ui/EntName.h"
#include "draw/Layout.h"
#include "ui/UGameOver.h"
#include "ui/UScores.h"

#include "audio/Sounds.h"
#include "support/CaptionTranslator.h"
#include "support/ui_window_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tesseron {
namespace {

using test::CodedSkinDir;
using test::Decode;
using test::ShowsRegion;

struct RecordingSounds : Sounds {
    std::vector<Effect> resumed;
    void PlayEffect(Effect) override {}
    void ResumeEffect(Effect effect) override { resumed.push_back(effect); }
    void Beep() override {}
};

// Runs `script` inside the dialog's modal loop; a stuck dialog is rejected after 3 s.
void During(QDialog& dialog, const std::function<void()>& run, const std::function<void()>& script) {
    QTimer::singleShot(0, &dialog, script);
    QTimer::singleShot(3000, &dialog, [&dialog] { dialog.reject(); });
    run();
}

// Glyph `g` (from 1) of a font's strip.
QRect Glyph(int font, unsigned char c) {
    const int g = GlyphIndex(c, font) - 1;
    return QRect(FontAdvance[font] * g, 0, FontAdvance[font], FontHeight[font]);
}

class ScoresTest : public ::testing::Test {
protected:
    void SetUp() override { dir.LoadInto(skin); }
    CodedSkinDir dir;
    Skin skin;
    RecordingSounds sounds;
};

struct FameTitleCase {
    const char* translated;
    const char* drawn;
};

// From x 220 on an 800-wide screen the title has 500 pixels: 16 glyphs.
const FameTitleCase FameTitleCases[] = {
    {"RUHMESHALLE", "RUHMESHALLE"},
    {"SALÓN DE LA FAMA", "SALON DE LA FAMA"},
    {"ЗАЛ СЛАВЫ", "HALL OF FAME"},
    {"GALERIA SŁAW", "GALERIA SLAW"},
    {"TABLEAU D'HONNEUR", "HALL OF FAME"},
    {"ABCDEFGHIJKLMNOPQ", "HALL OF FAME"},
    {"", "HALL OF FAME"},
};

class FameTitle : public ScoresTest, public ::testing::WithParamInterface<FameTitleCase> {};

TEST_P(FameTitle, TheTitleIsTranslatedAndTheNamesKeepTheirLetters) {
    const test::InstalledCaptions words(test::CaptionWords{{"HALL OF FAME", QString::fromUtf8(GetParam().translated)}});
    TScores scores(skin, &sounds);
    scores.SetEntries({"AB"}, {"1"});
    scores.show();
    const QImage& img = scores.surface.image();
    EXPECT_EQ(test::DrawnGlyphs(img, 220, 5, 2, 16), QByteArray(GetParam().drawn).leftJustified(16, ' '));
    EXPECT_EQ(test::DrawnGlyphs(img, 380, 90, 1, 2), QByteArray("AB"));
}

INSTANTIATE_TEST_SUITE_P(Languages, FameTitle, ::testing::ValuesIn(FameTitleCases));

TEST_F(ScoresTest, TitleNamesAndScoresSitWhereTheScreenWidthPutsThem) {
    TScores scores(skin, &sounds);
    scores.SetEntries({"ABCDEFGHIJKL", "", "x"}, {"150", "7", "1", "2"});
    scores.show();
    const QImage& img = scores.surface.image();

    // (800 - 640) / 2 + 140
    EXPECT_TRUE(ShowsRegion(img, QRect(220, 5, 30, 45), test::SheetFont2, Glyph(2, 'H')));
    EXPECT_EQ(Decode(img.pixel(219, 5)).sheet, test::SheetTile);

    EXPECT_TRUE(ShowsRegion(img, QRect(280, 90, 20, 30), test::SheetFont1, Glyph(1, 'A')));
    EXPECT_TRUE(ShowsRegion(img, QRect(500, 90, 20, 30), test::SheetFont1, Glyph(1, 'L')));
    EXPECT_EQ(Decode(img.pixel(279, 90)).sheet, test::SheetTile);
    EXPECT_EQ(Decode(img.pixel(520, 90)).sheet, test::SheetTile);
    EXPECT_TRUE(ShowsRegion(img, QRect(370, 125, 20, 30), test::SheetFont3, Glyph(3, '1')));
    EXPECT_TRUE(ShowsRegion(img, QRect(410, 125, 20, 30), test::SheetFont3, Glyph(3, '0')));

    // The empty name of rank 2 draws nothing on its line; its score is drawn.
    for (int x = 0; x < 800; x += 10) EXPECT_EQ(Decode(img.pixel(x, 180)).sheet, test::SheetTile) << x;
    EXPECT_TRUE(ShowsRegion(img, QRect(390, 205, 20, 30), test::SheetFont3, Glyph(3, '7')));
    // Rank 3's one-letter name, odd centring truncated: (800 - 20) / 2.
    EXPECT_TRUE(ShowsRegion(img, QRect(390, 250, 20, 30), test::SheetFont1, Glyph(1, 'X')));
    // Ranks 4 and 5 got no name; rank 5 not even a score.
    EXPECT_TRUE(ShowsRegion(img, QRect(390, 365, 20, 30), test::SheetFont3, Glyph(3, '2')));
    EXPECT_EQ(Decode(img.pixel(400, 450)).sheet, test::SheetTile);
}

TEST_F(ScoresTest, NamesAreDrawnAsLatin1AndWideOnesStartLeftOfTheScreen) {
    EXPECT_EQ(TScores::CentredLeft(800, 50, 1), -100);
    EXPECT_EQ(TScores::CentredLeft(801, 1, 2), 385);
    EXPECT_EQ(TScores::CentredLeft(799, 0, 1), 399);

    TScores scores(skin, nullptr);
    scores.SetEntries({QString::fromUtf8("\xc3\xa9"
                                         "A")},
                      {});
    scores.show();
    // Two Latin-1 bytes, so it starts at 380: the e with acute takes the default glyph.
    EXPECT_TRUE(ShowsRegion(scores.surface.image(), QRect(380, 90, 20, 30), test::SheetFont1, Glyph(1, 0xe9)));
    EXPECT_TRUE(ShowsRegion(scores.surface.image(), QRect(400, 90, 20, 30), test::SheetFont1, Glyph(1, 'A')));
}

TEST_F(ScoresTest, PressInsideTheCloseIconClosesAndClicksOnce) {
    TScores scores(skin, &sounds);
    scores.show();
    for (auto button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(&scores, button, {}, QPoint(90, 10));
        QTest::mousePress(&scores, button, {}, QPoint(10, 90));
    }
    EXPECT_TRUE(scores.isVisible());
    EXPECT_TRUE(sounds.resumed.empty());
    QTest::mousePress(&scores, Qt::RightButton, {}, QPoint(89, 89));
    EXPECT_FALSE(scores.isVisible());
    EXPECT_EQ(sounds.resumed, std::vector<Effect>{Effect::Click});

    TScores silent(skin, nullptr);
    bool closed = false;
    silent.UncoverHandler = [&] { closed = true; };
    During(
        silent, [&] { silent.ShowModal(); },
        [&] {
            QTest::mousePress(&silent, Qt::LeftButton, {}, QPoint(1, 1));  // (0, 0) would mean the centre
        });
    EXPECT_TRUE(closed);
    EXPECT_EQ(silent.result(), QDialog::Accepted);
}

// Nothing else on it takes a press: Return and Space go to the close icon, as Escape does.
TEST_F(ScoresTest, EscapeReturnAndSpaceCloseLikeTheCloseIconOtherKeysDoNothing) {
    for (auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        TScores scores(skin, &sounds);
        scores.show();
        for (auto other : {Qt::Key_Q, Qt::Key_Tab, Qt::Key_Down}) QTest::keyClick(&scores, other);
        EXPECT_TRUE(scores.isVisible()) << key;
        EXPECT_TRUE(sounds.resumed.empty()) << key;
        QTest::keyClick(&scores, key);
        EXPECT_FALSE(scores.isVisible()) << key;
        EXPECT_EQ(scores.result(), QDialog::Accepted) << key;
        EXPECT_EQ(sounds.resumed, std::vector<Effect>{Effect::Click}) << key;
        sounds.resumed.clear();
    }
}

TEST_F(ScoresTest, HoverRedrawsOnlyTheIconAndOnlyWhenItChanges) {
    TScores scores(skin, &sounds);
    scores.show();
    std::vector<QRect> drawn;
    scores.surface.SetRecorder(&drawn);
    QTest::mouseMove(&scores, QPoint(300, 300));
    QTest::mouseMove(&scores, QPoint(90, 50));
    EXPECT_TRUE(drawn.empty());
    QTest::mouseMove(&scores, QPoint(89, 50));
    ASSERT_EQ(drawn, std::vector<QRect>{QRect(0, 0, 90, 90)});
    EXPECT_TRUE(ShowsRegion(scores.surface.image(), QRect(0, 0, 90, 90), test::SheetIcons, QRect(0, 360, 90, 90)));
    QTest::mouseMove(&scores, QPoint(10, 10));
    EXPECT_EQ(drawn.size(), 1u);
    QTest::mouseMove(&scores, QPoint(50, 90));
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(ShowsRegion(scores.surface.image(), QRect(0, 0, 90, 90), test::SheetIcons, QRect(90, 360, 90, 90)));
    scores.surface.SetRecorder(nullptr);
}

class EnterNameTest : public ::testing::Test {
protected:
    RecordingSounds sounds;
    TEnterName dialog{&sounds};
};

TEST(UpperCaseNameTest, OnlyBasicLatinLettersChange) {
    EXPECT_EQ(UpperCaseName(QString::fromUtf8("ann-2 \xc3\xa9t\xc3\xa9 zZ")), QString::fromUtf8("ANN-2 \xc3\xa9T\xc3\xa9 ZZ"));
    EXPECT_EQ(UpperCaseName(""), "");
}

TEST_F(EnterNameTest, CentredAndTheWholeSentenceShows) {
    EXPECT_EQ(dialog.pos(), QPoint((800 - 225) / 2, (600 - 89) / 2));
    EXPECT_EQ(dialog.PlayerName.text(), "Anonymus");
    EXPECT_LE(dialog.Label1.sizeHint().width(), dialog.Label1.width()) << "the sentence is cut short";
}

TEST_F(EnterNameTest, EnterConfirmsInUpperCaseAndTheFieldStartsEmptyEveryTime) {
    QString seen;
    const QString name = [&] {
        QString got;
        During(
            dialog, [&] { got = dialog.Ask(); },
            [&] {
                seen = dialog.PlayerName.text();
                EXPECT_EQ(dialog.focusWidget(), &dialog.PlayerName);
                QTest::keyClicks(&dialog.PlayerName, "joe-9x");
                QTest::keyClick(&dialog.PlayerName, Qt::Key_Return);
            });
        return got;
    }();
    EXPECT_EQ(seen, "");
    EXPECT_EQ(name, "JOE-9X");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Escape does not leave without confirming; the keypad's Enter confirms.
    QString second;
    During(
        dialog, [&] { second = dialog.Ask(); },
        [&] {
            seen = dialog.PlayerName.text();
            QTest::keyClicks(&dialog.PlayerName, "ab");
            QTest::keyClick(&dialog.PlayerName, Qt::Key_Escape);
            EXPECT_TRUE(dialog.isVisible());
            QTest::keyClick(&dialog.PlayerName, Qt::Key_Enter, Qt::KeypadModifier);
        });
    EXPECT_EQ(seen, "");
    EXPECT_EQ(second, "AB");
}

TEST_F(EnterNameTest, OkAtOnceGivesAnEmptyNameAndApplauseOncePerShowing) {
    for (int showing = 1; showing <= 2; ++showing) {
        QString name = "unchanged";
        During(
            dialog, [&] { name = dialog.Ask(); },
            [&] {
                // Repaints while it is open must not play the applause again.
                dialog.repaint();
                dialog.update();
                QCoreApplication::processEvents();  // the posted update paints now
                QTest::mouseClick(&dialog.SpeedButton1, Qt::LeftButton);
            });
        EXPECT_EQ(name, "");
        EXPECT_EQ(sounds.resumed, std::vector<Effect>(showing, Effect::Applause)) << showing;
    }
}

class GameOverTest : public ::testing::Test {
protected:
    RecordingSounds sounds;
    TGameOver over{&sounds};
    void Run(const std::function<void()>& script) {
        During(
            over, [&] { over.Show(); }, script);
    }
};

// Nothing to type into or press: every key reaches the notice itself.
TEST_F(GameOverTest, HasNoNameFieldOrButtonAndSitsCentred) {
    EXPECT_TRUE(over.findChildren<QLineEdit*>().isEmpty());
    EXPECT_TRUE(over.findChildren<QAbstractButton*>().isEmpty());
    EXPECT_EQ(over.size(), QSize(236, 55));
    EXPECT_EQ(over.Panel1.geometry(), QRect(0, 0, 236, 55));
    EXPECT_EQ(over.pos(), QPoint((800 - 236) / 2, (600 - 55) / 2));
    EXPECT_EQ(over.Label1.geometry().topLeft(), QPoint(13, 8));
    EXPECT_EQ(over.Label1.font().pixelSize(), 35);
}

TEST_F(GameOverTest, EveryKeyThatTypesACharacterClosesItOthersDoNot) {
    bool openAfterOthers = false;
    Run([&] {
        for (auto key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Control, Qt::Key_PageDown}) QTest::keyClick(&over, key);
        openAfterOthers = over.isVisible();
        over.repaint();
        QTest::keyClick(&over, Qt::Key_Q);
    });
    EXPECT_TRUE(openAfterOthers);
    EXPECT_EQ(over.result(), QDialog::Accepted);
    EXPECT_EQ(sounds.resumed, std::vector<Effect>{Effect::GameOver});

    // Control characters are characters too; Escape closes it as accepted, like any other.
    for (auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab}) {
        over.setResult(QDialog::Rejected);
        Run([&] { QTest::keyClick(&over, key); });
        EXPECT_EQ(over.result(), QDialog::Accepted) << key;
        EXPECT_FALSE(over.isVisible()) << key;
    }
}

TEST_F(GameOverTest, AClickOnTheLabelOrThePanelClosesIt) {
    Run([&] { QTest::mouseClick(&over.Label1, Qt::LeftButton); });
    EXPECT_EQ(over.result(), QDialog::Accepted);
    Run([&] { QTest::mouseClick(&over.Panel1, Qt::LeftButton, {}, QPoint(230, 50)); });
    EXPECT_EQ(over.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tesseron
