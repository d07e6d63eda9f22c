// The "True it" window: a round of 32 readings typed with the keyboard alone,
// Enter going on to the next spoke round the wheel; the spokes outside their
// side's band; the round kept in the profile and read back.
#include "app/true_window.h"
#include "app_window_fixture.h"

#include <QLineEdit>
#include <QTableWidget>

namespace rimora::test {
namespace {

using TrueWindowTest = AppWindowTest;

void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST_F(TrueWindowTest, ARoundTypedSpokeBySpokeIsJudgedPerSideAndKeptInTheProfile)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    // Rim holes 1, 3, ... are left spokes (79.2 kgf aimed at), 2, 4, ... right (120 kgf).
    const struct {
        const char* typed;
        std::optional<double> reading;
        SpokeMark mark;
    } spokes[] = {
        {"21", 21, SpokeMark::Within},    {"25", 25, SpokeMark::Within},     {"20.5", 20.5, SpokeMark::Within},
        {"27", 27, SpokeMark::High},      {"19", 19, SpokeMark::Low},        {"24", 24, SpokeMark::Within},
        {"16", 16, SpokeMark::BelowTable}, {"29", 29, SpokeMark::AboveTable}, {"x", std::nullopt, SpokeMark::NotRead},
    };
    Start();
    LaceWheel(*mainF, "32", "32");
    const QString plain = Path(QStringLiteral("plain.prl"));
    Save(plain);
    mainF->trueItem->trigger();
    Settle();
    TrueWindow* window = mainF->trueWindow;
    ASSERT_TRUE(window && window->isVisible());
    window->NewRound(QStringLiteral("initial"));
    QTableWidget* list = window->ReadingList();
    ASSERT_EQ(list->rowCount(), 32);
    for (int i = 0; i < 32; ++i) {
        const auto& s = spokes[std::min<std::size_t>(i, std::size(spokes) - 1)];
        ASSERT_EQ(list->currentRow(), i);
        QWidget* editor = list->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << i;
        Type(editor, QString::fromLatin1(i < 9 ? s.typed : ""));
        PressKey(editor, Qt::Key_Return);
        // The editor hands its text over after the key, and the next spoke's opens after that.
        for (int pass = 0; pass < 3; ++pass) Settle();
    }
    const TensionRound round = window->Rounds().back();
    const TensionReport& report = window->Report();
    for (std::size_t i = 0; i < std::size(spokes); ++i) {
        EXPECT_EQ(round.readings[i], spokes[i].reading) << i;
        EXPECT_EQ(report.figures.marks[i], spokes[i].mark) << i;
    }
    EXPECT_EQ(report.figures.left.outside, (std::vector<int>{4, 6}));
    EXPECT_EQ(report.figures.right.outside, (std::vector<int>{3, 7}));

    const QString profile = Path(QStringLiteral("trued.prl"));
    Save(profile);
    EXPECT_TRUE(Bytes(profile).contains("TenRound1E=")) << Errors().toStdString();
    Restart();
    Open(profile);
    mainF->trueItem->trigger();
    Settle();
    ASSERT_EQ(mainF->trueWindow->Rounds().size(), 1u);
    EXPECT_EQ(mainF->trueWindow->Rounds().back().readings, round.readings);
    EXPECT_EQ(mainF->trueWindow->Rounds().back().label, QStringLiteral("initial"));
    // Another profile opened under the open window is its wheel from then on,
    // so no reading typed there goes into the wrong profile.
    Open(plain);
    Settle();
    EXPECT_TRUE(mainF->trueWindow->Rounds().empty());
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace rimora::test
