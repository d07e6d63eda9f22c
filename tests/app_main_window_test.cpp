// The real main window: what it shows at start, how its inputs report their
// changes, its minimum size and button bar, and the credits switch.
#include "app_window_fixture.h"

#include <QDir>

namespace rimora::test {
namespace {

using MainWindowTest = AppWindowTest;

const QStringList kRimSizes = {
    "700c:622", "26MTB:559",   "650C:571",     "650B:584",     "650A:590",    "26*1 3/8:590",
    "24*1 3/8:540", "24\"BMX:507", "20*1 3/8:451", "20\"BMX:406", "17*1 1/4:369", "16\"1 3/8:349",
    "16*1.75:305", "550A:490",  "500A:448",     "400A:340",     "27\":630"};
const QStringList kHoleCounts = {"36", "32", "28", "24", "20", "18", "16"};

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

TEST_F(MainWindowTest, StartsWithTheDesignValuesOnTheDataTab)
{
    Start();
    TMainF& f = *mainF;
    EXPECT_EQ(f.windowTitle(), "Rimora Ver0.02");
    EXPECT_EQ(f.tabs->currentIndex(), 0);
    EXPECT_EQ(f.tabs->tabText(0), "Data");
    EXPECT_EQ(f.tabs->tabText(1), "Spoke");
    EXPECT_EQ(f.tabs->tabText(2), "Draw");
    EXPECT_EQ(f.profileLabel->Caption(), "Profile.prl");
    EXPECT_EQ(TMainF::ShowCredits, -1);
    EXPECT_EQ(TMainF::StartDir, desktop.executableFolder + '/');
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(desktop.executableFolder).canonicalPath());
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();

    // The lists: every item, the rim type on its first, no hole count chosen.
    EXPECT_EQ(Items(f.rimTypeList), kRimSizes);
    EXPECT_EQ(Items(f.hubHolesList), kHoleCounts);
    EXPECT_EQ(Items(f.rimHolesList), kHoleCounts);
    EXPECT_EQ(f.rimTypeList->ItemIndex(), 0);
    EXPECT_EQ(f.rimTypeList->Text(), "700c:622");
    EXPECT_EQ(f.hubHolesList->ItemIndex(), -1);
    EXPECT_EQ(f.rimHolesList->ItemIndex(), -1);
    EXPECT_EQ(f.hubHolesList->Text(), "");
    EXPECT_EQ(f.rimHolesList->Text(), "");

    const struct {
        const TEdit* edit;
        const char* text;
    } edits[] = {{f.erdEdit, "590"}, {f.leftOffsetEdit, "27.5"}, {f.rightOffsetEdit, "18.1"}, {f.leftFlangeEdit, "41"},
                 {f.rightFlangeEdit, "41"},   {f.spokeHoleEdit, "2.5"},  {f.angleEdit, "0"}};
    for (const auto& e : edits) EXPECT_EQ(e.edit->Text(), e.text) << e.edit->Name().toStdString();

    const struct {
        const TSpinEdit* spin;
        int value, min, max;
    } spins[] = {{f.leftCrossSpin, 3, 0, 4},   {f.rightCrossSpin, 3, 0, 4},   {f.rimBandSpin, 8, 0, 9},
                 {f.rimInnerSpin, 1, 0, 9}, {f.hubMarginSpin, 6, 0, 9}, {f.spokeWidthSpin, 2, 1, 10}};
    for (const auto& s : spins) {
        SCOPED_TRACE(s.spin->Name().toStdString());
        EXPECT_EQ(s.spin->Text(), QString::number(s.value));
        EXPECT_EQ(s.spin->MinValue(), s.min);
        EXPECT_EQ(s.spin->MaxValue(), s.max);
    }

