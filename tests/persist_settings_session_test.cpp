// One run's use of the settings file on a stand-in window: what a start
// finds, what it says, and whether the end of the run writes.
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/settings_session.h"
#include "persist_test_files.h"
#include "support/small_form.h"
#include "support/scoped_locale.h"

#include <QLockFile>
#include <gtest/gtest.h>

#include <functional>

using namespace rimora;
using namespace rimora::test;

namespace {

class SettingsSessionTest : public PersistTest {};

// An edit and a grid of the main window.
struct Window {
    Window()
    {
        form.Edit(QStringLiteral("ErdE"), QStringLiteral("590"));
        SetGridRows(form.StringGrid(QStringLiteral("SG1"), 2, 2), {QStringLiteral("HUB,RIM"), QStringLiteral("01,01")});
    }
    SmallForm form{QStringLiteral("MainF"), 800, 480};
    TIniSave store{form};
};

}  // namespace

TEST_F(SettingsSessionTest, WhatAStartFindsDecidesTheValuesTheNoteAndTheLastWrite)
{
    // Sizes are written with the region's grouping.
    ScopedLocale region(PointRegion());
    const QString settings = PathOf(QStringLiteral("KELD.ini"));
    struct Row {
        const char* what;
        std::function<void()> prepare;  // makes the settings path as the row wants it
        SettingsFound found;
        const char* erd;                // erdEdit after the start
        QString note;
        bool keeps;
    };
    const QByteArray tooLarge = "[MainF]\nErdE=610\n" + QByteArray(ProfileFile::kMaxFileSize, ';');
    const Row rows[] = {
        {"no file: a first start", [] {}, SettingsFound::Nothing, "590", {}, true},
        {"the window's records", [&] { WriteBytes(settings, "[MainF]\rErdE=610\rSG1-Row1=02,02,\r"); },
         SettingsFound::Wheel, "610", {}, true},
        {"no record of the window", [&] { WriteBytes(settings, "[MainF]\nLeft=3\n[SumF]\nErdE=610\n"); },
         SettingsFound::NoWheel, "590", "KELD.ini holds no Rimora wheel: started with the defaults.", true},
        {"too large", [&] { WriteBytes(settings, tooLarge); }, SettingsFound::TooLarge, "590",
         QStringLiteral("KELD.ini is %1 bytes, over the 16,777,216 bytes limit: not read, kept as it is.")
             .arg(QLocale().toString(tooLarge.size())),
         false},
        {"a folder", [&] { QDir().mkpath(settings); }, SettingsFound::Unreadable, "590",
         "KELD.ini cannot be read: started with the defaults, kept as it is.", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(settings);
        QDir(settings).removeRecursively();
        row.prepare();
        const QByteArray before = QFileInfo(settings).isFile() ? ReadBytes(settings) : QByteArray();
        Window window;
        SettingsSession session(window.store);
        EXPECT_EQ(session.Restore(), row.note);
        EXPECT_EQ(session.Found(), row.found);
        EXPECT_EQ(session.KeepsSettings(), row.keeps);
        EXPECT_FALSE(session.AnotherCopyKeepsThem());
        EXPECT_EQ(window.form.Get<TEdit>(QStringLiteral("ErdE")).Text(), QString::fromUtf8(row.erd));
        window.form.Get<TEdit>(QStringLiteral("ErdE")).SetText(QStringLiteral("605"));
        session.Save();
        if (row.keeps) {
            EXPECT_TRUE(ReadBytes(settings).contains("ErdE=605"));
        } else if (QFileInfo(settings).isFile()) {
            EXPECT_EQ(ReadBytes(settings).size(), before.size()) << "kept as it was";
        } else {
            EXPECT_TRUE(QFileInfo(settings).isDir());
        }
    }
}

TEST_F(SettingsSessionTest, ASecondSessionReadsButNeitherItNorItsOtherStoresWrite)
{
    const QString settings = PathOf(QStringLiteral("KELD.ini"));
    WriteBytes(settings, "[MainF]\nErdE=610\n");
    Window first;
    SettingsSession firstSession(first.store);
    EXPECT_TRUE(firstSession.Restore().isEmpty());
    Window second;
    SettingsSession secondSession(second.store);
    EXPECT_EQ(secondSession.Restore(), QStringLiteral("Settings will not be kept: another Rimora is open."));
    EXPECT_TRUE(secondSession.AnotherCopyKeepsThem());
    EXPECT_EQ(second.form.Get<TEdit>(QStringLiteral("ErdE")).Text(), QStringLiteral("610"));

    // The second copy's summary window shares its fate; the first's does not.
    SmallForm summary(QStringLiteral("SumF"));
    TIniSave firstSummary(summary);
    TIniSave secondSummary(summary);
    firstSession.ShareWith(firstSummary);
    secondSession.ShareWith(secondSummary);
    EXPECT_FALSE(firstSummary.ReadOnly());
    EXPECT_TRUE(secondSummary.ReadOnly());
    secondSummary.SetFileName(QStringLiteral("KELD.ini"));
    secondSummary.WritePlace();

    second.form.Get<TEdit>(QStringLiteral("ErdE")).SetText(QStringLiteral("600"));
    secondSession.Save();
    EXPECT_EQ(ReadBytes(settings), QByteArray("[MainF]\nErdE=610\n"));
    first.form.Get<TEdit>(QStringLiteral("ErdE")).SetText(QStringLiteral("612"));
    firstSession.Save();
    EXPECT_TRUE(ReadBytes(settings).startsWith("[MainF]\nErdE=612\n"));
}
