// The file's edge of the wheel: records read once into typed values, a text
// that does not read remembered with the message that names it, and which
// inputs the lengths and the summary need, in which order.
#include "persist/profile_file.h"
#include "support/file_bytes.h"
#include "support/scoped_locale.h"
#include "wheel/wheel_reading.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

WheelReading Read(const QByteArray& records)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.prl"));
    WriteBytes(path, "[MainF]\n" + records);
    return ReadWheelRecords(ProfileFile(path), QStringLiteral("MainF"));
}

}  // namespace

// A record as a file holds it and what the wheel holds for it; an absent or
// unreadable one keeps the design value.
TEST(WheelReading, EveryKindOfRecordReadOnce)
{
    ScopedLocale region(CommaRegion());
    const Wheel design;
    const WheelReading r =
        Read("TyCB=3\nHubCB=1\nRimCB=7\nErdE=601.5\nWLE=27,25\nAdE=1.590\nRNCB=0\nSsd=5\nTensionE=x\nOrderStepCB=0\n");
    const Wheel& w = r.wheel;
    EXPECT_EQ(BeadSeat(w), 584);
    EXPECT_EQ(RimTypeName(w), QStringLiteral("650B:584"));
    EXPECT_EQ(w.hubHoles, 32);
    EXPECT_EQ(w.rimHoles, 0);  // an index beyond the list: nothing chosen
    EXPECT_DOUBLE_EQ(w.erd, 601.5);          // a point file read in a comma region
    EXPECT_DOUBLE_EQ(w.leftOffset, 27.25);
    EXPECT_DOUBLE_EQ(w.rightOffset, design.rightOffset);  // absent
    EXPECT_FALSE(w.style.numbers);
    EXPECT_EQ(w.style.sideIndex, -1);
    EXPECT_EQ(w.orderStep, 1);
    EXPECT_DOUBLE_EQ(w.tension, design.tension);
    EXPECT_EQ(r.Problem(WheelField::Tension), QStringLiteral("Tension: 'x' is not a number (decimal mark ',')"));
    EXPECT_DOUBLE_EQ(w.angleDifference, 1.59);  // a file's point is its decimal mark
    EXPECT_EQ(r.Problem(WheelField::RimHoles), QStringLiteral("RIM: choose the number of holes."));
    EXPECT_EQ(r.Problem(WheelField::Erd), QString());
}

// The angle difference counts only where the hole counts differ; a hole count
// not chosen is the summary's own message, not one of its fields.
TEST(WheelReading, TheFirstUnreadableFieldForLengthsAndSummary)
{
    ScopedLocale region(PointRegion());
    using F = WheelField;
    const struct {
        const char* records;
        std::optional<F> lengths;
        std::optional<F> summary;
    } cases[] = {
        {"HubCB=0\nRimCB=0\nAdE=half\n", std::nullopt, std::nullopt},
        {"HubCB=1\nRimCB=0\nAdE=half\n", F::AngleDifference, F::AngleDifference},
        {"RimCB=0\n", F::HubHoles, std::nullopt},
        {"HubCB=0\nAdE=x\nTensionE=0x\n", F::RimHoles, F::Tension},
        {"HubCB=0\nRimCB=0\nRimOffE=?\nShE=s\n", F::SpokeHole, F::SpokeHole},
    };
    for (const auto& c : cases) {
        const WheelReading r = Read(c.records);
        const auto first = [&r](const std::vector<F>& fields) {
            const std::optional<FieldProblem> p = r.FirstUnreadable(fields);
            return p ? std::optional(p->field) : std::nullopt;
        };
        EXPECT_EQ(first(LengthFields(r.wheel)), c.lengths) << c.records;
        EXPECT_EQ(first(SummaryFields(r.wheel)), c.summary) << c.records;
    }
    Wheel unequal;
    unequal.hubHoles = 32;
    unequal.rimHoles = 36;
    const std::vector<F> tab(std::begin(kAllWheelFields), std::end(kAllWheelFields));
    EXPECT_EQ(SummaryFields(unequal), tab);  // the order of the "Data" tab
}

// What the message says is expected follows the region: a comma region names
// its comma, a point still reads where it cannot group thousands, and a text
// that may be a group or a decimal is answered with both ways to write it.
TEST(WheelReading, TheExpectedDecimalMarkIsTheRegions)
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