    const struct {
        const TColorBox* box;
        TColor colour;
    } colours[] = {{f.backgroundColourBox, RGBColor(166, 202, 240)}, {f.rimOuterColourBox, RGBColor(192, 192, 192)},
                   {f.rimInnerColourBox, RGBColor(128, 128, 128)}, {f.hubColourBox, RGBColor(160, 160, 164)},
                   {f.rightSpokeColourBox, RGBColor(0, 0, 255)},     {f.leftSpokeColourBox, RGBColor(0, 255, 0)},
                   {f.spareColourBox, RGBColor(255, 0, 0)}};
    for (const auto& c : colours) {
        EXPECT_EQ(c.box->Selected(), c.colour) << c.box->Name().toStdString();
        EXPECT_EQ(c.box->DefaultColorColor(), c.colour) << c.box->Name().toStdString();
    }
    EXPECT_TRUE(f.spareColourBox->isHidden());

    EXPECT_TRUE(f.autoRedrawCheck->Checked());
    EXPECT_EQ(f.autoRedrawCheck->text(), "Auto ReDraw");
    EXPECT_TRUE(f.rimNumbersCheck->Checked());
    EXPECT_EQ(f.rimNumbersCheck->text(), "RIM hole No.");
    EXPECT_EQ(f.spokeSideGroup->ItemIndex(), 0);
    EXPECT_EQ(f.spokeSideGroup->Count(), 3);

