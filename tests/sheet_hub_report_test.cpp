// A straight-pull and a heads-in wheel read from profiles as the command line
// reads them: each spoke's head and entry angle, each side's line, the notes
// on the nipples' angle, and the inputs named in the JSON.
#include "sheet/laced_wheel.h"
#include "sheet/wheel_report.h"
#include "sheet_test_support.h"
#include "support/scoped_locale.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace rimora::test {
namespace {

const QByteArray kStraight28 =
    "[MainF]\nHubCB=2\nRimCB=2\ndRE=50\ndLE=50\nCLE=2\nCRE=2\nWLE=35\nWRE=35\nShE=2.6\nErdE=600\nHubKindRG=1\n";
const QByteArray kHeads32 = "[MainF]\nHubCB=1\nRimCB=1\ndRE=50\ndLE=50\nCLE=3\nCRE=3\nWLE=35\nWRE=20\nShE=2.5\nErdE=600\n"
                            "FlThLE=3\nFlThRE=3\nHeadsLRG=2\n";

TEST(HubReport, SpokesSidesAndNotes)
{
    const struct {
        const char* name;
        QByteArray records;
        // The command line's right side (a part of it), every left spoke's head in
        // the JSON ("" for null), every spoke's entry angle, the first note ("" none).
        const char *rightLine, *leftHeads;
        double entry;
        const char* note;
    } cases[] = {
        {"straight-pull, line ahead", kStraight28 + "TanLE=0.8\nTanRE=0.8\n",
         "right: 14 spokes, 2 crosses, 285.3 mm, order 284 mm", "", 86.2, ""},
        {"straight-pull, line behind", kStraight28 + "TanLE=-0.8\nTanRE=-0.8\n",
         "right: 14 spokes, 2 crosses, 286.6 mm, order 286 mm", "", 86.0, ""},
        {"heads in left, trailing out right", kHeads32,
         "right: 16 spokes, 3 crosses, 290.6 (heads out) / 291.0 (heads in) mm, order 290 mm", "in", 85.5, ""},
        {"big flanges on a small rim", QByteArray(kHeads32).replace("dRE=50\ndLE=50", "dRE=120\ndLE=120").replace("ErdE=600", "ErdE=400"),
         "right: 16 spokes, 3 crosses, ", "in", 72.6, "Warning: "},
        {"flanges steep enough for a note", QByteArray(kHeads32).replace("dRE=50\ndLE=50", "dRE=100\ndLE=100").replace("ErdE=600", "ErdE=400"),
         "(heads in) mm", "in", 75.7, "A spoke meets its nipple at 75.7°"},
    };
    ScopedLocale region(PointRegion());
    for (const auto& c : cases) {
        ProfileFolder folder;
        LacedWheel w = ReadLacedWheel(folder.Write("w.prl", c.records));
        PrepareWheel(w);
        const WheelReport r = ReportOf(w);
        EXPECT_TRUE(ReportLines(r).contains(QString::fromLatin1(c.rightLine))) << c.name;
        const QJsonObject json = QJsonDocument::fromJson(ReportJson(r).toUtf8()).object();
        for (const QJsonValue& spoke : json[QStringLiteral("spokes")].toArray()) {
            const QJsonObject s = spoke.toObject();
            EXPECT_NEAR(s[QStringLiteral("entryAngle")].toDouble(), c.entry, 0.05) << c.name;
            if (s[QStringLiteral("side")].toString() == QStringLiteral("left")) {
                EXPECT_EQ(s[QStringLiteral("head")].toString(), QString::fromLatin1(c.leftHeads)) << c.name;
            }
        }
        EXPECT_EQ(json["inputs"]["hubKind"].toString(), c.records.contains("HubKindRG=1") ? "straight-pull" : "J-bend");
        EXPECT_EQ(r.notes.value(0).left(QString::fromUtf8(c.note).size()), QString::fromUtf8(c.note)) << c.name;
    }
}

}  // namespace
}  // namespace rimora::test
