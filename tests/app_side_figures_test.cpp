// Each side's own lines after the spoke bill, through the real "Summary!" of
// the real main window: the rim offset, bracing angles, tension balance and the
// lengths to order; the locknut dialog; a wheel that cannot be built; an old
// profile that knows nothing of these inputs.
#include "app/locknut_dialog.h"
#include "app_window_fixture.h"
#include "platform/convert.h"
#include "spokes/side_figures.h"

#include <QLayout>
#include <QLineEdit>
#include <cmath>

namespace rimora::test {
namespace {

using SideFiguresWindowTest = AppWindowTest;

QStringList MemoLines(const TSumF& s)
{
    QStringList lines = s.Memo1->Text().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // every line ends with a break
    return lines;
}

// "27.5" written the way the current region writes it.
QString Dec(const QString& pointText)
{
    return QString(pointText).replace('.', QLocale().decimalPoint());
}

struct WorkedExample {
    const char* name;
    const char* erd;
    const char* flange;  // both flanges
    const char* wl;
    const char* wr;
    const char* spokeHole;
    const char* rimOffset;
    // Expected: the published worked figures of these wheels.
    const char* leftLength;
    const char* rightLength;
    double leftBracing;   // degrees, to two decimals
    double rightBracing;
    double slackRatio;    // T_left / T_right, to three decimals (0 when only the tension is given)
    const char* leftTension;  // kgf with 120 kgf on the tighter right side, one decimal
    // The length to order in 2 mm steps: the nearest size to the length less its stretch.
    const char* leftOrder;
    const char* rightOrder;
};

constexpr WorkedExample kWorkedExamples[] = {
    {"ERD 537, rim offset 3", "537", "45", "37.5", "17.5", "2.4", "3", "259.1", "257.6", 7.62, 4.54, 0.598, "71.7",
     "258", "258"},
    {"default wheel, offset 0", "590", "41", "27.5", "18.1", "2.5", "0", "285.4", "284.6", 5.51, 3.63, 0, "79.2",
     "286", "284"},
    {"default wheel, offset 2", "590", "41", "27.5", "18.1", "2.5", "2", "285.2", "284.8", 5.11, 4.03, 0, "94.7",
     "284", "284"},
};

// Every worked example in a point and a comma region: the nineteen lines stay
// the bill of the offset lengths, then a blank line and one line per side.
TEST_F(SideFiguresWindowTest, WorkedExamplesThroughTheSummaryButton)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        for (const WorkedExample& e : kWorkedExamples) {
            SCOPED_TRACE(std::string(e.name) + " in " + region.name().toStdString());
            Start();
            TMainF& f = *mainF;
            f.erdEdit->SetText(e.erd);
            f.leftFlangeEdit->SetText(e.flange);
            f.rightFlangeEdit->SetText(e.flange);
            f.leftOffsetEdit->SetText(Dec(e.wl));
            f.rightOffsetEdit->SetText(Dec(e.wr));
            f.spokeHoleEdit->SetText(Dec(e.spokeHole));
            f.StoredControl<TEdit>("RimOffE")->SetText(Dec(e.rimOffset));
            LaceWheel(f, "36", "36");
            desktop.errors.clear();

            Click(f.summaryButton);
            ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
            const QStringList lines = MemoLines(*sumF);
            const bool offset = QString(e.rimOffset) != "0";
            // Then a blank line and a line per size to order: one when both sides order the same.
            const int sizes = 1 + (QString(e.leftOrder) == QString(e.rightOrder) ? 1 : 2);
            ASSERT_EQ(lines.size(), 22 + (offset ? 1 : 0) + sizes) << lines.join('\n').toStdString();
            EXPECT_EQ(lines[5], "WL:" + Dec(e.wl) + " mm  WR:" + Dec(e.wr) + " mm");  // as typed, not WL'
            EXPECT_EQ(lines[10], Dec(e.rightLength) + "mm * 18 pcs");
            EXPECT_TRUE(lines[11].startsWith(Dec(e.leftLength) + "mm * 18 pcs +")) << lines[11].toStdString();
            EXPECT_EQ(lines[19], "");

            const auto degrees = [](double d) { return FormatFloat("#,##0.0", d) + QString::fromUtf8("°"); };
            EXPECT_EQ(lines[20], "Left : 18 pcs 3 cross  length " + Dec(e.leftLength) + "mm  order " + e.leftOrder
                                     + "mm  bracing " + degrees(e.leftBracing) + "  tension " + Dec(e.leftTension) + "kgf");
            EXPECT_EQ(lines[21], "Right: 18 pcs 3 cross  length " + Dec(e.rightLength) + "mm  order " + e.rightOrder
                                     + "mm  bracing " + degrees(e.rightBracing) + "  tension " + Dec("120.0") + "kgf");
            if (offset) {
                EXPECT_TRUE(lines[22].startsWith("Rim holes " + Dec(QString(e.rimOffset) + ".0") + "mm to the left: "))
                    << lines[22].toStdString();
            }
            // The table shows the offset lengths too, each side its own.
            EXPECT_EQ(f.lacingGrid->Cells(4, 1), Dec(e.leftLength));
            EXPECT_EQ(f.lacingGrid->Cells(4, 2), Dec(e.rightLength));

            // The figures behind the lines, to the worked figures' precision, from the
            // same texts and table as the window used.
            const Wheel numbers = f.CurrentWheel().wheel;
            const WheelSides sides = CalcWheelSides(f.lacingGrid->Model(), numbers);
            ASSERT_EQ(sides.lines.size(), 2u);
            const SideFigures& left = sides.lines[0];
            const SideFigures& right = sides.lines[1];
            EXPECT_NEAR(left.bracingDegrees, e.leftBracing, 0.005);
            EXPECT_NEAR(right.bracingDegrees, e.rightBracing, 0.005);
            if (e.slackRatio > 0) {
                EXPECT_NEAR(left.tension / right.tension, e.slackRatio, 0.0005);
            }
            EXPECT_NEAR(left.tension, QString(e.leftTension).toDouble(), 0.05);
            EXPECT_EQ(right.tension, 120.0);
            EXPECT_FALSE(sides.weightedByCounts);
            Stop();
        }
    }
}

