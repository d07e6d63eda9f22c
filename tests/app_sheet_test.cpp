// The build sheet and the exports on the real main window: the right-click
// menu and its shortcuts, the print preview, the save dialogs (folder, name,
// overwrite, refused targets), the image size, and the same lacing and
// lengths as the command line gets from a saved profile.
#include "app_window_fixture.h"

#include "lacing/lacing_table.h"
#include "wheel/wheel_choices.h"
#include "sheet/laced_wheel.h"
#include "sheet/laced_spokes.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>

namespace rimora::test {
namespace {

class SheetWindowTest : public AppWindowTest {
protected:
    void SaveAnswer(const QString& path) { desktop.saveAnswers.push_back(path); }
};

int CountNear(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) < 30 && std::abs(c.green() - colour.green()) < 30
                 && std::abs(c.blue() - colour.blue()) < 30;
        }
    return n;
}

TEST_F(SheetWindowTest, TheDrawingsMenuOffersTheThreeExportsWithTheirShortcuts)
{
    Start();
    EXPECT_EQ(mainF->wheelPaintBox->contextMenuPolicy(), Qt::CustomContextMenu);
    // The exports head the menu; the tension log's items follow a separator.
    const QList<QAction*> items = mainF->drawingMenu->actions().mid(0, 3);
    ASSERT_TRUE(mainF->drawingMenu->actions().value(3)->isSeparator());
    EXPECT_EQ(items[0]->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence("Ctrl+E"));
    for (QAction* item : items) EXPECT_TRUE(mainF->actions().contains(item)) << item->text().toStdString();
}

// The preview gets the sheet of the wheel the window shows, and printing
// changes nothing in the window.
TEST_F(SheetWindowTest, PrintPreviewShowsTheSheetOfTheWindowsWheel)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    ChooseColor(mainF->leftSpokeColourBox, colors::Fuchsia);
    ChooseColor(mainF->rightSpokeColourBox, colors::Teal);
    Settle();
    const QStringList before = Snapshot(*mainF);
    mainF->printSheetItem->trigger();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    ASSERT_EQ(desktop.prints, QStringList{"Build sheet: Profile.prl"});
    // A print to a file is offered the profile's name, not the title's colon.
    EXPECT_EQ(desktop.printDocuments, QStringList{"Profile.pdf"});
    const QImage& page = desktop.printedPage;
    ASSERT_FALSE(page.isNull());
    // The wheel sits in the upper right quarter of the page.
    const QRect upperRight(page.width() / 2, 0, page.width() / 2, page.height() / 2);
    EXPECT_GT(CountNear(page, upperRight, ToQColor(colors::Fuchsia)), 100);
    EXPECT_GT(CountNear(page, upperRight, ToQColor(colors::Teal)), 100);
    EXPECT_EQ(Snapshot(*mainF), before);
}

// A text box that claims every key combination for itself, as text boxes do
// with Ctrl+E (end of line) on some desktops.
class GreedyBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

void PressKey(QWidget* widget, QKeyCombination key)
{
    QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers());
    QApplication::sendEvent(widget, &release);
}

TEST_F(SheetWindowTest, ShortcutsReachTheWindowEvenFromABoxThatClaimsTheKeys)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    auto* box = new GreedyBox(mainF->rightPanel);
    box->show();
    QApplication::setActiveWindow(mainF.get());
    box->setFocus();
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), box);
    PressKey(box, Qt::CTRL | Qt::Key_P);
    EXPECT_EQ(desktop.prints.size(), 1);
    // Other keys stay the box's own.
    PressKey(box, Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(desktop.prints.size(), 1);
    EXPECT_TRUE(desktop.saveRequests.empty());
}

