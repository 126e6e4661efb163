// The clock of the game window shows hours and minutes in the locale's manner.
#pragma once

#include <QString>

namespace tesseron {

// The locale's time format reduced to hours and minutes: seconds, fractions and the
// time zone are dropped together with the separator in front of each.
QString HoursMinutesFormat(const QString& timeFormat);

}  // namespace tesseron
