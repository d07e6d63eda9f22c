// The recent-profile list as the settings file keeps it, and the store's
// records as a profile save would write them: the list of the computer stays
// out of every profile.
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/profile_flows.h"
#include "persist/recent_profiles.h"
#include "persist_test_files.h"
#include "platform/errors.h"
#include "support/small_form.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

QString P(int n)
{
    return QStringLiteral("/home/builder/wheels/w%1.prl").arg(n);
}

// A small window: a few kinds of control, a table, and the recent list last.
struct SmallWindow {
    SmallWindow()
        : name(form.Edit(QStringLiteral("NameE"), QStringLiteral("Front 32H"))),
          holes(form.ComboBox(QStringLiteral("HubCB"), 5, 2)),
          cross(form.SpinEdit(QStringLiteral("CLE"), 0, 4, 3)),
          grid(form.StringGrid(QStringLiteral("SG1"), 2, 2)),
          auto_(form.CheckBox(QStringLiteral("AuCB"), true)),
          recent(form.Edit(QStringLiteral("RecentL"), P(1) + QLatin1Char('|') + P(2))),
          store(form)
    {
        SetGridRows(grid, {QStringLiteral("HUB,RIM"), QStringLiteral("01,03")});
        store.SetFileName(QStringLiteral("KELD.ini"));
        store.SetSettingsOnlyNames(QStringLiteral("RecentL"));
    }
    SmallForm form{QStringLiteral("MainF")};
    TEdit& name;
    TComboBox& holes;
    TSpinEdit& cross;
    TStringGrid& grid;
    TCheckBox& auto_;
    TEdit& recent;
    TIniSave store;
};

// The "key=value" lines of a file's section, as written.
QStringList SectionLines(const QString& path, const QString& section)
{
    const ProfileFile file(path);
    QStringList lines;
    for (const QString& key : file.Keys(section)) lines << key + QLatin1Char('=') + file.ReadString(section, key, {});
    return lines;
}

class RecentProfilesTest : public PersistTest {};

}  // namespace

TEST(RecentProfiles, EachSaveOrOpenPutsItsFileOnTopOnceAndKeepsTheLatestEight)
{
    struct Step {
        QString path;
        QStringList expected;
    };
    const Step steps[] = {
        {P(1), {P(1)}},
        {P(2), {P(2), P(1)}},
        {P(1), {P(1), P(2)}},  // opened again: to the top, not twice
        {QStringLiteral("/home/builder/wheels/sub/../w2.prl"), {P(2), P(1)}},  // another spelling of w2
        {P(3), {P(3), P(2), P(1)}},
        {P(4), {P(4), P(3), P(2), P(1)}},
        {P(5), {P(5), P(4), P(3), P(2), P(1)}},
        {P(6), {P(6), P(5), P(4), P(3), P(2), P(1)}},
        {P(7), {P(7), P(6), P(5), P(4), P(3), P(2), P(1)}},
        {P(8), {P(8), P(7), P(6), P(5), P(4), P(3), P(2), P(1)}},
        {P(9), {P(9), P(8), P(7), P(6), P(5), P(4), P(3), P(2)}},  // the ninth pushes out the oldest
        {P(5), {P(5), P(9), P(8), P(7), P(6), P(4), P(3), P(2)}},
        {QStringLiteral("/home/builder/a|b.prl"), {P(5), P(9), P(8), P(7), P(6), P(4), P(3), P(2)}},
        {QStringLiteral("  "), {P(5), P(9), P(8), P(7), P(6), P(4), P(3), P(2)}},
    };
    QStringList list;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.path.toStdString());
        list = WithRecentProfile(list, step.path);
        EXPECT_EQ(list, step.expected);
        // What the settings file keeps reads back as the same list.
        EXPECT_EQ(ParseRecentProfiles(RecentProfilesText(list)), list);
    }
    EXPECT_EQ(WithoutRecentProfile(list, P(9)), (QStringList{P(5), P(8), P(7), P(6), P(4), P(3), P(2)}));
    EXPECT_EQ(WithoutRecentProfile(list, P(1)), list);
}

TEST(RecentProfiles, SettingsLineReadsAsACleanList)
{
    const QString bar = QStringLiteral("|");
    struct Row {
        const char* what;
        QString text;
        QStringList expected;
    };
    QStringList nine;
    for (int i = 1; i <= 9; ++i) nine << P(i);
    const Row rows[] = {
        {"no record", QString(), {}},
        {"one path", P(1), {P(1)}},
        {"empty items", bar + P(1) + bar + bar + P(2) + bar, {P(1), P(2)}},
        {"a repeat", P(1) + bar + P(2) + bar + P(1), {P(1), P(2)}},
        {"blank items", P(1) + QStringLiteral("|   |") + P(2), {P(1), P(2)}},
        {"nine, by hand", nine.join(bar), nine.mid(0, kRecentProfileLimit)},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseRecentProfiles(row.text), row.expected) << row.what;
}

