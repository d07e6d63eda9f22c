#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rimora {

bool InstallTranslations(const QLocale& locale)
{
    // Kept for the program's life: an installed translator is not owned by
    // the application.
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (!program.load(locale, QStringLiteral("rimora"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return false;
    QCoreApplication::installTranslator(&program);
    return true;
}

}  // namespace rimora
