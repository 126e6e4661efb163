// The program in each shipped language: its own texts and Qt's come out translated in
// the real windows, the skin-drawn captions fit, and English stays exactly as written.
#include "storage/Language.h"
#include "ui/Captions.h"
#include "ui/EntName.h"
#include "ui/Session.h"
#include "ui/Translations.h"
#include "ui/UGameOver.h"
#include "ui/UMain.h"
#include "ui/UOptions.h"
#include "ui/URules.h"

#include "support/ui_window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace tesseron {
namespace {

using test::Probe;
using test::WaitUntil;

// Each test leaves the program in English, as the other tests expect it.
class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override { InstallTranslations(QString()); }
};

struct Language {
    const char* suffix;
    const char* loadGame;  // the load/save menu's first entry
    const char* close;     // the text viewer's bar
};
const Language Languages[] = {
    {"de", "Spiel laden", "Schließen"}, {"fr", "Charger la partie", "Fermer"}, {"es", "Cargar partida", "Cerrar"},
    {"it", "Carica partita", "Chiudi"}, {"pt_BR", "Carregar jogo", "Fechar"},  {"pl", "Wczytaj grę", "Zamknij"},
    {"nl", "Spel laden", "Sluiten"},    {"ru", "Загрузить игру", "Закрыть"},
};

QString Tr(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

TEST_F(TranslationsTest, EveryShippedLanguageHasTheGamesTextsAndQtsOwn) {
    ASSERT_EQ(std::size(Languages), size_t(language::Shipped().size()));
    for (const Language& l : Languages) {
        SCOPED_TRACE(l.suffix);
        EXPECT_TRUE(language::Shipped().contains(QLatin1String(l.suffix)));
        ASSERT_TRUE(InstallTranslations(QString::fromLatin1(l.suffix)));
        EXPECT_EQ(Tr("TMain", "Load game"), QString::fromUtf8(l.loadGame));
        EXPECT_EQ(Tr("Trul", "Close"), QString::fromUtf8(l.close));
        // Qt's file dialogs and message-box buttons speak the same language.
        EXPECT_NE(Tr("QPlatformTheme", "Cancel"), "Cancel");
    }
    // English needs no file: the texts are the sources again, Qt's too.
    EXPECT_FALSE(InstallTranslations(QString()));
    EXPECT_EQ(Tr("TMain", "Load game"), "Load game");
    EXPECT_EQ(Tr("QPlatformTheme", "Cancel"), "Cancel");
}

// The skin's glyph strips have capitals only, and the windows leave room for two letters
// more than the English caption; a spaced title stays spaced.
TEST_F(TranslationsTest, CaptionsAreCapitalsThatFitTheSkinsSpace) {
    const char* const all[] = {captions::OptionsTitle, captions::NumberOfColors, captions::Sounds,   captions::Music,
                               captions::Skin,         captions::HallOfFame,     captions::HelpTitle};
    auto letters = [](const QString& s) { return s.size() - s.count(QLatin1Char(' ')); };
    for (const QString& lang : language::Shipped()) {
        ASSERT_TRUE(InstallTranslations(lang));
        for (const char* caption : all) {
            const QString english = QString::fromLatin1(caption);
            const QString shown = Tr(captions::Context, caption);
            SCOPED_TRACE((lang + QLatin1String(": ") + shown).toStdString());
            EXPECT_EQ(shown, shown.toUpper());
            const bool spaced = english.size() > 2 && english[1] == QLatin1Char(' ');
            EXPECT_LE(spaced ? letters(shown) : shown.size(), (spaced ? letters(english) : english.size()) + 2);
            for (qsizetype i = 1; spaced && i < shown.size(); i += 2) EXPECT_EQ(shown[i], QLatin1Char(' ')) << i;
        }
    }
}

// The game window in German: the menu, the hints with the keys as Qt names them in
// German, and a message box; in English the same texts as they always were.
TEST_F(TranslationsTest, TheGameWindowSpeaksTheInstalledLanguage) {
    struct Case {
        const char* lang;
        QStringList menu;
        const char *newGameHint, *optionsHint, *loadSaveHint, *noSavedGame;
    };
    const Case cases[] = {
        {"de",
         {"Spiel laden", "Spiel speichern"},
         "Neues Spiel (Strg+N)",
         "Optionen (Strg+Umschalt+,)",
         "Spiel laden oder speichern (Strg+O, Strg+S)",
         "Das gespeicherte Spiel konnte nicht geöffnet werden. Ein neues Spiel hat begonnen."},
        {"",
         {"Load game", "Save game"},
         "New game (Ctrl+N)",
         "Options (Ctrl+Shift+,)",
         "Load or save a game (Ctrl+O, Ctrl+S)",
         "Could not open the saved game. A new game started."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        InstallTranslations(QString::fromLatin1(c.lang));
        test::GameDir dir;
        dir.Enter();
        test::ModalWatcher watcher;
        Session session;
        TMain main(session.SkinInUse(), session.BaseDir());
        session.Start(main);
        ASSERT_TRUE(WaitUntil([&] { return session.Started(); }));
        main.ShowFullScreen();
        Probe(main).EngineHost().StepTimer(false);

        QStringList menu;
        for (QAction* a : main.findChild<QMenu*>()->actions()) menu << a->text();
        EXPECT_EQ(menu, c.menu);
        const int L = Probe(main).FieldOrigin().x(), T = Probe(main).FieldOrigin().y();
        EXPECT_EQ(Probe(main).HintAt(L + 45, T + 45), QString::fromUtf8(c.newGameHint));
        EXPECT_EQ(Probe(main).HintAt(L + 479, T + 435), QString::fromUtf8(c.optionsHint));
        EXPECT_EQ(Probe(main).HintAt(L + 500, T + 280), QString::fromUtf8(c.loadSaveHint));

        // Ctrl+O with no saved game: the storage library's message, shown translated.
        const size_t before = watcher.messages.size();
        QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(WaitUntil([&] { return watcher.messages.size() > before; }));
        EXPECT_EQ(watcher.messages.back().text, QString::fromUtf8(c.noSavedGame));
    }
}

// The options' skin chooser in German: its title and file types are the game's, its
// buttons Qt's own.
TEST_F(TranslationsTest, TheOptionsFileDialogSpeaksGerman) {
    ASSERT_TRUE(InstallTranslations(QStringLiteral("de")));
    test::CodedSkinDir dir;
    Skin skin;
    dir.LoadInto(skin);
    TOptions options(skin, dir.Base(), nullptr);
    QString title;
    QStringList types, buttons;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                title = d->windowTitle();
                if (auto* box = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                    for (int i = 0; i < box->count(); ++i) types << box->itemText(i);
                for (QAbstractButton* b : d->findChild<QDialogButtonBox*>()->buttons()) buttons << b->text();
                d->reject();
            }
    });
    poll.start();
    EXPECT_FALSE(options.ChooseSkin().has_value());
    EXPECT_EQ(options.windowTitle(), "Optionen");
    EXPECT_EQ(title, "Skin öffnen");
    EXPECT_EQ(types, QStringList({"Tesseron-Skins", "Alle Dateien"}));
    EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(',').toStdString();
}

