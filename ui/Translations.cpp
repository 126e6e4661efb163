#include "ui/Translations.h"

#include "storage/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tesseron {

namespace {

// The game's translations are built into the program (see ui/CMakeLists.txt), so a
// program never meets the texts of another version; Qt's own come with Qt.
const QString OwnFolder = QStringLiteral(":/i18n");

// Owned by the application; kept to be replaced when a test switches languages.
QPointer<QTranslator> own, qt;
QString installed;

void Drop(QPointer<QTranslator>& t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t;
}

QTranslator* Load(const QString& name, const QString& folder) {
    auto* t = new QTranslator(QCoreApplication::instance());
    if (t->load(name, folder) && QCoreApplication::installTranslator(t)) return t;
    delete t;
    return nullptr;
}

}  // namespace

bool InstallTranslations(const QString& lang) {
    Drop(own);
    Drop(qt);
    installed.clear();
    if (lang.isEmpty() || !QCoreApplication::instance()) return false;
    // Qt's first: a translator installed later is asked first, so the game's own words win.
    qt = Load(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    own = Load(QStringLiteral("tesseron_") + lang, OwnFolder);
    installed = own ? lang : QString();
    return own;
}

QString InstalledLanguage() { return installed; }

QString InstallTranslations() {
    const QString lang = language::Chosen();
    InstallTranslations(lang);
    return lang;
}

}  // namespace tesseron
