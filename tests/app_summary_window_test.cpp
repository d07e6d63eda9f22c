// "Summary!" on the real main window and the summary window it shows: the
// text, what an error leaves alone, the window's size rules and placement.
#include "app_window_fixture.h"

#include <QFontInfo>
#include <QScrollBar>
#include <QTextDocument>

namespace rimora::test {
namespace {

using SummaryWindowTest = AppWindowTest;

QStringList MemoLines(const TSumF& s)
{
    return s.Memo1->Text().split('\n');
}

// The design defaults with 36 hub and 36 rim holes, as the summary shows them.
QStringList DefaultWheelSummary(const QString& decimal, const QString& wl, const QString& wr, const QString& sh)
{
    const auto n = [&](const char* number) { return QString::fromLatin1(number).replace('.', decimal); };
    return {"Profile.prl",
            "700c:622",
            "HUB:36 hole",
            "RIM:36 hole",
            "ERD:590 mm",
            "WL:" + wl + " mm  WR:" + wr + " mm",
            "dL:41 mm  dR:41 mm",
            "S:" + sh + " mm",
            "CL:3 cross  CR:3 cross",
            "",
            n("284.6") + "mm * 18 pcs",
            n("285.4") + "mm * 18 pcs +" + n("0.8") + "mm",
            "",
            "difference: " + n("0.8") + "mm",
            "Average: " + n("285.0") + "mm",
            "",
            " Left Side:18 pcs",
            "Right Side:18 pcs",
            "     Total:36 pcs"};
}

// The nineteen lines, through a real click on "Summary!" after the user chose
// both hole counts; whatever was typed into the memo is replaced.
TEST_F(SummaryWindowTest, SummaryButtonShowsTheNineteenLinesOfTheDefaultWheel)
{
    Start();
    Choose(mainF->hubHolesList, "36");
    Choose(mainF->rimHolesList, "36");
    desktop.errors.clear();  // the first of the two choices could lace nothing yet
    sumF->Memo1->setPlainText("typed by the user\nand more");

    Click(mainF->summaryButton);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    EXPECT_TRUE(sumF->isVisible());
    QStringList lines = MemoLines(*sumF);
    // Every line ends with a line break; each side's own lines follow the
    // nineteen after a blank line, then after another a line per size to order.
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.takeLast(), "");
    EXPECT_EQ(lines.mid(0, 19), DefaultWheelSummary(".", "27.5", "18.1", "2.5"));
    EXPECT_EQ(lines[19], "");
    EXPECT_TRUE(lines[20].startsWith("Left : 18 pcs 3 cross  length 285.4mm  order ")) << lines[20].toStdString();
    EXPECT_TRUE(lines[21].startsWith("Right: 18 pcs 3 cross  length 284.6mm  order ")) << lines[21].toStdString();
    EXPECT_EQ(lines.mid(22), (QStringList{"", "Order 284mm * 18 pcs: left 0, right 18", "Order 286mm * 18 pcs: left 18, right 0"}));
    EXPECT_FALSE(sumF->Memo1->Text().contains('\r'));
    // The lengths were computed on the way.
    EXPECT_EQ(mainF->lacingGrid->Cells(4, 1), "285.4");
    EXPECT_EQ(mainF->lacingGrid->Cells(4, 2), "284.6");

