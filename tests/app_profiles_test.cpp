// Profiles and the settings file on the real main window: what a profile
// holds and in which order, save and open, cancel, refused targets, wrong
// files, other regions and other hole counts, and the settings file that the
// window reads once at creation and writes once at destruction.
#include "app/translation.h"
#include "app_window_fixture.h"
#include "lacing/lacing_table.h"
#include "support/failing_disk.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace rimora::test {
namespace {

using ProfilesTest = AppWindowTest;

// A radial 16/16 wheel with its lengths: every hole laced to the hole of the
// same number, left spokes (odd holes) 274.6 mm, right spokes 273.8 mm.
QByteArray RadialSixteenProfile()
{
    QByteArray rows;
    for (int r = 1; r <= 16; ++r) {
        const QByteArray n = QByteArray::number(r).rightJustified(2, '0');
        rows += "SG1-Row" + QByteArray::number(r) + "=" + n + "," + n + "," + n + "," + n + ","
                + (r % 2 ? "274.6" : "273.8") + ",\n";
    }
    return "[MainF]\n"
           "TyCB=0\n"
           "HubCB=6\n"
           "RimCB=6\n"
           "dRE=41\n"
           "dLE=41\n"
           "CLE=0\n"
           "WLE=27.5\n"
           "WRE=18.1\n"
           "ShE=2.5\n"
           "ErdE=590\n"
           "CRE=0\n"
           "SG1-Row0=HUB,->R,RIM,->H,Length,\n"
           + rows
           + "AdE=0\n"
             "CL1=15780518\n"
             "CL2=12632256\n"
             "CL3=8421504\n"
             "CL4=10789024\n"
             "CL5=16711680\n"
             "CL6=65280\n"
             "CL7=255\n"
             "RIMBK=8\n"
             "RIMID=1\n"
             "HUBOD=6\n"
             "SpkD=2\n"
             "AuCB=1\n"
             "RNCB=1\n"
             "Ssd=0\n"
             "RimOffE=0\n"
             "TensionE=120\n"
             "SpokeDiaE=2\n"
             "OrderStepCB=1\n"
             "HNCB=0\n";
}

TEST_F(ProfilesTest, SavedProfileListsItsKeysInTheOrderOfTheRecords)
{
    Start();
    LaceWheel(*mainF, "16", "16");
    mainF->leftCrossSpin->SetValue(0);
    mainF->rightCrossSpin->SetValue(0);
    Click(mainF->calcButton);
    Save(Path("radial.prl"));

    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(Bytes(Path("radial.prl")).toStdString(), RadialSixteenProfile().toStdString());
    EXPECT_EQ(mainF->profileLabel->Caption(), "radial.prl");
    ASSERT_EQ(desktop.saveRequests.size(), 1u);
    EXPECT_EQ(desktop.saveRequests[0].filter, "prl|*.prl|*.*|*.*");
    EXPECT_EQ(desktop.saveRequests[0].defaultExtension, "prl");
    EXPECT_EQ(desktop.saveRequests[0].fileName, "Profile.prl");
    EXPECT_TRUE(desktop.confirmations.isEmpty());  // a new file: nothing to ask
    // The settings file is written when the window goes, not before.
    EXPECT_EQ(FolderEntries(), QStringList{"radial.prl"});

    // A profile written before the hub hole numbers existed opens as before;
    // the switch, which the file does not name, keeps its state (off).
    QByteArray old = RadialSixteenProfile();
    old.replace("HNCB=0\n", "");
    WriteBytes(Path("old.prl"), old);
    Open(Path("old.prl"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_FALSE(mainF->hubNumbersCheck->Checked());
    EXPECT_EQ(mainF->lacingGrid->Model().Cells(4, 1), "274.6");
}

// The user picks the custom entry and the colour dialog answers.
void ColorDialogAnswer(TColorBox* box, const QColor& colour)
{
    auto& desktop = static_cast<RecordingDesktop&>(CurrentDesktop());
    desktop.colorAnswers.push_back(colour);
    box->ChooseItem(box->count() - 1);
    ASSERT_EQ(box->Selected(), FromQColor(colour));
}

// Every value a profile keeps, set away from its default.
void SetAWheel(TMainF& f)
{
    Choose(f.rimTypeList, "650B:584");
    LaceWheel(f, "32", "36");
    f.leftCrossSpin->SetValue(2);
    f.rightCrossSpin->SetValue(1);
    f.erdEdit->SetText("600");
    f.leftOffsetEdit->SetText("30");
    f.rightOffsetEdit->SetText("20");
    f.leftFlangeEdit->SetText("45");
    f.rightFlangeEdit->SetText("38");
    f.spokeHoleEdit->SetText("2.6");
    Click(f.calcButton);
    f.lacingGrid->SetCells(4, 5, "290.0");  // a length the user typed
    Click(f.halfPitchButton);
    ChooseColor(f.backgroundColourBox, colors::White);
    // A colour of no list, from the colour dialog.
    ColorDialogAnswer(f.rimOuterColourBox, QColor(1, 2, 3));
    ChooseColor(f.rimInnerColourBox, colors::Olive);
    ChooseColor(f.hubColourBox, colors::ButtonFace);
    ChooseColor(f.rightSpokeColourBox, colors::Purple);
    ChooseColor(f.leftSpokeColourBox, colors::Maroon);
    f.spareColourBox->SetSelected(colors::Aqua);
    f.rimBandSpin->SetValue(5);
    f.rimInnerSpin->SetValue(3);
    f.hubMarginSpin->SetValue(2);
    f.spokeWidthSpin->SetValue(4);
    f.rimNumbersCheck->SetChecked(false);
    f.spokeSideGroup->SetItemIndex(2);
    f.autoRedrawCheck->SetChecked(false);
}

// Another wheel: other counts, other crossings, other values everywhere.
void SetAnotherWheel(TMainF& f)
{
    Choose(f.rimTypeList, "27\":630");
    LaceWheel(f, "16", "16");
    f.leftCrossSpin->SetValue(4);
    f.rightCrossSpin->SetValue(0);
    f.erdEdit->SetText("610");
    f.leftOffsetEdit->SetText("31");
    f.rightOffsetEdit->SetText("21");
    f.leftFlangeEdit->SetText("50");
    f.rightFlangeEdit->SetText("52");
    f.spokeHoleEdit->SetText("2.4");
    f.angleEdit->SetText("7");
    ChooseColor(f.backgroundColourBox, colors::Black);
    ChooseColor(f.rightSpokeColourBox, colors::Yellow);
    f.spareColourBox->SetSelected(colors::Lime);
    f.rimBandSpin->SetValue(9);
    f.spokeWidthSpin->SetValue(1);
    f.rimNumbersCheck->SetChecked(true);
    f.spokeSideGroup->SetItemIndex(1);
    f.autoRedrawCheck->SetChecked(false);
}

// Saving and opening the same file gives back every control and every cell,
// with one redraw at the end even while "Auto ReDraw" is off.
TEST_F(ProfilesTest, SaveThenOpenGivesBackEveryControlAndEveryCell)
{
    Start();
    SetAWheel(*mainF);
    desktop.errors.clear();
    ASSERT_EQ(mainF->lacingGrid->RowCount(), 37);
    ASSERT_EQ(mainF->angleEdit->Text(), "5.625");
    Save(Path("wheel.prl"));
    const QStringList saved = Snapshot(*mainF);

    SetAnotherWheel(*mainF);
    ASSERT_NE(Snapshot(*mainF), saved);
    ASSERT_EQ(mainF->lacingGrid->RowCount(), 17);
    const int paints = Paints();
    Open(Path("wheel.prl"));
    EXPECT_EQ(Snapshot(*mainF), saved);
    EXPECT_EQ(mainF->profileLabel->Caption(), "wheel.prl");
    EXPECT_EQ(Paints(), paints + 1);
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(desktop.openRequests[0].fileName, "");
    EXPECT_EQ(desktop.openRequests[0].filter, "prl|*.prl|*.*|*.*");
    EXPECT_EQ(desktop.openRequests[0].defaultExtension, "prl");
    // The heading row is the program's own, whatever the file says.
    EXPECT_EQ(TableRow(*mainF, 0), QStringList({"HUB", "->R", "RIM", "->H", "Length"}));
    // The summary names the profile.
    Click(mainF->summaryButton);
    EXPECT_TRUE(sumF->Memo1->Text().startsWith("wheel.prl\n")) << sumF->Memo1->Text().toStdString();
}

// A profile in another folder is written and read exactly there; the next
// dialog starts in that folder.
TEST_F(ProfilesTest, ProfileInAnotherFolderIsUsedAsChosen)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString path = elsewhere.filePath("away.prl");
    Start();
    SetAWheel(*mainF);
    Save(path);
    const QStringList saved = Snapshot(*mainF);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(FolderEntries().isEmpty());

    SetAnotherWheel(*mainF);
    Open(path);
    EXPECT_EQ(Snapshot(*mainF), saved);
    EXPECT_EQ(mainF->profileLabel->Caption(), "away.prl");
    ASSERT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(QDir(desktop.openRequests[0].folder).canonicalPath(), QDir(elsewhere.path()).canonicalPath());
    Stop();
    EXPECT_EQ(FolderEntries(), QStringList{"KELD.ini"});
    EXPECT_FALSE(Bytes(path).contains("Left="));  // no placement in a profile
}

// A cancelled dialog changes nothing: no file, no control, no label.
TEST_F(ProfilesTest, CancelChangesNothing)
{
    Start();
    SetAWheel(*mainF);
    Save(Path("first.prl"));
    const QStringList before = Snapshot(*mainF);
    const QByteArray file = Bytes(Path("first.prl"));
    const int paints = Paints();

    Click(mainF->saveButton);  // no answer queued: cancelled
    Click(mainF->openButton);
    EXPECT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(desktop.saveRequests[1].fileName, "first.prl");  // preset with the label
    EXPECT_EQ(desktop.openRequests.size(), 1u);
    EXPECT_EQ(Snapshot(*mainF), before);
    EXPECT_EQ(mainF->profileLabel->Caption(), "first.prl");
    EXPECT_EQ(FolderEntries(), QStringList{"first.prl"});
    EXPECT_EQ(Bytes(Path("first.prl")), file);
    EXPECT_EQ(Paints(), paints);
}

// A target that cannot be written is reported with its full path; the old
// profile stays byte for byte, the label keeps its caption and no
// half-written or temporary file is left.
TEST_F(ProfilesTest, RefusedTargetReportsTheErrorAndKeepsTheOldFile)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->calcButton);
    Save(Path("good.prl"));
    const QByteArray good = Bytes(Path("good.prl"));
    ASSERT_FALSE(good.isEmpty());
    ASSERT_TRUE(QDir(Path(".")).mkdir("folder.prl"));
    mainF->erdEdit->SetText("600");
    desktop.errors.clear();

