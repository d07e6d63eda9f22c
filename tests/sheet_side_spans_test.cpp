// Each side on one line for the sheet and the command line: the laced spokes
// read from the table, the sides counted against the spoke bill's own count
// and balanced against each other, sides with several lengths as ranges, the
// worked wheels with and without a rim offset, and the lines and the JSON.
#include "lacing/lacing_table.h"
#include "wheel/wheel_choices.h"
#include "platform/convert.h"
#include "sheet/laced_spokes.h"
#include "sheet/laced_wheel.h"
#include "sheet/side_spans.h"
#include "sheet/wheel_report.h"
#include "sheet_test_support.h"
#include "spokes/spoke_bill.h"
#include "support/scoped_locale.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

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

LacedWheel PreparedWheelOf(const ProfileFolder& folder, const QByteArray& records)
{
    LacedWheel w = ReadLacedWheel(folder.Write("w.prl", records));
    PrepareWheel(w);
    return w;
}

double SinDegrees(double degrees)
{
    return std::sin(degrees * std::numbers::pi / 180.0);
}

// Every pair of hole counts the window offers, unequal cross numbers and a
// rim offset: the sides hold what the bill counts, every spoke of a side lies
// between that side's shortest and longest, the tighter side runs at the
// tension asked for, a side of one length pulls the rim as hard as the other,
// and each order length is a size sold within a step of the length.
TEST(SideSpans, AgreeWithTheSpokeBillAndBalanceForEveryPairOfHoleCounts)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const int holeItems = static_cast<int>(HoleCountItems().size());
    for (int hub = 0; hub < holeItems; ++hub) {
        for (int rim = 0; rim < holeItems; ++rim) {
            SCOPED_TRACE(HoleCountItems()[hub].toStdString() + "/" + HoleCountItems()[rim].toStdString());
            const LacedWheel w = PreparedWheelOf(
                folder, "[MainF]\nHubCB=" + QByteArray::number(hub) + "\nRimCB=" + QByteArray::number(rim)
                            + "\nCLE=3\nCRE=2\nRimOffE=1.5\nTensionE=110\nOrderStepCB=0\n");
            const std::vector<LacedSpoke> spokes = LacedSpokes(*w.table, w.wheel().hubHoles, w.wheel().rimHoles, LayoutOf(w.wheel()));
            const WheelSpans sides = SpansOfTable(*w.table, w.wheel());
            EXPECT_EQ(sides.left.crosses, 3);
            EXPECT_EQ(sides.right.crosses, 2);
            if (spokes.empty()) {
                // Some pairs lace no spoke at all today; the sides then say so.
                EXPECT_EQ(sides.left.spokes + sides.right.spokes, 0);
                EXPECT_FALSE(sides.left.Measured() || sides.right.Measured());
                continue;
            }
            const auto [billLeft, billRight] = BillSideCounts(*w.table);
            EXPECT_EQ(sides.left.spokes, billLeft);
            EXPECT_EQ(sides.right.spokes, billRight);
            for (const LacedSpoke& s : spokes) {
                const SideSpan& side = s.left ? sides.left : sides.right;
                ASSERT_TRUE(s.length.has_value());
                EXPECT_GE(*s.length, side.shortest);
                EXPECT_LE(*s.length, side.longest);
            }
            for (const SideSpan* side : {&sides.left, &sides.right}) {
                if (!side->Measured()) continue;
                EXPECT_LE(side->tension, 110.0 + 1e-9);
                EXPECT_GT(side->tension, 0.0);
                EXPECT_LE(side->flattest, side->steepest);
                for (const double order : {side->shortestOrder, side->longestOrder}) {
                    EXPECT_EQ(order, std::round(order));
                    EXPECT_LE(std::abs(order - side->shortest), 1.0 + (side->longest - side->shortest));
                }
            }
            if (sides.left.Measured() && sides.right.Measured()) {
                EXPECT_DOUBLE_EQ(std::max(sides.left.tension, sides.right.tension), 110.0);
                if (sides.left.lengths == 1 && sides.right.lengths == 1) {
                    const double leftPull = sides.left.spokes * sides.left.tension * SinDegrees(sides.left.flattest);
                    const double rightPull =
                        sides.right.spokes * sides.right.tension * SinDegrees(sides.right.flattest);
                    EXPECT_NEAR(leftPull, rightPull, 1e-9 * rightPull);
                }
            }
        }
    }
}

