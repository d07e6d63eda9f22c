// Saving and opening profiles and keeping the windows' state in the settings
// file, on a stand-in for the main window with its controls in their order.
#include "persist/ini_save.h"
#include "persist/profile_flows.h"
#include "persist/settings_flows.h"
#include "persist_test_files.h"
#include "platform/convert.h"
#include "platform/errors.h"
#include "support/small_form.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

const QStringList kHoleCounts = {"4", "6", "28", "32", "36"};

// The main window's stored controls in creation order at their design
// values, with a few that store nothing in between, and a lacing table sized
// from the hub hole count as the main window sizes it.
struct MainWindow {
    MainWindow()
    {
        form.ComboBox(QStringLiteral("TyCB"), 8, 2);
        form.ComboBox(QStringLiteral("HubCB"), kHoleCounts.size(), 0);
        form.ComboBox(QStringLiteral("RimCB"), kHoleCounts.size(), 0);
        form.Label(QStringLiteral("ProfL"));
        form.Edit(QStringLiteral("dRE"), QStringLiteral("45"));
        form.Edit(QStringLiteral("dLE"), QStringLiteral("45"));
        form.SpinEdit(QStringLiteral("CLE"), 0, 4, 1);
        form.Edit(QStringLiteral("WLE"), QStringLiteral("35"));
        form.Edit(QStringLiteral("WRE"), QStringLiteral("20"));
        form.Edit(QStringLiteral("ShE"), QStringLiteral("2.6"));
        form.Edit(QStringLiteral("ErdE"), QStringLiteral("594"));
        form.SpinEdit(QStringLiteral("CRE"), 0, 4, 1);
        sg1 = &form.StringGrid(QStringLiteral("SG1"), 5, 5);
        form.Edit(QStringLiteral("AdE"), QStringLiteral("0"));
        const TColor colours[] = {colors::White, colors::Black, colors::Silver,    colors::Gray,
                                  colors::Red,   colors::Blue,  colors::ButtonFace};
        for (int i = 0; i < 7; ++i)
            form.ColorBox(QStringLiteral("CL%1").arg(i + 1), colours[i], colours[i]);
        form.SpinEdit(QStringLiteral("RIMBK"), 1, 50, 20);
        form.SpinEdit(QStringLiteral("RIMID"), 1, 50, 10);
        form.SpinEdit(QStringLiteral("HUBOD"), 1, 100, 50);
        form.SpinEdit(QStringLiteral("SpkD"), 1, 5, 1);
        form.Button(QStringLiteral("PB1"));
        form.CheckBox(QStringLiteral("AuCB"), true);
        form.CheckBox(QStringLiteral("RNCB"), false);
        form.RadioGroup(QStringLiteral("Ssd"), 3, 0);
        SetGridRows(*sg1, {QStringLiteral("HUB,->R,RIM,->H,Length")});
        store.SetFileName(kSettingsFileName);
        store.SetGridReadHook([this](Component&) {
            const int hub = form.Get<TComboBox>(QStringLiteral("HubCB")).ItemIndex();
            sg1->Model().SetRowCount(kHoleCounts.value(hub, QStringLiteral("0")).toInt() + 1);
        });
    }

    template <class T>
    T& Get(const char* name) const
    {
        return form.Get<T>(QString::fromLatin1(name));
    }

    // A wheel of four holes, laced and measured.
    void ChooseWheel()
    {
        Get<TComboBox>("TyCB").SetItemIndex(5);
        Get<TEdit>("dRE").SetText(QStringLiteral("52"));
        Get<TSpinEdit>("CLE").SetValue(2);
        Get<TEdit>("ErdE").SetText(QStringLiteral("607"));
        SetGridRows(*sg1, {QStringLiteral("HUB,->R,RIM,->H,Length"), QStringLiteral("01,->03,01,->03,290.1"),
                      QStringLiteral("02,->04,02,->04,290.2"), QStringLiteral("03,->01,03,->01,291.0"),
                      QStringLiteral("04,->02,04,->02,291.5")});
        Get<TEdit>("AdE").SetText(QStringLiteral("1.5"));
        Get<TColorBox>("CL5").SetSelected(colors::Green);
        Get<TColorBox>("CL7").SetSelected(colors::NoSelection);
        Get<TSpinEdit>("SpkD").SetValue(3);
        Get<TCheckBox>("AuCB").SetChecked(false);
        Get<TCheckBox>("RNCB").SetChecked(true);
        Get<TRadioGroup>("Ssd").SetItemIndex(2);
    }

    QStringList Values() const { return form.Values(); }

    SmallForm form{QStringLiteral("MainF"), 800, 600};
    TStringGrid* sg1 = nullptr;
    TIniSave store{form};
};

