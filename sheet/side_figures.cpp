#include "sheet/side_figures.h"

#include "lacing/lacing_table.h"
#include "platform/convert.h"

#include <algorithm>

namespace rimora {

namespace {

void AddSpoke(SideFigures& side, const LacedSpoke& spoke)
{
    ++side.spokes;
    if (!spoke.length) return;
    const double mm = *spoke.length;
    side.shortest = side.measured == 0 ? mm : std::min(side.shortest, mm);
    side.longest = side.measured == 0 ? mm : std::max(side.longest, mm);
    ++side.measured;
}

}  // namespace

std::vector<LacedSpoke> LacedSpokes(const GridModel& table)
{
    std::vector<LacedSpoke> spokes;
    for (int row = 1; row < table.RowCount(); ++row) {
        const QString rimText = table.Cells(kRimCol, row);
        const QString hubText = table.Cells(kToHubCol, row);
        LacedSpoke s;
        if (IsEmptyOrGap(rimText) || IsEmptyOrGap(hubText)) continue;
        if (!TryStrToInt(rimText, s.rim) || !TryStrToInt(hubText, s.hub)) continue;
        s.left = s.hub % 2 != 0;
        s.lengthText = table.Cells(kLengthCol, row);
        bool ok = false;
        const double mm = QLocale().toDouble(s.lengthText.trimmed(), &ok);
        if (ok) s.length = mm;
        spokes.push_back(s);
    }
    return spokes;
}

WheelSides SideFiguresOf(const std::vector<LacedSpoke>& spokes, int leftCross, int rightCross)
{
    WheelSides sides;
    sides.left.crosses = leftCross;
    sides.right.crosses = rightCross;
    for (const LacedSpoke& s : spokes) AddSpoke(s.left ? sides.left : sides.right, s);
    return sides;
}

QString SideLengthText(const SideFigures& side, const QLocale& locale)
{
    if (side.measured == 0) return {};
    const QString shortest = FormatLength(side.shortest, locale);
    const QString longest = FormatLength(side.longest, locale);
    return shortest == longest ? shortest : shortest + QStringLiteral(" - ") + longest;
}

}  // namespace rimora
