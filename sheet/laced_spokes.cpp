#include "sheet/laced_spokes.h"

#include "lacing/lacing_table.h"

namespace rimora {

std::vector<LacedSpoke> LacedSpokes(const GridModel& table)
{
    std::vector<LacedSpoke> spokes;
    for (int row = 1; row < table.RowCount(); ++row) {
        const std::optional<int> rim = HoleAt(table, kRimCol, row);
        const std::optional<int> hub = HoleAt(table, kToHubCol, row);
        if (!rim || !hub) continue;
        LacedSpoke s;
        s.rim = *rim;
        s.hub = *hub;
        s.left = s.hub % 2 != 0;
        s.lengthText = table.Cells(kLengthCol, row);
        s.length = LengthAt(table, row);
        spokes.push_back(s);
    }
    return spokes;
}

}  // namespace rimora