// The profile of MainWindow::ChooseWheel, key by key in the window's order.
const QByteArray kReferenceProfile = "[MainF]\n"
                                     "TyCB=5\n"
                                     "HubCB=0\n"
                                     "RimCB=0\n"
                                     "dRE=52\n"
                                     "dLE=45\n"
                                     "CLE=2\n"
                                     "WLE=35\n"
                                     "WRE=20\n"
                                     "ShE=2.6\n"
                                     "ErdE=607\n"
                                     "CRE=1\n"
                                     "SG1-Row0=HUB,->R,RIM,->H,Length,\n"
                                     "SG1-Row1=01,->03,01,->03,290.1,\n"
                                     "SG1-Row2=02,->04,02,->04,290.2,\n"
                                     "SG1-Row3=03,->01,03,->01,291.0,\n"
                                     "SG1-Row4=04,->02,04,->02,291.5,\n"
                                     "AdE=1.5\n"
                                     "CL1=16777215\n"
                                     "CL2=0\n"
                                     "CL3=12632256\n"
                                     "CL4=8421504\n"
                                     "CL5=32768\n"
                                     "CL6=16711680\n"
                                     "CL7=-16777216\n"
                                     "RIMBK=20\n"
                                     "RIMID=10\n"
                                     "HUBOD=50\n"
                                     "SpkD=3\n"
                                     "AuCB=0\n"
                                     "RNCB=1\n"
                                     "Ssd=2\n";

class ProfileFlowsTest : public PersistTest {};

}  // namespace