    // The message is in the user's language: Japanese or English.
    const struct {
        QLocale language;
        const char* pattern;
    } languages[] = {{QLocale(QLocale::Japanese, QLocale::Japan), "%1 に書き込めません: %2"},
                     {QLocale(QLocale::English, QLocale::UnitedStates), "Cannot write %1: %2"}};
    // The reason is the system's own, in the window's language.
    const std::tuple<QString, QString, QString> targets[] = {
        {Path("missing/wheel.prl"), "No such file or directory", "そのようなファイルやフォルダーはありません"},
        {Path("folder.prl"), "Is a directory", "フォルダーです"}};
    for (const auto& language : languages) {
        for (const auto& [target, english, japanese] : targets) {
            const QString reason = language.language.language() == QLocale::Japanese ? japanese : english;
            SCOPED_TRACE(target.toStdString());
            EXPECT_EQ(InstallTranslations(language.language), language.language.language() == QLocale::Japanese);
            desktop.errors.clear();
            Save(target);
            InstallTranslations(QLocale(QLocale::English));
            ASSERT_EQ(desktop.errors.size(), 1);
            EXPECT_EQ(desktop.errors[0],
                      QString::fromUtf8(language.pattern).arg(QDir::toNativeSeparators(target), reason));
            EXPECT_EQ(mainF->profileLabel->Caption(), "good.prl");
            EXPECT_EQ(Bytes(Path("good.prl")), good);
            EXPECT_EQ(FolderEntries(), QStringList({"folder.prl", "good.prl"}));
            EXPECT_TRUE(QDir(Path("folder.prl")).isEmpty());
        }
    }