// Translations run longer than the English texts: the end-of-game dialogs shrink their
// text to fit, and the help window's fixed labels are never cut short.
TEST_F(TranslationsTest, LongerTextsFitTheirPanelsInEveryLanguage) {
    test::CodedSkinDir dir;
    Skin skin;
    dir.LoadInto(skin);
    for (const QString& lang : language::Shipped()) {
        SCOPED_TRACE(lang.toStdString());
        ASSERT_TRUE(InstallTranslations(lang));
        TGameOver over(nullptr);
        EXPECT_LE(over.Label1.geometry().right(), over.Panel1.width() - 13) << over.Label1.text().toStdString();
        EXPECT_LE(over.Label1.sizeHint().width(), over.Label1.width());
        TEnterName name(nullptr);
        EXPECT_LE(name.Label1.sizeHint().width(), name.Label1.width()) << name.Label1.text().toStdString();
        TRules rules(skin, dir.Base(), nullptr, [](const QUrl&) {});
        for (QLabel* l : std::initializer_list<QLabel*>{&rules.Label9, &rules.Label10, &rules.Label4, &rules.ovlabel2})
            EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
    }
}

// The help window opens the rules and the readme in the language the windows speak,
// and the English ones where the folder has no translation of them.
TEST_F(TranslationsTest, TheHelpWindowOpensTheTextsInItsLanguage) {
    struct Case {
        const char* lang;
        const char *rules, *readme;
    };
    const Case cases[] = {
        {"de", "rules.de.txt", "readme.de.txt"},
        {"pt_BR", "rules.pt_BR.txt", "readme.txt"},  // no Portuguese readme in this folder
        {"fr", "rules.txt", "readme.txt"},           // neither in French
        {"", "rules.txt", "readme.txt"},
    };
    test::CodedSkinDir dir;
    Skin skin;
    dir.LoadInto(skin);
    for (const char* name : {"rules.txt", "readme.txt", "rules.de.txt", "readme.de.txt", "rules.pt_BR.txt"})
        test::WriteFile(dir.Path(QString::fromLatin1(name)), "text");
    test::WriteFile(dir.Path("readme.pt.txt"), "a language that is not shipped");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        InstallTranslations(QString::fromLatin1(c.lang));
        TRules rules(skin, dir.Base(), nullptr, [](const QUrl&) {});
        QStringList shown;
        rules.TextHandler = [&](const QString& path) { shown << path; };
        QTest::mouseClick(&rules.Label8, Qt::LeftButton);
        QTest::mouseClick(&rules.Label14, Qt::LeftButton);
        EXPECT_EQ(shown, QStringList({dir.Path(QString::fromLatin1(c.rules)), dir.Path(QString::fromLatin1(c.readme))}));
    }
}

}  // namespace
}  // namespace tesseron