TEST_F(SheetWindowTest, ShortcutsWorkWhileATextBoxHasTheFocus)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    QApplication::setActiveWindow(mainF.get());
    mainF->erdEdit->setFocus();
    Settle();
    ASSERT_EQ(QApplication::focusWidget(), mainF->erdEdit);
    const QString pdf = Path("by key.pdf");
    SaveAnswer(pdf);
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::SHIFT | Qt::Key_S, Qt::CTRL | Qt::Key_E})
        PressKey(mainF->erdEdit, key);
    EXPECT_EQ(desktop.prints.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(pdf));
    // Ctrl+E asked for the drawing's file (and was cancelled).
    EXPECT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(mainF->erdEdit->Text(), "590");
}

TEST_F(SheetWindowTest, SheetDialogStartsInTheProfilesFolderWithItsName)
{
    desktop.documentsFolder = Path("Documents");
    Start();
    LaceWheel(*mainF, "36", "36");
    SaveAnswer("");
    mainF->sheetPdfItem->trigger();
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    // Before any profile: the user's documents, never the program's folder.
    EXPECT_EQ(desktop.saveRequests[0].folder, desktop.documentsFolder);
    EXPECT_EQ(desktop.saveRequests[0].fileName, "Profile.pdf");
    EXPECT_EQ(desktop.saveRequests[0].defaultExtension, "pdf");

    // After a profile is saved elsewhere, the dialogs follow it.
    ASSERT_TRUE(QDir(Path("")).mkpath("wheels"));
    desktop.saveAnswers.push_back(Path("wheels/front 32.prl"));
    Click(mainF->saveButton);
    SaveAnswer("");
    mainF->saveDrawingItem->trigger();
    ASSERT_EQ(desktop.saveRequests.size(), 3u);
    EXPECT_EQ(desktop.saveRequests[2].folder, Path("wheels"));
    EXPECT_EQ(desktop.saveRequests[2].fileName, "front 32.svg");
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

TEST_F(SheetWindowTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    const QString pdf = Path("sheet.pdf");
    WriteBytes(pdf, "old");
    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree);
        desktop.confirmations.clear();
        desktop.confirmAnswers.push_back(agree);
        SaveAnswer(pdf);
        mainF->sheetPdfItem->trigger();
        ASSERT_EQ(desktop.confirmations.size(), 1);
        EXPECT_TRUE(desktop.confirmations[0].contains(QDir::toNativeSeparators(pdf)));
        EXPECT_EQ(Bytes(pdf).startsWith("%PDF-"), agree);
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

TEST_F(SheetWindowTest, ARefusedTargetIsAClearMessageAndLeavesNoFile)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    const QString targets[] = {Path("missing/sheet.pdf"), Path("missing/wheel.svg"), Path("wheel.gif")};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        desktop.errors.clear();
        SaveAnswer(target);
        (target.endsWith(".pdf") ? mainF->sheetPdfItem : mainF->saveDrawingItem)->trigger();
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors[0].contains(QDir::toNativeSeparators(target))) << Errors().toStdString();
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_TRUE(FolderEntries().isEmpty()) << FolderEntries().join(' ').toStdString();
}

TEST_F(SheetWindowTest, PngIsDrawnAtTheSizeTheUserPicksFromTwiceThePaintBox)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    const QString png = Path("wheel.png");
    SaveAnswer(png);
    desktop.sizeAnswers.push_back(QSize(500, 300));
    mainF->saveDrawingItem->trigger();
    ASSERT_EQ(desktop.sizeRequests.size(), 1);
    EXPECT_EQ(desktop.sizeRequests[0], mainF->wheelPaintBox->size() * 2);
    EXPECT_EQ(QImageReader(png).size(), QSize(500, 300));

    // Cancelling the size writes nothing; an SVG asks for no size.
    const QString other = Path("other.png");
    SaveAnswer(other);
    mainF->saveDrawingItem->trigger();
    EXPECT_FALSE(QFileInfo::exists(other));
    SaveAnswer(Path("wheel.svg"));
    mainF->saveDrawingItem->trigger();
    EXPECT_EQ(desktop.sizeRequests.size(), 2);
    EXPECT_TRUE(Bytes(Path("wheel.svg")).contains(QStringLiteral("width=\"%1").arg(mainF->wheelPaintBox->width()).toUtf8()));
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

