#include "lacing/lacing_generation.h"
#include "lacing/lacing_steps.h"
#include "lacing/lacing_table.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <memory>
#include <set>

using namespace rimora;

namespace {

struct StepsCase {
    const char* name;
    int hub, rim, leftCross, rightCross;
    int hubKind;
    int valveAfter;
    std::vector<int> groups;  // spokes per group, in lacing order
    bool keyLeft;             // the flange of the key spoke
    StepHead firstHead;       // of the first group
    bool covered;
};

void PrintTo(const StepsCase& c, std::ostream* os)
{
    *os << c.name;
}

class Steps : public testing::TestWithParam<StepsCase> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

// Hub 32, rim 36: the lacing leaves rim holes bare; 18 holes: flanges of 9
// cannot alternate, which the steps do not cover.
const StepsCase kCases[] = {
    {"holes36cross3", 36, 36, 3, 3, JBendHub, 0, {9, 9, 9, 9}, false, StepHead::Out, true},
    {"holes32cross3", 32, 32, 3, 3, JBendHub, 0, {8, 8, 8, 8}, false, StepHead::Out, true},
    {"holes28cross2", 28, 28, 2, 2, JBendHub, 0, {7, 7, 7, 7}, false, StepHead::Out, true},
    {"radialRightCross3Left", 32, 32, 3, 0, JBendHub, 0, {8, 8, 16}, true, StepHead::Out, true},
    {"hub32rim36", 32, 36, 3, 3, JBendHub, 0, {8, 8, 8, 8}, false, StepHead::Out, true},
    {"straightPull32", 32, 32, 3, 3, StraightPullHub, 0, {8, 8, 8, 8}, false, StepHead::None, true},
    {"valveAfterHole17", 36, 36, 3, 3, JBendHub, 17, {9, 9, 9, 9}, false, StepHead::Out, true},
    {"holes18cannotAlternate", 18, 18, 1, 1, JBendHub, 0, {}, false, StepHead::Out, false},
};

TEST_P(Steps, FollowTheStandardOrder)
{
    const StepsCase& c = GetParam();
    GridModel table(kLacingColCount, kLacingInitialRowCount);
    WriteHeadings(table);
    LaceTable(table, c.hub, c.rim, c.leftCross, c.rightCross);
    Wheel wheel;
    wheel.hubHoles = c.hub;
    wheel.rimHoles = c.rim;
    wheel.leftCross = c.leftCross;
    wheel.rightCross = c.rightCross;
    wheel.hubKind = c.hubKind;
    wheel.valveAfter = c.valveAfter;

    const LacingSteps steps = StepsOf(table, wheel);
    EXPECT_EQ(steps.note.isEmpty(), c.covered) << steps.note.toStdString();
    EXPECT_EQ(StepsCoverage(table, wheel), steps.note);
    ASSERT_FALSE(steps.steps.empty());
    EXPECT_EQ(steps.steps[0].kind, StepKind::Valve);
    if (!c.covered) {
        EXPECT_EQ(steps.steps.size(), 1u);
        return;
    }
    ASSERT_EQ(steps.steps.size(), c.groups.size() + 2);

    // The key spoke: of the first group, in the rim hole beside the valve.
    const LacingStep& key = steps.steps[1];
    ASSERT_EQ(key.Count(), 1);
    const StepSpoke k = key.spokes[0];
    EXPECT_EQ(k.left, c.keyLeft);
    const int after = c.valveAfter == 0 ? c.rim : c.valveAfter;
    const int besides[] = {after, after % c.rim + 1, (after + c.rim - 2) % c.rim + 1, (after + 1) % c.rim + 1};
    // Beside the valve where a spoke of its group stands there; at most one
    // hole further (a bare hole or the other flange's spoke between).
    EXPECT_TRUE(std::find(std::begin(besides), std::end(besides), k.rim) != std::end(besides)) << k.rim;

    std::set<int> hubs;
    for (std::size_t g = 0; g < c.groups.size(); ++g) {
        const LacingStep& step = steps.steps[g + 2];
        EXPECT_EQ(step.Count(), c.groups[g]) << "group " << g;
        // One flange, one direction, one head in each group.
        for (const StepSpoke& s : step.spokes) {
            EXPECT_EQ(s.left, step.spokes[0].left) << "group " << g;
            EXPECT_EQ(s.lay, step.spokes[0].lay) << "group " << g;
            EXPECT_EQ(s.head, step.spokes[0].head) << "group " << g;
            EXPECT_TRUE(hubs.insert(s.hub).second) << "hub hole " << s.hub << " laced twice";
        }
        EXPECT_EQ(step.turnHubFirst, step.spokes[0].lay == StepLay::Leading
                                         && steps.steps[g + 1].spokes[0].lay != StepLay::Leading);
    }
    EXPECT_EQ(static_cast<int>(hubs.size()), std::min(c.hub, c.rim));
    const LacingStep& first = steps.steps[2];
    EXPECT_EQ(first.spokes[0].hub, k.hub) << "the key spoke leads its group";
    EXPECT_EQ(first.spokes[0].head, c.firstHead);
    EXPECT_EQ(first.spokes[0].lay, c.rightCross > 0 || c.leftCross > 0 ? StepLay::Trailing : StepLay::Radial);
    // Crossed sides: trailing groups before leading groups, right before left.
    if (c.groups.size() == 4) {
        const StepLay lays[] = {StepLay::Trailing, StepLay::Trailing, StepLay::Leading, StepLay::Leading};
        const bool lefts[] = {false, true, false, true};
        for (int g = 0; g < 4; ++g) {
            EXPECT_EQ(steps.steps[g + 2].spokes[0].lay, lays[g]) << "group " << g;
            EXPECT_EQ(steps.steps[g + 2].spokes[0].left, lefts[g]) << "group " << g;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Wheels, Steps, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<StepsCase>& info) { return std::string(info.param.name); });

// What the text of a step must say for the builder to follow it.
TEST(StepsText, NamesTheValveTheKeyAndTheWeave)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Row {
        int step;
        const char* says;
    };
    const Row rows[] = {
        {0, "between rim holes 36 and 1"},
        {1, "beside the valve hole"},
        {2, "They cross nothing yet."},
        {4, "Turn the hub clockwise"},
        {4, "over the first 2 trailing spokes of its flange it crosses and under the last"}, {3, "9 spokes"},
        {5, "Turn the wheel over"},
        {4, "Turn the wheel back over"},
    };
    GridModel table(kLacingColCount, kLacingInitialRowCount);
    WriteHeadings(table);
    LaceTable(table, 36, 36, 3, 3);
    Wheel wheel;
    wheel.hubHoles = wheel.rimHoles = 36;
    const LacingSteps steps = StepsOf(table, wheel);
    for (const Row& r : rows)
        EXPECT_TRUE(steps.steps.at(static_cast<std::size_t>(r.step)).text.contains(QString::fromUtf8(r.says)))
            << r.step << ": " << steps.steps[static_cast<std::size_t>(r.step)].text.toStdString();
}

}  // namespace
