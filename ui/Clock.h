// The clock of the game window shows hours and minutes in the locale's manner.
#pragma once

#include <QLocale>
#include <QString>

namespace tesseron {

// The locale's short time format: hours and minutes (14:05, 2:05 PM), no seconds.
QString ClockFormat(const QLocale& locale);
// A time format without its seconds, fractions and time zone.
QString HoursAndMinutes(const QString& format);

}  // namespace tesseron
