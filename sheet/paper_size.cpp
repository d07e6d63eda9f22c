#include "sheet/paper_size.h"

#include "sheet/build_sheet.h"

namespace rimora {

namespace {

// The territory a locale setting names ("de_DE.UTF-8@euro"), if any.
std::optional<QLocale> TerritoryOf(const QString& setting)
{
    const QString name = setting.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (!name.contains(QLatin1Char('_'))) return std::nullopt;
    const QLocale locale(name);
    if (locale.territory() == QLocale::AnyTerritory || locale == QLocale::c()) return std::nullopt;
    return locale;
}

}  // namespace

QPageSize PaperOf(const QString& lcPaper, const QLocale& region)
{
    if (const std::optional<QLocale> locale = TerritoryOf(lcPaper)) return RegionPageSize(*locale);
    return RegionPageSize(region);
}

QPageSize SheetPaper()
{
    // LC_ALL, where set, stands over every category, the paper's too.
    const QString all = qEnvironmentVariable("LC_ALL");
    return PaperOf(all.isEmpty() ? qEnvironmentVariable("LC_PAPER") : all);
}

std::optional<QPageSize> PaperNamed(const QString& name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == QLatin1String("a4")) return QPageSize(QPageSize::A4);
    if (lower == QLatin1String("letter")) return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

}  // namespace rimora
