// Whether a file holds any of a window's records: found from the window's own
// controls, so a control added later counts without a list to update.
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/profile_flows.h"
#include "persist_test_files.h"
#include "platform/errors.h"
#include "support/small_form.h"

#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

class RecordPresenceTest : public PersistTest {
protected:
    // A small window: an edit, a list, a grid, a panel and a button.
    RecordPresenceTest()
    {
        form.Edit(QStringLiteral("ErdE"), QStringLiteral("590"));
        form.ComboBox(QStringLiteral("HubCB"), 5, 1);
        form.StringGrid(QStringLiteral("SG1"), 2, 3);
        form.Panel(QStringLiteral("Pnl"));
        form.Button(QStringLiteral("DBtn"));
    }

    bool Holds(const QByteArray& bytes)
    {
        const QString path = PathOf(QStringLiteral("w.prl"));
        WriteBytes(path, bytes);
        return store.HoldsInfo(ProfileFile(path));
    }

    SmallForm form{QStringLiteral("MainF")};
    TIniSave store{form};
};

}  // namespace

TEST_F(RecordPresenceTest, AFileCountsWhenItHoldsOneRecordOfTheWindow)
{
    struct Row {
        const char* what;
        QByteArray bytes;
        bool holds;
    };
    const Row rows[] = {
        {"empty file", "", false},
        {"section without keys", "[MainF]\n", false},
        {"placement keys only", "[MainF]\nLeft=5\nTop=5\nHeight=300\nWidth=400\n", false},
        {"keys of no control", "[MainF]\nColour=1\nErdE2=3\nSG1=1\n", false},
        {"a button stores nothing", "[MainF]\nDBtn=1\n", false},
        {"a panel keeps no record", "[MainF]\nPnl=255\nPnl_Width=3\n", false},
        {"another window's section", "[SumF]\nErdE=590\n", false},
        {"a commented-out record", "[MainF]\n;ErdE=590\n", false},
        {"a row key without a number", "[MainF]\nSG1-Row=x,\nSG1-RowA=x,\nSG1-Row1x=x,\n", false},
        {"an edit's record", "[MainF]\nLeft=5\nErdE=610\n", true},
        {"letter case of the key does not matter", "[mainf]\nhubcb=2\n", true},
        {"an empty value is a record", "[MainF]\nErdE=\n", true},
        {"one table row", "[MainF]\nSG1-Row7=07,07,\n", true},
        {"a table row beyond the grid's rows", "[MainF]\nSG1-Row99=99,\n", true},
        {"a bare-CR file", "[MainF]\rErdE=610\r", true},
    };
    for (const Row& row : rows) EXPECT_EQ(Holds(row.bytes), row.holds) << row.what;
}

TEST_F(RecordPresenceTest, TheStoresSettingsDecideWhatIsARecord)
{
    struct Row {
        const char* what;
        QString notSaveName;
        bool grids;
        QByteArray bytes;
        bool holds;
    };
    const Row rows[] = {
        {"an excluded control's record", "ErdE", true, "[MainF]\nErdE=610\n", false},
        {"exclusion is by exact letter case", "erde", true, "[MainF]\nErdE=610\n", true},
        {"grids not kept", "", false, "[MainF]\nSG1-Row0=a,b,\n", false},
        {"grids kept", "", true, "[MainF]\nSG1-Row0=a,b,\n", true},
    };
    for (const Row& row : rows) {
        store.SetNotSaveName(row.notSaveName);
        store.SetSaveStringGrid(row.grids);
        EXPECT_EQ(Holds(row.bytes), row.holds) << row.what;
    }
}

TEST_F(RecordPresenceTest, AControlAddedLaterCountsByItself)
{
    const QByteArray file = "[MainF]\nTensionE=1200\n";
    EXPECT_FALSE(Holds(file));
    form.Edit(QStringLiteral("TensionE"), QStringLiteral("1000"));
    EXPECT_TRUE(Holds(file));
}

TEST_F(RecordPresenceTest, OpeningAFileWithoutRecordsSaysSoAndChangesNothing)
{
    const QString path = PathOf(QStringLiteral("place.prl"));
    WriteBytes(path, "[MainF]\nLeft=5\nTop=5\n");
    store.SetFileName(QStringLiteral("KELD.ini"));
    const QStringList before = form.Values();
    desktop_.openAnswers.push_back(path);
    try {
        OpenProfile(store);
        ADD_FAILURE() << "opened";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("Cannot open %1: the file holds no Rimora wheel.").arg(QDir::toNativeSeparators(path)));
    }
    EXPECT_EQ(form.Values(), before);
    EXPECT_EQ(store.FileName(), QStringLiteral("KELD.ini"));
}
