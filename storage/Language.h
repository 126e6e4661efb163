// The player's language, as the desktop names it: which translation, which long text
// and which labelled picture to take. English is the source language; it needs no file.
#pragma once

#include <QString>
#include <QStringList>

namespace tesseron::language {

// The languages this game ships, besides English, by their file suffixes.
const QStringList& Shipped();

// The desktop's languages in order of preference (Qt reads LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG), each as a file suffix: "de", "pt_BR". The list ends at the
// first English one, since English needs no translation.
QStringList Preferred();
// The same, from a list of names as QLocale::uiLanguages() gives them ("de-DE", "pt-BR").
QStringList Preferred(const QStringList& uiLanguages);

// The first shipped language among `preferred`, a language alone matching its country
// form ("pt" takes "pt_BR" only if nothing else does); empty for English.
QString Chosen(const QStringList& preferred);
QString Chosen();

// The names to try for a file in language `lang` ("rules.txt", "de" -> "rules.de.txt",
// then "rules.txt"); the English name alone for an empty `lang`.
QStringList Variants(const QString& fileName, const QString& lang);

}  // namespace tesseron::language
