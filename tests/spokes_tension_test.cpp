// Tension meters and rounds: the shipped chart read between its rows and off
// its ends, a meter made from calibration points, the user's meter files,
// and a round kept as text and weighed against each side's target.
#include "platform/errors.h"
#include "spokes/tension_meter.h"
#include "spokes/tension_round.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace rimora;
using namespace rimora::test;

namespace {

const SpokeKind& Tm1Steel()
{
    static const std::vector<TensionMeter> meters = ShippedMeters();
    const TensionMeter* meter = FindMeter(meters, QStringLiteral("Park Tool TM-1"));
    EXPECT_NE(meter, nullptr);
    static const SpokeKind kind = *meter->Kind(QStringLiteral("2.0 mm round steel"));
    return kind;
}

}  // namespace

TEST(TensionMeter, ShippedChartReadsEveryRowBetweenAndOffItsEnds)
{
    ScopedLocale scoped(PointRegion());
    const struct {
        double reading;
        MeterReading::Where where;
        double kgf;
        const char* text;
    } cases[] = {
        {17, MeterReading::Where::OnTable, 53, "53.0"},   {18, MeterReading::Where::OnTable, 58, "58.0"},
        {19, MeterReading::Where::OnTable, 63, "63.0"},   {20, MeterReading::Where::OnTable, 70, "70.0"},
        {21, MeterReading::Where::OnTable, 77, "77.0"},   {22, MeterReading::Where::OnTable, 86, "86.0"},
        {23, MeterReading::Where::OnTable, 96, "96.0"},   {24, MeterReading::Where::OnTable, 107, "107.0"},
        {25, MeterReading::Where::OnTable, 120, "120.0"}, {26, MeterReading::Where::OnTable, 135, "135.0"},
        {27, MeterReading::Where::OnTable, 153, "153.0"}, {28, MeterReading::Where::OnTable, 172, "172.0"},
        {22.5, MeterReading::Where::OnTable, 91, "91.0"}, {17.25, MeterReading::Where::OnTable, 54.25, "54.3"},
        {16.9, MeterReading::Where::Below, 0, "below 17"}, {28.1, MeterReading::Where::Above, 0, "above 28"},
    };
    for (const auto& c : cases) {
        const MeterReading r = ReadMeter(Tm1Steel(), c.reading);
        EXPECT_EQ(r.where, c.where) << c.reading;
        EXPECT_DOUBLE_EQ(r.kgf, c.kgf) << c.reading;
        TensionRound round{QString(), QDateTime(), QString(), QString(), {c.reading}};
        const RoundFigures f = FiguresOf(round, &Tm1Steel(), {{1, true}}, 0, 0);
        EXPECT_EQ(KgfText(f, 0, Marks::Point), QLatin1String(c.text)) << c.reading;
    }
}

TEST(TensionMeter, CalibrationPointsMakeATableOrSayWhyNot)
{
    ScopedLocale scoped(PointRegion());
    const struct {
        const char* name;
        std::vector<MeterRow> points;
        bool table;
        double reading;  // read on the table when it is one
        double kgf;
        const char* text = "";
    } cases[] = {
        {"three hanging weights, any order", {{3.1, 100}, {1.2, 20}, {2.0, 50}}, true, 2.55, 75, "75.0"},
        {"above the heaviest weight", {{3.1, 100}, {1.2, 20}, {2.0, 50}}, true, 3.15, 0, "above 3.1"},
        {"below the lowest weight", {{3.1, 100}, {1.2, 20}, {2.0, 50}}, true, 1.1, 0, "below 1.2"},
        {"one point", {{2, 50}}, false, 0, 0},
        {"a reading twice", {{2, 50}, {2, 60}, {3, 80}}, false, 0, 0},
        {"kgf falling", {{1, 50}, {2, 40}}, false, 0, 0},
        {"a weight of nothing", {{1, 0}, {2, 40}}, false, 0, 0},
    };
    for (const auto& c : cases) {
        SpokeKind kind{QStringLiteral("own"), c.points};
        EXPECT_EQ(SortRows(kind.rows).isEmpty(), c.table) << c.name;
        if (!c.table) continue;
        EXPECT_DOUBLE_EQ(ReadMeter(kind, c.reading).kgf, c.kgf) << c.name;
        const RoundFigures f = FiguresOf({QString(), QDateTime(), QString(), QString(), {c.reading}}, &kind, {{1, true}}, 0, 0);
        EXPECT_EQ(KgfText(f, 0, Marks::Point), QLatin1String(c.text)) << c.name;
    }
}

