#pragma once
// Lacing tables for the spoke tests, written as the lacing generator leaves
// them: HUB and RIM numbered "01".., ->H from the three-cross rule, rim holes
// beyond the hub's count spread evenly as empty rows.
#include "platform/grid_model.h"
#include "spokes/spoke_length.h"

#include <QLocale>
#include <QString>
#include <algorithm>

namespace rimora::test {

inline QString Hole(int n) { return QString::asprintf("%.2d", n); }

// Hub hole that spoke a (counted 1..) reaches on an n-hole hub with c crossings.
inline int CrossedHubHole(int a, int n, int leftCross, int rightCross)
{
    const int c = a % 2 != 0 ? leftCross : rightCross;
    const int p = (a % 4 <= 1) ? (a + 2 * c) % n : (a + n - 2 * c) % n;
    return p == 0 ? n : p;
}

// rim >= hub only; every rim/(rim-hub)-th rim hole stays empty.
inline void FillLacingTable(GridModel& grid, int hub, int rim, int leftCross = 3, int rightCross = 3)
{
    grid.SetRowCount(std::max(hub, rim) + 1);
    grid.SetRowFromCommaText(0, QStringLiteral("HUB,->R,RIM,->H,Length"));
    const int skip = rim > hub ? rim / (rim - hub) : 0;
    int spoke = 1;
    for (int row = 1; row <= rim; ++row) {
        grid.SetRowFromCommaText(row, QString());
        if (row <= hub) grid.SetCells(0, row, Hole(row));
        grid.SetCells(2, row, Hole(row));
        if (skip > 0 && row % skip == 0) continue;
        grid.SetCells(3, row, Hole(CrossedHubHole(spoke++, hub, leftCross, rightCross)));
    }
}

// "27.5" written the way the current region writes it.
inline QString Dec(const char* pointText)
{
    return QString::fromLatin1(pointText).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The design defaults of the Data tab with the hole counts chosen.
inline Wheel DefaultWheel(int hub = 36, int rim = 36)
{
    Wheel wheel;
    wheel.hubHoles = hub;
    wheel.rimHoles = rim;
    return wheel;
}

}  // namespace rimora::test
