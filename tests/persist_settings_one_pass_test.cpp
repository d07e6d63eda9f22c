// The settings file is read once at the start and written once at the end:
// the placement and the control values go through one opened file. What is
// read and what is written must be exactly what the two separate passes of
// placement, then values, give, whatever the file held before.
#include "persist/fixed_rows.h"
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/settings_flows.h"
#include "persist_test_files.h"
#include "support/small_form.h"
#include "support/file_bytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace rimora::test {
namespace {

class SettingsOnePassTest : public PersistTest {
protected:
    // A window with one control of every kind the store keeps.
    static void Fill(SmallForm& form, int variant)
    {
        form.Edit(QStringLiteral("ErdE"), variant ? QStringLiteral("600") : QStringLiteral("590"));
        form.ComboBox(QStringLiteral("HubCB"), 7, variant);
        form.SpinEdit(QStringLiteral("CLE"), 0, 4, 3 - variant);
        form.CheckBox(QStringLiteral("AuCB"), variant == 0);
        form.ColorBox(QStringLiteral("CL1"), 0xF0CAA6, variant ? 0x00FF00 : 0xF0CAA6);
        auto& grid = form.StringGrid(QStringLiteral("SG1"), 5, 3);
        SetGridRows(grid, {QStringLiteral("HUB,->R,RIM,->H,Length"), QStringLiteral("01,07,01,07,"),
                      variant ? QStringLiteral("02,,02,,") : QStringLiteral("02,30,02,30,290.5")});
        form.SetLeft(40 + variant);
        form.SetTop(50);
    }

    QString Path() const { return PathOf(kSettingsFileName); }

    void Prepare(const QByteArray* before) const
    {
        QFile::remove(Path());
        if (before) WriteBytes(Path(), *before);
    }

    static QStringList State(const SmallForm& form)
    {
        QStringList state = form.Values();
        state << QStringLiteral("place %1 %2 %3 %4").arg(form.Left()).arg(form.Top()).arg(form.Width()).arg(form.Height());
        return state;
    }
};

const QByteArray kEmpty;
const QByteArray kSummaryOnly = "[SumF]\nLeft=50\nTop=60\nHeight=420\nWidth=500\n";
const QByteArray kOlder = "[SumF]\r\nLeft=5\r\n[MainF]\r\nLeft=9\r\nErdE=622\r\nOldKey=kept\r\nSG1-Row7=stale,,,,\r\n"
                          "[Other]\r\nx=1\r\n";
const QByteArray kNotOurs = "no section at all\n=\n[MainF\n";

const QByteArray* const kBefore[] = {nullptr, &kEmpty, &kSummaryOnly, &kOlder, &kNotOurs};

TEST_F(SettingsOnePassTest, OneWriteGivesTheBytesOfPlacementThenValues)
{
    for (const QByteArray* before : kBefore) {
        for (int variant : {0, 1}) {
            SCOPED_TRACE((before ? before->toStdString() : std::string("no file")) + " / " + std::to_string(variant));
            SmallForm form(QStringLiteral("MainF"));
            Fill(form, variant);
            TIniSave store(form);

            Prepare(before);
            store.SetFileName(kSettingsFileName);
            store.WritePlace();
            store.WriteInfo();
            const QByteArray separate = ReadBytes(Path());

            Prepare(before);
            WriteMainSettings(store);
            EXPECT_EQ(ReadBytes(Path()), separate);
        }
    }
}

TEST_F(SettingsOnePassTest, OneReadGivesWhatPlacementThenValuesGive)
{
    for (const QByteArray* before : kBefore) {
        for (int variant : {0, 1}) {
            SCOPED_TRACE((before ? before->toStdString() : std::string("no file")) + " / " + std::to_string(variant));
            // A file as the program writes it over `before`.
            {
                SmallForm writer(QStringLiteral("MainF"));
                Fill(writer, variant);
                TIniSave store(writer);
                Prepare(before);
                if (variant) WriteMainSettings(store);
            }
            SmallForm separate(QStringLiteral("MainF"));
            Fill(separate, 1 - variant);
            TIniSave separateStore(separate);
            separateStore.SetFileName(kSettingsFileName);
            separateStore.ReadPlace();
            const bool holds = separateStore.HoldsInfo(ProfileFile(Path()));
            if (holds) {
                const FixedRowsSnapshot headings(separate);  // as the start keeps the table's headings
                separateStore.ReadInfo();
                headings.Restore();
            }

            SmallForm once(QStringLiteral("MainF"));
            Fill(once, 1 - variant);
            TIniSave onceStore(once);
            const SettingsFound found = ReadMainSettings(onceStore);
            EXPECT_EQ(found == SettingsFound::Wheel, holds);
            EXPECT_EQ(State(once), State(separate));
        }
    }
}

// A window whose settings another running copy keeps writes nothing.
TEST_F(SettingsOnePassTest, AReadOnlyStoreLeavesTheFileAsItIs)
{
    for (const QByteArray* before : kBefore) {
        SmallForm form(QStringLiteral("MainF"));
        Fill(form, 1);
        TIniSave store(form);
        store.SetReadOnly(true);
        Prepare(before);
        WriteMainSettings(store);
        EXPECT_EQ(QFile::exists(Path()), before != nullptr);
        if (before) {
            EXPECT_EQ(ReadBytes(Path()), *before);
        }
    }
}

}  // namespace
}  // namespace rimora::test
