#include "spokes/length_status.h"

#include "lacing/lacing_table.h"
#include "platform/errors.h"
#include "spokes/rim_offset.h"
#include "spokes/spoke_length.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace rimora {

namespace {

// The same length in two spellings ("1,234.5" and "1234.5") is the same
// length; a text that reads as no number never matches.
bool SameLength(const LacingCell& shown, const LacingCell& computed)
{
    if (shown.Spelling() == computed.Spelling()) return true;
    const std::optional<double> a = shown.Millimetres();
    const std::optional<double> b = computed.Millimetres();
    return a && b && std::fabs(*a - *b) < 1e-9;
}

struct SideRange {
    int spokes = 0;
    double low = 0;
    double high = 0;
    QString lowText;
    QString highText;

    void Add(double value, const QString& text)
    {
        if (spokes == 0 || value < low) {
            low = value;
            lowText = text;
        }
        if (spokes == 0 || value > high) {
            high = value;
            highText = text;
        }
        ++spokes;
    }

    QString Text() const
    {
        if (spokes == 0) return QCoreApplication::translate("Spokes", "no length");
        if (lowText == highText) return QCoreApplication::translate("Spokes", "%1 mm").arg(lowText);
        return QCoreApplication::translate("Spokes", "%1 – %2 mm").arg(lowText, highText);
    }
};

}  // namespace

std::vector<bool> StaleLengthRows(const GridModel& table, const Wheel& wheel, bool inputsRead)
{
    const int rows = table.RowCount();
    std::vector<bool> stale(static_cast<size_t>(std::max(rows, 0)), false);
    GridModel fresh(table.ColCount(), rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < table.ColCount(); ++c) fresh.SetCell(c, r, table.Cell(c, r));
    bool computed = inputsRead;
    try {
        if (computed) CalcSpokeLengths(fresh, WithRimOffset(wheel));
    } catch (const RimoraError&) {
        computed = false;
    }
    for (int r = 1; r < rows; ++r) {
        const LacingCell& shown = table.Cell(kLengthCol, r);
        if (shown.IsEmpty()) continue;
        stale[static_cast<size_t>(r)] = !computed || !SameLength(shown, fresh.Cell(kLengthCol, r));
    }
    return stale;
}

QString SideLengthsText(const GridModel& table, const HoleLayout& layout)
{
    SideRange left;
    SideRange right;
    for (int r = 1; r < table.RowCount(); ++r) {
        const std::optional<int> hub = HoleAt(table, kToHubCol, r);
        const std::optional<double> value = LengthAt(table, r);
        if (!hub || !value) continue;
        (layout.HubLeft(*hub) ? left : right).Add(*value, table.Cells(kLengthCol, r));
    }
    if (left.spokes == 0 && right.spokes == 0) return QString();
    return QCoreApplication::translate("Spokes", "Left %1, right %2").arg(left.Text(), right.Text());
}

}  // namespace rimora