TEST_F(ProfileFlowsTest, SaveWritesTheProfileInTheWindowsOrder)
{
    MainWindow window;
    window.ChooseWheel();
    desktop_.documentsFolder = PathOf(QStringLiteral("Documents"));
    const QString path = PathOf(QStringLiteral("front.prl"));
    desktop_.saveAnswers.push_back(path);
    EXPECT_EQ(SaveProfile(window.store, kDefaultProfileName), std::optional<QString>(QStringLiteral("front.prl")));

    ASSERT_EQ(desktop_.saveRequests.size(), 1u);
    const FileDialogRequest& request = desktop_.saveRequests.front();
    EXPECT_EQ(request.filter, QStringLiteral("prl|*.prl|*.*|*.*"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("prl"));
    EXPECT_EQ(request.fileName, QStringLiteral("Profile.prl"));
    EXPECT_EQ(request.folder, PathOf(QStringLiteral("Documents")));
    EXPECT_TRUE(QFileInfo(request.folder).isDir()) << "the documents folder is made for the dialog";
    EXPECT_TRUE(desktop_.confirmations.isEmpty()) << "a new file needs no question";
    EXPECT_EQ(ReadBytes(path), kReferenceProfile);
    EXPECT_EQ(window.store.FileName(), path);
    EXPECT_FALSE(QFileInfo::exists(PathOf(kSettingsFileName)));
}

TEST_F(ProfileFlowsTest, SaveThenOpenGivesBackEveryValueInBothRegions)
{
    for (const QLocale& region : {PointRegion(), CommaRegion()}) {
        ScopedLocale scoped(region);
        SCOPED_TRACE(region.name().toStdString());
        MainWindow saved;
        saved.ChooseWheel();
        // A wheel of 32 holes with lengths as this region writes them.
        saved.Get<TComboBox>("HubCB").SetItemIndex(3);
        saved.sg1->Model().SetRowCount(33);
        for (int r = 1; r <= 32; ++r) {
            saved.sg1->Model().SetCells(0, r, FormatHoleNumber(r));
            saved.sg1->Model().SetCells(4, r, FormatLength(1000.0 + r * 10.04));
        }
        saved.Get<TEdit>("AdE").SetText(FloatToStr(-5.625));
        const QString path = PathOf(QStringLiteral("wheel.prl"));
        QFile::remove(path);
        desktop_.saveAnswers.push_back(path);
        ASSERT_TRUE(SaveProfile(saved.store, kDefaultProfileName));

        // A window with another, smaller wheel: the table grows to the
        // profile's hole count before the rows are read.
        MainWindow opened;
        desktop_.openAnswers.push_back(path);
        EXPECT_EQ(OpenProfile(opened.store), std::optional<QString>(QStringLiteral("wheel.prl")));
        EXPECT_EQ(opened.Values(), saved.Values());
        // The grouped length reads back as the number it was written from.
        QString length = opened.sg1->Model().Cells(4, 32);
        EXPECT_EQ(length, FormatLength(1321.28));
        EXPECT_DOUBLE_EQ(StrToFloat(length.remove(region.groupSeparator())), 1321.3);
        EXPECT_EQ(opened.store.FileName(), path);
        EXPECT_TRUE(desktop_.openRequests.back().fileName.isEmpty()) << "the open dialog is not preset";
    }
}

TEST_F(ProfileFlowsTest, OpenNeverTakesTheHeadingRowFromTheFile)
{
    const QString path = PathOf(QStringLiteral("odd.prl"));
    WriteBytes(path, QByteArray(kReferenceProfile).replace("SG1-Row0=HUB,->R,RIM,->H,Length,", "SG1-Row0=a,b,c,d,e,"));
    MainWindow window;
    desktop_.openAnswers.push_back(path);
    ASSERT_TRUE(OpenProfile(window.store));
    EXPECT_EQ(GridRow(*window.sg1, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    EXPECT_EQ(GridRow(*window.sg1, 1), QStringList({"01", "->03", "01", "->03", "290.1"}));
}

TEST_F(ProfileFlowsTest, CancelChangesNothing)
{
    MainWindow window;
    window.ChooseWheel();
    const QStringList before = window.Values();
    EXPECT_EQ(SaveProfile(window.store, QStringLiteral("rear.prl")), std::nullopt);
    EXPECT_EQ(OpenProfile(window.store), std::nullopt);
    EXPECT_EQ(desktop_.saveRequests.size(), 1u);
    EXPECT_EQ(desktop_.openRequests.size(), 1u);
    EXPECT_EQ(desktop_.saveRequests.front().fileName, QStringLiteral("rear.prl"));
    EXPECT_EQ(window.Values(), before);
    EXPECT_EQ(window.store.FileName(), kSettingsFileName);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ProfileFlowsTest, SavingOverAFileAsksFirst)
{
    MainWindow window;
    window.ChooseWheel();
    const QString path = PathOf(QStringLiteral("front.prl"));
    const QByteArray old = "[MainF]\r\nSsd=0\r\nTyCB=1\r\nNote=kept\r\n";
    WriteBytes(path, old);

    desktop_.saveAnswers.push_back(path);
    desktop_.confirmAnswers.push_back(false);
    EXPECT_EQ(SaveProfile(window.store, kDefaultProfileName), std::nullopt);
    ASSERT_EQ(desktop_.confirmations.size(), 1);
    EXPECT_TRUE(desktop_.confirmations.front().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(window.store.FileName(), kSettingsFileName);

    // Replacing rewrites the keys in place and keeps the ones it does not write.
    desktop_.saveAnswers.push_back(path);
    desktop_.confirmAnswers.push_back(true);
    EXPECT_EQ(SaveProfile(window.store, kDefaultProfileName), std::optional<QString>(QStringLiteral("front.prl")));
    const QByteArray after = ReadBytes(path);
    EXPECT_TRUE(after.startsWith("[MainF]\r\nSsd=2\r\nTyCB=5\r\nNote=kept\r\nHubCB=0\r\n")) << after.constData();
    EXPECT_TRUE(after.endsWith("RNCB=1\r\n"));
}

TEST_F(ProfileFlowsTest, RefusedSaveReportsAndLeavesEverythingAsItWas)
{
    MainWindow window;
    window.ChooseWheel();
    const QString folder = PathOf(QStringLiteral("taken.prl"));
    ASSERT_TRUE(QDir().mkpath(folder));
    desktop_.saveAnswers.push_back(folder);
    try {
        SaveProfile(window.store, kDefaultProfileName);
        FAIL() << "saving onto a folder succeeded";
    } catch (const EFileWriteError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot write %1: Is a directory").arg(QDir::toNativeSeparators(folder)));
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(window.store.FileName(), kSettingsFileName);

    desktop_.saveAnswers.push_back(PathOf(QStringLiteral("gone/w.prl")));
    EXPECT_THROW(SaveProfile(window.store, kDefaultProfileName), EFileWriteError);
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("gone"))));
}

TEST_F(ProfileFlowsTest, OpeningAFileWithoutAWheelChangesNothing)
{
    struct Row {
        const char* what;
        const char* name;
        std::optional<QByteArray> bytes;
        const char* messagePart;
    };
    const Row rows[] = {
        {"missing file", "none.prl", std::nullopt, "does not exist"},
        {"another window's file", "sum.ini", "[SumF]\nLeft=1\n", "holds no Rimora wheel"},
        {"the window's placement only", "place.ini", "[MainF]\nLeft=1\nTop=2\n", "holds no Rimora wheel"},
        {"empty file", "empty.prl", "", "holds no Rimora wheel"},
        {"not an INI file", "photo.jpg", "\xFF\xD8\xFF\xE0garbage=1\n", "holds no Rimora wheel"},
        {"a folder", "dir.prl", std::nullopt, "does not exist"},
    };
    for (const Row& row : rows) {
        const QString path = PathOf(QString::fromUtf8(row.name));
        if (row.bytes) WriteBytes(path, *row.bytes);
        if (QByteArray(row.what) == "a folder") QDir().mkpath(path);
        MainWindow window;
        window.ChooseWheel();
        const QStringList before = window.Values();
        desktop_.openAnswers.push_back(path);
        try {
            OpenProfile(window.store);
            ADD_FAILURE() << row.what << ": opened";
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.Message().contains(QDir::toNativeSeparators(path))) << row.what;
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(row.messagePart))) << e.what();
        }
        EXPECT_EQ(window.Values(), before) << row.what;
        EXPECT_EQ(window.store.FileName(), kSettingsFileName) << row.what;
    }
}