    // The numbers as read, in the region's notation; the next "Summary!"
    // replaces the whole memo again.
    mainF->leftOffsetEdit->SetText("27.50");
    sumF->Memo1->appendPlainText("a note");
    Click(mainF->summaryButton);
    lines = MemoLines(*sumF);
    EXPECT_EQ(lines.value(5), "WL:27.5 mm  WR:18.1 mm");
    EXPECT_FALSE(sumF->Memo1->Text().contains("a note"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

TEST_F(SummaryWindowTest, CommaRegionSummaryUsesCommaDecimals)
{
    ScopedLocale comma(CommaRegion());
    Start();
    mainF->leftOffsetEdit->SetText("27,5");
    mainF->rightOffsetEdit->SetText("18,1");
    mainF->spokeHoleEdit->SetText("2,5");
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    QStringList lines = MemoLines(*sumF);
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.mid(0, 19), DefaultWheelSummary(",", "27,5", "18,1", "2,5"));
    EXPECT_TRUE(lines[20].startsWith("Left : 18 pcs 3 cross  length 285,4mm  order ")) << lines[20].toStdString();
}

// An error ends "Summary!" before the memo or the window change, and the
// user is told what to do.
TEST_F(SummaryWindowTest, ErrorLeavesTheMemoAndTheWindowAsTheyWere)
{
    Start();
    Click(mainF->summaryButton);  // no hole count chosen yet
    ASSERT_EQ(desktop.errors.size(), 1);
    const QString message = desktop.errors[0];
    EXPECT_TRUE(message.contains("hub and rim hole counts")) << message.toStdString();
    EXPECT_TRUE(message.contains("Summary!")) << message.toStdString();
    EXPECT_EQ(sumF->Memo1->Text(), "Memo1");
    EXPECT_FALSE(sumF->isVisible());

    // Shown with a summary, then a dimension that does not convert.
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    const QString shown = sumF->Memo1->Text();
    sumF->Memo1->appendPlainText("my note");
    const QString withNote = sumF->Memo1->Text();
    mainF->leftOffsetEdit->SetText("27.5.");  // no decimal number
    desktop.errors.clear();
    Click(mainF->summaryButton);
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains("27.5.")) << desktop.errors[0].toStdString();
    EXPECT_EQ(sumF->Memo1->Text(), withNote);
    EXPECT_TRUE(sumF->isVisible());

    // Hidden, then the same error: it stays hidden.
    Click(sumF->OKBtn);
    ASSERT_FALSE(sumF->isVisible());
    Click(mainF->summaryButton);
    EXPECT_FALSE(sumF->isVisible());
    EXPECT_EQ(sumF->Memo1->Text(), withNote);
    EXPECT_NE(shown, withNote);
}

// Never below 400 x 300 outside; the OK button stays centred on the outer width.
TEST_F(SummaryWindowTest, KeepsItsMinimumSizeAndCentresTheOkButton)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    EXPECT_EQ(sumF->windowTitle(), "Summary");
    EXPECT_EQ(sumF->OKBtn->text(), "OK");
    EXPECT_EQ(sumF->OKBtn->width(), 75);
    for (const QSize asked : {QSize(200, 100), QSize(399, 299), QSize(401, 301), QSize(640, 480), QSize(777, 333)}) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(asked.width()).arg(asked.height()).toStdString());
        const QSize frame = sumF->frameGeometry().size() - sumF->size();
        sumF->resize(asked - frame);
        Settle();
        EXPECT_EQ(sumF->Width(), std::max(asked.width(), 400));
        EXPECT_EQ(sumF->Height(), std::max(asked.height(), 300));
        EXPECT_EQ(sumF->OKBtn->x(), sumF->Width() / 2 - sumF->OKBtn->width() / 2);
        EXPECT_EQ(sumF->OKBtn->parentWidget(), sumF->Panel1);
        EXPECT_TRUE(sumF->Panel1->rect().contains(sumF->OKBtn->geometry()));
    }
}

// Closing, by "OK" or by the window's close command, only hides the window
// and writes its placement; the next "Summary!" shows the same window.
TEST_F(SummaryWindowTest, ClosingHidesTheWindowAndWritesItsPlacement)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    sumF->move(123, 77);
    sumF->resize(520 - (sumF->Width() - sumF->width()), 360 - (sumF->Height() - sumF->height()));
    Settle();
    TSumF* const window = sumF.get();

    Click(sumF->OKBtn);
    EXPECT_FALSE(sumF->isVisible());
    EXPECT_EQ(sumF.get(), window);
    const QString written = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(written.contains("[SumF]\nLeft=123\nTop=77\nHeight=360\nWidth=520\n")) << written.toStdString();
    EXPECT_FALSE(written.contains("[MainF]")) << written.toStdString();

    Click(mainF->summaryButton);
    EXPECT_TRUE(sumF->isVisible());
    sumF->move(200, 90);
    Settle();
    EXPECT_TRUE(sumF->close());
    EXPECT_FALSE(sumF->isVisible());
    const QString again = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(again.contains("[SumF]\nLeft=200\nTop=90\n")) << again.toStdString();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

