// The control-value records a store writes for its window's controls and how
// it sets the controls from them.
#include "persist/ini_save.h"
#include "persist_test_files.h"
#include "platform/errors.h"
#include "support/small_form.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

const QByteArray kWorkedExample = "[WheelF]\n"
                                  "NameE=Front 32H\n"
                                  "SizeCB=2\n"
                                  "G1-Row0=A,B,\n"
                                  "G1-Row1=1,,\n";

// The window of the worked example: an edit, a list with its third item
// selected and a grid of `cols` x `rows`.
struct WheelWindow {
    explicit WheelWindow(int cols = 2, int rows = 2)
        : name(form.Edit(QStringLiteral("NameE"), QStringLiteral("Front 32H"))),
          size(form.ComboBox(QStringLiteral("SizeCB"), 5, 2)),
          grid(form.StringGrid(QStringLiteral("G1"), cols, rows)),
          store(form)
    {
        SetGridRows(grid, {QStringLiteral("A,B"), QStringLiteral("1,")});
        store.SetFileName(QStringLiteral("wheel.prl"));
    }
    SmallForm form{QStringLiteral("WheelF")};
    TEdit& name;
    TComboBox& size;
    TStringGrid& grid;
    TIniSave store;
};

class FormRecordsTest : public PersistTest {};

// A control whose value cannot be taken, as when a conversion fails halfway
// through a pass.
class FailingSpin : public TSpinEdit {
public:
    FailingSpin(QWidget* parent, const QString& name) : TSpinEdit(parent, name, 0, 4, 0) {}
    int Value() const override { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); }
};

}  // namespace

TEST_F(FormRecordsTest, WorkedExampleWritesFiveLines)
{
    WheelWindow window;
    window.store.WriteInfo();
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("wheel.prl"))), kWorkedExample);
}

TEST_F(FormRecordsTest, WorkedExampleReadsBack)
{
    const QString path = PathOf(QStringLiteral("wheel.prl"));
    {
        SCOPED_TRACE("into the same window, changed in between");
        WriteBytes(path, kWorkedExample);
        WheelWindow window;
        window.name.SetText(QStringLiteral("other"));
        window.size.SetItemIndex(4);
        SetGridRows(window.grid, {QStringLiteral("x,y"), QStringLiteral("z,w")});
        window.store.ReadInfo();
        EXPECT_EQ(window.name.Text(), QStringLiteral("Front 32H"));
        EXPECT_EQ(window.size.ItemIndex(), 2);
        EXPECT_EQ(GridRow(window.grid, 0), QStringList({"A", "B"}));
        EXPECT_EQ(GridRow(window.grid, 1), QStringList({"1", ""}));
    }
    {
        SCOPED_TRACE("grid with three rows: the third is emptied");
        WheelWindow window(2, 3);
        SetGridRows(window.grid, {QStringLiteral("x,y"), QStringLiteral("z,w"), QStringLiteral("p,q")});
        window.store.ReadInfo();
        EXPECT_EQ(GridRow(window.grid, 0), QStringList({"A", "B"}));
        EXPECT_EQ(GridRow(window.grid, 1), QStringList({"1", ""}));
        EXPECT_EQ(GridRow(window.grid, 2), QStringList({"", ""}));
    }
    {
        SCOPED_TRACE("grid with three columns: the third cell is emptied");
        WheelWindow window(3, 2);
        SetGridRows(window.grid, {QStringLiteral("x,y,z"), QStringLiteral("p,q,r")});
        window.store.ReadInfo();
        EXPECT_EQ(GridRow(window.grid, 0), QStringList({"A", "B", ""}));
        EXPECT_EQ(GridRow(window.grid, 1), QStringList({"1", "", ""}));
    }
    {
        SCOPED_TRACE("NameE= with nothing after it empties the edit");
        WriteBytes(path, QByteArray(kWorkedExample).replace("NameE=Front 32H", "NameE="));
        WheelWindow window;
        window.store.ReadInfo();
        EXPECT_EQ(window.name.Text(), QString());
    }
    {
        SCOPED_TRACE("SizeCB missing: the list keeps its selection");
        WriteBytes(path, QByteArray(kWorkedExample).replace("SizeCB=2\n", ""));
        WheelWindow window;
        window.size.SetItemIndex(4);
        window.store.ReadInfo();
        EXPECT_EQ(window.size.ItemIndex(), 4);
        EXPECT_EQ(window.name.Text(), QStringLiteral("Front 32H"));
    }
}