// A table with a left side of two lengths, rows without a spoke, a grouped
// length and a laced row not yet measured.
TEST(SideSpans, ASideOfSeveralLengthsIsARangeAndRowsWithoutASpokeAreLeftOut)
{
    ScopedLocale region(PointRegion());
    GridModel table(kLacingColCount, 7);
    WriteHeadings(table);
    table.SetRowFromCommaText(1, QStringLiteral("01,02,01,02,\"1,002.5\""));  // right, grouped
    table.SetRowFromCommaText(2, QStringLiteral("02,01,02,01,300.0"));        // left
    table.SetRowFromCommaText(3, QStringLiteral("03,-,-,-,"));                // a gap row
    table.SetRowFromCommaText(4, QStringLiteral("04,,04,xx,"));               // no hub hole
    table.SetRowFromCommaText(5, QStringLiteral("05,,05,05,"));               // laced, no length yet
    table.SetRowFromCommaText(6, QStringLiteral("06,,06,03,310.0"));          // left, longer
    table.SetCells(kLengthCol, 1, QStringLiteral("1,002.5"));
    const std::vector<LacedSpoke> spokes = LacedSpokes(table, 6, 6, HoleLayout{});
    ASSERT_EQ(spokes.size(), 4u);
    EXPECT_EQ(spokes[0].hub, 2);
    ASSERT_TRUE(spokes[0].length.has_value());
    EXPECT_DOUBLE_EQ(*spokes[0].length, 1002.5);
    EXPECT_FALSE(spokes[2].length.has_value());

    Wheel n;
    n.leftOffset = 30;
    n.rightOffset = 20;
    n.spokeHole = 2.5;
    n.leftCross = 1;
    n.rightCross = 2;
    const WheelSpans sides = SpansOfTable(table, n);
    // Only the measured spokes count: the two of the left, the one of the right.
    EXPECT_EQ(sides.left.spokes, 2);
    EXPECT_EQ(sides.left.lengths, 2);
    EXPECT_EQ(sides.right.spokes, 1);
    EXPECT_DOUBLE_EQ(sides.left.shortest, 300.0);
    EXPECT_DOUBLE_EQ(sides.left.longest, 310.0);
    EXPECT_DOUBLE_EQ(sides.right.shortest, 1002.5);
    // The longer spoke of the same flange leans less.
    EXPECT_LT(sides.left.flattest, sides.left.steepest);
    EXPECT_NEAR(SinDegrees(sides.left.steepest), 30.0 / (300.0 + 1.25), 1e-12);
    EXPECT_LT(sides.left.shortestOrder, sides.left.longestOrder);
    // Two spokes pull against one: the note says the counts were weighed.
    ASSERT_EQ(sides.notes.size(), 1);
    EXPECT_TRUE(sides.notes[0].contains("2 left, 1 right")) << sides.notes[0].toStdString();

    const QString lines = ReportLines(WheelReport{QStringLiteral("t.prl"), {}, sides, spokes, {}, {}});
    EXPECT_TRUE(lines.startsWith(QStringLiteral("left: 2 spokes, 1 crosses, 300.0 - 310.0 mm, order %1 - %2 mm")
                                     .arg(sides.left.shortestOrder)
                                     .arg(sides.left.longestOrder)))
        << lines.toStdString();
    const QJsonObject left = QJsonDocument::fromJson(ReportJson(WheelReport{{}, {}, sides, spokes, {}, {}}).toUtf8())
                                 .object()["sides"]
                                 .toObject()["left"]
                                 .toObject();
    EXPECT_TRUE(left["length"].isNull());
    EXPECT_TRUE(left["bracing"].isNull());
    EXPECT_DOUBLE_EQ(left["shortest"].toDouble(), 300.0);
    EXPECT_DOUBLE_EQ(left["longest"].toDouble(), 310.0);
}

