#include "platform/errors.h"
#include "spokes/spoke_bill.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace rimora;
using namespace rimora::test;

namespace {

struct Row {
    QString hub;     // ->H
    QString length;  // Length
};

// Texts are written in point notation and swapped to the region's own
// ("1,234.5" becomes "1.234,5" where the comma is decimal).
QString Regional(QString text)
{
    if (QLocale().decimalPoint() != QStringLiteral(",")) return text;
    for (QChar& ch : text) {
        if (ch == QLatin1Char('.')) ch = QLatin1Char(',');
        else if (ch == QLatin1Char(',')) ch = QLatin1Char('.');
    }
    return text;
}

std::unique_ptr<GridModel> TableOf(const std::vector<Row>& rows)
{
    auto table = std::make_unique<GridModel>(5, static_cast<int>(rows.size()) + 1);
    GridModel& grid = *table;
    grid.SetRowFromCommaText(0, "HUB,->R,RIM,->H,Length");
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
        grid.SetCells(2, r, Hole(r));
        grid.SetCells(3, r, rows[r - 1].hub);
        grid.SetCells(4, r, Regional(rows[r - 1].length));
    }
    return table;
}

QStringList Bill(const std::vector<Row>& rows)
{
    QStringList lines{"description"};
    BuildSpokeSummary(*TableOf(rows), lines);
    EXPECT_EQ(lines.value(0), "description");
    return lines.mid(1);
}

QStringList Expected(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* line : lines) out << Regional(QString::fromLatin1(line));
    return out;
}

}  // namespace

TEST(SpokeBill, Cases)
{
    std::vector<Row> defaults;
    for (int r = 1; r <= 36; ++r) defaults.push_back({Hole(CrossedHubHole(r, 36, 3, 3)), r % 2 ? "285.4" : "284.6"});
    std::vector<Row> twoGroups;
    for (int r = 1; r <= 36; ++r) twoGroups.push_back({Hole(r <= 20 ? 2 * r - 1 : 2 * r), r <= 20 ? "290.0" : "292.0"});
    std::vector<Row> manyLengths;  // more distinct lengths than the laced rows can give
    for (int r = 1; r <= 40; ++r) manyLengths.push_back({Hole(r), QString::number(289 - r + 1) + ".0"});

    struct Case {
        const char* name;
        std::vector<Row> rows;
        QStringList bill;
    };
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        const Case cases[] = {
            {"default wheel", defaults,
             Expected({"284.6mm * 18 pcs", "285.4mm * 18 pcs +0.8mm", "", "difference: 0.8mm", "Average: 285.0mm", "",
                       " Left Side:18 pcs", "Right Side:18 pcs", "     Total:36 pcs"})},
            {"a single spoke", {{"07", "301.2"}},
             Expected({"301.2mm * 1 pcs", "", "difference: 0.0mm", "Average: 301.2mm", "", " Left Side:1 pcs",
                       "Right Side:0 pcs", "     Total:1 pcs"})},
            {"grouped as shown, unsorted in the table", {{"12", "290.0"}, {"01", "287.5"}, {"03", "290.0"}},
             Expected({"287.5mm * 1 pcs", "290.0mm * 2 pcs +2.5mm", "", "difference: 2.5mm", "Average: 288.8mm", "",
                       " Left Side:2 pcs", "Right Side:1 pcs", "     Total:3 pcs"})},
            {"laced rows without length and unlaced rows",
             {{"07", ""}, {"32", "284.6"}, {"-", ""}, {"", ""}, {" 9", ""}, {"-", "284.6"}},
             Expected({"284.6mm * 2 pcs", "", "difference: 0.0mm", "Average: 284.6mm", "", " Left Side:2 pcs",
                       "Right Side:1 pcs", "     Total:3 pcs"})},
            {"by value, not by text", {{"01", "100.0"}, {"02", "99.5"}},
             Expected({"99.5mm * 1 pcs", "100.0mm * 1 pcs +0.5mm", "", "difference: 0.5mm", "Average: 99.8mm", "",
                       " Left Side:1 pcs", "Right Side:1 pcs", "     Total:2 pcs"})},
            {"a metre and more, grouped", {{"01", "1,234.5"}, {"02", "290.0"}},
             Expected({"290.0mm * 1 pcs", "1,234.5mm * 1 pcs +944.5mm", "", "difference: 944.5mm",
                       "Average: 762.3mm", "", " Left Side:1 pcs", "Right Side:1 pcs", "     Total:2 pcs"})},
            {"mean of the distinct lengths", twoGroups,
             Expected({"290.0mm * 20 pcs", "292.0mm * 16 pcs +2.0mm", "", "difference: 2.0mm", "Average: 291.0mm",
                       "", " Left Side:20 pcs", "Right Side:16 pcs", "     Total:36 pcs"})},
        };
        for (const Case& c : cases) EXPECT_EQ(Bill(c.rows), c.bill) << c.name << region.name().toStdString();

        const QStringList many = Bill(manyLengths);
        ASSERT_EQ(many.size(), 40 + 7);
        EXPECT_EQ(many[0], Regional("250.0mm * 1 pcs"));
        EXPECT_EQ(many[39], Regional("289.0mm * 1 pcs +1.0mm"));
        EXPECT_EQ(many[41], Regional("difference: 39.0mm"));
    }
}

TEST(SpokeBill, RefusesWhatItCannotListAndAppendsNothing)
{
    struct Case {
        const char* name;
        QLocale region;
        std::vector<Row> rows;
        bool convertError;  // else: nothing to list, and the message says why
        const char* says = "";
    };
    const Case cases[] = {
        {"no length at all", PointRegion(), {{"07", ""}, {"-", ""}}, false, "Press \"Calc!\""},
        {"empty table", PointRegion(), {}, false, "no laced spoke"},
        {"every link cleared", PointRegion(), {{"-", ""}, {"", ""}}, false, "no laced spoke"},
        {"text typed as length", PointRegion(), {{"07", "285.4"}, {"32", "long"}}, true},
        {"misplaced grouping", PointRegion(), {{"07", "1,23.4"}}, true},
        {"other region's decimal point", CommaRegion(), {{"07", "285,4"}}, true},  // reads "285.4" there
        {"hub hole that is no number", PointRegion(), {{"07", "285.4"}, {"abc", ""}}, true},
    };
    for (const Case& c : cases) {
        ScopedLocale scoped(c.region);
        const auto grid = TableOf(c.rows);
        QStringList lines{"description", ""};
        try {
            BuildSpokeSummary(*grid, lines);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EConvertError&) {
            EXPECT_TRUE(c.convertError) << c.name;
        } catch (const EWheelInputError& e) {
            EXPECT_FALSE(c.convertError) << c.name;
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.says))) << e.what();
            EXPECT_TRUE(e.Message().contains("\"Summary!\"")) << e.what();
        }
        EXPECT_EQ(lines, QStringList({"description", ""})) << c.name;
    }
}