TEST(RecentProfiles, ListLongerThanASettingsValueLosesItsOldestPaths)
{
    QStringList paths;
    for (int i = 0; i < kRecentProfileLimit; ++i)
        paths << QStringLiteral("/deep/") + QString(400, QLatin1Char('a' + i)) + QStringLiteral(".prl");
    const QString text = RecentProfilesText(paths);
    EXPECT_LE(text.size(), ProfileFile::kMaxValueLength);
    const QStringList kept = ParseRecentProfiles(text);
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_LT(kept.size(), paths.size());
    // Whole paths, the newest ones.
    EXPECT_EQ(kept, paths.mid(0, kept.size()));
}

TEST_F(RecentProfilesTest, RecordsAreThoseTheStoreWritesWithoutTouchingAFile)
{
    SmallWindow window;
    const QStringList records = window.store.InfoRecords();
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty()) << "no file is written";
    window.store.WriteInfo();
    EXPECT_EQ(records, SectionLines(PathOf(QStringLiteral("KELD.ini")), QStringLiteral("MainF")));
    EXPECT_TRUE(records.contains(QStringLiteral("RecentL=") + P(1) + QLatin1Char('|') + P(2)));

    // A read-only store (another running copy) still tells its records; a
    // placement-only store has none.
    window.store.SetReadOnly(true);
    EXPECT_EQ(window.store.InfoRecords(), records);
    window.store.SetPlaceOnly(true);
    EXPECT_TRUE(window.store.InfoRecords().isEmpty());
}

TEST_F(RecentProfilesTest, EveryStoredValueChangesTheProfileRecordsButTheRecentList)
{
    struct Change {
        const char* what;
        std::function<void(SmallWindow&)> apply;
        bool changesProfile;
    };
    const Change changes[] = {
        {"text", [](SmallWindow& w) { w.name.SetText(QStringLiteral("Rear")); }, true},
        {"list item", [](SmallWindow& w) { w.holes.SetItemIndex(3); }, true},
        {"spin value", [](SmallWindow& w) { w.cross.SetValue(2); }, true},
        {"table cell", [](SmallWindow& w) { w.grid.Model().SetCells(1, 1, QStringLiteral("05")); }, true},
        {"switch", [](SmallWindow& w) { w.auto_.SetChecked(false); }, true},
        {"recent list", [](SmallWindow& w) { w.recent.SetText(P(7)); }, false},
    };
    for (const Change& change : changes) {
        SmallWindow window;
        const QStringList before = ProfileRecords(window.store);
        change.apply(window);
        EXPECT_EQ(ProfileRecords(window.store) != before, change.changesProfile) << change.what;
        // The settings file's own records see every change.
        EXPECT_NE(window.store.InfoRecords(), before) << change.what;
    }
}

TEST_F(RecentProfilesTest, ProfilesNeitherCarryNorTakeTheRecentList)
{
    SmallWindow window;
    window.store.SetNotSaveName(QStringLiteral("NameE"));
    const QString profile = PathOf(QStringLiteral("shared.prl"));
    desktop_.saveAnswers.push_back(profile);
    ASSERT_TRUE(SaveProfile(window.store, QStringLiteral("Profile.prl")).has_value());
    const QStringList written = SectionLines(profile, QStringLiteral("MainF"));
    EXPECT_EQ(written, ProfileRecords(window.store));
    for (const QString& line : written) EXPECT_FALSE(line.startsWith(QStringLiteral("RecentL"))) << line.toStdString();
    for (const QString& line : written) EXPECT_FALSE(line.startsWith(QStringLiteral("NameE"))) << line.toStdString();
    // The store's own exclusions are back as they were.
    EXPECT_EQ(window.store.NotSaveName(), QStringLiteral("NameE"));

    // A profile that names the list anyway (edited by hand) leaves it alone
    // and still opens the wheel.
    WriteBytes(profile, "[MainF]\nHubCB=4\nRecentL=/somebody/else.prl\n");
    window.store.SetNotSaveName(QString());
    EXPECT_EQ(OpenProfileFile(window.store, profile), QStringLiteral("shared.prl"));
    EXPECT_EQ(window.holes.ItemIndex(), 4);
    EXPECT_EQ(window.recent.Text(), P(1) + QLatin1Char('|') + P(2));
    // A file holding only the list is no wheel.
    WriteBytes(profile, "[MainF]\nRecentL=/somebody/else.prl\n");
    EXPECT_THROW(OpenProfileFile(window.store, profile), EInOutError);

    // The settings file keeps it.
    window.store.SetFileName(QStringLiteral("KELD.ini"));
    window.store.WriteInfo();
    EXPECT_EQ(ProfileFile(PathOf(QStringLiteral("KELD.ini"))).ReadString(QStringLiteral("MainF"), QStringLiteral("RecentL"), {}),
              P(1) + QLatin1Char('|') + P(2));
}