TEST(TensionMeter, UserFilesAddMetersAndKindsAndKeepWhatDoesNotRead)
{
    QTemporaryDir folder;
    const QString meters = folder.filePath(QStringLiteral("meters"));
    const TensionMeter own{QStringLiteral("Hanging weight"), QString(), QString(), QString(), {}};
    const SpokeKind bladed{QStringLiteral("bladed 1.4 mm"), {{1.2, 20}, {2.0, 50}, {3.1, 100}}};
    const SpokeKind tm1Kind{QStringLiteral("1.8 mm round steel"), {{17, 40}, {28, 130}}};
    SaveUserKind(meters, own, bladed);
    SaveUserKind(meters, TensionMeter{QStringLiteral("Park Tool TM-1"), {}, {}, {}, {}}, tm1Kind);
    QFile broken(QDir(meters).filePath(QStringLiteral("broken.json")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"name\": \"x\", \"kinds\": [{\"name\": \"k\", \"rows\": [[1, 5]]}]}");
    broken.close();

    QStringList problems;
    const std::vector<TensionMeter> loaded = LoadMeters(meters, &problems);
    const struct {
        const char* meter;
        const char* kind;
        double reading;
        double kgf;
    } cases[] = {
        {"Hanging weight", "bladed 1.4 mm", 2.55, 75},
        {"Park Tool TM-1", "1.8 mm round steel", 28, 130},
        {"Park Tool TM-1", "2.0 mm round steel", 22.5, 91},
    };
    for (const auto& c : cases) {
        const TensionMeter* meter = FindMeter(loaded, QLatin1String(c.meter));
        ASSERT_NE(meter, nullptr) << c.meter;
        const SpokeKind* kind = meter->Kind(QLatin1String(c.kind));
        ASSERT_NE(kind, nullptr) << c.kind;
        EXPECT_DOUBLE_EQ(ReadMeter(*kind, c.reading).kgf, c.kgf) << c.kind;
    }
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QLatin1String("broken.json")));
    // A file that does not read is never written over.
    EXPECT_THROW(SaveUserKind(meters, TensionMeter{QStringLiteral("broken"), {}, {}, {}, {}}, bladed), EFileWriteError);
    ASSERT_TRUE(broken.open(QIODevice::ReadOnly));
    EXPECT_TRUE(broken.readAll().contains("[[1, 5]]"));
}

TEST(TensionRound, KeptAsTextReadsBackAndTheNewestAreKept)
{
    const QDateTime time(QDate(2026, 12, 7), QTime(21, 5), Qt::UTC);
    const struct {
        const char* name;
        TensionRound round;
    } cases[] = {
        {"plain", {QStringLiteral("initial"), time, QStringLiteral("Park Tool TM-1"), QStringLiteral("2.0 mm round steel"), {22, 22.5, 23}}},
        {"spokes not read, a label with bars", {QStringLiteral("after | truing"), time, QStringLiteral("m"), QStringLiteral("k"), {std::nullopt, 17.25, std::nullopt}}},
        {"no readings yet", {QString(), time, QString(), QString(), {}}},
        {"a reading of many digits", {QStringLiteral("x"), time, QString(), QString(), {22.123456789012345}}},
    };
    for (const auto& c : cases) {
        const std::optional<TensionRound> back = RoundFromText(RoundText(c.round));
        ASSERT_TRUE(back) << c.name;
        EXPECT_EQ(back->label, c.round.label) << c.name;
        EXPECT_EQ(back->time, c.round.time) << c.name;
        EXPECT_EQ(back->meter, c.round.meter) << c.name;
        EXPECT_EQ(back->readings, c.round.readings) << c.name;
    }
    EXPECT_FALSE(RoundFromText(QStringLiteral("not a round")));
    Wheel wheel;
    std::vector<TensionRound> rounds;
    for (int i = 0; i < kKeptRounds + 2; ++i) rounds.push_back({QString::number(i), time, {}, {}, {double(i)}});
    SetRounds(wheel, rounds);
    const std::vector<TensionRound> kept = RoundsOf(wheel);
    ASSERT_EQ(kept.size(), std::size_t(kKeptRounds));
    EXPECT_EQ(kept.front().label, QStringLiteral("2"));
    EXPECT_EQ(kept.back().label, QString::number(kKeptRounds + 1));
}

TEST(TensionRound, EachSideAgainstItsOwnTarget)
{
    // Left target 80 kgf (band 64 - 96), right 120 (96 - 144).
    const std::vector<RoundSpoke> spokes{{1, true, 0}, {2, false, 1}, {3, true, 2}, {4, false, 3}, {5, true, 4}, {6, false, 5}};
    const struct {
        const char* name;
        std::vector<std::optional<double>> readings;
        std::vector<SpokeMark> marks;
        double leftMean;
        double leftSpread;
        std::vector<int> leftOutside;
        std::vector<int> rightOutside;
    } cases[] = {
        {"all within", {21, 25, 21, 25, 21, 25}, {SpokeMark::Within, SpokeMark::Within, SpokeMark::Within, SpokeMark::Within, SpokeMark::Within, SpokeMark::Within}, 77, 0, {}, {}},
        {"a slack left, a tight right", {18, 25, 21, 28, 24, 25}, {SpokeMark::Low, SpokeMark::Within, SpokeMark::Within, SpokeMark::High, SpokeMark::High, SpokeMark::Within}, 80.666666666666671, 20.171487027209693, {0, 4}, {3}},
        {"off the chart, not read", {16, std::nullopt, 21, 29, 21, 25}, {SpokeMark::BelowTable, SpokeMark::NotRead, SpokeMark::Within, SpokeMark::AboveTable, SpokeMark::Within, SpokeMark::Within}, 77, 0, {0}, {3}},
    };
    for (const auto& c : cases) {
        const TensionRound round{QString(), QDateTime(), QString(), QString(), c.readings};
        const RoundFigures f = FiguresOf(round, &Tm1Steel(), spokes, 80, 120);
        EXPECT_EQ(f.marks, c.marks) << c.name;
        EXPECT_NEAR(f.left.mean, c.leftMean, 1e-9) << c.name;
        EXPECT_NEAR(f.left.spread, c.leftSpread, 1e-9) << c.name;
        EXPECT_EQ(f.left.outside, c.leftOutside) << c.name;
        EXPECT_EQ(f.right.outside, c.rightOutside) << c.name;
    }
}
