#include "platform/number_text.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rimora;
using rimora::test::ScopedLocale;

namespace {

enum Region { Comma, C };
using Kind = QString (*)(double, Marks);
QString Length(double v, Marks m) { return LengthText(v, m); }
QString Angle(double v, Marks m) { return AngleText(v, m); }
QString Json2(double v, Marks m) { return DecimalText(v, 2, m); }
constexpr Marks kGrouped = Marks::Region;
constexpr Marks kLine = Marks::RegionUngrouped;
constexpr Marks kPoint = Marks::Point;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(NumberText, EachKindRoundsHalfAwayFromZeroWithTheMarksOfWhereItGoes)
{
    struct Row { Region region; Kind kind; Marks marks; double value; const char* text; };
    const Row rows[] = {
        {Comma, SpokeLengthText, kGrouped, 305.74999999999994, "305,8"},
        {Comma, SpokeLengthText, kPoint, 305.74999999999994, "305.8"},
        {Comma, Length, kGrouped, 284.25, "284,3"},
        {Comma, Length, kGrouped, 285.24999999999997, "285,2"},
        {Comma, Length, kGrouped, -0.04, "0,0"},
        {Comma, Length, kGrouped, kNan, "0,0"},
        {Comma, Length, kLine, 1234.56, "1234,6"},
        {Comma, Length, kPoint, 1234.56, "1234.6"},
        {Comma, Length, kPoint, -0.04, "-0.0"},
        {Comma, OrderLengthText, kGrouped, 1236.0, "1.236"},
        {Comma, OrderLengthText, kLine, 1236.0, "1236"},
        {Comma, OrderLengthText, kPoint, 2.5, "3"},
        {Comma, Angle, kLine, 5.45, "5,5"},
        {Comma, Angle, kPoint, 5.45, "5.5"},
        {Comma, Json2, kPoint, 5.625, "5.63"},
        {Comma, TensionText, kGrouped, 1180.06, "1.180,1"},
        {Comma, TensionText, kLine, 98.75, "98,8"},
        {C, Length, kGrouped, 1234.56, "1,234.6"},
        {C, TensionText, kPoint, 120.0, "120.0"},
        {C, Json2, kGrouped, 0.005, "0.01"},
    };
    for (const Row& row : rows) {
        ScopedLocale region(row.region == Comma ? rimora::test::CommaRegion() : QLocale::c());
        EXPECT_EQ(row.kind(row.value, row.marks), QString::fromUtf8(row.text))
            << row.value << (row.region == Comma ? " in a comma region" : " in C");
    }
}
