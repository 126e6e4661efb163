// The help screens on an offscreen screen: the text viewer, the link label and the
// help window's close icon and title.
#include "draw/BitmapText.h"
#include "draw/Layout.h"
#include "ui/ShelLink.h"
#include "ui/URules.h"
#include "ui/readme.h"

#include "audio/Sounds.h"
#include "support/CaptionTranslator.h"
#include "support/ui_window_fixture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

namespace tesseron {
namespace {

using test::CodedSkinDir;
using test::WriteFile;

class ViewerTest : public ::testing::Test {
protected:
    CodedSkinDir dir;
    Tureadme viewer;
};

TEST_F(ViewerTest, EachFileReplacesTheLastAndAMissingOneSaysSo) {
    WriteFile(dir.Path("rules.txt"), "Rule one\nRule two\n");
    WriteFile(dir.Path("readme.txt"), "Read me\r\n");
    EXPECT_TRUE(viewer.LoadFile(dir.Path("rules.txt")));
    EXPECT_EQ(viewer.Memo1.toPlainText(), "Rule one\nRule two\n");
    EXPECT_TRUE(viewer.LoadFile(dir.Path("readme.txt")));
    EXPECT_FALSE(viewer.Memo1.toPlainText().contains("Rule"));

    viewer.LoadFile(dir.Path("rules.txt"));
    QFile::remove(dir.Path("readme.txt"));
    EXPECT_FALSE(viewer.LoadFile(dir.Path("readme.txt")));
    EXPECT_EQ(viewer.Memo1.toPlainText(), "The file was not found!");
}

TEST_F(ViewerTest, EmptyFileFolderAndFifo) {
    WriteFile(dir.Path("empty.txt"), "");
    EXPECT_TRUE(viewer.LoadFile(dir.Path("empty.txt")));
    EXPECT_EQ(viewer.Memo1.toPlainText(), "");

    EXPECT_FALSE(viewer.LoadFile(dir.Base()));
    EXPECT_EQ(viewer.Memo1.toPlainText(), "The file was not found!");
    // A FIFO with no writer would block an open: it must be refused without one.
    ASSERT_EQ(mkfifo(dir.Path("fifo").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(viewer.LoadFile(dir.Path("fifo")));
}

TEST_F(ViewerTest, EightBitTextIsUtf8OrLatin1) {
    WriteFile(dir.Path("utf8.txt"), "caf\xc3\xa9");
    viewer.LoadFile(dir.Path("utf8.txt"));
    EXPECT_EQ(viewer.Memo1.toPlainText(), QString::fromUtf8("caf\xc3\xa9"));
    WriteFile(dir.Path("latin1.txt"), "caf\xe9");
    viewer.LoadFile(dir.Path("latin1.txt"));
    EXPECT_EQ(viewer.Memo1.toPlainText(), QString::fromUtf8("caf\xc3\xa9"));
}

TEST_F(ViewerTest, Utf8TextCutInsideACharacterStaysUtf8) {
    // The cap falls after the first byte of a three-byte character.
    QByteArray bytes = "caf\xc3\xa9\n";
    while (bytes.size() < Trul::MaxTextBytes - 1) bytes += QByteArray(79, 'x') + '\n';
    bytes.truncate(Trul::MaxTextBytes - 1);
    WriteFile(dir.Path("long.txt"), bytes + "\xe2\x82\xac and more");
    EXPECT_TRUE(viewer.LoadFile(dir.Path("long.txt")));
    const QString text = viewer.Memo1.toPlainText();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("caf\xc3\xa9\n"))) << text.left(8).toStdString();
    EXPECT_EQ(text.size(), bytes.size() - 1);  // everything before the cut character, é as one
    EXPECT_EQ(text.back(), bytes.back());
}

TEST_F(ViewerTest, TextCannotBeEditedAndCloseBarCloses) {
    WriteFile(dir.Path("rules.txt"), "Rules");
    viewer.LoadFile(dir.Path("rules.txt"));
    viewer.show();
    viewer.Memo1.setFocus();
    QTest::keyClicks(&viewer.Memo1, "xyz");
    QTest::keyClick(&viewer.Memo1, Qt::Key_Backspace);
    EXPECT_EQ(viewer.Memo1.toPlainText(), "Rules");
    QTest::mouseClick(&viewer.Panel1, Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(ViewerTest, EscapeFromTheTextClosesLikeTheCloseBar) {
    viewer.show();
    viewer.Memo1.setFocus();
    QTest::keyClick(&viewer.Memo1, Qt::Key_Return);
    EXPECT_TRUE(viewer.isVisible());
    QTest::keyClick(&viewer.Memo1, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

TEST(ViewerPlacement, CentredFramelessAndSized) {
    Tureadme viewer;
    EXPECT_EQ(viewer.size(), QSize(600, 480));
    EXPECT_EQ(viewer.pos(), QPoint((TESSERON_TEST_SCREEN_W - 600) / 2, (TESSERON_TEST_SCREEN_H - 480) / 2));
    EXPECT_TRUE(viewer.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(viewer.Memo1.geometry(), QRect(16, 16, 569, 401));
    EXPECT_EQ(viewer.Panel1.geometry(), QRect(16, 434, 561, 30));
}

void Enter(QWidget& w) {
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&w, &e);
}
void Leave(QWidget& w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

TEST(ShellLinkTest, RepeatedEnterAndLeaveRestoreTheLook) {
    std::vector<QUrl> opened;
    TShellLink link(nullptr, [&](const QUrl& u) { opened.push_back(u); });
    QFont normal("Liberation Serif");
    normal.setPixelSize(19);
    normal.setUnderline(true);
    link.setFont(normal);
    link.SetColor(QColor(147, 147, 255));
    link.FocusFont = normal;
    link.FocusColor = QColor(255, 136, 136);
    int entered = 0, left = 0;
    link.OnMouseEnter = [&](TShellLink* s) { entered += s == &link; };
    link.OnMouseLeave = [&](TShellLink* s) { left += s == &link; };

    Enter(link);
    EXPECT_EQ(link.Color(), QColor(255, 136, 136));
    EXPECT_TRUE(link.font().underline());
    Enter(link);  // a second enter without a leave must not save the pointed-at look
    Leave(link);
    for (int i = 0; i < 3; ++i) {
        Enter(link);
        Leave(link);
    }
    EXPECT_EQ(link.Color(), QColor(147, 147, 255));
    EXPECT_EQ(link.font(), normal);
    EXPECT_EQ(entered, 5);
    EXPECT_EQ(left, 4);

    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_TRUE(opened.empty());
    link.Link = "mailto:" + QString(300, 'a');
    QTest::mouseClick(&link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString().size(), 255);
}

struct RecordingSounds : Sounds {
    std::vector<Effect> resumed;
    void PlayEffect(Effect) override {}
    void ResumeEffect(Effect effect) override { resumed.push_back(effect); }
    void Beep() override {}
};

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { dir.LoadInto(skin); }
    CodedSkinDir dir;
    Skin skin;
    RecordingSounds sounds;
    std::vector<QString> shown;
    std::vector<QUrl> opened;
    std::unique_ptr<TRules> Make() {
        auto rules = std::make_unique<TRules>(skin, dir.Base(), &sounds, [this](const QUrl& u) { opened.push_back(u); });
        rules->TextHandler = [this](const QString& p) { shown.push_back(p); };
        return rules;
    }
};

TEST_F(HelpWindowTest, CloseIconTakesAnyButtonAlsoOverTheTitleArea) {
    auto rules = Make();
    rules->show();
    QTest::mousePress(rules.get(), Qt::LeftButton, {}, QPoint(90, 10));
    QTest::mousePress(&rules->Label1, Qt::LeftButton, {}, QPoint(10, 90));
    EXPECT_TRUE(rules->isVisible());
    QTest::mousePress(&rules->Label1, Qt::RightButton, {}, QPoint(89, 89));
    EXPECT_FALSE(rules->isVisible());
    EXPECT_EQ(sounds.resumed, std::vector<Effect>{Effect::Click});

    rules->show();
    QTest::mousePress(rules.get(), Qt::MiddleButton, {}, QPoint(89, 89));
    EXPECT_FALSE(rules->isVisible());
}

TEST_F(HelpWindowTest, EscapeClosesLikeTheCloseIcon) {
    auto rules = Make();
    rules->show();
    QTest::keyClick(rules.get(), Qt::Key_Return);
    EXPECT_TRUE(rules->isVisible());
    QTest::keyClick(&rules->Label1, Qt::Key_Escape);  // from a label, up to the window
    EXPECT_FALSE(rules->isVisible());
    EXPECT_EQ(sounds.resumed, std::vector<Effect>{Effect::Click});
}

TEST_F(HelpWindowTest, HoverOverTheTitleAreaHighlightsTheIcon) {
    auto rules = Make();
    rules->show();
    QTest::mouseMove(&rules->Label1, QPoint(50, 50));
    EXPECT_TRUE(rules->CloseHover);
    EXPECT_TRUE(test::ShowsRegion(rules->surface.image(), QRect(0, 0, 90, 90), test::SheetIcons, QRect(0, 360, 90, 90)));
    QTest::mouseMove(&rules->Label1, QPoint(95, 50));
    EXPECT_FALSE(rules->CloseHover);
    EXPECT_EQ(rules->CloseIconX, 90);
}

TEST_F(HelpWindowTest, TitleSitsByTheScreenWidth) {
    auto rules = Make();
    rules->show();
    // Built for two screens: 640 wide (x 215) and 1025 wide ((1025 - 640) / 2 truncated, + 215).
    const int x = TESSERON_TEST_SCREEN_W == 640 ? 215 : 407;
    ASSERT_TRUE(TESSERON_TEST_SCREEN_W == 640 || TESSERON_TEST_SCREEN_W == 1025);
    // "H" is glyph 8 of the 30 x 45 strip.
    const int h = GlyphIndex('H', 2) - 1;
    EXPECT_TRUE(test::ShowsRegion(rules->surface.image(), QRect(x, 5, 30, 45), test::SheetFont2, QRect(30 * h, 0, 30, 45)));
    EXPECT_EQ(test::Decode(rules->surface.image().pixel(x - 1, 5)).sheet, test::SheetTile);
}

TEST_F(HelpWindowTest, LabelsOpenTheirTargets) {
    auto rules = Make();
    rules->show();
    EXPECT_FALSE(rules->ovlogo.isHidden());
    EXPECT_FALSE(rules->ovlabel2.isHidden());
    EXPECT_EQ(rules->Label14.geometry(), QRect(0, 227, TESSERON_TEST_SCREEN_W, 31));
    EXPECT_EQ(rules->ShellLink2.geometry(), QRect(0, TESSERON_TEST_SCREEN_H - 24, TESSERON_TEST_SCREEN_W, 16));
    QTest::mouseClick(&rules->Label8, Qt::LeftButton);
    QTest::mouseClick(&rules->Label14, Qt::LeftButton);
    EXPECT_EQ(shown, (std::vector<QString>{dir.Path("rules.txt"), dir.Path("readme.txt")}));
    QTest::mouseClick(&rules->ovlabel, Qt::LeftButton);
    QTest::mouseClick(&rules->ShellLink3, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].scheme(), "mailto");
}

TEST_F(HelpWindowTest, TheTitleIsTranslatedWhereTheSkinHasItsLetters) {
    const int x = TESSERON_TEST_SCREEN_W == 640 ? 215 : 407;
    for (const auto& [translated, drawn] : std::vector<std::pair<QString, QByteArray>>{
             {"H I L F E", "H I L F E"}, {"Ą I U T O", "A I U T O"}, {"С П Р А В К А", "H E L P"}, {"H I L F E ?", "H E L P"}}) {
        const test::InstalledCaptions words(test::CaptionWords{{"H E L P", translated}});
        auto rules = Make();
        rules->show();
        EXPECT_EQ(test::DrawnGlyphs(rules->surface.image(), x, 5, 2, 14), drawn.leftJustified(14, ' ')) << drawn.data();
    }
}

struct LongTextCase {
    const char* why;
    const char* language;
    std::vector<const char*> files;  // in the start-up folder; a name ending in '/' is a folder
    const char* rules;
    const char* readme;
};

const LongTextCase LongTextCases[] = {
    {"German where it is there",
     "de",
     {"rules.txt", "readme.txt", "rules.de.txt", "readme.de.txt"},
     "rules.de.txt",
     "readme.de.txt"},
    {"only the rules translated", "de", {"rules.txt", "readme.txt", "rules.de.txt"}, "rules.de.txt", "readme.txt"},
    {"another language's files", "fr", {"rules.txt", "readme.txt", "rules.de.txt"}, "rules.txt", "readme.txt"},
    {"English asks for no translation", "", {"rules.txt", "rules.de.txt", "rules..txt"}, "rules.txt", "readme.txt"},
    {"a country's form", "pt_BR", {"rules.pt_BR.txt", "readme.pt.txt"}, "rules.pt_BR.txt", "readme.txt"},
    {"nothing there: the English, which the viewer reports", "de", {}, "rules.txt", "readme.txt"},
    {"a folder is no text", "de", {"rules.txt", "rules.de.txt/"}, "rules.txt", "readme.txt"},
};

class LongTexts : public HelpWindowTest, public ::testing::WithParamInterface<LongTextCase> {};

TEST_P(LongTexts, TheLinksOpenThePlayersLanguageWhereItIsThere) {
    for (const char* f : GetParam().files) {
        const QString name = QString::fromLatin1(f);
        if (name.endsWith('/'))
            QDir().mkpath(dir.Path(name));
        else
            test::WriteFile(dir.Path(name), "text\n");
    }
    auto rules = Make();
    rules->Language = QString::fromLatin1(GetParam().language);
    rules->show();
    QTest::mouseClick(&rules->Label8, Qt::LeftButton);
    QTest::mouseClick(&rules->Label14, Qt::LeftButton);
    EXPECT_EQ(shown, (std::vector<QString>{dir.Path(GetParam().rules), dir.Path(GetParam().readme)})) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Languages, LongTexts, ::testing::ValuesIn(LongTextCases));

}  // namespace
}  // namespace tesseron
