#include "ui/Clock.h"

#include <vector>

namespace tesseron {

namespace {

bool IsPatternLetter(QChar c) {
    return QStringLiteral("hHmsztaApP").contains(c);
}

}  // namespace

QString HoursMinutesFormat(const QString& timeFormat) {
    struct Piece {
        QString text;
        QChar letter;  // null for literal text
    };
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < timeFormat.size();) {
        const QChar c = timeFormat[i];
        if (IsPatternLetter(c)) {
            // "AP" and "ap" form one token; other letters repeat themselves.
            const bool ampm = QStringLiteral("aApP").contains(c);
            qsizetype j = i + 1;
            while (j < timeFormat.size() &&
                   (ampm ? QStringLiteral("aApP").contains(timeFormat[j]) : timeFormat[j] == c))
                ++j;
            pieces.push_back({timeFormat.mid(i, j - i), ampm ? QChar('a') : c});
            i = j;
        } else {
            qsizetype j = i;
            while (j < timeFormat.size() && !IsPatternLetter(timeFormat[j])) {
                if (timeFormat[j] == QLatin1Char('\'')) {
                    const qsizetype close = timeFormat.indexOf(QLatin1Char('\''), j + 1);
                    j = close < 0 ? timeFormat.size() : close + 1;
                } else {
                    ++j;
                }
            }
            if (!pieces.empty() && pieces.back().letter.isNull())
                pieces.back().text += timeFormat.mid(i, j - i);
            else
                pieces.push_back({timeFormat.mid(i, j - i), QChar()});
            i = j;
        }
    }

    QString out;
    bool hasHours = false;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const Piece& p = pieces[k];
        const bool drop = p.letter == QLatin1Char('s') || p.letter == QLatin1Char('z') || p.letter == QLatin1Char('t');
        if (drop) continue;
        // A separator that only leads to a dropped token goes with it.
        if (p.letter.isNull() && k + 1 < pieces.size()) {
            const QChar next = pieces[k + 1].letter;
            if (next == QLatin1Char('s') || next == QLatin1Char('z') || next == QLatin1Char('t')) continue;
        }
        if (p.letter == QLatin1Char('h') || p.letter == QLatin1Char('H')) hasHours = true;
        out += p.text;
    }
    out = out.trimmed();
    return hasHours ? out : QStringLiteral("HH:mm");
}

}  // namespace tesseron