TEST_F(FormRecordsTest, EachKindOfControlWritesItsValueInCreationOrder)
{
    SmallForm form(QStringLiteral("MainF"));
    form.ComboBox(QStringLiteral("TyCB"), 3, -1);
    form.Button(QStringLiteral("CBtn"));
    form.SpinEdit(QStringLiteral("CLE"), 0, 4, 3);
    form.Label(QStringLiteral("ProfL"));
    form.ColorBox(QStringLiteral("CL1"), colors::Red, colors::ButtonFace);
    form.ColorBox(QStringLiteral("CL2"), colors::Red, colors::NoSelection);
    form.ColorBox(QStringLiteral("CL3"), colors::Red, colors::Blue);
    form.CheckBox(QStringLiteral("AuCB"), true);
    form.CheckBox(QStringLiteral("RNCB"), false);
    form.RadioGroup(QStringLiteral("Ssd"), 3, 1);
    form.Edit(QStringLiteral(""), QStringLiteral("nameless, never saved"));
    form.Panel(QStringLiteral("Pnl"));
    TIniSave store(form);
    store.SetFileName(QStringLiteral("kinds.ini"));
    store.WriteInfo();
    EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("kinds.ini"))), QByteArray("[MainF]\n"
                                                                          "TyCB=-1\n"
                                                                          "CLE=3\n"
                                                                          "CL1=-16777201\n"
                                                                          "CL2=-16777216\n"
                                                                          "CL3=16711680\n"
                                                                          "AuCB=1\n"
                                                                          "RNCB=0\n"
                                                                          "Ssd=1\n"));
}

TEST_F(FormRecordsTest, ReadingSetsEachKindFromItsKeyOrKeepsItsValue)
{
    SmallForm form(QStringLiteral("MainF"));
    auto& list = form.ComboBox(QStringLiteral("HubCB"), 10, 1);
    auto& badList = form.ComboBox(QStringLiteral("RimCB"), 10, 3);
    auto& spin = form.SpinEdit(QStringLiteral("CLE"), 0, 4, 1);
    auto& pulled = form.SpinEdit(QStringLiteral("CRE"), 0, 4, 1);
    auto& absentColour = form.ColorBox(QStringLiteral("CL1"), colors::Red, colors::Lime);
    auto& storedColour = form.ColorBox(QStringLiteral("CL2"), colors::Red, colors::Lime);
    auto& seven = form.CheckBox(QStringLiteral("AuCB"), false);
    auto& yesFromOn = form.CheckBox(QStringLiteral("RNCB"), true);
    auto& yesFromOff = form.CheckBox(QStringLiteral("XCB"), false);
    auto& zero = form.CheckBox(QStringLiteral("YCB"), true);
    auto& radio = form.RadioGroup(QStringLiteral("Ssd"), 3, 0);
    auto& padded = form.Edit(QStringLiteral("dRE"), QStringLiteral("old"));
    auto& quoted = form.Edit(QStringLiteral("dLE"), QStringLiteral("old"));
    auto& absentText = form.Edit(QStringLiteral("WLE"), QStringLiteral("keep me"));
    WriteBytes(PathOf(QStringLiteral("in.ini")), "[MainF]\n"
                                                 "HubCB=0x5\n"
                                                 "RimCB=many\n"
                                                 "CLE=$2\n"
                                                 "CRE=9\n"
                                                 "CL2=-16777201\n"
                                                 "AuCB=7\n"
                                                 "RNCB=yes\n"
                                                 "XCB=yes\n"
                                                 "YCB=0\n"
                                                 "Ssd=2\n"
                                                 "dRE=   45.5  \n"
                                                 "dLE=\"  42 \"\n");
    TIniSave store(form);
    store.SetFileName(QStringLiteral("in.ini"));
    store.ReadInfo();
    EXPECT_EQ(list.ItemIndex(), 5);
    EXPECT_EQ(badList.ItemIndex(), 3) << "a value that is no integer keeps the selection";
    EXPECT_EQ(spin.Value(), 2);
    EXPECT_EQ(pulled.Value(), 4) << "the spin edit pulls a value into its range itself";
    EXPECT_EQ(absentColour.Selected(), colors::Red) << "absent colour key gives the default colour";
    EXPECT_EQ(storedColour.Selected(), colors::ButtonFace);
    EXPECT_TRUE(seven.Checked());
    EXPECT_TRUE(yesFromOn.Checked());
    EXPECT_FALSE(yesFromOff.Checked());
    EXPECT_FALSE(zero.Checked());
    EXPECT_EQ(radio.ItemIndex(), 2);
    EXPECT_EQ(padded.Text(), QStringLiteral("45.5"));
    EXPECT_EQ(quoted.Text(), QStringLiteral("  42 "));
    EXPECT_EQ(absentText.Text(), QStringLiteral("keep me"));
}

