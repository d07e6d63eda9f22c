#include "spokes/spoke_bill.h"

#include "lacing/lacing_table.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace rimora {

namespace {


struct LengthEntry {
    QString text;  // as the table shows it
    double millimetres = 0;
    int count = 0;
};

// A Length text back to its number. The table writes lengths of a metre and
// more with the region's grouping separator ("1,234.5"), which the decimal
// conversion does not take; the separators are dropped only where they really
// group thousands, so a length typed with the other region's decimal point
// ("285.4" where the comma is decimal) is an error rather than 2854 mm.
double ReadBackLength(const QString& text)
{
    const QLocale locale;
    const QString group = locale.groupSeparator();
    const QString trimmed = text.trimmed();
    const qsizetype decimalAt = trimmed.indexOf(locale.decimalPoint());
    QString whole = decimalAt < 0 ? trimmed : trimmed.left(decimalAt);
    const QString fraction = decimalAt < 0 ? QString() : trimmed.mid(decimalAt);

    if (!group.isEmpty() && whole.contains(group)) {
        const QRegularExpression grouped(QStringLiteral("^[+-]?[0-9]{1,3}(?:%1[0-9]{3})+$")
                                             .arg(QRegularExpression::escape(group)));
        if (!grouped.match(whole).hasMatch())
            throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        whole.remove(group);
    }
    double value = 0;
    if (!TryStrToFloat(whole + fraction, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

std::vector<LengthEntry> CollectLengths(const GridModel& grid)
{
    std::vector<LengthEntry> entries;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const QString text = grid.Cells(kLengthCol, row);
        if (text.isEmpty()) continue;
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const LengthEntry& e) {
            return QString::compare(e.text, text, Qt::CaseInsensitive) == 0;
        });
        if (same != entries.end())
            ++same->count;
        else
            entries.push_back({text, 0, 1});
    }
    return entries;
}

struct SideCounts {
    int left = 0;
    int right = 0;
};

SideCounts CountSides(const GridModel& grid)
{
    SideCounts sides;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const QString text = grid.Cells(kToHubCol, row);
        if (IsEmptyOrGap(text)) continue;
        if (StrToInt(text) % 2 != 0)
            ++sides.left;
        else
            ++sides.right;
    }
    return sides;
}

}  // namespace

void BuildSpokeSummary(const GridModel& grid, QStringList& lines)
{
    std::vector<LengthEntry> entries = CollectLengths(grid);
    if (entries.empty() && CountSides(grid).left + CountSides(grid).right == 0)
        throw EWheelInputError(QStringLiteral(
            "The lacing table has no laced spoke: every ->H cell is empty or \"-\". Lace the wheel again by "
            "choosing a hole count or cross number on the \"Data\" tab, or type hub hole numbers into ->H, "
            "then press \"Summary!\" again."));
    if (entries.empty())
        throw EWheelInputError(QStringLiteral(
            "There are no spoke lengths to list. Press \"Calc!\" to work them out, then press \"Summary!\" again."));
    for (LengthEntry& entry : entries) entry.millimetres = ReadBackLength(entry.text);
    const SideCounts sides = CountSides(grid);

    // By value, so that 99.5 comes before 100.0 and no step is negative.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LengthEntry& a, const LengthEntry& b) { return a.millimetres < b.millimetres; });

    QStringList bill;
    double sum = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const LengthEntry& entry = entries[i];
        QString line = entry.text + QStringLiteral("mm * ") + QString::number(entry.count) + QStringLiteral(" pcs");
        if (i > 0)
            line += FormatFloat(QStringLiteral(" +#,##0.0mm"), entry.millimetres - entries[i - 1].millimetres);
        bill << line;
        sum += entry.millimetres;
    }
    const double spread = entries.back().millimetres - entries.front().millimetres;
    bill << QString();
    bill << QStringLiteral("difference: ") + FormatLength(spread) + QStringLiteral("mm");
    bill << QStringLiteral("Average: ") + FormatLength(sum / static_cast<double>(entries.size()))
                + QStringLiteral("mm");
    bill << QString();
    bill << QStringLiteral(" Left Side:%1 pcs").arg(sides.left);
    bill << QStringLiteral("Right Side:%1 pcs").arg(sides.right);
    bill << QStringLiteral("     Total:%1 pcs").arg(sides.left + sides.right);

    lines << bill;
}

}  // namespace rimora