    // A full disk under the profile itself: the file keeps its bytes and the
    // wheel stays unsaved, so opening another one still asks.
    {
        const ScopedFailingDisk full(ScopedFailingDisk::Step::Write, ENOSPC, 16);
        desktop.errors.clear();
        Save(Path("good.prl"));
    }
    ASSERT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(desktop.errors[0], QString("Cannot write %1: No space left on device")
                                     .arg(QDir::toNativeSeparators(Path("good.prl"))));
    EXPECT_EQ(Bytes(Path("good.prl")), good);
    EXPECT_EQ(FolderEntries(), QStringList({"folder.prl", "good.prl"}));
    desktop.saveChangesQuestions.clear();
    desktop.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
    desktop.openAnswers.push_back(Path("good.prl"));
    Click(mainF->openButton);
    EXPECT_EQ(desktop.saveChangesQuestions.size(), 1);
    EXPECT_EQ(mainF->erdEdit->Text(), "600");

    // The store is not left pointing at the refused target: the next save
    // over the old profile, and the settings at the end, go where they belong.
    Save(Path("good.prl"));
    EXPECT_TRUE(Bytes(Path("good.prl")).contains("\nErdE=600\n"));
    Stop();
    EXPECT_TRUE(Bytes(SettingsPath()).contains("\nErdE=600\n"));
    EXPECT_EQ(FolderEntries(), QStringList({"KELD.ini", "folder.prl", "good.prl"}));
}

