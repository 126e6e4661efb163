#include "storage/Language.h"

#include <QLocale>
#include <QRegularExpression>

namespace tesseron::language {

const QStringList& Shipped() {
    static const QStringList shipped = {QStringLiteral("de"), QStringLiteral("fr"),    QStringLiteral("es"),
                                        QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("pl"),
                                        QStringLiteral("nl"), QStringLiteral("ru")};
    return shipped;
}

QStringList Preferred(const QStringList& uiLanguages) {
    QStringList out;
    for (const QString& name : uiLanguages) {
        // "pt-BR", "sr-Latn-RS", "de_DE.UTF-8@euro": the language and the country only.
        QString clean = name;
        clean.truncate(clean.indexOf(QLatin1Char('.')) < 0 ? clean.size() : clean.indexOf(QLatin1Char('.')));
        clean.truncate(clean.indexOf(QLatin1Char('@')) < 0 ? clean.size() : clean.indexOf(QLatin1Char('@')));
        const QStringList parts = clean.split(QRegularExpression(QStringLiteral("[-_]")), Qt::SkipEmptyParts);
        if (parts.isEmpty()) continue;
        const QString lang = parts.first().toLower();
        if (lang == QLatin1String("en") || lang == QLatin1String("c") || lang == QLatin1String("posix")) break;
        QString country;
        for (int i = 1; i < parts.size(); ++i)
            if (parts[i].size() == 2) country = parts[i].toUpper();
        const QString full = country.isEmpty() ? lang : lang + QLatin1Char('_') + country;
        if (!out.contains(full)) out << full;
    }
    return out;
}

QStringList Preferred() { return Preferred(QLocale::system().uiLanguages()); }

QString Chosen(const QStringList& preferred) {
    // The exact name first ("pt_BR"), then the language alone ("de_AT" takes "de").
    for (const QString& want : preferred) {
        if (Shipped().contains(want)) return want;
        const QString lang = want.section(QLatin1Char('_'), 0, 0);
        if (Shipped().contains(lang)) return lang;
    }
    for (const QString& want : preferred)
        for (const QString& shipped : Shipped())
            if (shipped.section(QLatin1Char('_'), 0, 0) == want) return shipped;
    return {};
}

QString Chosen() { return Chosen(Preferred()); }

QStringList Variants(const QString& fileName, const QString& lang) {
    if (lang.isEmpty()) return {fileName};
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    const QString ext = dot < 0 ? QString() : fileName.mid(dot);
    return {stem + QLatin1Char('.') + lang + ext, fileName};
}

}  // namespace tesseron::language