// Offset 0 gives today's lengths to the last bit: the table equals that of a
// window where the offset was never touched, and an offset moves the lengths
// exactly as typing WL - offset and WR + offset would.
TEST_F(SideFiguresWindowTest, RimOffsetMovesTheLengthsAsTheOffsetsWouldAndZeroChangesNothing)
{
    const auto column = [&] {
        Click(mainF->calcButton);
        EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
        QStringList cells;
        for (int row = 1; row <= 32; ++row) cells << mainF->lacingGrid->Cells(4, row);
        return cells;
    };
    const auto lengths = [&](const QString& wl, const QString& wr, const QString& offset) {
        mainF->leftOffsetEdit->SetText(wl);
        mainF->rightOffsetEdit->SetText(wr);
        mainF->StoredControl<TEdit>("RimOffE")->SetText(offset);
        return column();
    };
    Start();
    LaceWheel(*mainF, "32", "32");
    const QStringList untouched = column();
    const QStringList today = lengths("27.5", "18.1", "0");
    EXPECT_EQ(today, untouched);
    EXPECT_EQ(lengths("27.5", "18.1", "0.0"), today);
    for (const char* offset : {"1.5", "2", "3.75", "9"}) {
        SCOPED_TRACE(offset);
        const double d = QString(offset).toDouble();
        const QStringList moved = lengths("27.5", "18.1", offset);
        EXPECT_NE(moved, today);
        EXPECT_EQ(moved, lengths(QString::number(27.5 - d), QString::number(18.1 + d), "0"));
    }
    // WR the larger: the holes go toward the right.
    EXPECT_EQ(lengths("18.1", "27.5", "2"), lengths("20.1", "25.5", "0"));
}

