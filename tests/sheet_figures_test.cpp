// The per-side figures and the command line's report: laced spokes read from
// the table, counted per side against the spoke bill's own count, lengths as
// one value or a range, the lines and the JSON object.
#include "lacing/lacing_table.h"
#include "persist/wheel_choices.h"
#include "platform/convert.h"
#include "sheet/saved_wheel.h"
#include "sheet/side_figures.h"
#include "sheet/wheel_report.h"
#include "sheet_test_support.h"
#include "spokes/spoke_bill.h"
#include "support/scoped_locale.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace rimora::test {
namespace {

// The side counts the spoke bill writes at its end (" Left Side:18 pcs").
std::pair<int, int> BillSideCounts(const GridModel& table)
{
    QStringList lines;
    BuildSpokeSummary(table, lines);
    const QRegularExpression count(QStringLiteral("Side:(\\d+) pcs"));
    int left = -1;
    int right = -1;
    for (const QString& line : lines) {
        const auto m = count.match(line);
        if (!m.hasMatch()) continue;
        (line.contains(QStringLiteral("Left")) ? left : right) = m.captured(1).toInt();
    }
    return {left, right};
}

SavedWheel PreparedWheelOf(const ProfileFolder& folder, int hubIndex, int rimIndex, int leftCross, int rightCross)
{
    SavedWheel w = ReadSavedWheel(folder.Write(
        "w.prl", "[MainF]\nHubCB=" + QByteArray::number(hubIndex) + "\nRimCB=" + QByteArray::number(rimIndex)
                     + "\nCLE=" + QByteArray::number(leftCross) + "\nCRE=" + QByteArray::number(rightCross) + "\n"));
    PrepareWheel(w);
    return w;
}

// Every pair of hole counts the window offers, and unequal cross numbers:
// the sides hold what the bill counts, and every spoke of a side falls
// between that side's shortest and longest length.
TEST(SideFigures, AgreeWithTheSpokeBillForEveryPairOfHoleCounts)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const int holeItems = static_cast<int>(HoleCountItems().size());
    for (int hub = 0; hub < holeItems; ++hub) {
        for (int rim = 0; rim < holeItems; ++rim) {
            SCOPED_TRACE(HoleCountItems()[hub].toStdString() + "/" + HoleCountItems()[rim].toStdString());
            const SavedWheel w = PreparedWheelOf(folder, hub, rim, 3, 2);
            const std::vector<LacedSpoke> spokes = LacedSpokes(*w.table);
            const WheelSides sides = SideFiguresOf(spokes, w.leftCross, w.rightCross);
            if (spokes.empty()) {
                // Some pairs lace no spoke at all today; the figures then say so.
                EXPECT_EQ(sides.left.spokes + sides.right.spokes, 0);
                EXPECT_EQ(SideLengthText(sides.left), "");
                continue;
            }
            const auto [billLeft, billRight] = BillSideCounts(*w.table);
            EXPECT_EQ(sides.left.spokes, billLeft);
            EXPECT_EQ(sides.right.spokes, billRight);
            EXPECT_EQ(sides.left.crosses, 3);
            EXPECT_EQ(sides.right.crosses, 2);
            EXPECT_EQ(sides.left.measured, sides.left.spokes);
            for (const LacedSpoke& s : spokes) {
                const SideFigures& side = s.left ? sides.left : sides.right;
                ASSERT_TRUE(s.length.has_value());
                EXPECT_GE(*s.length, side.shortest);
                EXPECT_LE(*s.length, side.longest);
                EXPECT_EQ(s.left, s.hub % 2 == 1);
            }
        }
    }
}

