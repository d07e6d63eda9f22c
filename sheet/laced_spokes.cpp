#include "sheet/laced_spokes.h"

#include "lacing/lacing_table.h"
#include "lacing/spoke_rows.h"

namespace rimora {

std::vector<LacedSpoke> LacedSpokes(const GridModel& table, int hubCount, int rimCount)
{
    std::vector<LacedSpoke> spokes;
    for (const SpokeRow& spoke : LacedSpokeRows(table, hubCount, rimCount).spokes) {
        const int row = spoke.row;
        LacedSpoke s;
        s.rim = spoke.rimHole;
        s.hub = spoke.hubHole;
        s.left = s.hub % 2 != 0;
        s.lengthText = table.Cells(kLengthCol, row);
        s.length = LengthAt(table, row);
        spokes.push_back(s);
    }
    return spokes;
}

}  // namespace rimora