// A wheel that cannot be built: a message naming the input, nothing computed,
// the memo and the table as they were.
TEST_F(SideFiguresWindowTest, ImpossibleWheelIsReportedByItsInputBeforeAnythingChanges)
{
    struct Case {
        const char* name;
        std::function<void(TMainF&)> set;
        const char* named;
    } cases[] = {
        {"offset as large as WL", [](TMainF& f) { f.StoredControl<TEdit>("RimOffE")->SetText("27.5"); }, "Rim offset"},
        {"offset beyond WL", [](TMainF& f) { f.StoredControl<TEdit>("RimOffE")->SetText("40"); }, "Rim offset"},
        {"negative offset", [](TMainF& f) { f.StoredControl<TEdit>("RimOffE")->SetText("-1"); }, "Rim offset"},
        {"offset not a number", [](TMainF& f) { f.StoredControl<TEdit>("RimOffE")->SetText("2mm"); }, "Rim offset"},
        {"zero tension", [](TMainF& f) { f.StoredControl<TEdit>("TensionE")->SetText("0"); }, "Tension"},
        {"negative tension", [](TMainF& f) { f.StoredControl<TEdit>("TensionE")->SetText("-120"); }, "Tension"},
        {"zero spoke diameter", [](TMainF& f) { f.StoredControl<TEdit>("SpokeDiaE")->SetText("0"); }, "Spoke Ø"},
        {"spoke diameter not a number", [](TMainF& f) { f.StoredControl<TEdit>("SpokeDiaE")->SetText("2,0,0"); }, "Spoke Ø"},
        {"right flange on the centre plane", [](TMainF& f) { f.rightOffsetEdit->SetText("0"); },
         "WR, width from center to right flange"},
    };
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    const QString memo = sumF->Memo1->Text();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMainF& f = *mainF;
        f.rightOffsetEdit->SetText("18.1");
        f.StoredControl<TEdit>("RimOffE")->SetText("0");
        f.StoredControl<TEdit>("TensionE")->SetText("120");
        f.StoredControl<TEdit>("SpokeDiaE")->SetText("2");
        // Lengths that no calculation would write, to see that none ran.
        for (int row = 1; row <= 36; ++row) f.lacingGrid->SetCells(4, row, "1.0");
        c.set(f);
        desktop.errors.clear();
        Click(f.summaryButton);
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors[0].startsWith(QString::fromUtf8(c.named) + ":")) << desktop.errors[0].toStdString();
        EXPECT_EQ(sumF->Memo1->Text(), memo);
        EXPECT_EQ(f.lacingGrid->Cells(4, 1), "1.0");
        EXPECT_EQ(f.lacingGrid->Cells(4, 36), "1.0");
    }
}

// A profile written before these inputs existed opens with their defaults and
// gives the very lengths and nineteen lines it always gave.
TEST_F(SideFiguresWindowTest, OldProfileOpensWithTheDefaultsAndTheSameLengthsAndSummary)
{
    Start();
    LaceWheel(*mainF, "32", "36");
    mainF->erdEdit->SetText("602");
    mainF->leftOffsetEdit->SetText("35.2");
    mainF->rightOffsetEdit->SetText("19.6");
    Click(mainF->summaryButton);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    const QStringList before = MemoLines(*sumF);
    QStringList lengths;
    for (int row = 1; row <= 36; ++row) lengths << mainF->lacingGrid->Cells(4, row);
    desktop.saveAnswers.push_back(Path("wheel.prl"));
    Click(mainF->saveButton);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();

    // The same file as an older build wrote it: without the records that came
    // after the side choice.
    QByteArray bytes = Bytes(Path("wheel.prl"));
    for (const char* key : {"RimOffE", "TensionE", "SpokeDiaE", "OrderStepCB", "HNCB"}) {
        const qsizetype at = bytes.indexOf(QByteArray(key) + '=');
        ASSERT_GE(at, 0) << key;
        bytes.remove(at, bytes.indexOf('\n', at) - at + 1);
    }
    ASSERT_TRUE(bytes.trimmed().endsWith("Ssd=0"));
    WriteBytes(Path("old.prl"), bytes);

    Restart();
    mainF->StoredControl<TEdit>("RimOffE")->SetText("4");
    mainF->StoredControl<TEdit>("TensionE")->SetText("95");
    mainF->StoredControl<TEdit>("SpokeDiaE")->SetText("1.8");
    mainF->StoredControl<TComboBox>("OrderStepCB")->SetItemIndex(0);
    desktop.openAnswers.push_back(Path("old.prl"));
    Click(mainF->openButton);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_EQ(mainF->StoredControl<TEdit>("RimOffE")->Text(), "0");
    EXPECT_EQ(mainF->StoredControl<TEdit>("TensionE")->Text(), "120");
    EXPECT_EQ(mainF->StoredControl<TEdit>("SpokeDiaE")->Text(), "2");
    EXPECT_EQ(mainF->StoredControl<TComboBox>("OrderStepCB")->Text(), "2");
    Click(mainF->summaryButton);
    ASSERT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    QStringList after = MemoLines(*sumF);
    QStringList lengthsAfter;
    for (int row = 1; row <= 36; ++row) lengthsAfter << mainF->lacingGrid->Cells(4, row);
    EXPECT_EQ(lengthsAfter, lengths);
    ASSERT_GE(after.size(), 19);
    EXPECT_EQ(after.mid(1, 18), before.mid(1, 18));  // line 1 names the profile
    EXPECT_EQ(after.first(), "old.prl");
    EXPECT_EQ(after.mid(19), before.mid(19));
}