// Lengths that hold a comma (a comma-decimal region) keep every cell of their
// row in place. No rim a wheel can have gives a spoke of 1,000 mm or more.
TEST_F(ProfilesTest, LengthsWithACommaRoundTripInBothRegions)
{
    const struct {
        const char* name;
        QLocale region;
        const char *wl, *wr, *sh, *erd;
        const char* firstLength;
    } cases[] = {
        {"comma decimals", CommaRegion(), "27,5", "18,1", "2,5", "590", "285,4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedLocale region(c.region);
        Restart();
        mainF->leftOffsetEdit->SetText(c.wl);
        mainF->rightOffsetEdit->SetText(c.wr);
        mainF->spokeHoleEdit->SetText(c.sh);
        mainF->erdEdit->SetText(c.erd);
        LaceWheel(*mainF, "36", "36");
        Click(mainF->calcButton);
        ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        const QStringList row1 = TableRow(*mainF, 1);
        EXPECT_EQ(row1.value(4), c.firstLength);
        Save(Path("lengths.prl"));
        const QStringList saved = Snapshot(*mainF);
        const QString file = QString::fromUtf8(Bytes(Path("lengths.prl")));
        EXPECT_TRUE(file.contains("\nSG1-Row1=" + row1.mid(0, 4).join(',') + ",\"" + c.firstLength + "\",\n"))
            << file.toStdString();

        Click(mainF->calcButton);  // nothing to lose yet: rewrite, then spoil the lengths
        for (int r = 1; r < mainF->lacingGrid->RowCount(); ++r) mainF->lacingGrid->SetCells(4, r, "");
        mainF->lacingGrid->SetCells(3, 1, "");
        Open(Path("lengths.prl"));
        EXPECT_EQ(Snapshot(*mainF), saved);
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        // The opened lengths read back for the summary.
        Click(mainF->summaryButton);
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        EXPECT_TRUE(sumF->Memo1->Text().contains("Total:36 pcs"));
    }
}

// A profile of other hole counts opens whole although its crossings equal
// the window's: the table is sized from the profile's counts before its rows.
TEST_F(ProfilesTest, ProfileOfOtherHoleCountsOpensWhole)
{
    Start();
    const struct {
        const char *savedHub, *savedRim, *otherHub, *otherRim;
        int rows;
    } cases[] = {{"32", "36", "16", "16", 37}, {"16", "18", "36", "36", 19}, {"36", "28", "24", "24", 37}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.savedHub) + "/" + c.savedRim);
        LaceWheel(*mainF, c.savedHub, c.savedRim);
        Click(mainF->calcButton);
        Save(Path("counts.prl"));
        const QStringList saved = Snapshot(*mainF);
        ASSERT_EQ(mainF->lacingGrid->RowCount(), c.rows);

        LaceWheel(*mainF, c.otherHub, c.otherRim);
        ASSERT_NE(mainF->lacingGrid->RowCount(), c.rows);
        Open(Path("counts.prl"));
        EXPECT_EQ(mainF->lacingGrid->RowCount(), c.rows);
        EXPECT_EQ(Snapshot(*mainF), saved);
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

// A file that does not exist, or that holds no section of the main window,
// is reported and opened into nothing: the wheel stays as it was.
TEST_F(ProfilesTest, OpeningAMissingOrForeignFileReportsAndChangesNothing)
{
    Start();
    SetAWheel(*mainF);
    Save(Path("mine.prl"));
    WriteBytes(Path("other.prl"), "[SumF]\nLeft=5\nTop=5\n[Notes]\nErdE=700\nSG1-Row1=,,,,,\n");
    WriteBytes(Path("empty.prl"), "");
    WriteBytes(Path("text.prl"), "MainF\nErdE=700\n");
    desktop.errors.clear();
    const QStringList before = Snapshot(*mainF);
    const QStringList entries = FolderEntries();
    const int paints = Paints();

    for (const char* name : {"nothing.prl", "other.prl", "empty.prl", "text.prl"}) {
        SCOPED_TRACE(name);
        desktop.errors.clear();
        const QByteArray bytes = Bytes(Path(name));
        Open(Path(name));
        ASSERT_EQ(desktop.errors.size(), 1);
        EXPECT_TRUE(desktop.errors[0].contains(QDir::toNativeSeparators(Path(name)))) << Errors().toStdString();
        EXPECT_EQ(Snapshot(*mainF), before);
        EXPECT_EQ(mainF->profileLabel->Caption(), "mine.prl");
        EXPECT_EQ(Bytes(Path(name)), bytes);
    }
    EXPECT_EQ(FolderEntries(), entries);
    EXPECT_EQ(Paints(), paints);

    // The window's section in any case is its own.
    WriteBytes(Path("lower.prl"), "[mainf]\nerde=640\n");
    desktop.errors.clear();
    Open(Path("lower.prl"));
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(mainF->erdEdit->Text(), "640");
    EXPECT_EQ(mainF->profileLabel->Caption(), "lower.prl");
}

// Saving over an existing profile asks first; "no" leaves it as it was,
// "yes" rewrites the window's keys in place and keeps the others.
TEST_F(ProfilesTest, SavingOverAnExistingProfileAsksFirst)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Save(Path("wheel.prl"));
    WriteBytes(Path("wheel.prl"), Bytes(Path("wheel.prl")) + "[Notes]\nbuilt=2024\n");
    const QByteArray old = Bytes(Path("wheel.prl"));
    EXPECT_TRUE(desktop.confirmations.isEmpty());

    mainF->erdEdit->SetText("600");
    desktop.confirmAnswers.push_back(false);
    Save(Path("wheel.prl"));
    ASSERT_EQ(desktop.confirmations.size(), 1);
    EXPECT_TRUE(desktop.confirmations[0].contains(QDir::toNativeSeparators(Path("wheel.prl"))))
        << desktop.confirmations[0].toStdString();
    EXPECT_EQ(Bytes(Path("wheel.prl")), old);

    desktop.confirmAnswers.push_back(true);
    Save(Path("wheel.prl"));
    EXPECT_EQ(desktop.confirmations.size(), 2);
    QByteArray expected = old;
    expected.replace("\nErdE=590\n", "\nErdE=600\n");
    EXPECT_EQ(Bytes(Path("wheel.prl")).toStdString(), expected.toStdString());
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

// The main window reads the settings file once, at its creation, and writes
// it once, at its destruction, back to the settings file even after a
// profile was saved and opened; the profile label starts afresh.
TEST_F(ProfilesTest, SettingsAreReadAtCreationAndWrittenAtDestructionToTheSettingsFile)
{
    Start();
    SetAWheel(*mainF);
    Save(Path("wheel.prl"));
    Open(Path("wheel.prl"));
    const QByteArray profile = Bytes(Path("wheel.prl"));
    mainF->erdEdit->SetText("620");
    const QStringList atTheEnd = Snapshot(*mainF);
    mainF->move(40, 30);
    Settle();
    const QRect placed = mainF->frameGeometry();
    EXPECT_FALSE(QFileInfo::exists(SettingsPath()));  // nothing in between touches it
    desktop.errors.clear();

    Stop();
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
    EXPECT_EQ(Bytes(Path("wheel.prl")), profile);
    const QString settings = QString::fromUtf8(Bytes(SettingsPath()));
    EXPECT_TRUE(settings.startsWith(QStringLiteral("[MainF]\nLeft=%1\nTop=%2\nHeight=%3\nWidth=%4\nTyCB=3\n")
                                        .arg(placed.x())
                                        .arg(placed.y())
                                        .arg(placed.height())
                                        .arg(placed.width())))
        << settings.toStdString();
    EXPECT_TRUE(settings.contains("\nErdE=620\n"));

    Start(false);
    QStringList restored = Snapshot(*mainF);
    EXPECT_EQ(restored.takeLast(), "ProfL=Profile.prl");
    QStringList expected = atTheEnd;
    expected.removeLast();
    EXPECT_EQ(restored, expected);
    EXPECT_EQ(mainF->Left(), placed.x());
    EXPECT_EQ(mainF->Top(), placed.y());
    EXPECT_EQ(mainF->Width(), placed.width());
    EXPECT_EQ(mainF->Height(), placed.height());
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

// Both windows come back where they were, at the size they had, run after
// run: the outer sizes kept in the file are not taken for inner sizes.
TEST_F(ProfilesTest, BothWindowsKeepTheirPlacementRunAfterRun)
{
    Start();
    LaceWheel(*mainF, "36", "36");
    Click(mainF->summaryButton);
    ASSERT_TRUE(sumF->isVisible());
    const QRect mainPlace(60, 40, 820, 560);
    const QRect sumPlace(700, 300, 430, 330);
    for (const auto& [window, place] : {std::pair<TForm*, QRect>{mainF.get(), mainPlace}, {sumF.get(), sumPlace}}) {
        const QSize frame = window->frameGeometry().size() - window->size();
        window->resize(place.size() - frame);
        window->move(place.topLeft());
    }
    Settle();
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        Click(sumF->OKBtn);  // writes the summary window's placement
        Restart();
        EXPECT_EQ(mainF->frameGeometry(), mainPlace);
        Click(mainF->summaryButton);  // the counts came back from the settings
        ASSERT_TRUE(sumF->isVisible());
        Settle();
        EXPECT_EQ(sumF->frameGeometry(), sumPlace);
    }
    EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
}

}  // namespace
}  // namespace rimora::test

