#include "ui/Clock.h"

namespace tesseron {

QString ClockFormat(const QLocale& locale) {
    // The C locale (LANG=C, or no locale set) keeps the seconds in its short format.
    if (locale.language() == QLocale::C) return QStringLiteral("HH:mm");
    return locale.timeFormat(QLocale::ShortFormat);
}

}  // namespace tesseron