TEST(SideFigures, RowsWithoutASpokeAreLeftOutAndGroupedLengthsAreRead)
{
    ScopedLocale region(PointRegion());
    GridModel table(kLacingColCount, 6);
    WriteHeadings(table);
    table.SetRowFromCommaText(1, QStringLiteral("01,02,01,02,\"1,002.5\""));  // right, grouped
    table.SetRowFromCommaText(2, QStringLiteral("02,01,02,01,300.0"));        // left
    table.SetRowFromCommaText(3, QStringLiteral("03,-,-,-,"));                // a gap row
    table.SetRowFromCommaText(4, QStringLiteral("04,,04,xx,"));               // no hub hole
    table.SetRowFromCommaText(5, QStringLiteral("05,,05,05,"));               // laced, no length yet
    table.SetCells(kLengthCol, 1, QStringLiteral("1,002.5"));
    const std::vector<LacedSpoke> spokes = LacedSpokes(table);
    ASSERT_EQ(spokes.size(), 3u);
    EXPECT_EQ(spokes[0].hub, 2);
    ASSERT_TRUE(spokes[0].length.has_value());
    EXPECT_DOUBLE_EQ(*spokes[0].length, 1002.5);
    EXPECT_FALSE(spokes[2].length.has_value());

    const WheelSides sides = SideFiguresOf(spokes, 1, 2);
    EXPECT_EQ(sides.left.spokes, 2);
    EXPECT_EQ(sides.left.measured, 1);
    EXPECT_EQ(sides.right.spokes, 1);
    EXPECT_TRUE(sides.left.SingleLength());
    EXPECT_EQ(SideLengthText(sides.left), "300.0");
    EXPECT_EQ(SideLengthText(sides.right), "1,002.5");
}

TEST(SideFigures, SideLengthIsOneValueOrARangeInTheRegionsFormat)
{
    SideFigures none;
    EXPECT_EQ(SideLengthText(none, test::PointRegion()), "");
    SideFigures one{18, 3, 18, 285.4, 285.4};
    EXPECT_EQ(SideLengthText(one, test::PointRegion()), "285.4");
    EXPECT_EQ(SideLengthText(one, test::CommaRegion()), "285,4");
    SideFigures range{9, 2, 9, 284.94, 285.66};
    EXPECT_EQ(SideLengthText(range, test::PointRegion()), "284.9 - 285.7");
    EXPECT_EQ(SideLengthText(range, test::CommaRegion()), "284,9 - 285,7");
}

// The lines and the JSON tell the same figures, with a decimal point in any
// region, and the JSON lists every laced spoke with its side by the hub hole.
TEST(WheelReportOutput, LinesAndJsonCarryTheSameFiguresInAnyRegion)
{
    for (const QLocale& locale : {test::PointRegion(), test::CommaRegion()}) {
        ScopedLocale region(locale);
        SCOPED_TRACE(locale.name().toStdString());
        ProfileFolder folder;
        SavedWheel w = ReadSavedWheel(folder.Write("default.prl", DefaultWheelRecords()));
        if (locale.decimalPoint() == QStringLiteral(",")) {
            w.leftOffset.replace('.', ',');
            w.rightOffset.replace('.', ',');
            w.spokeHole.replace('.', ',');
        }
        PrepareWheel(w);
        const WheelReport report = ReportOf(w);
        const QString lines = ReportLines(report);
        const QStringList rows = lines.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 2);
        const SideFigures* sides[] = {&report.sides.left, &report.sides.right};
        const QString names[] = {QStringLiteral("left"), QStringLiteral("right")};
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(rows[i].startsWith(names[i] + ": ")) << rows[i].toStdString();
            EXPECT_TRUE(rows[i].contains(QString::number(sides[i]->shortest, 'f', 1) + " mm")) << rows[i].toStdString();
            EXPECT_TRUE(rows[i].contains(QStringLiteral("%1 spokes").arg(sides[i]->spokes)));
        }

        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(ReportJson(report).toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        const QJsonObject root = doc.object();
        EXPECT_EQ(root["profile"].toString(), "default.prl");
        EXPECT_EQ(root["inputs"].toObject()["hubHoles"].toString(), "36");
        EXPECT_EQ(root["inputs"].toObject()["leftFlangeOffset"].toString(), w.leftOffset);
        const QJsonArray spokes = root["spokes"].toArray();
        ASSERT_EQ(spokes.size(), static_cast<qsizetype>(report.spokes.size()));
        int left = 0;
        for (const QJsonValue& v : spokes) {
            const QJsonObject s = v.toObject();
            const bool isLeft = s["side"].toString() == "left";
            EXPECT_EQ(isLeft, s["hub"].toInt() % 2 == 1);
            const double expected = isLeft ? report.sides.left.shortest : report.sides.right.shortest;
            EXPECT_DOUBLE_EQ(s["length"].toDouble(), expected);
            left += isLeft;
        }
        EXPECT_EQ(left, report.sides.left.spokes);
        EXPECT_DOUBLE_EQ(root["sides"].toObject()["left"].toObject()["length"].toDouble(), report.sides.left.shortest);
        EXPECT_EQ(root["sides"].toObject()["right"].toObject()["crosses"].toInt(), 3);
    }
}

}  // namespace
}  // namespace rimora::test
