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
    // Qt's own buttons and dialogs speak the language the program's texts
    // were found in, and none other: a window half English, half German
    // reads worse than one in English. The file's own language decides, not
    // the locale's first choice, which may be one the program lacks.
    if (!program.load(locale, QStringLiteral("rimora"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return false;
    QCoreApplication::installTranslator(&program);
    if (qt.load(QLocale(program.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

}  // namespace rimora