TEST_F(ProfileFlowsTest, SettingsFileKeepsBothWindowsBetweenRuns)
{
    desktop_.screen = QSize(1280, 1024);
    {
        // First run: nothing stored yet.
        MainWindow window;
        SmallForm summary(QStringLiteral("SumF"), 406, 298);
        summary.Edit(QStringLiteral("Memo1"), QStringLiteral("Memo1"));
        TIniSave summaryStore(summary);
        ConfigureSummaryStore(summaryStore);
        ReadMainSettings(window.store);
        ReadSummaryPlacement(summaryStore);
        EXPECT_EQ(window.form.Left(), 640 - 400);
        EXPECT_EQ(window.form.Top(), 512 - 300);
        EXPECT_EQ(summary.Left(), 640 - 203);
        EXPECT_EQ(window.Get<TComboBox>("TyCB").ItemIndex(), 2) << "design values stay";

        window.ChooseWheel();
        window.form.SetLeft(15);
        summary.SetLeft(900);
        WriteSummaryPlacement(summaryStore);
        // A profile saved in between points the store elsewhere.
        desktop_.saveAnswers.push_back(PathOf(QStringLiteral("p.prl")));
        ASSERT_TRUE(SaveProfile(window.store, kDefaultProfileName));
        const QByteArray profile = ReadBytes(PathOf(QStringLiteral("p.prl")));
        WriteMainSettings(window.store);
        EXPECT_EQ(window.store.FileName(), kSettingsFileName);
        EXPECT_EQ(ReadBytes(PathOf(QStringLiteral("p.prl"))), profile) << "the profile is not the settings file";
    }
    const QByteArray settings = ReadBytes(PathOf(kSettingsFileName));
    EXPECT_EQ(settings, QByteArray("[SumF]\nLeft=900\nTop=363\nHeight=298\nWidth=406\n"
                                   "[MainF]\nLeft=15\nTop=212\nHeight=600\nWidth=800\n")
                            + kReferenceProfile.mid(QByteArray("[MainF]\n").size()));
    {
        // Next run: both windows and every value come back.
        MainWindow window;
        SmallForm summary(QStringLiteral("SumF"), 406, 298);
        TIniSave summaryStore(summary);
        ConfigureSummaryStore(summaryStore);
        ReadMainSettings(window.store);
        ReadSummaryPlacement(summaryStore);
        MainWindow expected;
        expected.ChooseWheel();
        EXPECT_EQ(window.Values(), expected.Values());
        EXPECT_EQ(window.form.Left(), 15);
        EXPECT_EQ(summary.Left(), 900);
        EXPECT_EQ(summary.Top(), 363);
    }
}

TEST_F(ProfileFlowsTest, DialogsStartInAFolderTheUserCanWriteTo)
{
    struct Row {
        const char* what;
        const char* lastProfile;  // the store's file: a profile's full path, or the settings file
        const char* documents;
        const char* home;
        const char* expected;     // "" : none
    };
    // In the test's folder: "wheels" and "home" are folders, "plain" is a file.
    const Row rows[] = {
        {"the last profile's folder", "wheels/front.prl", "Documents", "home", "wheels"},
        {"no profile yet: the documents folder, made", "", "Documents", "home", "Documents"},
        {"the last profile's folder is gone", "gone/front.prl", "Documents", "home", "Documents"},
        {"documents cannot be a folder: home", "", "plain/Documents", "home", "home"},
        {"documents is a file: home", "", "plain", "home", "home"},
        {"nothing writable", "", "", "plain", ""},
    };
    ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("wheels"))));
    ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("home"))));
    WriteBytes(PathOf(QStringLiteral("plain")), "x");
    auto inTest = [this](const char* name) { return *name ? PathOf(QString::fromUtf8(name)) : QString(); };
    for (const Row& row : rows) {
        QDir(PathOf(QStringLiteral("Documents"))).removeRecursively();
        MainWindow window;
        if (*row.lastProfile) window.store.SetFileName(inTest(row.lastProfile));
        desktop_.documentsFolder = inTest(row.documents);
        desktop_.homeFolder = inTest(row.home);
        EXPECT_EQ(ProfileFolder(window.store), inTest(row.expected)) << row.what;
        EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("gone")))) << row.what << ": a profile's folder is never made";
    }
}