    // The lacing table: headings, 40 rows, nothing else, the heading corner current.
    EXPECT_EQ(f.lacingGrid->ColCount(), 5);
    EXPECT_EQ(f.lacingGrid->RowCount(), 40);
    EXPECT_EQ(TableRow(f, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    for (int r = 1; r < f.lacingGrid->RowCount(); ++r)
        EXPECT_EQ(TableRow(f, r).join(""), "") << "row " << r;
    EXPECT_EQ(f.lacingGrid->Col(), 0);
    EXPECT_EQ(f.lacingGrid->Row(), 0);
    EXPECT_EQ(f.lacingGrid->Model().FixedCols(), 3);
    EXPECT_EQ(f.lacingGrid->Model().FixedRows(), 1);

    EXPECT_EQ(f.drawButton->text(), "&Draw!");
    EXPECT_EQ(f.calcButton->text(), "&Calc!");
    EXPECT_EQ(f.summaryButton->text(), "&Summary!");
    EXPECT_FALSE(sumF->isVisible());
}

// The settings file gives the controls their values, but the heading row is
// always the program's own.
TEST_F(MainWindowTest, HeadingRowOfTheSettingsFileIsOverwrittenAtStart)
{
    WriteBytes(SettingsPath(), "[MainF]\n"
                               "ErdE=600\n"
                               "SG1-Row0=a,b,c,d,e,\n"
                               "SG1-Row1=01,07,01,33,285.4,\n");
    Start(false);  // read at creation, before any drawing rebuilds the links
    EXPECT_EQ(mainF->erdEdit->Text(), "600");
    EXPECT_EQ(TableRow(*mainF, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    EXPECT_EQ(TableRow(*mainF, 1), QStringList({"01", "07", "01", "33", "285.4"}));
    EXPECT_EQ(mainF->lacingGrid->Col(), 0);
    EXPECT_EQ(mainF->lacingGrid->Row(), 0);
}

// A cross number changed before any hole count is chosen, at start from the
// settings file or by hand, laces nothing and shows no error box; the first of
// the two counts chosen says in the status bar which one is missing.
TEST_F(MainWindowTest, CrossNumberWithoutHoleCountsIsNoError)
{
    WriteBytes(SettingsPath(), "[MainF]\nCLE=2\nCRE=1\n");
    Start();
    EXPECT_EQ(mainF->leftCrossSpin->Value(), 2);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(" | ").toStdString();
    mainF->rightCrossSpin->SetValue(4);
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(mainF->lacingGrid->Cells(0, 1), QString());

    Choose(mainF->hubHolesList, "32");
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(" | ").toStdString();
    EXPECT_TRUE(mainF->statusBar->SimpleText().contains("rim hole count")) << mainF->statusBar->SimpleText().toStdString();
    Choose(mainF->rimHolesList, "36");
    EXPECT_TRUE(desktop.errors.isEmpty());
    EXPECT_EQ(mainF->lacingGrid->Cells(0, 32), "32");
}

// A counter put in front of a control's change handler.
struct NoticeCounter {
    int count = 0;
    Notice Wrap(Notice handler)
    {
        return [this, handler] {
            ++count;
            if (handler) handler();
        };
    }
};

// Setting an edit, spin box, check box or the radio group from the program
// runs its handler once, and not at all when the value stays; a list or a
// colour box set by the program reports nothing.
TEST_F(MainWindowTest, ProgramSetValuesReportOnlyRealChangesOfEditsSpinsChecksAndRadios)
{
    Start();
    TMainF& f = *mainF;
    struct Row {
        const char* what;
        Notice* notice;
        std::function<void()> set;
        int once;
    };
    const Row rows[] = {
        {"edit ERD", &f.erdEdit->OnChange, [&] { f.erdEdit->SetText("600"); }, 1},
        {"edit AdE", &f.angleEdit->OnChange, [&] { f.angleEdit->SetText("2"); }, 1},
        {"spin RIMBK", &f.rimBandSpin->OnChange, [&] { f.rimBandSpin->SetValue(5); }, 1},
        {"spin CLE", &f.leftCrossSpin->OnChange, [&] { f.leftCrossSpin->SetValue(2); }, 1},
        {"check RNCB", &f.rimNumbersCheck->OnClick, [&] { f.rimNumbersCheck->SetChecked(false); }, 1},
        {"radio Ssd", &f.spokeSideGroup->OnClick, [&] { f.spokeSideGroup->SetItemIndex(2); }, 1},
        {"list TyCB", &f.rimTypeList->OnChange, [&] { f.rimTypeList->SetItemIndex(3); }, 0},
        {"list HubCB", &f.hubHolesList->OnChange, [&] { f.hubHolesList->SetItemIndex(0); }, 0},
        {"list RimCB", &f.rimHolesList->OnChange, [&] { f.rimHolesList->SetItemIndex(1); }, 0},
        {"colour CL1", &f.backgroundColourBox->OnChange, [&] { f.backgroundColourBox->SetSelected(colors::Red); }, 0},
        {"colour CL6", &f.leftSpokeColourBox->OnChange, [&] { f.leftSpokeColourBox->SetSelected(colors::Yellow); }, 0},
        {"colour CL7", &f.spareColourBox->OnChange, [&] { f.spareColourBox->SetSelected(colors::Navy); }, 0},
    };
    // One counter per control, alive for the whole test: a handler may set
    // another control (the cross numbers reset angleEdit).
    std::vector<NoticeCounter> counters(std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        NoticeCounter& counter = counters[i];
        SCOPED_TRACE(row.what);
        *row.notice = counter.Wrap(*row.notice);
        row.set();
        EXPECT_EQ(counter.count, row.once);
        row.set();  // the same value again
        EXPECT_EQ(counter.count, row.once);
    }
    // The lists changed quietly: no table was laced from the hole counts.
    EXPECT_EQ(f.lacingGrid->Cells(0, 1), "");
    EXPECT_EQ(f.hubHolesList->Text(), "36");
    EXPECT_EQ(f.rimHolesList->Text(), "32");
    // The cross number's change laced nothing yet, without complaint: no hole
    // count was chosen then.
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join(" | ").toStdString();
}

// A typed value outside the spin box's range is used as typed; when the box
// loses the focus it is pulled to the nearer end, which is one more change.
TEST_F(MainWindowTest, TypedValueBeyondTheRangeIsPulledBackWhenTheFocusLeaves)
{
    Start();
    TMainF& f = *mainF;
    f.tabs->setCurrentIndex(2);
    Settle();
    NoticeCounter counter;
    f.rimBandSpin->OnChange = counter.Wrap(f.rimBandSpin->OnChange);
    const int paints = Paints();

    f.rimBandSpin->selectAll();
    Type(f.rimBandSpin, "15");
    EXPECT_EQ(f.rimBandSpin->Text(), "15");
    EXPECT_EQ(f.rimBandSpin->Value(), 15);
    EXPECT_EQ(counter.count, 2);  // "1", then "15"
    EXPECT_EQ(Paints(), paints + 2);

    LoseFocus(f.rimBandSpin);
    EXPECT_EQ(f.rimBandSpin->Text(), "9");
    EXPECT_EQ(f.rimBandSpin->Value(), 9);
    EXPECT_EQ(counter.count, 3);
    EXPECT_EQ(Paints(), paints + 3);

    LoseFocus(f.rimBandSpin);  // already in range: no change
    EXPECT_EQ(counter.count, 3);

    // Letters are refused while typing; below the range is pulled up.
    f.rimBandSpin->selectAll();
    Type(f.rimBandSpin, "x-3");
    EXPECT_EQ(f.rimBandSpin->Text(), "-3");
    LoseFocus(f.rimBandSpin);
    EXPECT_EQ(f.rimBandSpin->Text(), "0");
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// Tab walks every page top to bottom, as it reads, and on to the buttons.
TEST_F(MainWindowTest, TabWalksEveryPageTopToBottom)
{
    Start();
    TMainF& f = *mainF;
    f.activateWindow();
    Settle();
    const struct {
        int page;
        std::vector<QWidget*> order;
    } pages[] = {
        {0, {f.rimTypeList, f.hubHolesList, f.rimHolesList, f.erdEdit, f.leftOffsetEdit, f.rightOffsetEdit, f.partsButton, f.hubButton, f.locknutButton, f.leftFlangeEdit, f.rightFlangeEdit, f.spokeHoleEdit, f.leftCrossSpin, f.rightCrossSpin, f.StoredControl<TEdit>("RimOffE"),
             f.StoredControl<TEdit>("TensionE"), f.StoredControl<TEdit>("SpokeDiaE"), f.StoredControl<TComboBox>("OrderStepCB"), f.drawButton, f.calcButton, f.summaryButton}},
        {1, {f.angleEdit, f.halfPitchButton, f.balanceButton, f.lacingGrid}},
        {2, {f.backgroundColourBox, f.rimOuterColourBox, f.rimInnerColourBox, f.hubColourBox, f.leftSpokeColourBox, f.rightSpokeColourBox, f.rimBandSpin, f.rimInnerSpin, f.hubMarginSpin, f.spokeWidthSpin, f.autoRedrawCheck, f.rimNumbersCheck, f.hubNumbersCheck}},
    };
    for (const auto& page : pages) {
        f.tabs->setCurrentIndex(page.page);
        Settle();
        page.order.front()->setFocus(Qt::OtherFocusReason);
        Settle();
        for (QWidget* next : page.order) {
            QWidget* now = QApplication::focusWidget();
            // A spin box hands the focus to its line edit, the grid to its viewport.
            while (now != nullptr && now != next && now->parentWidget() != nullptr && now->parentWidget() == next)
                now = now->parentWidget();
            ASSERT_EQ(now, next) << "page " << page.page << ": " << next->objectName().toStdString();
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
        }
    }
}

// The window is never smaller than 460 x 540 outside (the "Data" tab's lines
// need that height); "Draw!" and "Summary!"
// take a third of the bar each and "Calc!" the rest, between them.
TEST_F(MainWindowTest, KeepsItsMinimumSizeAndSharesTheButtonBar)
{
    Start();
    TMainF& f = *mainF;
    for (const QSize asked : {QSize(300, 200), QSize(459, 539), QSize(900, 620), QSize(461, 700), QSize(1001, 541)}) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(asked.width()).arg(asked.height()).toStdString());
        // Asked as an outer size; the window system adds its frame outside the client.
        const QSize frame = f.frameGeometry().size() - f.size();
        f.resize(asked - frame);
        Settle();
        EXPECT_EQ(f.Width(), std::max(asked.width(), 460));
        EXPECT_EQ(f.Height(), std::max(asked.height(), 540));

        const QRect bar = f.buttonBar->contentsRect();
        const int third = bar.width() / 3;
        EXPECT_EQ(f.drawButton->width(), third);
        EXPECT_EQ(f.summaryButton->width(), third);
        EXPECT_EQ(f.drawButton->x(), bar.left());
        EXPECT_EQ(f.calcButton->x(), f.drawButton->geometry().right() + 1);
        EXPECT_EQ(f.summaryButton->x(), f.calcButton->geometry().right() + 1);
        EXPECT_EQ(f.summaryButton->geometry().right(), bar.right());
        // The bar spans the drawing side, left of the 272 wide right panel.
        EXPECT_EQ(f.rightPanel->width(), 272);
        EXPECT_EQ(f.buttonBar->width() + f.rightPanel->width(), f.width());
    }
}

// Ctrl + right press on the Open button clears the credits; the next drawing
// hides the title and the logo for the rest of the run. Other presses leave
// them, and the right press opens no dialog.
TEST_F(MainWindowTest, CtrlRightPressOnOpenHidesTheCreditsForGood)
{
    Start();
    TMainF& f = *mainF;
    LaceWheel(f, "36", "36");
    EXPECT_TRUE(f.titleLabel->isVisible());
    EXPECT_TRUE(f.logoImage->isVisible());

    Press(f.openButton, Qt::RightButton);
    Press(f.openButton, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    Click(f.drawButton);
    EXPECT_EQ(TMainF::ShowCredits, -1);
    EXPECT_TRUE(f.titleLabel->isVisible());
    EXPECT_TRUE(f.logoImage->isVisible());

    // Ctrl with the left button is a plain click: the open dialog (cancelled).
    Press(f.openButton, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    Click(f.drawButton);
    EXPECT_TRUE(f.titleLabel->isVisible());

    Press(f.openButton, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(TMainF::ShowCredits, 0);
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_TRUE(f.titleLabel->isVisible());  // the press itself does not redraw
    const int paints = Paints();
    Click(f.drawButton);
    EXPECT_GT(Paints(), paints);
    EXPECT_FALSE(f.titleLabel->isVisible());
    EXPECT_FALSE(f.logoImage->isVisible());

    // Nothing brings them back: other drawings, a resize, another tab.
    Choose(f.rimHolesList, "32");
    f.resize(f.width() + 40, f.height() + 20);
    Settle();
    Click(f.drawButton);
    EXPECT_FALSE(f.titleLabel->isVisible());
    EXPECT_FALSE(f.logoImage->isVisible());
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// The title opens the about box, the logo the web page; nothing else opens.
TEST_F(MainWindowTest, TitleAndLogoOpenTheAboutBoxAndTheWebPage)
{
    Start();
    Click(mainF->titleLabel);
    ASSERT_EQ(desktop.abouts.size(), 1);
    EXPECT_TRUE(desktop.abouts[0].startsWith("Rimora Ver0.02\n"));
    EXPECT_TRUE(desktop.abouts[0].contains("Copyright"));
    EXPECT_TRUE(desktop.urls.isEmpty());
    Click(mainF->logoImage);
    EXPECT_EQ(desktop.urls, QStringList{TMainF::WebAddress});
    EXPECT_EQ(desktop.abouts.size(), 1);
}

// A number box shows the longest value it is meant to hold whole, first character
// included, in either region.
TEST_F(MainWindowTest, NumberBoxesShowTheirLongestValueWhole)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        Start();
        const std::pair<TEdit*, double> rows[] = {{mainF->erdEdit, 1590.125}, {mainF->leftFlangeEdit, 41.125}, {mainF->angleEdit, -5.625}};
        for (const auto& [edit, value] : rows) {
            mainF->tabs->setCurrentIndex(edit == mainF->angleEdit ? 1 : 0);
            edit->setText(region.toString(value, 'f', 3));  // the cursor at the end, as after typing
            edit->grab();  // the box works out which part of its text it shows as it paints
            EXPECT_EQ(edit->cursorPositionAt(QPoint(edit->contentsRect().left() + 4, 8)), 0) << value;
        }
        Stop();
    }
}

}  // namespace
}  // namespace rimora::test
