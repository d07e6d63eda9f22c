#include "sheet/laced_spokes.h"

#include "lacing/lacing_table.h"
#include "platform/convert.h"

#include <QLocale>

namespace rimora {

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

}  // namespace rimora
