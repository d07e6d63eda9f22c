#pragma once
// The paper a build sheet is laid out for: what the user's locale settings
// ask for, else the region's, unless the command line names one.
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <optional>

namespace rimora {

// The paper of LC_PAPER, a locale such as "en_US.UTF-8" set for paper alone;
// a value without a territory ("C", "POSIX", "") says nothing, and then the
// region decides (RegionPageSize).
QPageSize PaperOf(const QString& lcPaper, const QLocale& region = QLocale());

// PaperOf for this process's environment.
QPageSize SheetPaper();

// "a4" or "letter", in any letter case; nothing for anything else.
std::optional<QPageSize> PaperNamed(const QString& name);

}  // namespace rimora
