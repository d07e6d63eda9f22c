// The store's settings: defaults, the exclusion list and where its file is.
#include "persist/ini_save.h"
#include "persist/name_list.h"
#include "persist/settings_location.h"
#include "platform/errors.h"
#include "platform/output_module.h"
#include "persist_test_files.h"
#include "support/small_form.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace rimora;
using namespace rimora::test;

namespace {

class StoreSettingsTest : public PersistTest {};

// Qt's test mode keeps the configuration folder away from the real one.
class ScopedTestConfigFolder {
public:
    ScopedTestConfigFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        folder_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir(folder_).removeRecursively();
    }
    ~ScopedTestConfigFolder()
    {
        QDir(folder_).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
    }
    const QString& Folder() const { return folder_; }

private:
    QString folder_;
};

}  // namespace

TEST_F(StoreSettingsTest, DefaultsAndFileNameFallback)
{
    SmallForm form(QStringLiteral("MainF"));
    TIniSave store(form);
    EXPECT_TRUE(store.SaveStringGrid());
    EXPECT_FALSE(store.PlaceOnly());
    EXPECT_EQ(store.NotSaveName(), QString());
    EXPECT_EQ(store.FileName(), QStringLiteral("MainF.ini"));
    EXPECT_EQ(store.FilePath(), PathOf(QStringLiteral("MainF.ini")));
    store.SetFileName(QStringLiteral("KELD.ini"));
    EXPECT_EQ(store.FileName(), QStringLiteral("KELD.ini"));
    store.SetFileName(QString());
    EXPECT_EQ(store.FileName(), QStringLiteral("MainF.ini"));
}

TEST(NameList, ParsesCommaTextWithQuotedItems)
{
    struct Row {
        const char* text;
        QStringList items;
    };
    const Row rows[] = {
        {"", {}},
        {"ErdE , HubCB", {"ErdE", "HubCB"}},
        {"  ErdE\t,\nHubCB  ", {"ErdE", "HubCB"}},
        {"A B", {"A", "B"}},
        {"A,", {"A", ""}},
        {"A,,B", {"A", "", "B"}},
        {",A", {"", "A"}},
        {"\"My Edit\",B", {"My Edit", "B"}},
        {"\"a, b\"", {"a, b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"open", {"open"}},
        {"\"a\"b", {"a", "b"}},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseNameList(QString::fromUtf8(row.text)), row.items) << row.text;
}

TEST_F(StoreSettingsTest, BareNamesLiveInTheExecutableFolderAndFullPathsAnywhere)
{
    SmallForm form(QStringLiteral("MainF"));
    TIniSave store(form);

    store.SetFileName(QStringLiteral("KELD.ini"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(store.FilePath(), PathOf(QStringLiteral("KELD.ini"))) << "the current folder plays no part";
    QDir::setCurrent(previous);

    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString chosen = elsewhere.filePath(QStringLiteral("wheels/front.prl"));
    ASSERT_TRUE(QDir().mkpath(elsewhere.filePath(QStringLiteral("wheels"))));
    store.SetFileName(chosen);
    EXPECT_EQ(store.FilePath(), chosen);

    // Every operation of the store reads and writes the chosen file.
    form.Edit(QStringLiteral("ErdE"), QStringLiteral("594"));
    store.WriteInfo();
    store.WritePlace();
    EXPECT_EQ(ReadBytes(chosen), QByteArray("[MainF]\nErdE=594\nLeft=0\nTop=0\nHeight=300\nWidth=400\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList());
}

TEST_F(StoreSettingsTest, UnwritableExecutableFolderMovesSettingsToTheConfigFolder)
{
    ScopedTestConfigFolder config;
    desktop_.executableFolder = PathOf(QStringLiteral("not-there"));
    EXPECT_EQ(SettingsFolder(), config.Folder());

    SmallForm form(QStringLiteral("MainF"), 640, 480);
    auto& erd = form.Edit(QStringLiteral("ErdE"), QStringLiteral("594"));
    form.SetLeft(33);
    TIniSave store(form);
    store.SetFileName(QStringLiteral("KELD.ini"));
    EXPECT_EQ(store.FilePath(), config.Folder() + QStringLiteral("/KELD.ini"));
    store.WritePlace();
    store.WriteInfo();
    EXPECT_EQ(ReadBytes(config.Folder() + QStringLiteral("/KELD.ini")),
              QByteArray("[MainF]\nLeft=33\nTop=0\nHeight=480\nWidth=640\nErdE=594\n"));

    // The next start reads from the same place.
    erd.SetText(QStringLiteral("600"));
    form.SetLeft(0);
    store.ReadPlace();
    store.ReadInfo();
    EXPECT_EQ(erd.Text(), QStringLiteral("594"));
    EXPECT_EQ(form.Left(), 33);

    // A folder the user chose is never created for them.
    store.SetFileName(PathOf(QStringLiteral("not-there/p.prl")));
    EXPECT_THROW(store.WriteInfo(), EFileWriteError);
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("not-there"))));
}

TEST_F(StoreSettingsTest, AnInstalledProgramKeepsItsSettingsInTheConfigFolderEvenWhereItCouldWrite)
{
    ScopedTestConfigFolder config;
    const QString bin = PathOf(QStringLiteral("prefix/bin"));
    const QString installed = InstalledModulePath(bin);
    const struct {
        QString module;  // where the printing module lies (the build folder's, none, ...)
        bool inConfig;
    } rows[] = {{bin + QLatin1Char('/') + OutputModuleFileName(), false}, {QString(), false},
                {QFileInfo(installed).path() + QStringLiteral("/other.so"), false}, {installed, true}};
    for (const auto& row : rows) {
        QDir(PathOf(QStringLiteral("prefix"))).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(bin) && (row.module.isEmpty() || QDir().mkpath(QFileInfo(row.module).path())));
        if (!row.module.isEmpty()) QFile(row.module).open(QIODevice::WriteOnly);
        desktop_.executableFolder = bin;
        EXPECT_EQ(ResolveSettingsPath(QStringLiteral("KELD.ini")),
                  (row.inConfig ? config.Folder() : bin) + QStringLiteral("/KELD.ini")) << row.module.toStdString();
    }
}
