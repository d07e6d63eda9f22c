// The real main window given files that no save of its own would write, as
// its settings file and as a profile: an empty file, random bytes, 50 MB,
// 10,000 table rows, lines of 100,000 characters, and list indices, colours
// and spin values out of range. Each opens without a crash or a hang, every
// value ends up in its control's range or the file is refused with a message
// that names it, and the next save holds every record and reads back as the
// window was.
#include "app_window_fixture.h"
#include "wheel/wheel_records.h"
#include "persist/profile_file.h"

#include <QFileInfo>

#include <functional>
#include <random>

namespace rimora::test {
namespace {

const QString kMain = QStringLiteral("MainF");

struct HostileFile {
    const char* name;
    QByteArray bytes;
    bool holdsRecords;  // false: refused as a profile, read as empty settings
    std::function<void(const TMainF&)> expect = nullptr;  // after it was read
};

QByteArray RandomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A radially laced 36/36 wheel whose table goes on to row 9,999.
QByteArray TenThousandRows()
{
    QByteArray text = "[MainF]\nHubCB=0\nRimCB=0\nCLE=0\nCRE=0\nSG1-Row0=HUB,->R,RIM,->H,Length,\n";
    for (int r = 1; r < 10000; ++r) {
        const QByteArray n = QByteArray::number(r).rightJustified(2, '0');
        text += "SG1-Row" + QByteArray::number(r) + "=" + n + "," + n + "," + n + "," + n + ",,\n";
    }
    return text;
}

QByteArray LongLines()
{
    return "[MainF]\nHubCB=3\nRimCB=3\nErdE=" + QByteArray(100000, '9') + "\nWLE=" + QByteArray(100000, 'x')
           + "\n" + QByteArray(100000, 'k') + "=1\nSG1-Row1=01,01,01,01," + QByteArray(100000, ',')
           + "\nShE=2.6\n";
}

QByteArray OutOfRange()
{
    return "[MainF]\n"
           "TyCB=17\nHubCB=99\nRimCB=-5\n"
           "CLE=-1\nCRE=-2147483648\n"
           "CL1=-1\nCL2=2147483647\nCL3=16777216\nCL4=-2147483648\nCL5=0x1FFFFFFFF\nCL6=-16777201\n"
           "RIMBK=-5\nRIMID=-1\nHUBOD=99999\nSpkD=-3\n"
           "AuCB=yes\nRNCB=-1\nSsd=7\n";
}

std::vector<HostileFile> HostileFiles()
{
    QByteArray fiftyMegabytes = "[MainF]\nHubCB=0\nRimCB=0\n";
    fiftyMegabytes += QByteArray(50 * 1024 * 1024, ';');
    fiftyMegabytes += "\nShE=9\n";
    return {
        {"empty file", QByteArray(), false},
        {"random bytes", RandomBytes(64 * 1024, 11), false},
        {"50 MB file", fiftyMegabytes, false},
        {"10,000 table rows", TenThousandRows(), true,
         [](const TMainF& f) {
             // The table takes the rows of its 36 holes; the rest are no row
             // of this wheel.
             EXPECT_EQ(f.lacingGrid->RowCount(), 37);
             EXPECT_EQ(TableRow(f, 36), QStringList({"36", "36", "36", "36", ""}));
         }},
        {"lines of 100,000 characters", LongLines(), true,
         [](const TMainF& f) {
             // Values are cut at 2047 characters; the keys after them are read.
             EXPECT_EQ(f.erdEdit->Text(), QString(ProfileFile::kMaxValueLength, QLatin1Char('9')));
             EXPECT_EQ(f.leftOffsetEdit->Text().size(), ProfileFile::kMaxValueLength);
             EXPECT_EQ(f.spokeHoleEdit->Text(), "2.6");
             EXPECT_EQ(TableRow(f, 1), QStringList({"01", "01", "01", "01", ""}));
         }},
        {"indices, colours and spin values out of range", OutOfRange(), true,
         [](const TMainF& f) {
             EXPECT_EQ(f.rimTypeList->ItemIndex(), -1);
             EXPECT_EQ(f.hubHolesList->ItemIndex(), -1);
             EXPECT_EQ(f.rimHolesList->ItemIndex(), -1);
             EXPECT_EQ(f.spokeSideGroup->ItemIndex(), -1);
             const struct {
                 const TSpinEdit* spin;
                 int value;
             } spins[] = {{f.leftCrossSpin, 0}, {f.rightCrossSpin, 0}, {f.rimBandSpin, 0}, {f.rimInnerSpin, 0}, {f.hubMarginSpin, 9}, {f.spokeWidthSpin, 1}};
             for (const auto& s : spins) EXPECT_EQ(s.spin->Value(), s.value) << s.spin->Name().toStdString();
             EXPECT_TRUE(f.autoRedrawCheck->Checked());
             EXPECT_TRUE(f.rimNumbersCheck->Checked());
             // A colour whose top byte marks neither a plain nor a system
             // colour keeps what it shows, as a plain colour.
             EXPECT_EQ(f.rimOuterColourBox->Selected(), RGBColor(255, 255, 255));
             EXPECT_EQ(f.rimInnerColourBox->Selected(), colors::Black);
             EXPECT_EQ(f.hubColourBox->Selected(), colors::Black);
             // More than 32 bits is no colour value: the box's default.
             EXPECT_EQ(f.rightSpokeColourBox->Selected(), colors::Blue);
             EXPECT_EQ(f.leftSpokeColourBox->Selected(), colors::ButtonFace);
         }},
    };
}

// Whatever was read, every control holds a value it can hold.
void ExpectValuesInRange(const TMainF& f)
{
    for (const TComboBox* list : {f.rimTypeList, f.hubHolesList, f.rimHolesList}) {
        EXPECT_GE(list->ItemIndex(), -1) << list->Name().toStdString();
        EXPECT_LT(list->ItemIndex(), list->count()) << list->Name().toStdString();
    }
    for (const TSpinEdit* spin : {f.leftCrossSpin, f.rightCrossSpin, f.rimBandSpin, f.rimInnerSpin, f.hubMarginSpin, f.spokeWidthSpin}) {
        EXPECT_GE(spin->Value(), spin->MinValue()) << spin->Name().toStdString();
        EXPECT_LE(spin->Value(), spin->MaxValue()) << spin->Name().toStdString();
        EXPECT_EQ(spin->Text(), QString::number(spin->Value())) << spin->Name().toStdString();
    }
    EXPECT_GE(f.spokeSideGroup->ItemIndex(), -1);
    EXPECT_LE(f.spokeSideGroup->ItemIndex(), 2);
    for (const TColorBox* box : {f.backgroundColourBox, f.rimOuterColourBox, f.rimInnerColourBox, f.hubColourBox, f.rightSpokeColourBox, f.leftSpokeColourBox, f.spareColourBox}) {
        const auto top = static_cast<std::uint32_t>(box->Selected()) >> 24;
        EXPECT_TRUE(top == 0 || top == 0xFF) << box->Name().toStdString() << " holds " << box->Selected();
    }
    EXPECT_LE(f.lacingGrid->RowCount(), 40);
}

// The keys a whole profile save of the window writes: one per stored
// control but the recent list and the wheel's texts left empty, one per
// table row.
QStringList RecordKeys(const TMainF& f)
{
    QStringList keys;
    for (Component* c : f.Components()) {
        if (c == static_cast<Component*>(f.recentProfilesEdit)) continue;
        const auto* text = dynamic_cast<ITextControl*>(c);
        const WheelRecord* record = FindRecord(c->Name());
        if (text && text->Text().isEmpty() && record && IsWheelText(record->kind)) continue;
        if (record && record->quiet) continue;
        if (dynamic_cast<IGridControl*>(c)) {
            for (int r = 0; r < f.lacingGrid->RowCount(); ++r) keys << c->Name() + QStringLiteral("-Row%1").arg(r);
        } else if (dynamic_cast<IColorControl*>(c) || dynamic_cast<ISpinControl*>(c)
                   || dynamic_cast<IRadioGroupControl*>(c) || dynamic_cast<IItemIndexControl*>(c)
                   || dynamic_cast<ICheckControl*>(c) || dynamic_cast<ITextControl*>(c)) {
            keys << c->Name();
        }
    }
    return keys;
}

void ExpectEveryKey(const QString& path, const QStringList& keys)
{
    const ProfileFile file(path);
    const QString absent = QStringLiteral("\x01");
    for (const QString& key : keys)
        EXPECT_NE(file.ReadString(kMain, key, absent), absent) << key.toStdString() << " missing from " << path.toStdString();
}

class HostileFilesTest : public AppWindowTest {
protected:
    void TearDown() override
    {
        Stop();
        QFile::remove(SettingsPath());
        AppWindowTest::TearDown();
    }
};

TEST_F(HostileFilesTest, HostileSettingsFileStartsTheWindowAndIsReplacedByAWholeOne)
{
    for (const HostileFile& hostile : HostileFiles()) {
        SCOPED_TRACE(hostile.name);
        WriteBytes(SettingsPath(), hostile.bytes);
        Start();
        ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        ExpectValuesInRange(*mainF);
        if (hostile.expect) hostile.expect(*mainF);
        mainF->wheelPaintBox->repaint();
        const QStringList shown = Snapshot(*mainF);
        const QStringList keys = RecordKeys(*mainF) + QStringList{"RecentL", "Left", "Top", "Height", "Width"};

        const QString note = mainF->statusBar->Note();
        Stop();
        if (hostile.bytes.size() > 16 * 1024 * 1024) {
            // Too large to be a settings file: said once at the start, with
            // its size, and kept as it is at the end without an error box.
            EXPECT_TRUE(note.contains(QStringLiteral("KELD.ini")) && note.contains(QStringLiteral("50.0 MB"))
                        && note.contains(QStringLiteral("16.0 MB")))
                << note.toStdString();
            EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
            EXPECT_EQ(QFileInfo(SettingsPath()).size(), hostile.bytes.size());
            continue;
        }
        // A file without any record of the window says so; one with records
        // says nothing.
        EXPECT_EQ(note.contains(QStringLiteral("holds no Rimora wheel")), !hostile.holdsRecords) << note.toStdString();
        EXPECT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        ExpectEveryKey(SettingsPath(), keys);
        Start();
        EXPECT_EQ(Snapshot(*mainF), shown);
        Stop();
        QFile::remove(SettingsPath());
    }
}

TEST_F(HostileFilesTest, HostileProfileOpensOrIsRefusedAndTheNextSaveIsWhole)
{
    for (const HostileFile& hostile : HostileFiles()) {
        SCOPED_TRACE(hostile.name);
        Start();
        LaceWheel(*mainF, "32", "32");
        const QStringList before = Snapshot(*mainF);
        const QString path = Path(QStringLiteral("hostile.prl"));
        WriteBytes(path, hostile.bytes);

        desktop.openAnswers.push_back(path);
        Click(mainF->openButton);
        if (!hostile.holdsRecords) {
            ASSERT_EQ(desktop.errors.size(), 1);
            EXPECT_TRUE(desktop.errors[0].contains(QStringLiteral("hostile.prl"))) << Errors().toStdString();
            // The reason given is the real one: the large file does start
            // with the window's section.
            const bool tooLarge = hostile.bytes.size() > 16 * 1024 * 1024;
            EXPECT_EQ(desktop.errors[0].contains(QStringLiteral("too large")), tooLarge) << Errors().toStdString();
            EXPECT_EQ(Snapshot(*mainF), before);
            desktop.errors.clear();
        } else {
            ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
            EXPECT_EQ(mainF->profileLabel->Caption(), "hostile.prl");
            ExpectValuesInRange(*mainF);
            if (hostile.expect) hostile.expect(*mainF);
        }

        // The next save holds every record and opens as the window was.
        const QStringList opened = Snapshot(*mainF);
        const QString saved = Path(QStringLiteral("saved.prl"));
        QFile::remove(saved);
        desktop.saveAnswers.push_back(saved);
        Click(mainF->saveButton);
        ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        ExpectEveryKey(saved, RecordKeys(*mainF));
        // Other values in the same window, so that the open has to bring
        // back each one (the hole counts stay: a table without them cannot
        // be sized by its file).
        mainF->erdEdit->SetText(QStringLiteral("600"));
        mainF->angleEdit->SetText(QStringLiteral("7"));
        mainF->spokeWidthSpin->SetValue(5);
        mainF->backgroundColourBox->SetSelected(colors::Yellow);
        mainF->lacingGrid->SetCells(4, 1, QStringLiteral("999.9"));
        desktop.openAnswers.push_back(saved);
        Click(mainF->openButton);
        ASSERT_TRUE(desktop.errors.isEmpty()) << Errors().toStdString();
        QStringList reopened = Snapshot(*mainF);
        reopened.last() = opened.last();  // the profile label names the file last used
        EXPECT_EQ(reopened, opened);
        Stop();
        QFile::remove(SettingsPath());
    }
}

}  // namespace
}  // namespace rimora::test
