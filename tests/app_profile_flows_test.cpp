// The profile and "Calc!" flows on the real main window: profiles that hold
// only some records, what "Calc!" says on the "Data" tab, lengths that no
// longer match the inputs, and the save that the open question offers.
#include "app_window_fixture.h"

namespace rimora::test {
namespace {

struct PartialProfile {
    const char* name;
    QByteArray records;      // the file's records; empty: the whole wheel saved less `drop`
    QList<QByteArray> drop;  // keys; "SG1" for every row of the table
    const char* said;        // the status bar's note, "" for none
    int lacedRows;           // rows with a hub hole once opened
};

class PartialProfileTest : public AppWindowTest, public ::testing::WithParamInterface<PartialProfile> {};

const PartialProfile kPartialProfiles[] = {
    {"Whole", {}, {}, "", 36},
    {"OlderThanTheSideInputs", {}, {"RimOffE", "TensionE", "SpokeDiaE", "OrderStepCB", "HNCB"}, "", 36},
    {"WithoutTable", {}, {"SG1"}, "full.prl lacks lacing table: its default is used.  Its table is laced", 36},
    {"WithoutCrossAndColour", {}, {"CLE", "CL4", "CL7"}, "full.prl lacks CL (left cross), HUB colour: their", 36},
    {"ErdOnly", "ErdE=590", {}, "full.prl holds only ERD: the other inputs take their defaults.", 0},
    {"CountsAndErd", "HubCB=0\nRimCB=0\nErdE=590", {}, "full.prl holds only HUB, RIM, ERD: the other", 36},
    {"SideInputsOnly", "TensionE=120", {}, "full.prl holds none of the wheel's sizes, table or drawing settings", 0},
};

// A profile missing records opens with their defaults, not with the wheel on
// screen before it; a table it lacks is laced; the status bar names what the
// first inputs lacked and never the inputs added since.
TEST_P(PartialProfileTest, OpensWithDefaultsAndSaysWhatItLacked)
{
    const PartialProfile& row = GetParam();
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->calcButton);
    Save(Path("full.prl"));
    QByteArray file = row.records.isEmpty() ? QByteArray() : "[MainF]\n" + row.records + "\n";
    if (file.isEmpty())
        for (const QByteArray& line : Bytes(Path("full.prl")).split('\n'))
            if (std::none_of(row.drop.begin(), row.drop.end(), [&](const auto& key) { return line.startsWith(key); }))
                file += line + '\n';
    WriteBytes(Path("full.prl"), file);

