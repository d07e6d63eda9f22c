// Reading a profile without the window and preparing its wheel: what each
// record becomes, which files are refused, how an empty table is laced and
// an edited one kept, and which field a bad number is reported under.
#include "lacing/lacing_table.h"
#include "wheel/wheel_choices.h"
#include "platform/errors.h"
#include "sheet/laced_spokes.h"
#include "sheet/laced_wheel.h"
#include "spokes/rim_turn_balance.h"
#include "sheet_test_support.h"
#include "spokes/spoke_length.h"
#include "support/scoped_locale.h"

#include <QDir>
#include <QSet>

namespace rimora::test {
namespace {

QString ErrorOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const RimoraError& e) {
        return e.Message();
    }
    return {};
}

TEST(ProfileWheelFile, RefusesWhatIsNoProfileNamingTheFile)
{
    ProfileFolder folder;
    const QString missing = folder.Path("missing.prl");
    const QString noSection = folder.Write("other.prl", "[SumF]\nLeft=10\n");
    const QString empty = folder.Write("empty.prl", "");
    QDir(folder.Path("")).mkdir("folder.prl");
    const QString directory = folder.Path("folder.prl");

    const struct {
        QString path;
        QString says;
    } cases[] = {{missing, "does not exist"},
                 {noSection, "no [MainF] section"},
                 {empty, "no [MainF] section"},
                 {directory, "not a file"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString message;
        try {
            ReadLacedWheel(c.path);
        } catch (const EInOutError& e) {
            message = e.Message();
        }
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(c.path))) << message.toStdString();
        EXPECT_TRUE(message.contains(c.says)) << message.toStdString();
    }
}

TEST(ProfileWheelFile, ListIndicesBecomeTheTextsOfTheWindowsLists)
{
    ProfileFolder folder;
    const QStringList sizes = RimSizeItems();
    const QStringList holes = HoleCountItems();
    for (int i = -1; i <= holes.size(); ++i) {
        SCOPED_TRACE(i);
        const QByteArray n = QByteArray::number(i);
        const int rimIndex = holes.size() - 1 - i;  // the other end of the list
        const QString path = folder.Write("w.prl", "[MainF]\nTyCB=" + n + "\nHubCB=" + n + "\nRimCB="
                                                       + QByteArray::number(rimIndex) + "\n");
        const LacedWheel w = ReadLacedWheel(path);
        EXPECT_EQ(RimTypeName(w.wheel()), i >= 0 && i < sizes.size() ? sizes[i] : QString());
        EXPECT_EQ(w.wheel().hubHoles, i >= 0 && i < holes.size() ? holes[i].toInt() : 0);
        EXPECT_EQ(w.wheel().rimHoles, rimIndex >= 0 && rimIndex < holes.size() ? holes[rimIndex].toInt() : 0);
    }
}

