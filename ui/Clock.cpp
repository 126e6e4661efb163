#include "ui/Clock.h"

#include <QRegularExpression>

namespace tesseron {

QString HoursAndMinutes(const QString& format) {
    // Seconds, their fractions and a time zone go, with the separator before each; quoted
    // text stays as it is.
    static const QRegularExpression token(QStringLiteral("('[^']*')|[^A-Za-z']*(s+|z+|t+)"));
    QString out;
    qsizetype from = 0;
    for (auto it = token.globalMatch(format); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += format.mid(from, m.capturedStart() - from);
        if (m.capturedLength(1) > 0) out += m.captured(1);
        from = m.capturedEnd();
    }
    out += format.mid(from);
    return out.trimmed();
}

QString ClockFormat(const QLocale& locale) {
    // The C locale (LANG=C, or no locale set) keeps the seconds in its short format, and
    // so does a language chosen over it (LANGUAGE=en with LANG=C.UTF-8).
    if (locale.language() == QLocale::C) return QStringLiteral("HH:mm");
    return HoursAndMinutes(locale.timeFormat(QLocale::ShortFormat));
}

}  // namespace tesseron
