// "Open" on a wheel changed since it was stored, and the recent-profile list
// under the arrow beside it, on the real main window.
#include "app_window_fixture.h"
#include "persist/profile_file.h"

#include <QAction>
#include <QFileInfo>
#include <QToolButton>

namespace rimora::test {
namespace {

class RecentProfilesWindowTest : public AppWindowTest {
protected:
    // The menu as the arrow shows it: entries' tooltips (full paths).
    QStringList MenuPaths()
    {
        mainF->FillRecentMenu();
        QStringList paths;
        for (QAction* a : mainF->recentMenu->actions())
            if (a->isEnabled()) paths << a->toolTip();
        return paths;
    }
    // The user chooses the menu's entry for `path`.
    void ChooseRecent(const QString& path)
    {
        mainF->FillRecentMenu();
        for (QAction* a : mainF->recentMenu->actions()) {
            if (a->toolTip() == QDir::toNativeSeparators(path)) {
                a->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu entry for " << path.toStdString();
    }
    // A saved wheel of its own, different from the one on screen at start.
    QString WriteOtherWheel(const QString& name, const QString& erd)
    {
        const QString path = Path(name);
        Start();
        LaceWheel(*mainF, "32", "32");
        mainF->erdEdit->SetText(erd);
        Save(path);
        Stop();
        QFile::remove(SettingsPath());
        return path;
    }
};

TEST_F(RecentProfilesWindowTest, UnchangedWheelIsReplacedWithoutAQuestion)
{
    const QString other = WriteOtherWheel("other.prl", "612");
    struct Row {
        const char* what;
        std::function<void()> before;
    };
    const Row rows[] = {
        {"untouched since the start", [] {}},
        {"saved, then untouched",
         [this] {
             LaceWheel(*mainF, "36", "36");
             mainF->erdEdit->SetText("601");
             Save(Path("saved.prl"));
         }},
        {"opened, then redrawn and calculated",
         [this, other] {
             Open(other);
             Click(mainF->drawButton);
         }},
        {"changed and changed back",
         [this] {
             const QString erd = mainF->erdEdit->Text();
             mainF->erdEdit->SetText("555");
             mainF->erdEdit->SetText(erd);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Start();
        row.before();
        desktop.saveChangesQuestions.clear();
        Open(other);
        EXPECT_TRUE(desktop.saveChangesQuestions.isEmpty());
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        EXPECT_EQ(mainF->erdEdit->Text(), "612");
        EXPECT_EQ(mainF->profileLabel->Caption(), "other.prl");
        Stop();
        QFile::remove(SettingsPath());
    }
}

TEST_F(RecentProfilesWindowTest, ChangedWheelAsksAndEachAnswerDoesItsPart)
{
    const QString other = WriteOtherWheel("other.prl", "612");
    struct Row {
        const char* what;
        SaveChangesAnswer answer;
        QString saveAnswer;        // the save dialog after "Save"; empty: cancelled
        bool opened;               // the other wheel is on screen afterwards
        bool savedAsAsked;         // the changed wheel is in the saved file
        bool error;
    };
    const QString target = Path("changed.prl");
    const Row rows[] = {
        {"save, then open", SaveChangesAnswer::Save, target, true, true, false},
        {"save cancelled: nothing opened", SaveChangesAnswer::Save, QString(), false, false, false},
        {"save refused: nothing opened", SaveChangesAnswer::Save, Path("no/such/folder/changed.prl"), false, false, true},
        {"discard: opened, nothing saved", SaveChangesAnswer::Discard, QString(), true, false, false},
        {"cancel: nothing at all", SaveChangesAnswer::Cancel, QString(), false, false, false},
    };
    // Each of "Open" and a recent entry asks the same way.
    for (const bool fromRecent : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.what) + (fromRecent ? " (recent entry)" : " (Open)"));
            Start();
            // Puts it on the list; the next run starts with a wheel of no file
            // of its own, which "Save" saves through the dialog.
            if (fromRecent) {
                Open(other);
                Restart();
            }
            mainF->erdEdit->SetText("577");
            mainF->lacingGrid->SetCells(4, 1, "299.9");  // a table cell is a change too
            desktop.saveChangesAnswers.push_back(row.answer);
            if (!row.saveAnswer.isEmpty()) desktop.saveAnswers.push_back(row.saveAnswer);
            desktop.openRequests.clear();
            desktop.saveRequests.clear();
            if (fromRecent) {
                ChooseRecent(other);
            } else {
                desktop.openAnswers.push_back(other);
                Click(mainF->openButton);
            }
            ASSERT_EQ(desktop.saveChangesQuestions.size(), 1);
            EXPECT_TRUE(desktop.saveChangesQuestions[0].contains("not been saved yet"))
                << desktop.saveChangesQuestions[0].toStdString();
            EXPECT_EQ(desktop.saveRequests.size(), row.answer == SaveChangesAnswer::Save ? 1u : 0u);
            // The file dialog comes only once the wheel may be replaced.
            if (!fromRecent) {
                EXPECT_EQ(desktop.openRequests.size(), row.opened ? 1u : 0u);
            }
            EXPECT_EQ(desktop.errors.size(), row.error ? 1 : 0) << Errors().toStdString();
            EXPECT_EQ(mainF->erdEdit->Text(), row.opened ? "612" : "577");
            EXPECT_EQ(mainF->lacingGrid->Cells(4, 1), row.opened ? "" : "299.9");
            EXPECT_EQ(QFileInfo::exists(target), row.savedAsAsked);
            if (row.savedAsAsked) {
                EXPECT_TRUE(Bytes(target).contains("\nErdE=577\n"));
                EXPECT_TRUE(Bytes(target).contains(",299.9,\n"));
                EXPECT_EQ(mainF->RecentProfiles().mid(0, 2), QStringList({other, target}));
            }
            // What is on screen now counts as stored only when it was opened.
            desktop.saveChangesQuestions.clear();
            desktop.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
            Open(other);
            EXPECT_EQ(desktop.saveChangesQuestions.size(), row.opened ? 0 : 1);
            desktop.openAnswers.clear();
            desktop.saveChangesAnswers.clear();
            desktop.saveChangesQuestions.clear();
            desktop.errors.clear();
            Stop();
            QFile::remove(SettingsPath());
            QFile::remove(target);
        }
    }
}

TEST_F(RecentProfilesWindowTest, ListKeepsTheLatestEightMostRecentFirst)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    EXPECT_TRUE(MenuPaths().isEmpty());
    ASSERT_EQ(mainF->recentMenu->actions().size(), 1);
    EXPECT_FALSE(mainF->recentMenu->actions()[0]->isEnabled()) << "an empty list says so";

    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString path = Path(QStringLiteral("wheel%1.prl").arg(i));
        Save(path);
        expected.prepend(path);
    }
    EXPECT_EQ(MenuPaths(), expected.mid(0, 8));
    // Opening one again moves it up; it is not listed twice.
    Open(Path("wheel5.prl"));
    expected.removeAll(Path("wheel5.prl"));
    expected.prepend(Path("wheel5.prl"));
    EXPECT_EQ(MenuPaths(), expected.mid(0, 8));
    // A recent entry opens its file as "Open" does.
    mainF->erdEdit->SetText("640");
    Save(Path("wheel3.prl"));
    ChooseRecent(Path("wheel5.prl"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(mainF->erdEdit->Text(), "590");
    EXPECT_EQ(mainF->profileLabel->Caption(), "wheel5.prl");
    EXPECT_EQ(MenuPaths().mid(0, 2), QStringList({Path("wheel5.prl"), Path("wheel3.prl")}));

    // The list survives the restart through the settings file, where it is
    // the last record; no profile carries it.
    const QStringList before = MenuPaths();
    Restart();
    EXPECT_EQ(MenuPaths(), before);
    const QString settings = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(settings.section(QStringLiteral("[SumF]"), 0, 0).trimmed().endsWith(
        QStringLiteral("RecentL=") + before.join('|')))
        << settings.toStdString();
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(Bytes(Path(QStringLiteral("wheel%1.prl").arg(i))).contains("RecentL")) << i;
}

TEST_F(RecentProfilesWindowTest, MissingProfileIsSaidAndDropped)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    Save(Path("kept.prl"));
    Save(Path("gone.prl"));
    ASSERT_TRUE(QFile::remove(Path("gone.prl")));
    mainF->erdEdit->SetText("620");  // a change: nothing to ask about for a file that is not there
    ChooseRecent(Path("gone.prl"));
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_TRUE(desktop.errors[0].contains(QDir::toNativeSeparators(Path("gone.prl")))) << Errors().toStdString();
    EXPECT_TRUE(desktop.saveChangesQuestions.isEmpty());
    EXPECT_EQ(mainF->erdEdit->Text(), "620");
    EXPECT_EQ(MenuPaths(), QStringList{Path("kept.prl")});
}

TEST_F(RecentProfilesWindowTest, EntriesShowTheFullPathElidedInTheMiddle)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    const QString deep = Path(QString(30, 'd') + "/" + QString(30, 'e') + "/" + QString(30, 'f') + "/R&D wheel.prl");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(deep).absolutePath()));
    Save(Path("short.prl"));
    Save(deep);
    mainF->FillRecentMenu();
    const QList<QAction*> entries = mainF->recentMenu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->toolTip(), QDir::toNativeSeparators(deep));
    // Start and end of a long path stay readable; an ampersand is no mnemonic.
    const QString shown = entries[0]->text();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("R&&D wheel.prl")) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QDir::toNativeSeparators(Path("")).left(4))) << shown.toStdString();
    EXPECT_EQ(entries[1]->text(), QDir::toNativeSeparators(Path("short.prl")));
}

