#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sv {

QString translationsFolder() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed =
        programFolder.filePath(QStringLiteral("../share/spectrivue/translations"));
    if (QDir(installed).exists()) {
        return QDir::cleanPath(installed);
    }
    return programFolder.filePath(QStringLiteral("translations"));
}

bool installTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder) {
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* own = new QTranslator(&app);
    if (own->load(locale, QStringLiteral("spectrivue"), QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

} // namespace sv
