// What the builder buys and how each spoke is laced: the order list of every
// pair of offered hole counts, each spoke's own order length and its lay.
#include "sheet/laced_wheel.h"
#include "sheet/sheet_table.h"
#include "sheet/wheel_report.h"
#include "sheet_test_support.h"
#include "support/scoped_locale.h"
#include "wheel/wheel_choices.h"

#include <map>
#include <tuple>

namespace rimora::test {
namespace {

LacedWheel PreparedWheelOf(const ProfileFolder& folder, const QByteArray& records)
{
    LacedWheel w = ReadLacedWheel(folder.Write("w.prl", records));
    PrepareWheel(w);
    return w;
}

// For all 49 pairs the list is ascending and counts every spoke once, on its
// own side, at the size its own order length names, within its side's range.
TEST(OrderList, AddsUpToTheSpokesForEveryPairOfHoleCounts)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    ASSERT_EQ(HoleCountItems().size(), 7);
    for (int hub = 0; hub < 7; ++hub) {
        for (int rim = 0; rim < 7; ++rim) {
            SCOPED_TRACE(HoleCountItems()[hub].toStdString() + "/" + HoleCountItems()[rim].toStdString());
            const WheelReport r = ReportOf(PreparedWheelOf(
                folder, "[MainF]\nHubCB=" + QByteArray::number(hub) + "\nRimCB=" + QByteArray::number(rim)
                            + "\nCLE=3\nCRE=2\nRimOffE=1.5\nTensionE=110\n"));
            std::map<double, std::pair<int, int>> counted;  // size: left, right
            for (const LacedSpoke& s : r.spokes) {
                ASSERT_TRUE(s.orderLength) << s.hub;
                const SideSpan& side = s.left ? r.sides.left : r.sides.right;
                EXPECT_TRUE(*s.orderLength >= side.shortestOrder && *s.orderLength <= side.longestOrder) << s.hub;
                ++(s.left ? counted[*s.orderLength].first : counted[*s.orderLength].second);
            }
            std::vector<std::tuple<double, int, int>> listed, expected;  // ascending
            for (const OrderLine& line : r.order) listed.emplace_back(line.length, line.left, line.right);
            for (const auto& [size, sides] : counted) expected.emplace_back(size, sides.first, sides.second);
            EXPECT_EQ(listed, expected);
            EXPECT_EQ(OrderedSpokes(r.order), std::min(r.inputs[1].second.toInt(), r.inputs[2].second.toInt()));
        }
    }
}

// Round each flange of a wheel that alternates, its spokes lead and trail in
// turn; a side of 0 crossings is radial.
TEST(SpokeLay, AlternatesRoundEachFlangeOrIsRadial)
{
    const struct {
        const char* holes;  // both hole count lists' index
        const char* leftCross;
        int leading;  // of the left flange; -1: radial
    } rows[] = {{"0", "3", 9}, {"1", "3", 8}, {"1", "2", 8}, {"0", "0", -1}};
    ScopedLocale region(PointRegion());
    for (const auto& row : rows) {
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0", QByteArray("HubCB=") + row.holes)
            .replace("RimCB=0", QByteArray("RimCB=") + row.holes)
            .replace("CLE=3", QByteArray("CLE=") + row.leftCross);
        std::map<int, SpokeLay> left;  // by hub hole
        for (const LacedSpoke& s : ReportOf(PreparedWheelOf(folder, records)).spokes)
            if (s.left) left[s.hub] = s.lay;
        int leading = 0;
        for (auto it = left.begin(); it != left.end(); ++it) {
            const SpokeLay next = std::next(it) == left.end() ? left.begin()->second : std::next(it)->second;
            if (row.leading >= 0) {
                EXPECT_NE(it->second, next) << row.holes << " hub " << it->first;
            }
            leading += it->second == SpokeLay::Leading;
            if (row.leading < 0) {
                EXPECT_EQ(it->second, SpokeLay::Radial);
            }
        }
        EXPECT_EQ(leading, std::max(0, row.leading)) << row.holes << " " << row.leftCross;
    }
}

// The window's table says of each spoke how it lies, its head where heads
// are modelled, and the angle it meets its nipple at, in the region's marks.
TEST(SpokeDescription, LayHeadAndNipple)
{
    ScopedLocale region(CommaRegion());
    LacedSpoke spoke;
    spoke.lay = SpokeLay::Trailing;
    spoke.head = SpokeHead::Out;
    spoke.entryAngle = 86.04;
    EXPECT_EQ(SpokeDescription(spoke), "trailing, out; meets its nipple at 86,0°");
    spoke.head = SpokeHead::Unmodelled;
    spoke.entryAngle.reset();
    EXPECT_EQ(SpokeDescription(spoke), "trailing");
}

}  // namespace
}  // namespace rimora::test