TEST(ProfileWheelFile, SpinValuesArePulledIntoTheirRangesAsTheBoxesDo)
{
    ProfileFolder folder;
    const struct {
        int stored;
        int cross;       // 0 .. 4
        int width;       // 1 .. 10
        int band;        // 0 .. 9
    } cases[] = {{-5, 0, 1, 0}, {0, 0, 1, 0}, {2, 2, 2, 2}, {4, 4, 4, 4}, {9, 4, 9, 9}, {12, 4, 10, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const QByteArray v = QByteArray::number(c.stored);
        const LacedWheel w = ReadLacedWheel(folder.Write(
            "w.prl", "[MainF]\nCLE=" + v + "\nCRE=" + v + "\nRIMBK=" + v + "\nRIMID=" + v + "\nHUBOD=" + v
                         + "\nSpkD=" + v + "\n"));
        EXPECT_EQ(w.wheel().leftCross, c.cross);
        EXPECT_EQ(w.wheel().rightCross, c.cross);
        EXPECT_EQ(w.wheel().style.spokeWidth, c.width);
        EXPECT_EQ(w.wheel().style.rimBandMm, c.band);
        EXPECT_EQ(w.wheel().style.rimInnerMm, c.band);
        EXPECT_EQ(w.wheel().style.hubMarginMm, c.band);
    }
}

TEST(ProfileWheelFile, AbsentRecordsKeepTheDesignValues)
{
    ProfileFolder folder;
    const Wheel design;
    const LacedWheel laced = ReadLacedWheel(folder.Write("bare.prl", "[MainF]\n"));
    const Wheel& w = laced.wheel();
    EXPECT_EQ(RimTypeName(w), "700c:622");
    EXPECT_EQ(w.erd, 590);
    EXPECT_EQ(w.leftOffset, 27.5);
    EXPECT_EQ(w.rightOffset, 18.1);
    EXPECT_EQ(w.rightFlange, 41);
    EXPECT_EQ(w.style.background, colors::SkyBlue);
    EXPECT_EQ(w.style.leftSpoke, design.style.leftSpoke);
    EXPECT_TRUE(w.style.numbers);
    EXPECT_EQ(w.hubHoles, 0);
    const LacedWheel& wt = laced;
    EXPECT_TRUE(TableIsEmpty(*wt.table));
    EXPECT_EQ(wt.table->Cells(kLengthCol, 0), "Length");
}

TEST(ProfileWheelFile, ColoursKeepPlainAndSystemValuesAndDropAStrayTopByte)
{
    ProfileFolder folder;
    const LacedWheel w = ReadLacedWheel(folder.Write(
        "c.prl", "[MainF]\nCL1=255\nCL2=-16777211\nCL3=" + QByteArray::number(0x12345678) + "\n"));
    EXPECT_EQ(w.wheel().style.background, colors::Red);
    EXPECT_EQ(w.wheel().style.rimOuter, colors::WindowBackground);
    EXPECT_EQ(w.wheel().style.rimInner, 0x00345678);
}

TEST(ProfileWheelFile, TableRowsComeFromTheFileSizedByTheHoleCounts)
{
    ProfileFolder folder;
    // 20 hub holes (item 4), 24 rim holes (item 3): 25 rows, as the window sizes it.
    QByteArray rows;
    for (int r = 1; r <= 30; ++r) rows += "SG1-Row" + QByteArray::number(r) + "=a,b,c" + QByteArray::number(r) + ",d,e,\n";
    const LacedWheel w = ReadLacedWheel(folder.Write("t.prl", "[MainF]\nHubCB=4\nRimCB=3\n" + rows));
    ASSERT_EQ(w.table->RowCount(), 25);
    EXPECT_EQ(w.table->Cells(kRimCol, 24), "c24");
    EXPECT_EQ(w.table->Cells(kHubCol, 0), "HUB");  // the headings are never read from a file
}

// A wheel saved before it was laced gets laced: on the hole counts that are
// multiples of four every hub hole is used once and every spoke measured.
// (That the lacing is the window's own is checked against the window.)
TEST(PreparedWheel, AnEmptyTableIsLacedFromTheCountsAndCrosses)
{
    ProfileFolder folder;
    ScopedLocale region(PointRegion());
    const QStringList holes = HoleCountItems();
    for (int hubIndex = 0; hubIndex < holes.size(); ++hubIndex) {
        if (holes[hubIndex].toInt() % 4 != 0) continue;
        for (int cross = 0; cross <= 3; ++cross) {
            SCOPED_TRACE(holes[hubIndex].toStdString() + " holes, " + std::to_string(cross) + " cross");
            const QByteArray i = QByteArray::number(hubIndex);
            const QByteArray c = QByteArray::number(cross);
            LacedWheel w = ReadLacedWheel(folder.Write(
                "w.prl", "[MainF]\nHubCB=" + i + "\nRimCB=" + i + "\nCLE=" + c + "\nCRE=" + c + "\n"));
            PrepareWheel(w);
            const int count = holes[hubIndex].toInt();
            const std::vector<LacedSpoke> spokes = LacedSpokes(*w.table, w.wheel().hubHoles, w.wheel().rimHoles, LayoutOf(w.wheel()));
            ASSERT_EQ(static_cast<int>(spokes.size()), count);
            QSet<int> hubs;
            for (const LacedSpoke& s : spokes) {
                hubs.insert(s.hub);
                EXPECT_TRUE(s.length.has_value()) << "rim hole " << s.rim;
                // The hub end of a spoke is the rim hole's crossing partner: it
                // is never the same hole on a crossed wheel.
                if (cross > 0) {
                    EXPECT_NE(s.hub, s.rim);
                }
            }
            EXPECT_EQ(hubs.size(), count);
            // ->R is the inverse of ->H again.
            for (const LacedSpoke& s : spokes)
                EXPECT_EQ(w.table->Cells(kToRimCol, s.hub).toInt(), s.rim) << "hub hole " << s.hub;
        }
    }
}

// Laced afresh, a wheel of unequal counts is turned to where its hub's torques
// cancel; a saved table keeps the file's turn, and a note says where it settles.
TEST(PreparedWheel, AFreshTableTakesTheBalancedTurnASavedOneKeepsItsOwn)
{
    ProfileFolder folder;
    ScopedLocale region(PointRegion());
    const QByteArray counts = "[MainF]\nHubCB=1\nRimCB=0\nCLE=3\nCRE=3\nAdE=5\n";  // 32 / 36
    LacedWheel fresh = ReadLacedWheel(folder.Write("fresh.prl", counts));
    PrepareWheel(fresh);
    EXPECT_DOUBLE_EQ(fresh.wheel().angleDifference, -0.75);
    EXPECT_EQ(RimTurnNote(*fresh.table, fresh.wheel()), QString());

    QByteArray rows;
    for (int r = 1; r <= 36; ++r) {
        QStringList cells;
        for (int c = 0; c < kLacingColCount; ++c) cells << fresh.table->Cells(c, r);
        rows += QStringLiteral("SG1-Row%1=%2,\n").arg(r).arg(cells.join(',')).toUtf8();
    }
    LacedWheel saved = ReadLacedWheel(folder.Write("saved.prl", counts + rows));
    PrepareWheel(saved);
    EXPECT_DOUBLE_EQ(saved.wheel().angleDifference, 5);
    EXPECT_TRUE(RimTurnNote(*saved.table, saved.wheel()).contains("settles at -0.75°"));
}

TEST(PreparedWheel, AnEditedTableIsKeptAsItStands)
{
    ProfileFolder folder;
    ScopedLocale region(PointRegion());
    // A radial 16-hole wheel typed by hand, with hub holes 1 and 3 swapped.
    QByteArray rows;
    for (int r = 1; r <= 16; ++r) {
        const int hub = r == 1 ? 3 : r == 3 ? 1 : r;
        rows += QStringLiteral("SG1-Row%1=%2,,%2,%3,999.9,\n").arg(r).arg(r, 2, 10, QChar('0')).arg(hub, 2, 10, QChar('0')).toUtf8();
    }
    LacedWheel w = ReadLacedWheel(folder.Write("edited.prl", "[MainF]\nHubCB=6\nRimCB=6\nCLE=0\nCRE=0\n" + rows));
    PrepareWheel(w);
    EXPECT_EQ(w.table->Cells(kToHubCol, 1), "03");
    EXPECT_EQ(w.table->Cells(kToHubCol, 3), "01");
    EXPECT_EQ(w.table->Cells(kToRimCol, 3), "01");  // rebuilt from ->H
    // The stale lengths are replaced by computed ones.
    for (int r = 1; r <= 16; ++r) EXPECT_NE(w.table->Cells(kLengthCol, r), "999.9") << r;
}

TEST(PreparedWheel, ABadNumberNamesTheFileTheFieldByItsCaptionAndTheText)
{
    ProfileFolder folder;
    ScopedLocale region(PointRegion());
    const struct {
        QByteArray record;
        QString field;
        bool quoted;  // the message quotes the text of the record
    } cases[] = {{"ErdE=59O", "ERD", true},
                 {"dRE=", "dR, right flange diameter", true},
                 {"dLE=4l", "dL, left flange diameter", true},
                 {"WLE=27;5", "WL, width from center to left flange", true},
                 {"WRE=x", "WR, width from center to right flange", true},
                 {"ShE=2.5mm", "S, spoke hole diameter", true},
                 {"AdE=half", "angle difference", true},
                 {"HubCB=-1", "HUB", false},
                 {"RimCB=99", "RIM", false},
                 {"TyCB=40", "TYPE", false},
                 {"RimOffE=two", "Rim offset", true},
                 {"TensionE=12O", "Tension", true},
                 {"SpokeDiaE=", "Spoke Ø", true},
                 {"OrderStepCB=7", "Order step", false},
                 // Numbers that give no wheel are named the same way.
                 {"RimOffE=27.5", "Rim offset", false},
                 {"RimOffE=-1", "Rim offset", false},
                 {"TensionE=0", "Tension", false},
                 {"WRE=0", "WR, width from center to right flange", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toStdString());
        // The bad record in place of the good one of the same key.
        QByteArray records = DefaultWheelRecords() + "AdE=0\nRimOffE=0\nTensionE=120\nSpokeDiaE=2\nOrderStepCB=1\n";
        const QByteArray key = c.record.left(c.record.indexOf('=') + 1);
        const qsizetype at = records.indexOf("\n" + key) + 1;
        ASSERT_GT(at, 0);
        records.replace(at, records.indexOf('\n', at) - at, c.record);
        const QString path = folder.Write("bad.prl", records);
        LacedWheel w = ReadLacedWheel(path);
        const QString message = ErrorOf([&] { PrepareWheel(w); });
        EXPECT_TRUE(message.startsWith("bad.prl: " + c.field + ":")) << message.toStdString();
        if (c.quoted) {
            const QString text = QString::fromUtf8(c.record.mid(c.record.indexOf('=') + 1));
            EXPECT_TRUE(message.contains("'" + text + "'")) << message.toStdString();
        }
        // Nothing of the record keys the user never sees.
        EXPECT_FALSE(message.contains(QString::fromUtf8(key.chopped(1)))) << message.toStdString();
    }
}

// A number that reads but no real part has stops before any length, naming
// its field; the sizes of real wheels give lengths, all above 0.
TEST(PreparedWheel, OnlyWheelsThatCanExistGetLengths)
{
    ProfileFolder folder;
    ScopedLocale region(PointRegion());
    const QString erd = "ERD", dL = "dL, left flange diameter", dR = "dR, right flange diameter",
                  wl = "WL, width from center to left flange", s = "S, spoke hole diameter", dia = "Spoke Ø";
    const struct {
        QByteArray records;
        QString field;  // empty: a wheel that exists
    } cases[] = {{"ErdE=0", erd},           {"ErdE=-590", erd},          {"ErdE=30", erd},
                 {"ErdE=150\ndLE=200", erd}, {"ErdE=1e308", erd},         {"dLE=0", dL},
                 {"dLE=-41", dL},           {"dRE=700", dR},             {"dRE=1e308", dR},
                 {"ShE=600", s},            {"SpokeDiaE=0.01", dia},     {"SpokeDiaE=1e-300", dia},
                 {"TensionE=1e308", "Tension"}, {"TensionE=5000", "Tension"}, {"WLE=1e308", wl},
                 {"WLE=0", wl},             {"RimOffE=-1", "Rim offset"}, {"OrderStepCB=5", "Order step"},
                 {"ErdE=250", ""},          {"ErdE=640", ""},            {"dLE=70\ndRE=70", ""},
                 {"RimOffE=6", ""},         {"TensionE=60", ""},         {"TensionE=160", ""},
                 {"SpokeDiaE=1.5", ""},     {"SpokeDiaE=2.3", ""},       {"ShE=0", ""},
                 {"ShE=2.6", ""},           {"ShE=6", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records.toStdString());
        LacedWheel w = ReadLacedWheel(folder.Write("w.prl", "[MainF]\nHubCB=0\nRimCB=0\n" + c.records + "\n"));
        const QString message = ErrorOf([&] { PrepareWheel(w); });
        if (!c.field.isEmpty()) {
            EXPECT_TRUE(message.startsWith("w.prl: " + c.field + ":")) << message.toStdString();
            continue;
        }
        EXPECT_EQ(message, "");
        for (int r = 1; r < w.table->RowCount(); ++r) {
            const LacingCell& length = w.table->Cell(kLengthCol, r);
            if (!length.IsEmpty()) {
                EXPECT_GT(length.RequireMillimetres(), 0);
            }
        }
    }
}

// The rim offset, tension and ordering records are read as the window reads
// them; without them the wheel gets the window's defaults.
TEST(ProfileWheelFile, TheSideRecordsAreReadAndDefaultWhenAbsent)
{
    ProfileFolder folder;
    const LacedWheel bare = ReadLacedWheel(folder.Write("bare.prl", DefaultWheelRecords()));
    EXPECT_EQ(bare.wheel().rimOffset, 0);
    EXPECT_EQ(bare.wheel().tension, 120);
    EXPECT_EQ(bare.wheel().spokeDiameter, 2);
    EXPECT_EQ(bare.wheel().orderStep, 2);
    const LacedWheel set = ReadLacedWheel(folder.Write(
        "set.prl", DefaultWheelRecords() + "RimOffE=2.5\nTensionE=110\nSpokeDiaE=1.8\nOrderStepCB=0\n"));
    EXPECT_EQ(set.wheel().rimOffset, 2.5);
    EXPECT_EQ(set.wheel().tension, 110);
    EXPECT_EQ(set.wheel().spokeDiameter, 1.8);
    EXPECT_EQ(set.wheel().orderStep, 1);
    // An index outside the list leaves nothing chosen, as the window's list does.
    const LacedWheel outside = ReadLacedWheel(folder.Write("o.prl", DefaultWheelRecords() + "OrderStepCB=2\n"));
    EXPECT_EQ(outside.wheel().orderStep, 0);
}

// A profile saved before the rim offset existed is measured exactly as the
// length calculation measures its inputs, to the last digit; with an offset
// the lengths are those of WL - offset and WR + offset.
TEST(PreparedWheel, AnOldProfileGivesTodaysLengthsAndAnOffsetMovesTheFlanges)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const QStringList counts = HoleCountItems();
    for (int i = 0; i < counts.size(); ++i) {
        SCOPED_TRACE(counts[i].toStdString());
        const QByteArray holes = "[MainF]\nHubCB=" + QByteArray::number(i) + "\nRimCB=" + QByteArray::number(i) + "\n";
        LacedWheel old = ReadLacedWheel(folder.Write("old.prl", holes + "WLE=27.5\nWRE=18.1\n"));
        PrepareWheel(old);
        LacedWheel moved = ReadLacedWheel(folder.Write("moved.prl", holes + "WLE=27.5\nWRE=18.1\nRimOffE=2\n"));
        PrepareWheel(moved);
        LacedWheel shifted = ReadLacedWheel(folder.Write("shifted.prl", holes + "WLE=25.5\nWRE=20.1\n"));
        PrepareWheel(shifted);

        GridModel today(kLacingColCount, old.table->RowCount());
        for (int r = 0; r < today.RowCount(); ++r)
            for (int c = 0; c < today.ColCount(); ++c) today.SetCells(c, r, old.table->Cells(c, r));
        for (int r = 1; r < today.RowCount(); ++r) today.SetCells(kLengthCol, r, QString());
        CalcSpokeLengths(today, old.wheel());
        for (int r = 1; r < today.RowCount(); ++r) {
            ASSERT_EQ(old.table->Cells(kLengthCol, r), today.Cells(kLengthCol, r)) << r;
            ASSERT_EQ(moved.table->Cells(kLengthCol, r), shifted.table->Cells(kLengthCol, r)) << r;
        }
        EXPECT_DOUBLE_EQ(old.wheel().rimOffset, 0.0);
        EXPECT_DOUBLE_EQ(moved.wheel().rimOffset, 2.0);
    }
}

