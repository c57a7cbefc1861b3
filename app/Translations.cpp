#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallTranslations(const QLocale& locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return false;
    // Owned by the application object, which outlives every window.
    auto* qtBase = new QTranslator(QCoreApplication::instance());
    if (qtBase->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtBase);
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("tallimark"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(own);
    return true;
}