namespace rimora::test {
namespace {

// Builders share profiles across countries: the untouched window calculates
// in its own region, and a profile saved in one region opens and calculates
// in the other, both ways.
TEST_F(ProfilesTest, ProfilesCrossBetweenPointAndCommaRegions)
{
    const struct {
        const char* name;
        QLocale saved, opened;
        const char *savedLength, *openedLength;
    } cases[] = {
        {"point to comma", PointRegion(), CommaRegion(), "285.4", "285,4"},
        {"comma to point", CommaRegion(), PointRegion(), "285,4", "285.4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            ScopedLocale region(c.saved);
            Stop();
            QFile::remove(SettingsPath());  // the untouched window of a first start
            Start();
            LaceWheel(*mainF, "36", "36");
            Click(mainF->calcButton);
            ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
            EXPECT_EQ(mainF->lacingGrid->Cells(4, 1), c.savedLength);
            EXPECT_EQ(mainF->leftOffsetEdit->Text(), QLocale().toString(27.5));
            Save(Path("shared.prl"));
        }
        ScopedLocale region(c.opened);
        Restart();
        Open(Path("shared.prl"));
        Click(mainF->calcButton);
        Click(mainF->summaryButton);
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        EXPECT_EQ(mainF->lacingGrid->Cells(4, 1), c.openedLength);
        EXPECT_EQ(mainF->lacingGrid->Cells(4, 2), QLocale().toString(284.6, 'f', 1));
        EXPECT_TRUE(sumF->Memo1->Text().contains("Total:36 pcs"));
    }
}


// Three decimals cross regions both ways; in its own region a profile
// reopens as the same screen, saves to the same bytes and leaves nothing to
// save.
TEST_F(ProfilesTest, ThreeDecimalsCrossRegionsAndReopenUnchanged)
{
    for (const bool commaFirst : {true, false}) {
        const QLocale saved = commaFirst ? CommaRegion() : PointRegion(), opened = commaFirst ? PointRegion() : CommaRegion();
        double length = 0;
        {
            ScopedLocale region(saved);
            Restart();
            LaceWheel(*mainF, "32", "36");
            mainF->leftFlangeEdit->SetText(saved.toString(41.125));
            Click(mainF->halfPitchButton);  // an angle difference of 5.625
            Click(mainF->calcButton);
            length = saved.toDouble(mainF->lacingGrid->Cells(kLengthCol, 1));
            Save(Path("wheel.prl"));
            const QStringList screen = Snapshot(*mainF);
            Restart();
            Open(Path("wheel.prl"));
            EXPECT_EQ(Snapshot(*mainF), screen);
            Save(Path("again.prl"));
            EXPECT_EQ(Bytes(Path("again.prl")), Bytes(Path("wheel.prl")));
            mainF->erdEdit->SetText(saved.toString(1590.5));  // typed with the region's groups
            Save(Path("grouped.prl"));
        }
        ScopedLocale region(opened);
        Restart();
        Open(Path("wheel.prl"));
        Open(Path("wheel.prl"));
        EXPECT_TRUE(desktop.saveChangesQuestions.isEmpty()) << "opening is no change";
        EXPECT_EQ(mainF->leftFlangeEdit->Text() + ' ' + mainF->angleEdit->Text(), opened.toString(41.125) + ' ' + opened.toString(5.625));
        // The table's lengths too: they match the inputs, and the summary reads them.
        EXPECT_EQ(mainF->lacingGrid->Cells(kLengthCol, 1), opened.toString(length, 'f', 1));
        EXPECT_FALSE(mainF->LengthStale(1));
        Click(mainF->summaryButton);
        Click(mainF->calcButton);
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        // A grouped number is kept without its groups, and reads anywhere.
        Open(Path("grouped.prl"));
        EXPECT_EQ(mainF->erdEdit->Text(), opened.toString(1590.5).remove(opened.groupSeparator()));
    }
}

}  // namespace
}  // namespace rimora::test