TEST_F(RecentProfilesWindowTest, SettingsFileWithoutTheListStartsEmptyAndProfileCannotSetIt)
{
    // A settings file of an earlier version: every record up to hubNumbersCheck.
    Start();
    Save(Path("mine.prl"));
    Stop();
    QByteArray settings = Bytes(SettingsPath());
    ASSERT_TRUE(settings.contains("RecentL="));
    const qsizetype at = settings.indexOf("RecentL=");
    settings.remove(at, settings.indexOf('\n', at) + 1 - at);
    WriteBytes(SettingsPath(), settings);
    Start();
    EXPECT_TRUE(MenuPaths().isEmpty());
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();

    // A profile edited to hold somebody's list opens without taking it.
    QByteArray edited = Bytes(Path("mine.prl"));
    edited += "RecentL=/home/somebody/secret.prl\n";
    WriteBytes(Path("edited.prl"), edited);
    Open(Path("edited.prl"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(MenuPaths(), QStringList{Path("edited.prl")});
}

TEST_F(RecentProfilesWindowTest, ArrowShowsTheMenuAndCtrlRightPressStillSwitchesTheCredits)
{
    Start();
    Save(Path("a.prl"));
    Click(mainF->recentButton);
    Settle();
    EXPECT_TRUE(mainF->recentMenu->isVisible());
    EXPECT_EQ(MenuPaths(), QStringList{Path("a.prl")});
    mainF->recentMenu->hide();
    // A plain click on "Open" is still the file dialog, not the menu.
    desktop.openRequests.clear();
    Click(mainF->openButton);
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_FALSE(mainF->recentMenu->isVisible());
    EXPECT_EQ(TMainF::ShowCredits, -1);
    Press(mainF->openButton, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(TMainF::ShowCredits, 0);
}

}  // namespace
}  // namespace rimora::test
