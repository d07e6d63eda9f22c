// 2:1 hubs and paired holes from the command line: the equivalent crosses
// published for them, and the wheels that cannot be laced so.
#include "sheet/command_line.h"
#include "sheet_test_support.h"
#include "support/scoped_locale.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace rimora::test {
namespace {

QString RunCli(const QStringList& arguments, int* status = nullptr)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int code = RunCommandLine(QStringList{"rimora"} + arguments, o, e);
    o.flush();
    e.flush();
    if (status) *status = code;
    return code == 0 ? out : err;
}

// Hole count items: 24 is item 3, 16 item 6.
TEST(HoleKindsCommandLine, EquivalentCrossesAreThePublishedOnes)
{
    ScopedLocale region(PointRegion());
    const struct {
        const char* name;
        const char* holes;    // the hole count item of hub and rim
        const char *cl, *cr;  // cross numbers
        const char* records;  // after the default wheel's
        double left, right;   // equivalentCross
    } cases[] = {
        {"16/8 on 24, 3x, shorter span", "3", "0", "3", "HubSplitRG=1\n", 0, 2.8333},
        {"16/8 on 24, 3x, longer span", "3", "0", "3", "HubSplitRG=1\nCrossPatRG=1\n", 0, 3.1667},
        {"8/16 on 24, 3x, longer span", "3", "3", "0", "HubSplitRG=2\nCrossPatRG=1\n", 3.1667, 0},
        {"24 paired at 15 degrees, 2x", "3", "2", "2", "HubPairE=15\n", 2.25, 2.25},
        {"16 paired at 15 degrees, 1x", "6", "1", "1", "HubPairE=15\n", 1.3333, 1.3333},
    };
    for (const auto& c : cases) {
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0", QByteArray("HubCB=") + c.holes).replace("RimCB=0", QByteArray("RimCB=") + c.holes);
        records.replace("CLE=3", QByteArray("CLE=") + c.cl).replace("CRE=3", QByteArray("CRE=") + c.cr);
        const QString profile = folder.Write("w.prl", records + c.records);
        const QJsonObject sides = QJsonDocument::fromJson(RunCli({"--json", profile}).toUtf8())["sides"].toObject();
        EXPECT_NEAR(sides["left"]["equivalentCross"].toDouble(-1), c.left, 1e-4) << c.name;
        EXPECT_NEAR(sides["right"]["equivalentCross"].toDouble(-1), c.right, 1e-4) << c.name;
    }
}

// A layout that cannot be laced is refused with a message naming its inputs.
TEST(HoleKindsCommandLine, UnlaceableLayoutsAreNamed)
{
    ScopedLocale region(PointRegion());
    const struct {
        const char* records;
        const char* says;
    } cases[] = {
        {"HubCB=4\nRimCB=4\nHubSplitRG=1\n", "20 HUB holes"},        // 20 is no multiple of 3
        {"HubCB=3\nRimCB=1\nHubSplitRG=1\n", "RIM has 32"},          // 2:1 on another count
        {"HubCB=5\nRimCB=5\nHubPairE=10\n", "HUB has 18"},           // 9 a flange cannot pair
        {"HubCB=3\nRimCB=3\nHubPairE=30\n", "pitch of 30"},          // the pair as wide as the pitch
        {"HubCB=3\nRimCB=3\nFlOffE=1e308\n", "offset 1E308°"},     // a hand-edited value, named short
    };
    for (const auto& c : cases) {
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0\n", "").replace("RimCB=0\n", "");
        const QString profile = folder.Write("w.prl", records + c.records);
        int status = 0;
        const QString err = RunCli({"--lengths", profile}, &status);
        EXPECT_NE(status, 0) << c.records;
        EXPECT_TRUE(err.contains(c.says)) << err.toStdString();
    }
}

// Every spoke of a 2:1 wheel on its own flange: a cross number the sparse
// flange cannot give still laces it, and a round of readings is judged per
// flange, 8 against the left's target and 16 against the right's.
TEST(HoleKindsCommandLine, TwoToOneWheelsKeepEverySpokeOnItsFlange)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    QByteArray records = DefaultWheelRecords();
    records.replace("HubCB=0", "HubCB=3").replace("RimCB=0", "RimCB=3").replace("CLE=3", "CLE=4");
    QByteArray round = "TenRound1E=2026-12-07T21:05:00Z|Park Tool TM-1|2.0 mm round steel|";
    for (int i = 0; i < 24; ++i) round += "22 ";
    const QString profile = folder.Write("w.prl", records + "HubSplitRG=1\n" + round.trimmed() + "|x\n");
    const QJsonObject sides = QJsonDocument::fromJson(RunCli({"--json", profile}).toUtf8())["sides"].toObject();
    EXPECT_EQ(sides["left"]["spokes"].toInt(), 8);
    EXPECT_EQ(sides["right"]["spokes"].toInt(), 16);
    const QJsonObject read = QJsonDocument::fromJson(RunCli({"--tension", profile, "--json"}).toUtf8())["sides"].toObject();
    EXPECT_EQ(read["left"]["read"].toInt(), 8);
    EXPECT_EQ(read["right"]["read"].toInt(), 16);
}

}  // namespace
}  // namespace rimora::test
