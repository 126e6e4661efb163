// The game window's clock format, on several locales.
#include "ui/Clock.h"

#include <QRegularExpression>
#include <QTime>

#include <gtest/gtest.h>

namespace tesseron {
namespace {

const QTime Afternoon(14, 5, 33);

TEST(ClockTest, HoursAndMinutesInTheLocalesManner) {
    EXPECT_EQ(Afternoon.toString(ClockFormat(QLocale(QStringLiteral("de_DE")))), "14:05");
    EXPECT_EQ(Afternoon.toString(ClockFormat(QLocale(QStringLiteral("en_US")))), "2:05 PM");
    EXPECT_EQ(Afternoon.toString(ClockFormat(QLocale(QStringLiteral("en_GB")))), "14:05");
    EXPECT_EQ(QTime(9, 7, 1).toString(ClockFormat(QLocale(QStringLiteral("fr_FR")))), "09:07");
    EXPECT_EQ(Afternoon.toString(ClockFormat(QLocale::c())), "14:05");
    // The locale this test runs in, as the game window reads it.
    const QString now = Afternoon.toString(ClockFormat(QLocale::system()));
    EXPECT_TRUE(now.contains(u'5') && !now.contains(QStringLiteral("33"))) << now.toStdString();
}

// A desktop whose language is not its locale's (LANGUAGE=en over LANG=C.UTF-8) hands
// over the C locale's format with seconds.
TEST(ClockTest, SecondsAndZonesAreCutFromAnyFormat) {
    const std::pair<const char*, const char*> cases[] = {
        {"HH:mm:ss", "HH:mm"},    {"h:mm:ss AP", "h:mm AP"}, {"HH:mm:ss.zzz t", "HH:mm"},
        {"H 'h' mm", "H 'h' mm"}, {"HH.mm", "HH.mm"},        {"'s' HH:mm:ss", "'s' HH:mm"},
    };
    for (const auto& [format, cut] : cases) EXPECT_EQ(HoursAndMinutes(QString::fromLatin1(format)), cut) << format;
}

// Whatever the player's locale: hours and minutes, never seconds, fractions or a time zone.
TEST(ClockTest, NoLocaleShowsSecondsOrATimeZone) {
    static const QRegularExpression quoted(QStringLiteral("'[^']*'"));
    auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    locales << QLocale::c() << QLocale::system();
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const QString pattern = ClockFormat(locale).remove(quoted);
        EXPECT_TRUE(pattern.contains(u'h') || pattern.contains(u'H')) << locale.name().toStdString();
        EXPECT_TRUE(pattern.contains(u'm')) << locale.name().toStdString();
        for (QChar dropped : {u's', u'z', u't'})
            EXPECT_FALSE(pattern.contains(dropped)) << locale.name().toStdString() << " " << pattern.toStdString();
    }
}

}  // namespace
}  // namespace tesseron
