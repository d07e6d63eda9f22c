// Which texts the lengths and the summary read, in which order, and what the
// first one that does not convert is called.
#include "spokes/wheel_numbers.h"
#include "spokes_lacing_tables.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rimora;
using namespace rimora::test;

namespace {

std::vector<WheelField> FieldsOf(const std::vector<FieldText>& texts)
{
    std::vector<WheelField> fields;
    for (const FieldText& t : texts) fields.push_back(t.field);
    return fields;
}

WheelTexts Wheel(const QString& hub, const QString& rim, const QString& angle)
{
    WheelTexts t;
    t.lengths = DefaultWheel();
    t.lengths.hubHoles = hub;
    t.lengths.rimHoles = rim;
    t.lengths.angleDifference = angle;
    t.leftCross = t.rightCross = QStringLiteral("3");
    t.rimOffset = QStringLiteral("0");
    t.tension = QStringLiteral("120");
    t.spokeDiameter = QStringLiteral("2");
    t.orderStep = QStringLiteral("2");
    return t;
}

}  // namespace

// The angle difference counts only where the hole counts differ: with equal
// counts the lengths set it to 0 and never read what was typed.
TEST(WheelFields, TheFirstTextThatDoesNotConvertAmongThoseReadBeforeAnyLength)
{
    ScopedLocale region(PointRegion());
    const struct {
        const char* name;
        WheelTexts texts;
        std::optional<WheelField> lengths;  // first unreadable for "Calc!"
        std::optional<WheelField> summary;  // and for "Summary!"
        const char* message;                // of the lengths' problem
    } cases[] = {
        {"all good", Wheel("36", "36", "0"), std::nullopt, std::nullopt, ""},
        {"equal counts, angle not read", Wheel("36", "36", "half"), std::nullopt, std::nullopt, ""},
        {"counts differ, angle read", Wheel("32", "36", "half"), WheelField::AngleDifference,
         WheelField::AngleDifference, "angle difference: 'half' is not a number (decimal mark '.')"},
        {"no hub count", Wheel("", "36", "0"), WheelField::HubHoles, std::nullopt,
         "HUB: choose the number of holes."},
        {"no rim count, angle bad too", Wheel("36", "", "x"), WheelField::RimHoles, WheelField::AngleDifference,
         "RIM: choose the number of holes."},
        {"count not whole", Wheel("36", "36.0", "0"), WheelField::RimHoles, WheelField::RimHoles,
         "RIM: '36.0' is not a whole number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<FieldProblem> lengths =
            FirstUnreadable(LengthFieldTexts(c.texts.lengths, c.texts.rimOffset));
        const std::optional<FieldProblem> summary = FirstUnreadable(WheelFieldTexts(c.texts));
        EXPECT_EQ(lengths ? std::optional(lengths->field) : std::nullopt, c.lengths);
        EXPECT_EQ(summary ? std::optional(summary->field) : std::nullopt, c.summary);
        EXPECT_EQ(lengths ? lengths->message : QString(), QString::fromUtf8(c.message));
    }
}

// The summary reads the texts in the order of the "Data" tab, so the input it
// names is the topmost bad one.
TEST(WheelFields, TheSummaryReadsInTheOrderOfTheDataTab)
{
    std::vector<WheelField> tab(std::begin(kAllWheelFields), std::end(kAllWheelFields));
    EXPECT_EQ(FieldsOf(WheelFieldTexts(Wheel("32", "36", "0"))), tab);
    tab.pop_back();  // equal counts: no angle difference
    EXPECT_EQ(FieldsOf(WheelFieldTexts(Wheel("36", "36", "0"))), tab);
}

// What the message says is expected follows the region: a comma region names
// its comma, a point still reads where it cannot group thousands, and a text
// that may be a group or a decimal is answered with both ways to write it.
TEST(WheelFields, TheExpectedDecimalMarkIsTheRegions)
{
    ScopedLocale region(CommaRegion());
    EXPECT_EQ(UnreadableText(WheelField::LeftOffset, QStringLiteral("27.5")), QString());
    EXPECT_EQ(UnreadableText(WheelField::Erd, QStringLiteral("59o")),
              QStringLiteral("ERD: '59o' is not a number (decimal mark ',')"));
    EXPECT_EQ(UnreadableText(WheelField::Erd, QStringLiteral("1.590")),
              QStringLiteral("ERD: '1.590' could be 1590 or 1,59: write 1590 or 1,59"));
    EXPECT_EQ(UnreadableText(WheelField::LeftCross, QStringLiteral("3,5")),
              QStringLiteral("CL, left cross: '3,5' is not a whole number"));
}
