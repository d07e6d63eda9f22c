// What the builder buys and how each spoke is laced: the order list of every
// pair of offered hole counts, each spoke's own order length and its lay.
#include "sheet/laced_spokes.h"
#include "sheet/laced_wheel.h"
#include "sheet/wheel_report.h"
#include "sheet_test_support.h"
#include "spokes/summary_text.h"
#include "support/scoped_locale.h"
#include "wheel/wheel_choices.h"

#include <map>

namespace rimora::test {
namespace {

LacedWheel PreparedWheelOf(const ProfileFolder& folder, const QByteArray& records)
{
    LacedWheel w = ReadLacedWheel(folder.Write("w.prl", records));
    PrepareWheel(w);
    return w;
}

// For all 49 pairs the list is ascending, counts every measured spoke once on
// its own side, and each spoke's order length is the size it is counted at.
TEST(OrderList, AddsUpToTheSpokesForEveryPairOfHoleCounts)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const int items = static_cast<int>(HoleCountItems().size());
    ASSERT_EQ(items, 7);
    for (int hub = 0; hub < items; ++hub) {
        for (int rim = 0; rim < items; ++rim) {
            SCOPED_TRACE(HoleCountItems()[hub].toStdString() + "/" + HoleCountItems()[rim].toStdString());
            const WheelReport r = ReportOf(PreparedWheelOf(
                folder, "[MainF]\nHubCB=" + QByteArray::number(hub) + "\nRimCB=" + QByteArray::number(rim)
                            + "\nCLE=3\nCRE=2\nRimOffE=1.5\nTensionE=110\n"));
            std::map<double, std::pair<int, int>> counted;  // size: left, right
            for (const LacedSpoke& s : r.spokes) {
                ASSERT_TRUE(s.length && s.orderLength) << s.hub;
                ++(s.left ? counted[*s.orderLength].first : counted[*s.orderLength].second);
            }
            ASSERT_EQ(r.order.size(), counted.size());
            auto it = counted.begin();
            for (const OrderLine& line : r.order) {
                EXPECT_EQ(line.length, it->first);
                EXPECT_EQ(std::make_pair(line.left, line.right), it->second) << line.length;
                ++it;
            }
            EXPECT_EQ(OrderedSpokes(r.order), static_cast<int>(r.spokes.size()));
            EXPECT_EQ(OrderedSpokes(r.order), std::min(r.inputs[1].second.toInt(), r.inputs[2].second.toInt()));
            EXPECT_EQ(OrderedSpokes(r.order), r.sides.left.spokes + r.sides.right.spokes);
            // The ranges of the side lines hold every size their spokes are bought at.
            for (const LacedSpoke& s : r.spokes) {
                const SideSpan& side = s.left ? r.sides.left : r.sides.right;
                EXPECT_GE(*s.orderLength, side.shortestOrder);
                EXPECT_LE(*s.orderLength, side.longestOrder);
            }
        }
    }
}

// The summary closes with the same list, a line per size, in the region's marks.
TEST(OrderList, TheSummaryListsEachSizeWithItsSides)
{
    const struct {
        const char* name;
        QByteArray records;
        QStringList tail;
    } rows[] = {
        {"equal sides", "", {"Order 284mm * 18 pcs: left 0, right 18", "Order 286mm * 18 pcs: left 18, right 0"}},
        {"one size", "RimOffE=2\n", {"Order 284mm * 36 pcs: left 18, right 18"}},
    };
    for (const auto& row : rows) {
        ScopedLocale region(CommaRegion());
        ProfileFolder folder;
        LacedWheel w = PreparedWheelOf(folder, DefaultWheelRecords() + row.records);
        const QStringList lines = ComposeSummary(*w.table, w.wheel(), "w.prl").split("\r\n", Qt::SkipEmptyParts);
        EXPECT_EQ(lines.mid(lines.size() - row.tail.size()), row.tail) << row.name;
    }
}

TEST(SpokeLay, FollowsTheSignOfTheSpan)
{
    const struct {
        double span;
        int crosses;
        SpokeLay lay;
    } rows[] = {
        {12.5, 3, SpokeLay::Leading}, {-12.5, 3, SpokeLay::Trailing}, {180, 2, SpokeLay::Leading},
        {0, 3, SpokeLay::Radial},     {4, 0, SpokeLay::Radial},       {-0.3, 1, SpokeLay::Trailing},
    };
    for (const auto& row : rows) EXPECT_EQ(LayOfSpan(row.span, row.crosses), row.lay) << row.span;
}

// On a wheel that alternates, each flange's spokes lead and trail in turn
// round the hub; a radial side neither leads nor trails.
TEST(SpokeLay, AlternatesRoundEachFlangeOfALacedWheel)
{
    const struct {
        const char* name;
        const char* holes;  // the hole count lists' index, both
        const char* leftCross;
        int leadingPerSide;  // -1: radial
    } rows[] = {
        {"36/36 3x", "0", "3", 9},
        {"32/32 3x", "1", "3", 8},
        {"36/36 radial left", "0", "0", -1},
    };
    ScopedLocale region(PointRegion());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0", QByteArray("HubCB=") + row.holes)
            .replace("RimCB=0", QByteArray("RimCB=") + row.holes)
            .replace("CLE=3", QByteArray("CLE=") + row.leftCross);
        const WheelReport r = ReportOf(PreparedWheelOf(folder, records));
        std::vector<LacedSpoke> left;
        for (const LacedSpoke& s : r.spokes)
            if (s.left) left.push_back(s);
        std::sort(left.begin(), left.end(), [](const LacedSpoke& a, const LacedSpoke& b) { return a.hub < b.hub; });
        int leading = 0;
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (row.leadingPerSide < 0) {
                EXPECT_EQ(left[i].lay, SpokeLay::Radial);
                continue;
            }
            leading += left[i].lay == SpokeLay::Leading;
            EXPECT_NE(left[i].lay, left[(i + 1) % left.size()].lay) << left[i].hub;
        }
        if (row.leadingPerSide >= 0) EXPECT_EQ(leading, row.leadingPerSide);
    }
}

}  // namespace
}  // namespace rimora::test