// "From locknut…": the real dialog, answered without running it modally.
TEST_F(SideFiguresWindowTest, LocknutDialogWritesBothOffsetsAndCancelChangesNothing)
{
    struct Answer {
        const char* old;
        const char* left;
        const char* right;
        bool ok;
    };
    std::vector<Answer> answers;
    std::vector<QString> reported;
    Start();
    mainF->AskLocknutOffsets = [&]() -> std::optional<FlangeOffsets> {
        LocknutDialog dialog(mainF.get());
        const Answer a = answers.front();
        answers.erase(answers.begin());
        dialog.OldE->setText(Dec(a.old));
        dialog.LeftE->setText(Dec(a.left));
        dialog.RightE->setText(Dec(a.right));
        if (a.ok)
            dialog.accept();
        else
            dialog.reject();
        if (dialog.result() != QDialog::Accepted) return std::nullopt;
        return dialog.Result();
    };
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        SCOPED_TRACE(region.name().toStdString());
        mainF->leftOffsetEdit->SetText("1");
        mainF->rightOffsetEdit->SetText("2");

        answers = {{"130", "28", "47", true}};
        Click(mainF->locknutButton);
        EXPECT_EQ(mainF->leftOffsetEdit->Text(), "37");
        EXPECT_EQ(mainF->rightOffsetEdit->Text(), "18");

        answers = {{"135", "30.5", "45", true}};
        Click(mainF->locknutButton);
        EXPECT_EQ(mainF->leftOffsetEdit->Text(), Dec("37"));
        EXPECT_EQ(mainF->rightOffsetEdit->Text(), Dec("22.5"));

        answers = {{"100", "10", "10", false}};
        Click(mainF->locknutButton);
        EXPECT_EQ(mainF->leftOffsetEdit->Text(), Dec("37"));
        EXPECT_EQ(mainF->rightOffsetEdit->Text(), Dec("22.5"));

        // A distance past the hub's centre: reported, the dialog stays open
        // (not accepted), the offsets stay.
        answers = {{"130", "70", "47", true}};
        desktop.errors.clear();
        Click(mainF->locknutButton);
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors[0].startsWith("Left locknut to flange:")) << desktop.errors[0].toStdString();
        EXPECT_EQ(mainF->leftOffsetEdit->Text(), Dec("37"));
        desktop.errors.clear();
    }
}

// At the window's minimum size every line of the "Data" tab has the height
// its layout asks for: nothing is squeezed or overlaps.
TEST_F(SideFiguresWindowTest, DataTabFitsTheMinimumWindow)
{
    Start();
    TMainF& f = *mainF;
    const QSize frame = f.frameGeometry().size() - f.size();
    f.resize(QSize(300, 200) - frame);
    Settle();
    QWidget* page = f.tabs->widget(0);
    EXPECT_GE(page->height(), page->layout()->minimumSize().height());
    const QList<QWidget*> inputs = {f.rimTypeList, f.hubHolesList, f.rimHolesList, f.erdEdit, f.leftOffsetEdit, f.rightOffsetEdit, f.locknutButton, f.leftFlangeEdit, f.rightFlangeEdit,
                                    f.spokeHoleEdit, f.leftCrossSpin, f.rightCrossSpin, f.StoredControl<TEdit>("RimOffE"), f.StoredControl<TEdit>("TensionE"), f.StoredControl<TEdit>("SpokeDiaE"), f.StoredControl<TComboBox>("OrderStepCB")};
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const QRect r(inputs[i]->mapTo(page, QPoint(0, 0)), inputs[i]->size());
        SCOPED_TRACE(inputs[i]->objectName().toStdString());
        EXPECT_TRUE(page->rect().contains(r));
        if (i > 0) {
            const QRect above(inputs[i - 1]->mapTo(page, QPoint(0, 0)), inputs[i - 1]->size());
            EXPECT_GT(r.top(), above.bottom());
        }
    }
}

}  // namespace
}  // namespace rimora::test
