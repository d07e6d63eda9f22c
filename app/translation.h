#pragma once
// The program speaks the language of the user's locale: its own texts from
// the translations compiled into it, Qt's dialogs from Qt's own in that same
// language, and English throughout where the program has no translation.
#include <QLocale>

namespace rimora {

// Installs the translators for `locale` into the running application; a
// language without a translation keeps the English source texts, Qt's own
// included. Returns whether the program's own texts were translated.
bool InstallTranslations(const QLocale& locale);

}  // namespace rimora