// The placement written at the last close comes back when the window is
// created; ending the program with the window shown writes none.
TEST_F(SummaryWindowTest, PlacementIsRestoredAtCreationAndNotWrittenAtTheEnd)
{
    WriteBytes(SettingsPath(), "[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n");
    Start();
    EXPECT_EQ(sumF->Left(), 50);
    EXPECT_EQ(sumF->Top(), 60);
    EXPECT_EQ(sumF->Width(), 500);
    EXPECT_EQ(sumF->Height(), 420);

    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    sumF->move(300, 310);
    Settle();
    Stop();  // the program ends with the summary shown
    const QString written = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(written.startsWith("[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n")) << written.toStdString();

    Start();
    EXPECT_EQ(sumF->Left(), 50);
    EXPECT_EQ(sumF->Top(), 60);
}

// A stored size below the minimum is set back when the window is shown.
TEST_F(SummaryWindowTest, StoredSizesBelowTheMinimumAreSetBackOnShowing)
{
    WriteBytes(SettingsPath(), "[MainF]\nLeft=10\nTop=10\nHeight=100\nWidth=120\n"
                               "[SumF]\nLeft=20\nTop=20\nHeight=90\nWidth=110\n");
    Start();
    EXPECT_EQ(mainF->Width(), 460);
    EXPECT_EQ(mainF->Height(), 540);
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    EXPECT_EQ(sumF->Width(), 400);
    EXPECT_EQ(sumF->Height(), 300);
    EXPECT_EQ(sumF->OKBtn->x(), 400 / 2 - sumF->OKBtn->width() / 2);
    // The bill's colons line up only in a fixed-width face.
    EXPECT_TRUE(QFontInfo(sumF->Memo1->font()).fixedPitch()) << QFontInfo(sumF->Memo1->font()).family().toStdString();
}

// Without a stored placement the window is centred on the screen at its
// laid-out size.
TEST_F(SummaryWindowTest, FirstCreationCentresTheWindow)
{
    desktop.screen = QSize(1280, 1024);
    Start();
    EXPECT_EQ(sumF->Left(), 1280 / 2 - sumF->Width() / 2);
    EXPECT_EQ(sumF->Top(), 1024 / 2 - sumF->Height() / 2);
    // Shown, it keeps its laid-out inner size (the frame goes outside), and
    // at that size the whole summary is in view: nothing to scroll.
    const QSize laidOut = sumF->size();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    Settle();
    EXPECT_EQ(sumF->size(), laidOut);
    EXPECT_GE(sumF->Memo1->document()->lineCount(), 19);
    EXPECT_EQ(sumF->Memo1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(sumF->Memo1->horizontalScrollBar()->maximum(), 0);
}

// At its first showing the window grows to show the whole summary, the long
// bills of unequal hole counts too, as far as the screen has room. (A size
// the user left it at stays: see the stored sizes above.)
TEST_F(SummaryWindowTest, FirstShowingShowsTheWholeSummaryWhereTheScreenHasRoom)
{
    const struct { const char* hub; const char* rim; const char* cross; QSize screen; bool whole; } cases[] = {
        {"32", "36", "3", {1920, 1080}, true}, {"24", "32", "2", {1920, 1080}, true},
        {"28", "32", "3", {2560, 1600}, true}, {"28", "32", "3", {1920, 1080}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2, screen %3 high").arg(c.hub, c.rim).arg(c.screen.height()).toStdString());
        desktop.screen = c.screen;
        Start();
        mainF->rightCrossSpin->SetText(c.cross);
        mainF->StoredControl<TEdit>("RimOffE")->SetText("2");
        LaceWheel(*mainF, c.hub, c.rim);
        Click(mainF->summaryButton);
        Settle();
        const QPlainTextEdit& memo = *sumF->Memo1;
        EXPECT_EQ(memo.verticalScrollBar()->maximum() + memo.horizontalScrollBar()->maximum() == 0, c.whole);
        EXPECT_TRUE(QRect(QPoint(0, 0), c.screen).contains(sumF->frameGeometry()));
        Stop();
    }
}

}  // namespace
}  // namespace rimora::test