    // Another wheel on screen, values off their defaults.
    LaceWheel(*mainF, "32", "32");
    for (TEdit* e : {mainF->erdEdit, mainF->leftOffsetEdit, mainF->StoredControl<TEdit>("TensionE")}) e->SetText("31");
    mainF->rightCrossSpin->SetValue(1);
    ChooseColor(mainF->hubColourBox, colors::Teal);
    Open(Path("full.prl"));

    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    const QString status = mainF->statusBar->SimpleText();
    EXPECT_TRUE(*row.said ? status.startsWith(row.said) : !status.contains("full.prl")) << status.toStdString();
    for (const char* later : {"Rim offset", "Tension", "Spoke Ø", "Order step"}) EXPECT_FALSE(status.contains(later));
    EXPECT_EQ(QStringList({mainF->erdEdit->Text(), mainF->leftOffsetEdit->Text(), mainF->StoredControl<TEdit>("TensionE")->Text(), mainF->rightCrossSpin->Text()}),
              QStringList({"590", "27.5", "120", "3"}));
    EXPECT_EQ(mainF->hubColourBox->Selected(), colors::MedGray);
    int laced = 0;
    for (int r = 1; r < mainF->lacingGrid->RowCount(); ++r) laced += !mainF->lacingGrid->Cells(3, r).isEmpty();
    EXPECT_EQ(laced, row.lacedRows);
    // "Calc!" gives lengths, or names the input it lacks.
    Click(mainF->calcButton);
    EXPECT_EQ(!mainF->lacingGrid->Cells(4, 1).isEmpty(), row.lacedRows > 0);
    EXPECT_EQ(desktop.errors.size(), row.lacedRows > 0 ? 0 : 1) << Errors().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Records, PartialProfileTest, ::testing::ValuesIn(kPartialProfiles),
                         [](const auto& info) { return std::string(info.param.name); });

using CalcStatusTest = AppWindowTest;

// "Calc!" on the "Data" tab, where no table shows: each side's lengths in the
// region's numbers, a side whose spokes differ as its span.
TEST_F(CalcStatusTest, SaysEachSidesLengths)
{
    const std::tuple<bool, const char*, const char*, const char*> rows[] = {  // comma region, hub, rim, said
        {false, "36", "36", "Left 285.4 mm, right 284.6 mm"},
        {true, "36", "36", "Left 285,4 mm, right 284,6 mm"},
        {false, "32", "36", "Left 284.7 – 290.2 mm, right 284.1 – 289.4 mm"},
    };
    for (const auto& [comma, hub, rim, said] : rows) {
        ScopedLocale region(comma ? CommaRegion() : PointRegion());
        Start();
        LaceWheel(*mainF, hub, rim);
        mainF->tabs->setCurrentIndex(0);
        Click(mainF->calcButton);
        EXPECT_EQ(mainF->statusBar->SimpleText(), QString::fromUtf8(said));
        Stop();
        QFile::remove(SettingsPath());
    }
}

using StaleLengthTest = AppWindowTest;

// Lengths are stale while they differ from what "Calc!" would write now: each
// step below, in turn, on a laced and calculated 36/36 wheel. The texts stay.
TEST_F(StaleLengthTest, MarkedUntilTheNextCalcAndKeptAsTheyAre)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->calcButton);
    TMainF& f = *mainF;
    const QString first = f.lacingGrid->Cells(4, 1);
    const std::pair<std::function<void()>, int> steps[] = {  // a change, then the rows stale after it
        {[&f] { f.erdEdit->SetText("600"); }, 36},       {[&f] { f.erdEdit->SetText("590"); }, 0},
        {[&f] { f.lacingGrid->SetCells(3, 5, "09"); }, 1},   {[&f] { f.StoredControl<TEdit>("RimOffE")->SetText("x"); }, 36},
        {[&f] { f.StoredControl<TEdit>("RimOffE")->SetText("0"); }, 1},       {[&f] { f.StoredControl<TEdit>("TensionE")->SetText("100"); }, 1},
        {[&f] { Click(f.calcButton); }, 0},
    };
    for (const auto& [act, staleRows] : steps) {
        act();
        int stale = 0;
        for (int r = 0; r < f.lacingGrid->RowCount(); ++r) stale += f.LengthStale(r);
        EXPECT_EQ(stale, staleRows) << &act - &steps[0].first;
        EXPECT_EQ(f.statusBar->SimpleText().contains("no longer match"), staleRows > 0);
    }
    // A stale length stays in the table and in the file as it is.
    f.erdEdit->SetText("600");
    EXPECT_EQ(f.lacingGrid->Cells(4, 1), first);
    Save(Path("stale.prl"));
    EXPECT_TRUE(Bytes(Path("stale.prl")).contains("," + first.toUtf8() + ",\n"));
}

using SaveBeforeOpenTest = AppWindowTest;

// The question before another profile opens: a wheel that was never saved is
// said to be so; "Save" writes a wheel that has its own file there, with no
// dialog and no replace question.
TEST_F(SaveBeforeOpenTest, SaveGoesToTheProfilesOwnFileWithoutADialog)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Save(Path("other.prl"));
    WriteBytes(Path("own.prl"), Bytes(Path("other.prl")));
    Restart();
    mainF->erdEdit->SetText("601");
    Open(Path("own.prl"));  // the question, then discarded
    mainF->erdEdit->SetText("577");
    desktop.saveChangesAnswers.push_back(SaveChangesAnswer::Save);
    desktop.saveRequests.clear();
    Open(Path("other.prl"));

    ASSERT_EQ(desktop.saveChangesQuestions.size(), 2);
    EXPECT_TRUE(desktop.saveChangesQuestions[0].startsWith("The wheel has not been saved yet."));
    EXPECT_TRUE(desktop.saveChangesQuestions[1].contains("since own.prl was last saved"));
    EXPECT_TRUE(desktop.saveRequests.empty());
    EXPECT_TRUE(desktop.confirmations.isEmpty());
    EXPECT_TRUE(Bytes(Path("own.prl")).contains("\nErdE=577\n"));
    EXPECT_EQ(mainF->profileLabel->Caption(), "other.prl");
    EXPECT_EQ(mainF->erdEdit->Text(), "590");
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

}  // namespace
}  // namespace rimora::test