TEST_F(FormRecordsTest, WritingIntoAnExistingFileKeepsOrderAndOtherSections)
{
    const QString path = PathOf(QStringLiteral("wheel.prl"));
    WriteBytes(path, "[Other]\nX=1\n[WheelF]\nSizeCB=0\nNameE=old\nLeft=5\n\n[SumF]\nLeft=3\n");
    WheelWindow window;
    window.store.WriteInfo();
    EXPECT_EQ(ReadBytes(path), QByteArray("[Other]\nX=1\n[WheelF]\nSizeCB=2\nNameE=Front 32H\nLeft=5\n"
                                          "G1-Row0=A,B,\nG1-Row1=1,,\n\n[SumF]\nLeft=3\n"));
}

TEST_F(FormRecordsTest, ExcludedControlsAreNeitherWrittenNorRead)
{
    SmallForm form(QStringLiteral("MainF"));
    auto& erd = form.Edit(QStringLiteral("ErdE"), QStringLiteral("594"));
    auto& lower = form.Edit(QStringLiteral("erde"), QStringLiteral("600"));
    auto& hub = form.ComboBox(QStringLiteral("HubCB"), 10, 4);
    auto& spaced = form.Edit(QStringLiteral("My Edit"), QStringLiteral("x"));
    const QString path = PathOf(QStringLiteral("ex.ini"));
    WriteBytes(path, "[MainF]\nHubCB=7\n");
    TIniSave store(form);
    store.SetFileName(QStringLiteral("ex.ini"));
    store.SetNotSaveName(QStringLiteral("ErdE , HubCB,\"My Edit\""));

    store.WriteInfo();
    EXPECT_EQ(store.ExclusionList(), QStringList({"ErdE", "HubCB", "My Edit"}));
    EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nHubCB=7\nerde=600\n"));

    // The list matches names exactly, the file ignores letter case: erde is
    // read from the key erdEdit while the control erdEdit itself is left alone.
    WriteBytes(path, "[MainF]\nErdE=1\nHubCB=0\nMy Edit=3\n");
    store.ReadInfo();
    EXPECT_EQ(erd.Text(), QStringLiteral("594"));
    EXPECT_EQ(lower.Text(), QStringLiteral("1"));
    EXPECT_EQ(hub.ItemIndex(), 4);
    EXPECT_EQ(spaced.Text(), QStringLiteral("x"));
}

TEST_F(FormRecordsTest, GridsLeftOutWhenSaveStringGridIsOff)
{
    const QString path = PathOf(QStringLiteral("wheel.prl"));
    WheelWindow window;
    window.store.SetSaveStringGrid(false);
    window.store.WriteInfo();
    EXPECT_EQ(ReadBytes(path), QByteArray("[WheelF]\nNameE=Front 32H\nSizeCB=2\n"));

    WriteBytes(path, kWorkedExample);
    SetGridRows(window.grid, {QStringLiteral("x,y"), QStringLiteral("z,w")});
    bool hookCalled = false;
    window.store.SetGridReadHook([&](Component&) { hookCalled = true; });
    window.store.ReadInfo();
    EXPECT_EQ(GridRow(window.grid, 0), QStringList({"x", "y"}));
    EXPECT_EQ(GridRow(window.grid, 1), QStringList({"z", "w"}));
    EXPECT_FALSE(hookCalled);
}

TEST_F(FormRecordsTest, PlaceOnlyStoreTouchesNoControlValues)
{
    const QString path = PathOf(QStringLiteral("wheel.prl"));
    WheelWindow window;
    window.store.SetPlaceOnly(true);
    window.store.WriteInfo();
    EXPECT_FALSE(QFileInfo::exists(path));

    const QByteArray before = QByteArray(kWorkedExample).replace("Front 32H", "Rear");
    WriteBytes(path, before);
    window.store.WriteInfo();
    EXPECT_EQ(ReadBytes(path), before);
    window.store.ReadInfo();
    EXPECT_EQ(window.name.Text(), QStringLiteral("Front 32H"));

    window.form.SetLeft(10);
    window.store.WritePlace();
    EXPECT_EQ(ReadBytes(path), before + "Left=10\nTop=0\nHeight=300\nWidth=400\n");
}

