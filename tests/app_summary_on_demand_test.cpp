// The program builds its summary window the first time the summary is asked
// for. Built then, it is the window it would have been at the start: the
// placement stored in the settings file, and nothing written for it at the
// end unless the user closed it.
#include "app_window_fixture.h"

namespace rimora::test {
namespace {

class SummaryOnDemandTest : public AppWindowTest {
protected:
    // As the program starts: the main window with a maker, no summary window.
    void StartOnDemand()
    {
        made = 0;
        mainF = std::make_unique<TMainF>();
        mainF->SetSummaryWindowMaker([this] {
            ++made;
            sumF = std::make_unique<TSumF>();
            return sumF.get();
        });
        mainF->show();
        Settle();
    }

    int made = 0;
};

TEST_F(SummaryOnDemandTest, BuiltAtTheFirstAskWithTheStoredPlacementThenKept)
{
    const struct {
        const char* stored;
        QRect expected;  // left, top, width, height as read at the start
    } cases[] = {
        {"[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n", QRect(50, 60, 500, 420)},
        {"[SumF]\nLeft=-40\nTop=70\nHeight=400\nWidth=450\n", QRect()},  // off the left: centred
        {"", QRect()},                                                    // none: centred
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        WriteBytes(SettingsPath(), c.stored);
        // What a summary window built at the start makes of the file, and
        // where it shows.
        Start();
        if (!c.expected.isNull()) {
            EXPECT_EQ(QRect(sumF->Left(), sumF->Top(), sumF->Width(), sumF->Height()), c.expected);
        }
        LaceWheel(*mainF, "36", "36");
        Click(mainF->summaryButton);
        const QRect atStart(sumF->Left(), sumF->Top(), sumF->Width(), sumF->Height());
        sumF->hide();  // hidden, not closed: nothing written for it
        Stop();
        WriteBytes(SettingsPath(), c.stored);

        StartOnDemand();
        LaceWheel(*mainF, "36", "36");
        Click(mainF->calcButton);
        Click(mainF->drawButton);
        EXPECT_EQ(made, 0);
        EXPECT_EQ(sumF, nullptr);

        Click(mainF->summaryButton);
        ASSERT_EQ(made, 1);
        ASSERT_NE(sumF, nullptr);
        EXPECT_EQ(mainF->summaryForm, sumF.get());
        EXPECT_TRUE(sumF->isVisible());
        EXPECT_EQ(QRect(sumF->Left(), sumF->Top(), sumF->Width(), sumF->Height()), atStart);
        EXPECT_TRUE(sumF->Memo1->Text().contains("36")) << sumF->Memo1->Text().toStdString();

        Click(sumF->OKBtn);
        Click(mainF->summaryButton);
        EXPECT_EQ(made, 1);  // the same window again
        EXPECT_TRUE(sumF->isVisible());
        Stop();
        EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
    }
}

// A run that never shows the summary leaves its stored placement as it was
// and still writes the main window's settings.
TEST_F(SummaryOnDemandTest, ARunWithoutTheSummaryLeavesItsPlacementAlone)
{
    WriteBytes(SettingsPath(), "[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n");
    StartOnDemand();
    LaceWheel(*mainF, "32", "32");
    mainF->close();
    Stop();
    EXPECT_EQ(made, 0);
    const QString written = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(written.startsWith("[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("[MainF]")) << written.toStdString();
    EXPECT_TRUE(desktop.errors.isEmpty()) << desktop.errors.join('\n').toStdString();
}

}  // namespace
}  // namespace rimora::test