// Texts are read in the user's region, as the window reads them.
TEST(PreparedWheel, ACommaRegionReadsItsOwnDecimals)
{
    ProfileFolder folder;
    const QByteArray comma = "[MainF]\nHubCB=0\nRimCB=0\nWLE=27,5\nWRE=18,1\nShE=2,5\n";
    const QByteArray point = "[MainF]\nHubCB=0\nRimCB=0\nWLE=27.5\nWRE=18.1\nShE=2.5\n";
    std::vector<LacedSpoke> inComma;
    {
        ScopedLocale region(CommaRegion());
        LacedWheel w = ReadLacedWheel(folder.Write("c.prl", comma));
        PrepareWheel(w);
        inComma = LacedSpokes(*w.table, w.wheel().hubHoles, w.wheel().rimHoles, LayoutOf(w.wheel()));
    }
    ScopedLocale region(PointRegion());
    LacedWheel w = ReadLacedWheel(folder.Write("p.prl", point));
    PrepareWheel(w);
    const std::vector<LacedSpoke> inPoint = LacedSpokes(*w.table, w.wheel().hubHoles, w.wheel().rimHoles, LayoutOf(w.wheel()));
    ASSERT_EQ(inComma.size(), inPoint.size());
    ASSERT_FALSE(inPoint.empty());
    for (std::size_t i = 0; i < inPoint.size(); ++i) {
        EXPECT_EQ(inComma[i].hub, inPoint[i].hub);
        ASSERT_TRUE(inComma[i].length && inPoint[i].length);
        EXPECT_DOUBLE_EQ(*inComma[i].length, *inPoint[i].length);
    }
}

}  // namespace
}  // namespace rimora::test
