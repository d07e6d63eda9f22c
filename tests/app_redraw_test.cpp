// When the real main window repaints its wheel, counted by the paint box's
// paints: the "Auto ReDraw" gate, the angle-difference gate of dimension
// changes, the lacing that follows a hole count, and drawing errors that go
// to the status bar instead of a message box.
#include "app_window_fixture.h"

#include "platform/convert.h"

#include <QImage>

namespace rimora::test {
namespace {

using RedrawTest = AppWindowTest;

// Flips a text between two values, so that every call is a change.
void Toggle(TEdit* edit, const char* a, const char* b)
{
    edit->SetText(edit->Text() == a ? b : a);
}

void Toggle(TSpinEdit* spin, int a, int b)
{
    spin->SetValue(spin->Value() == a ? b : a);
}

void ToggleColor(TColorBox* box)
{
    ChooseColor(box, box->Selected() == colors::Yellow ? colors::Maroon : colors::Yellow);
}

struct Change {
    const char* what;
    bool appearance;  // a colour or the side choice: not gated by the angle difference
    std::function<void(TMainF&)> apply;
};

// Every input whose change may redraw, each applied as its kind of control
// applies it: edits, spin boxes, the check box and the radio group set by the
// program, lists and colour boxes chosen by the user.
const std::vector<Change>& InputChanges()
{
    static const std::vector<Change> changes = {
        {"TyCB", false, [](TMainF& f) { Choose(f.rimTypeList, f.rimTypeList->ItemIndex() == 3 ? "700c:622" : "650B:584"); }},
        {"ErdE", false, [](TMainF& f) { Toggle(f.erdEdit, "590", "600"); }},
        {"WLE", false, [](TMainF& f) { Toggle(f.leftOffsetEdit, "27.5", "30"); }},
        {"WRE", false, [](TMainF& f) { Toggle(f.rightOffsetEdit, "18.1", "20"); }},
        {"dLE", false, [](TMainF& f) { Toggle(f.leftFlangeEdit, "41", "45"); }},
        {"dRE", false, [](TMainF& f) { Toggle(f.rightFlangeEdit, "41", "45"); }},
        {"ShE", false, [](TMainF& f) { Toggle(f.spokeHoleEdit, "2.5", "2.6"); }},
        {"RIMBK", false, [](TMainF& f) { Toggle(f.rimBandSpin, 8, 5); }},
        {"RIMID", false, [](TMainF& f) { Toggle(f.rimInnerSpin, 1, 3); }},
        {"HUBOD", false, [](TMainF& f) { Toggle(f.hubMarginSpin, 6, 2); }},
        {"SpkD", false, [](TMainF& f) { Toggle(f.spokeWidthSpin, 2, 4); }},
        {"RNCB", false, [](TMainF& f) { f.rimNumbersCheck->SetChecked(!f.rimNumbersCheck->Checked()); }},
        {"CL7", false, [](TMainF& f) { ToggleColor(f.spareColourBox); }},  // hidden, stored, gated like a size
        {"CL1", true, [](TMainF& f) { ToggleColor(f.backgroundColourBox); }},
        {"CL2", true, [](TMainF& f) { ToggleColor(f.rimOuterColourBox); }},
        {"CL3", true, [](TMainF& f) { ToggleColor(f.rimInnerColourBox); }},
        {"CL4", true, [](TMainF& f) { ToggleColor(f.hubColourBox); }},
        {"CL5", true, [](TMainF& f) { ToggleColor(f.rightSpokeColourBox); }},
        {"CL6", true, [](TMainF& f) { ToggleColor(f.leftSpokeColourBox); }},
        {"Ssd", true, [](TMainF& f) { f.spokeSideGroup->SetItemIndex(f.spokeSideGroup->ItemIndex() == 1 ? 2 : 1); }},
    };
    return changes;
}

// With a whole number in angleEdit every change redraws once; with a fractional or
// empty angle only colours and the side choice do.
TEST_F(RedrawTest, AngleDifferenceGatesDimensionChangesButNotColoursOrSides)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    for (const char* angle : {"0", "5.625", "", "-2", "abc"}) {
        SCOPED_TRACE(std::string("AdE \"") + angle + "\"");
        mainF->angleEdit->SetText(angle);
        const bool whole = IsIntegerText(angle);
        for (const Change& change : InputChanges()) {
            SCOPED_TRACE(change.what);
            const int before = Paints();
            change.apply(*mainF);
            EXPECT_EQ(Paints() - before, (whole || change.appearance) ? 1 : 0);
        }
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// A change of angleEdit itself is gated by its own new text.
TEST_F(RedrawTest, ChangingTheAngleDifferenceRedrawsOnlyForAWholeNumber)
{
    Start();
    LaceWheel(*mainF, "32", "36");
    const struct {
        const char* text;
        int paints;
    } steps[] = {{"5.625", 0}, {"", 0}, {"3", 1}, {"3", 0}, {"+4", 1}, {"4 ", 0}, {"0", 1}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        const int before = Paints();
        mainF->angleEdit->SetText(step.text);
        EXPECT_EQ(Paints() - before, step.paints);
    }
    // "Slide 1/2 angle" writes a fractional angle: no redraw; "degree" writes 0: a redraw.
    int before = Paints();
    Click(mainF->halfPitchButton);
    EXPECT_EQ(mainF->angleEdit->Text(), "5.625");
    EXPECT_EQ(Paints(), before);
    before = Paints();
    Click(mainF->degreeLabel);
    EXPECT_EQ(mainF->angleEdit->Text(), "0");
    EXPECT_EQ(Paints(), before + 1);
}

// "Auto ReDraw" off: no input change repaints, the table is still laced, and
// "Draw!" still draws.
TEST_F(RedrawTest, AutoRedrawOffKeepsEveryInputChangeFromRepainting)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    const int before = Paints();
    mainF->autoRedrawCheck->SetChecked(false);  // the switch itself has no handler
    for (const Change& change : InputChanges()) {
        SCOPED_TRACE(change.what);
        change.apply(*mainF);
        change.apply(*mainF);
    }
    mainF->angleEdit->SetText("3");
    mainF->angleEdit->SetText("0");
    Choose(mainF->rimHolesList, "32");
    mainF->leftCrossSpin->SetValue(2);
    EXPECT_EQ(Paints(), before);
    EXPECT_EQ(mainF->lacingGrid->RowCount(), 37);
    EXPECT_EQ(mainF->lacingGrid->Cells(2, 33), "");
    EXPECT_EQ(mainF->lacingGrid->Cells(0, 36), "36");

    Click(mainF->drawButton);
    EXPECT_GT(Paints(), before);
    // Any press on "Draw!" draws at once, the right button too.
    const int clicked = Paints();
    Press(mainF->drawButton, Qt::RightButton);
    EXPECT_EQ(Paints(), clicked + 1);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// Choosing hole counts laces the table afresh, resets angleEdit and redraws;
// changing a cross number does the same.
TEST_F(RedrawTest, ChoosingHoleCountsLacesTheTableAndRedraws)
{
    Start();
    TMainF& f = *mainF;
    int before = Paints();
    Choose(f.rimHolesList, "36");
    // One count alone laces nothing: the status bar, not a box, says what to choose.
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_EQ(f.statusBar->SimpleText(), "Choose the hub hole count (HUB) on the \"Data\" tab to lace the wheel.");
    EXPECT_EQ(f.lacingGrid->Cells(2, 1), "");
    EXPECT_EQ(Paints(), before + 1);

    f.angleEdit->SetText("5.625");
    before = Paints();
    Choose(f.hubHolesList, "32");
    EXPECT_TRUE(desktop.errors.isEmpty());
    // Turned to where the tensioned wheel settles, not kept at the typed angle.
    EXPECT_EQ(f.angleEdit->Text(), "-0.75");
    f.angleEdit->SetText("3");
    Click(f.balanceButton);
    EXPECT_EQ(f.angleEdit->Text(), "-0.75");
    EXPECT_GE(Paints(), before + 1);
    EXPECT_EQ(f.lacingGrid->RowCount(), 37);
    const QStringList toHub = {"07", "28", "29", "10", "11", "32", "01", "", "", "14", "15", "04"};
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(f.lacingGrid->Cells(3, r), toHub[r - 1]) << "row " << r;
    EXPECT_EQ(f.lacingGrid->Cells(0, 32), "32");
    EXPECT_EQ(f.lacingGrid->Cells(0, 33), "");
    EXPECT_EQ(f.lacingGrid->Cells(2, 36), "36");
    EXPECT_EQ(TableRow(f, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    EXPECT_EQ(f.statusBar->SimpleText(), "");

    // Lengths computed, then a cross number changed: laced afresh, lengths gone.
    Click(f.calcButton);
    EXPECT_FALSE(f.lacingGrid->Cells(4, 1).isEmpty());
    before = Paints();
    f.leftCrossSpin->SetValue(0);
    EXPECT_EQ(Paints(), before + 1);
    EXPECT_EQ(f.lacingGrid->Cells(4, 1), "");
    EXPECT_EQ(f.lacingGrid->Cells(3, 1), "01");  // a radial left spoke from hub hole 1
    EXPECT_TRUE(desktop.errors.isEmpty());
}

// At the first start no hole count is chosen: the first drawing paints the
// background, the rim and the hub, then says in the status bar what to
// choose; no message box opens, and the program goes on.
TEST_F(RedrawTest, FirstDrawingWithoutHoleCountsStopsWithAStatusBarMessage)
{
    Start();
    TMainF& f = *mainF;
    EXPECT_GE(Paints(), 1);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    const QString message = f.statusBar->SimpleText();
    EXPECT_TRUE(message.contains("Choose the hub and rim hole counts")) << message.toStdString();

    const QImage image = f.wheelPaintBox->grab().toImage();
    const QPoint centre(f.wheelPaintBox->width() / 2, f.wheelPaintBox->height() / 2);
    EXPECT_EQ(FromQColor(image.pixelColor(centre)), f.hubColourBox->Selected());  // the hub disc
    EXPECT_EQ(FromQColor(image.pixelColor(1, 1)), f.backgroundColourBox->Selected());    // the background
    // Just inside the top of the wheel's square: the outer rim band.
    const int top = centre.y() - std::min(f.wheelPaintBox->width(), f.wheelPaintBox->height()) / 2;
    EXPECT_EQ(FromQColor(image.pixelColor(centre.x(), top + 3)), f.rimOuterColourBox->Selected());

    // A drawing error is shown where it happened, never in a box.
    LaceWheel(f, "36", "36");
    EXPECT_EQ(f.statusBar->SimpleText(), "");
    f.autoRedrawCheck->SetChecked(false);
    f.erdEdit->SetText("five hundred");
    Click(f.drawButton);
    EXPECT_FALSE(f.statusBar->SimpleText().isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    f.erdEdit->SetText("590");
    Click(f.drawButton);
    EXPECT_EQ(f.statusBar->SimpleText(), "");
}

// The angle difference of a drawing is read in the user's region: in a
// comma-decimal region "5,625" is the fractional angle that gates.
TEST_F(RedrawTest, FractionalAngleOfACommaRegionGatesAlike)
{
    ScopedLocale comma(CommaRegion());
    Start();
    LaceWheel(*mainF, "32", "36");
    Click(mainF->halfPitchButton);
    EXPECT_EQ(mainF->angleEdit->Text(), "5,625");
    int before = Paints();
    mainF->erdEdit->SetText("600");
    EXPECT_EQ(Paints(), before);
    ChooseColor(mainF->rimOuterColourBox, colors::Teal);
    EXPECT_EQ(Paints(), before + 1);
    Click(mainF->drawButton);
    // Half a pitch is far from where the wheel settles, in the region's marks.
    EXPECT_TRUE(mainF->statusBar->SimpleText().startsWith("The rim is turned 5,63° against the hub; under tension it "
                                                          "settles at -0,75°"))
        << mainF->statusBar->SimpleText().toStdString();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

}  // namespace
}  // namespace rimora::test