TEST(SideSpans, ATableWithoutLengthsGivesSidesWithoutSpokesNotAnError)
{
    GridModel table(kLacingColCount, 5);
    WriteHeadings(table);
    Wheel n;
    n.leftOffset = 27.5;
    n.rightOffset = 18.1;
    n.leftCross = 3;
    n.rightCross = 1;
    n.rimOffset = 2;
    const WheelSpans sides = SpansOfTable(table, n);
    EXPECT_FALSE(sides.left.Measured() || sides.right.Measured());
    EXPECT_EQ(sides.right.crosses, 1);
    EXPECT_DOUBLE_EQ(sides.left.flangeOffset, 25.5);
    const QString lines = ReportLines(WheelReport{{}, {}, sides, {}, {}, {}});
    EXPECT_EQ(lines, "left: 0 spokes, 3 crosses, no length\nright: 0 spokes, 1 crosses, no length\n");
}

TEST(SideSpans, SpanTextIsOneValueWhenBothEndsReadAlike)
{
    EXPECT_EQ(SpanText("285.4", "285.4"), "285.4");
    EXPECT_EQ(SpanText("284.9", "285.7"), "284.9 - 285.7");
    EXPECT_EQ(SpanText("284,9", "285,7"), "284,9 - 285,7");
}

// The worked wheels: ERD 590, flanges 41/41, WL 27.5, WR 18.1, S 2.5, 36/36
// three-cross, tension 120 kgf, spokes of 2 mm sold in 2 mm steps. A profile
// saved before the rim offset existed reads as offset 0.
TEST(SideSpans, TheWorkedWheelsInTheLinesAndTheJson)
{
    const struct {
        QByteArray records;  // after the default wheel's
        const char* left;
        const char* right;
        const char* order;
        double leftBracing;
        double rightBracing;
        double leftTension;
        int rimOffsetNotes;
    } cases[] = {
        {"", "left: 18 spokes, 3 crosses, 285.4 mm, order 286 mm, bracing 5.5\u00B0, 79.2 kgf",
         "right: 18 spokes, 3 crosses, 284.6 mm, order 284 mm, bracing 3.6\u00B0, 120.0 kgf",
         "order: 284 mm \u00D7 18 right; 286 mm \u00D7 18 left", 5.51, 3.63, 79.2, 0},
        {"RimOffE=0\nTensionE=120\nSpokeDiaE=2\nOrderStepCB=1\n",
         "left: 18 spokes, 3 crosses, 285.4 mm, order 286 mm, bracing 5.5\u00B0, 79.2 kgf",
         "right: 18 spokes, 3 crosses, 284.6 mm, order 284 mm, bracing 3.6\u00B0, 120.0 kgf",
         "order: 284 mm \u00D7 18 right; 286 mm \u00D7 18 left", 5.51, 3.63, 79.2, 0},
        {"RimOffE=2\n", "left: 18 spokes, 3 crosses, 285.2 mm, order 284 mm, bracing 5.1\u00B0, 94.7 kgf",
         "right: 18 spokes, 3 crosses, 284.8 mm, order 284 mm, bracing 4.0\u00B0, 120.0 kgf",
         "order: 284 mm \u00D7 18 left + 18 right", 5.11, 4.03, 94.7, 1},
    };
    for (const QLocale& locale : {PointRegion(), CommaRegion()}) {
        ScopedLocale region(locale);
        for (const auto& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + c.records.toStdString());
            ProfileFolder folder;
            QByteArray records = DefaultWheelRecords() + DrawingRecords() + c.records;
            if (locale.decimalPoint() == QStringLiteral(","))
                records.replace("27.5", "27,5").replace("18.1", "18,1").replace("=2.5\n", "=2,5\n");
            const WheelReport report = ReportOf(PreparedWheelOf(folder, records));
            const QStringList rows = ReportLines(report).split('\n', Qt::SkipEmptyParts);
            ASSERT_EQ(rows.size(), 3);
            EXPECT_EQ(rows[0], QString::fromUtf8(c.left));
            EXPECT_EQ(rows[1], QString::fromUtf8(c.right));
            EXPECT_EQ(rows[2], QString::fromUtf8(c.order));
            EXPECT_EQ(report.sides.notes.size(), c.rimOffsetNotes);

            const QJsonObject root = QJsonDocument::fromJson(ReportJson(report).toUtf8()).object();
            const QJsonObject left = root["sides"].toObject()["left"].toObject();
            const QJsonObject right = root["sides"].toObject()["right"].toObject();
            EXPECT_DOUBLE_EQ(left["bracing"].toDouble(), c.leftBracing);
            EXPECT_DOUBLE_EQ(right["bracing"].toDouble(), c.rightBracing);
            EXPECT_DOUBLE_EQ(left["tension"].toDouble(), c.leftTension);
            EXPECT_DOUBLE_EQ(right["tension"].toDouble(), 120.0);
            EXPECT_DOUBLE_EQ(left["flangeOffset"].toDouble() + right["flangeOffset"].toDouble(), 27.5 + 18.1);
            const QJsonObject inputs = root["inputs"].toObject();
            // The typed wheel's numbers, not the profile's texts.
            EXPECT_EQ(inputs["tension"], QJsonValue(120));
            EXPECT_EQ(inputs["orderStep"], QJsonValue(2));
            EXPECT_EQ(inputs["spokeDiameter"], QJsonValue(2));
            EXPECT_EQ(inputs["leftFlangeOffset"], QJsonValue(27.5));
        }
    }
}