// A profile saved without its table gets, from the command line's reading,
// exactly the links and lengths the window gives the same wheel, with the
// same rim offset.
TEST_F(SheetWindowTest, AnEmptyProfileIsLacedAndMeasuredAsTheWindowDoes)
{
    Start();
    const QStringList counts = HoleCountItems();
    for (int hub = 0; hub < counts.size(); ++hub) {
        for (int rim = 0; rim < counts.size(); ++rim) {
            const int cross = (hub + rim) % 4;
            const QString offset = QStringList{"0", "1.5", "2"}[(hub + 2 * rim) % 3];
            mainF->StoredControl<TEdit>("RimOffE")->SetText(offset);
            SCOPED_TRACE(counts[hub].toStdString() + "/" + counts[rim].toStdString() + " x" + std::to_string(cross));
            mainF->leftCrossSpin->SetValue(cross);
            mainF->rightCrossSpin->SetValue(3 - cross % 2);
            mainF->rimHolesList->SetItemIndex(rim);
            mainF->hubHolesList->SetItemIndex(hub);
            mainF->HoleCountChosen();  // as a choice of either list runs it
            Click(mainF->calcButton);
            Click(mainF->drawButton);  // the drawing rebuilds ->R from ->H

            const QString profile = Path("w.prl");
            WriteBytes(profile, QStringLiteral("[MainF]\nHubCB=%1\nRimCB=%2\nCLE=%3\nCRE=%4\nRimOffE=%5\n")
                                    .arg(hub)
                                    .arg(rim)
                                    .arg(mainF->leftCrossSpin->Value())
                                    .arg(mainF->rightCrossSpin->Value())
                                    .arg(offset)
                                    .toUtf8());
            LacedWheel w = ReadLacedWheel(profile);
            PrepareWheel(w);
            const GridModel& window = mainF->lacingGrid->Model();
            ASSERT_EQ(w.table->RowCount(), window.RowCount());
            for (int r = 1; r < window.RowCount(); ++r)
                for (const int c : {kToRimCol, kToHubCol, kLengthCol})
                    ASSERT_EQ(w.table->Cells(c, r), window.Cells(c, r)) << "row " << r << " column " << c;
        }
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

// The print and the PDF copy the rim offset, tension and ordering inputs from
// the window: a text that is no number, or a wheel they make impossible, is
// named by its caption, nothing is printed or written and the window keeps
// its texts.
TEST_F(SheetWindowTest, TheSheetCarriesTheWindowsRimOffsetTensionAndOrdering)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->calcButton);
    const struct {
        TEdit* box;
        QString text;
        QString says;
    } cases[] = {{mainF->StoredControl<TEdit>("RimOffE"), "2x", "Rim offset: '2x'"},
                 {mainF->StoredControl<TEdit>("RimOffE"), "27.5", "Rim offset: 27.5 mm reaches"},
                 {mainF->StoredControl<TEdit>("TensionE"), "", "Tension: ''"},
                 {mainF->StoredControl<TEdit>("SpokeDiaE"), "0", QString::fromUtf8("Spoke Ø: ")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString before = c.box->Text();
        c.box->SetText(c.text);
        desktop.errors.clear();
        desktop.prints.clear();
        mainF->printSheetItem->trigger();
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors[0].contains(c.says)) << Errors().toStdString();
        EXPECT_TRUE(desktop.prints.isEmpty());
        // The wheel is read before the save dialog would open.
        mainF->sheetPdfItem->trigger();
        EXPECT_EQ(desktop.errors.size(), 2);
        EXPECT_EQ(desktop.saveRequests.size(), 0u);
        EXPECT_EQ(c.box->Text(), c.text);
        c.box->SetText(before);
    }
    desktop.errors.clear();
    mainF->StoredControl<TComboBox>("OrderStepCB")->SetItemIndex(0);
    mainF->StoredControl<TEdit>("RimOffE")->SetText("2");
    mainF->printSheetItem->trigger();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(desktop.prints.size(), 1);
}

}  // namespace
}  // namespace rimora::test
