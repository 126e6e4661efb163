#include "storage/Language.h"

#include <gtest/gtest.h>

namespace tesseron::language {
namespace {

struct Case {
    QStringList ui;  // as QLocale::uiLanguages() gives them
    QString chosen;  // the shipped language taken, empty for English
};

TEST(LanguageTest, TheDesktopsFirstShippedLanguageIsTakenAndEnglishEndsTheSearch) {
    const Case cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"de_AT.UTF-8"}, "de"},  // a country we have no file for
        {{"pt-BR"}, "pt_BR"},
        {{"pt-PT", "pt"}, "pt_BR"},  // the one Portuguese we ship
        {{"sv-SE", "fr-CA"}, "fr"},  // an unshipped language is passed over
        {{"en-GB", "de-DE"}, ""},    // English first: no translation
        {{"C"}, ""},
        {{"ru_RU.UTF-8@latin"}, "ru"},
        {{}, ""},
        {{"sr-Latn-RS", "nl"}, "nl"},
    };
    for (const Case& c : cases) EXPECT_EQ(Chosen(Preferred(c.ui)), c.chosen) << c.ui.join(',').toStdString();
}

TEST(LanguageTest, AFileIsTriedInTheLanguageThenInEnglish) {
    EXPECT_EQ(Variants("rules.txt", "pt_BR"), QStringList({"rules.pt_BR.txt", "rules.txt"}));
    EXPECT_EQ(Variants("skins/red/icons.bmp", "de"), QStringList({"skins/red/icons.de.bmp", "skins/red/icons.bmp"}));
    EXPECT_EQ(Variants("rules.txt", ""), QStringList({"rules.txt"}));
}

}  // namespace
}  // namespace tesseron::language