TEST_F(FormRecordsTest, CellsWithCommasOrQuotesKeepTheirPlace)
{
    const QString path = PathOf(QStringLiteral("cells.prl"));
    SmallForm form(QStringLiteral("MainF"));
    auto& grid = form.StringGrid(QStringLiteral("SG1"), 5, 2);
    const QStringList tricky = {"1,234.6", "\"x", "say \"hi\", ok", "a\"b", ""};
    for (int c = 0; c < 5; ++c) grid.Model().SetCells(c, 1, tricky[c]);
    SetGridRows(grid, {QStringLiteral("HUB,->R,RIM,->H,Length")});
    TIniSave store(form);
    store.SetFileName(QStringLiteral("cells.prl"));
    store.WriteInfo();
    EXPECT_EQ(ReadBytes(path), QByteArray("[MainF]\nSG1-Row0=HUB,->R,RIM,->H,Length,\n"
                                          "SG1-Row1=\"1,234.6\",\"\"\"x\",\"say \"\"hi\"\", ok\",a\"b,,\n"));
    SetGridRows(grid, {QStringLiteral(",,,,"), QStringLiteral("q,q,q,q,q")});
    store.ReadInfo();
    EXPECT_EQ(GridRow(grid, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    EXPECT_EQ(GridRow(grid, 1), tricky);

    // Files without quoted cells read exactly as they always have: a comma
    // inside an old unquoted cell still shifts the rest of the row, text
    // after the last column is ignored, and a quote never closed is plain
    // text.
    WriteBytes(path, "[MainF]\nSG1-Row0=01,->03,285,4,05,->01,\nSG1-Row1=\"ab,cd,e\n");
    store.ReadInfo();
    EXPECT_EQ(GridRow(grid, 0), QStringList({"01", "->03", "285", "4", "05"}));
    EXPECT_EQ(GridRow(grid, 1), QStringList({"\"ab", "cd", "", "", ""}));
}

TEST_F(FormRecordsTest, GridHookRunsAfterEarlierControlsAndBeforeTheRows)
{
    SmallForm form(QStringLiteral("MainF"));
    auto& holes = form.SpinEdit(QStringLiteral("HubE"), 0, 100, 2);
    auto& grid = form.StringGrid(QStringLiteral("SG1"), 2, 3);
    WriteBytes(PathOf(QStringLiteral("h.prl")), "[MainF]\nHubE=4\nSG1-Row0=H,R,\nSG1-Row1=01,02,\nSG1-Row2=02,03,\n"
                                                "SG1-Row3=03,04,\nSG1-Row4=04,01,\n");
    TIniSave store(form);
    store.SetFileName(QStringLiteral("h.prl"));
    std::vector<QString> seen;
    store.SetGridReadHook([&](Component& component) {
        seen.push_back(component.Name());
        EXPECT_EQ(holes.Value(), 4) << "the hole count is read before the hook runs";
        grid.Model().SetRowCount(holes.Value() + 1);
    });
    store.ReadInfo();
    EXPECT_EQ(seen, std::vector<QString>({"SG1"}));
    ASSERT_EQ(grid.Model().RowCount(), 5);
    EXPECT_EQ(GridRow(grid, 4), QStringList({"04", "01"})) << "no row is lost to the old table size";
}

TEST_F(FormRecordsTest, PassThatFailsLeavesTheFileAsItWas)
{
    const QString path = PathOf(QStringLiteral("wheel.prl"));
    const QByteArray before = "[WheelF]\r\nNameE=Rear\r\nSizeCB=0\r\n";
    WriteBytes(path, before);
    WheelWindow window;
    window.form.Create<FailingSpin>(&window.form, QStringLiteral("CLE"));
    EXPECT_THROW(window.store.WriteInfo(), EConvertError);
    EXPECT_EQ(ReadBytes(path), before) << "keys before the failing one are not written either";

    // A full path that names a folder cannot be written.
    const QString folder = PathOf(QStringLiteral("folder.prl"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WheelWindow second;
    second.store.SetFileName(folder);
    EXPECT_THROW(second.store.WriteInfo(), EFileWriteError);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}