// The lines and the JSON tell the same figures, with a decimal point in any
// region, and the JSON lists every laced spoke with its side by the hub hole.
TEST(WheelReportOutput, LinesAndJsonCarryTheSameFiguresInAnyRegion)
{
    for (const QLocale& locale : {test::PointRegion(), test::CommaRegion()}) {
        ScopedLocale region(locale);
        SCOPED_TRACE(locale.name().toStdString());
        ProfileFolder folder;
        LacedWheel w = ReadLacedWheel(folder.Write("default.prl", DefaultWheelRecords() + "TensionE=100\n"));
        w.reading.wheel.rimOffset = 1.5;
        PrepareWheel(w);
        const WheelReport report = ReportOf(w);
        const QStringList rows = ReportLines(report).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 3);
        EXPECT_FALSE(rows.join('\n').contains(QRegularExpression("\\d,\\d")));

        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(ReportJson(report).toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        const QJsonObject root = doc.object();
        EXPECT_EQ(root["profile"].toString(), "default.prl");
        EXPECT_EQ(root["inputs"].toObject()["hubHoles"], QJsonValue(36));
        EXPECT_EQ(root["inputs"].toObject()["leftFlangeOffset"], QJsonValue(27.5));
        EXPECT_EQ(root["inputs"].toObject()["rimOffset"], QJsonValue(1.5));
        const QString names[] = {QStringLiteral("left"), QStringLiteral("right")};
        for (int i = 0; i < 2; ++i) {
            const QJsonObject side = root["sides"].toObject()[names[i]].toObject();
            const QString expected = QStringLiteral("%1: %2 spokes, %3 crosses, %4 mm, order %5 mm, bracing %6\u00B0, %7 kgf")
                                         .arg(names[i])
                                         .arg(side["spokes"].toInt())
                                         .arg(side["crosses"].toInt())
                                         .arg(side["length"].toDouble(), 0, 'f', 1)
                                         .arg(side["orderLength"].toDouble(), 0, 'f', 0)
                                         .arg(side["bracing"].toDouble(), 0, 'f', 1)
                                         .arg(side["tension"].toDouble(), 0, 'f', 1);
            EXPECT_EQ(rows[i], expected);
        }
        EXPECT_DOUBLE_EQ(std::max(report.sides.left.tension, report.sides.right.tension), 100.0);

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
    }
}

}  // namespace
}  // namespace rimora::test
