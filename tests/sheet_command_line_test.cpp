// The command line run in-process: which arguments ask for it, the platform
// it picks, the option rules, and what it prints and writes.
#include "sheet/build_sheet.h"
#include "sheet/command_line.h"
#include "sheet_test_support.h"
#include "support/scoped_locale.h"

#include <QDir>
#include <QJsonArray>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace rimora::test {
namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

CliRun RunWith(const QStringList& arguments)
{
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = RunCommandLine(QStringList{"rimora"} + arguments, out, err);
    out.flush();
    err.flush();
    return r;
}

TEST(CommandLineChoice, TaskOptionsAskForTheCommandLineAndNothingElseDoes)
{
    const struct {
        std::vector<const char*> argv;
        bool commandLine;
    } cases[] = {
        {{"rimora"}, false},
        {{"rimora", "-platform", "offscreen"}, false},
        {{"rimora", "wheel.prl"}, false},
        {{"rimora", "--lengths", "w.prl"}, true},
        {{"rimora", "--lengths=w.prl"}, true},
        {{"rimora", "-platform", "xcb", "--sheet", "w.prl", "o.pdf"}, true},
        {{"rimora", "--draw", "w.prl", "o.svg"}, true},
        {{"rimora", "--help"}, true},
        {{"rimora", "-h"}, true},
        {{"rimora", "--version"}, true},
        {{"rimora", "--lengthsx"}, false},
        {{"rimora", "--json"}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCommandLineRun(static_cast<int>(c.argv.size()), c.argv.data()), c.commandLine)
            << (c.argv.size() > 1 ? c.argv[1] : "(none)");
    }
}

// Restores the environment variables a test changes.
class ScopedEnvironment {
public:
    ScopedEnvironment()
    {
        for (const char* name : kNames) saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~ScopedEnvironment()
    {
        for (const auto& s : saved_) s.wasSet ? (void)qputenv(s.name, s.value) : (void)qunsetenv(s.name);
    }
    static constexpr const char* kNames[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> saved_;
};

TEST(CommandLineChoice, OffscreenOnlyWhenNoPlatformIsGivenAndNoDisplayIsThere)
{
    const struct {
        const char* platform;  // nullptr: unset
        const char* display;
        const char* wayland;
        bool platformArgument;
        const char* chosen;  // QT_QPA_PLATFORM afterwards, nullptr: unset
    } cases[] = {
        {nullptr, nullptr, nullptr, false, "offscreen"},
        {nullptr, ":0", nullptr, false, "offscreen"},  // the command line needs no display
        {nullptr, nullptr, "wayland-0", false, "offscreen"},
        {"xcb", nullptr, nullptr, false, "xcb"},
        {nullptr, nullptr, nullptr, true, nullptr},
    };
    for (const auto& c : cases) {
        ScopedEnvironment keep;
        const auto set = [](const char* name, const char* value) {
            value ? (void)qputenv(name, value) : (void)qunsetenv(name);
        };
        set("QT_QPA_PLATFORM", c.platform);
        set("DISPLAY", c.display);
        set("WAYLAND_DISPLAY", c.wayland);
        std::vector<const char*> argv{"rimora", "--lengths", "w.prl"};
        if (c.platformArgument) argv.insert(argv.begin() + 1, {"-platform", "minimal"});
        ChooseHeadlessPlatform(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), c.chosen != nullptr);
        if (c.chosen) {
            EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.chosen));
        }
    }
}

TEST(CommandLineChoice, TheWindowIsRefusedForAnUnknownOptionOrWithoutADisplay)
{
    const char* const kRemote = "remote.invalid:0";
    const struct {
        std::vector<const char*> argv;
        const char* display;  // DISPLAY, nullptr: unset; a remote one is not tried
        int status;
        const char* says;  // the start of the line
    } cases[] = {
        {{"rimora"}, kRemote, 0, ""},
        {{"rimora", "wheel.prl"}, kRemote, 0, ""},
        {{"rimora", "-style", "fusion", "-reverse", "--qwindowtitle=x"}, kRemote, 0, ""},
        {{"rimora", "-", "--", "-x"}, kRemote, 0, ""},
        {{"rimora", "--lenghts", "w.prl"}, kRemote, 2, "rimora: unknown option '--lenghts' (see --help)"},
        {{"rimora", "-stylee=fusion"}, kRemote, 2, "rimora: unknown option '-stylee' (see --help)"},
        {{"rimora", "-style", "-x", "-q"}, kRemote, 2, "rimora: unknown option '-q' (see --help)"},
        {{"rimora"}, nullptr, 1, "rimora: no display to open the window on"},
        {{"rimora", "wheel.prl"}, nullptr, 1, "rimora: no display to open the window on"},
        {{"rimora", "-platform", "xcb"}, nullptr, 0, ""},
        {{"rimora"}, ":987", 1, "rimora: the display :987 does not answer"},  // left from an ended session
    };
    for (const auto& c : cases) {
        ScopedEnvironment keep;
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("WAYLAND_DISPLAY");
        c.display ? (void)qputenv("DISPLAY", c.display) : (void)qunsetenv("DISPLAY");
        const WindowRefusal refusal = RefuseWindow(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(refusal.status, c.status) << c.says;
        EXPECT_EQ(refusal.message.left(int(qstrlen(c.says))), QLatin1String(c.says)) << refusal.message.toStdString();
    }
}

TEST(CommandLineChoice, TheWindowOpensTheFirstProfileNamedAwayFromQtsOptions)
{
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const struct {
        std::vector<const char*> argv;
        QString profile;  // empty: none
    } cases[] = {{{"rimora", "-style", "fusion", "-reverse"}, QString()},
                 {{"rimora", "/home/me/front wheel.prl"}, "/home/me/front wheel.prl"},
                 {{"rimora", "-style", "fusion.prl", "--title=x", "rear.prl", "b.prl"}, here + "rear.prl"},
                 {{"rimora", "--", "-odd.prl"}, here + "-odd.prl"}};
    for (const auto& c : cases)
        EXPECT_EQ(WindowProfile(static_cast<int>(c.argv.size()), c.argv.data()), c.profile) << c.argv.back();
}

TEST(CommandLineSize, ReadsWidthByHeight)
{
    const struct {
        QString text;
        bool ok;
        int width;
        int height;
    } cases[] = {{"640x480", true, 640, 480}, {"1X2", true, 1, 2},      {" 800 x 600 ", true, 800, 600},
                 {"16000x1", true, 16000, 1}, {"16001x1", false, 0, 0},  {"0x10", false, 0, 0},
                 {"640", false, 0, 0},        {"640x", false, 0, 0},     {"-1x5", false, 0, 0},
                 {"6.5x4", false, 0, 0},      {"", false, 0, 0},         {"640*480", false, 0, 0}};
    for (const auto& c : cases) {
        int w = 0;
        int h = 0;
        EXPECT_EQ(ParseImageSize(c.text, w, h), c.ok) << c.text.toStdString();
        if (c.ok) {
            EXPECT_EQ(w, c.width);
            EXPECT_EQ(h, c.height);
        }
    }
}

TEST(CommandLineRules, WrongCombinationsExitOneWithAMessageAndWriteNothing)
{
    ProfileFolder folder;
    const QString profile = folder.Write("w.prl", DefaultWheelRecords());
    const QString out = folder.Path("out.svg");
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{}, "exactly one of"},
        {{"--lengths", profile, "--sheet", profile, out}, "exactly one of"},
        {{"--json"}, "exactly one of"},
        {{"--json", profile, out}, "exactly one of"},
        {{"--sheet", profile, "--json", out}, "--json goes with --lengths"},
        {{"--lengths", profile, "--size", "10x10"}, "--size goes with --draw"},
        {{"--draw", profile, out, "--size", "big"}, "--size: \"big\""},
        {{"--draw", profile}, "one output file"},
        {{"--lengths", profile, out}, "writes no file"},
        {{"--draw", profile, folder.Path("out.bmp")}, "out.bmp: a drawing is written as .svg or .png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun r = RunWith(c.arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(QDir(folder.Path("")).entryList(QDir::Files), QStringList{"w.prl"});
}

TEST(CommandLineRules, HelpAndVersionGoToStandardOutput)
{
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--lengths", "--json", "--sheet", "--draw", "--size"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const CliRun version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_FALSE(version.out.trimmed().isEmpty());
    EXPECT_TRUE(help.err.isEmpty() && version.err.isEmpty());
}

// Lengths are printed with a decimal point whatever the region; the profile's
// numbers take either mark, as the window reads them.
TEST(CommandLineLengths, PrintsPointDecimalsInEveryRegion)
{
    for (const QLocale& locale : {PointRegion(), CommaRegion()}) {
        ScopedLocale region(locale);
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        // Three decimals with the other region's mark.
        const QByteArray other = locale.decimalPoint() == QStringLiteral(".") ? "," : ".";
        records.replace("27.5", "27" + other + "125").replace("18.1", "18" + other + "125");
        const QString profile = folder.Write("w.prl", records);
        const CliRun lines = RunWith({"--lengths", profile});
        EXPECT_EQ(lines.status, 0) << lines.err.toStdString();
        const QStringList rows = lines.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 3) << lines.out.toStdString();
        EXPECT_TRUE(rows[0].startsWith("left: ") && rows[0].endsWith(" kgf")) << rows[0].toStdString();
        EXPECT_TRUE(rows[1].startsWith("right: ") && rows[1].endsWith(" kgf")) << rows[1].toStdString();
        EXPECT_TRUE(rows[2].startsWith("order: ")) << rows[2].toStdString();
        EXPECT_FALSE(lines.out.contains(',') && lines.out.contains(QRegularExpression("\\d,\\d")));

        const CliRun json = RunWith({"--lengths", profile, "--json"});
        EXPECT_EQ(json.status, 0);
        EXPECT_EQ(RunWith({"--json", profile}).out, json.out);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        const QJsonObject left = doc.object()["sides"].toObject()["left"].toObject();
        EXPECT_TRUE(rows[0].contains(QString::number(left["length"].toDouble(), 'f', 1) + " mm")) << rows[0].toStdString();
        EXPECT_TRUE(rows[0].contains(QString::number(left["tension"].toDouble(), 'f', 1) + " kgf"))
            << rows[0].toStdString();
    }
}

// After the side lines one "note:" line per note, the same in the JSON (an
// empty list when none); a side that cannot cross as asked says what it does.
TEST(CommandLineLengths, NotesFollowTheSideLinesAndGoIntoTheJson)
{
    ScopedLocale region(PointRegion());
    const struct {
        const char* holes;  // the hole count lists' index
        const char* left;   // the left line's start
        const char* note;   // the first note's start, "" when none
        int notes, crossings;  // how many notes; the most a left spoke crosses
    } cases[] = {
        {"0", "left: 18 spokes, 3 crosses, ", "", 0, 3},
        {"5", "left: 9 spokes, 3-4 crosses, ", "note: Flanges of 9 spokes cannot all alternate", 2, 4},
    };
    for (const auto& c : cases) {
        ProfileFolder folder;
        QByteArray records = DefaultWheelRecords();
        records.replace("HubCB=0", QByteArray("HubCB=") + c.holes).replace("RimCB=0", QByteArray("RimCB=") + c.holes);
        const QString profile = folder.Write("w.prl", records);
        const QStringList rows = RunWith({"--lengths", profile}).out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), 3 + c.notes) << rows.join('\n').toStdString();
        EXPECT_TRUE(rows[0].startsWith(c.left)) << rows[0].toStdString();
        EXPECT_TRUE(rows[c.notes ? 3 : 1].startsWith(c.notes ? c.note : "right: ")) << rows.join('\n').toStdString();

        const QJsonObject doc = QJsonDocument::fromJson(RunWith({"--json", profile}).out.toUtf8()).object();
        ASSERT_TRUE(doc["notes"].isArray());
        QStringList json;
        for (const QJsonValue& note : doc["notes"].toArray()) json << "note: " + note.toString();
        EXPECT_EQ(json, rows.mid(3));
        const QJsonObject left = doc["sides"].toObject()["left"].toObject();
        EXPECT_EQ(left["crosses"].toInt(), 3);
        EXPECT_EQ(left["crossings"].toArray().last().toInt(), c.crossings);
    }
}

// The builder's part names and remarks go into the JSON as typed (empty
// strings when none) and, those that are set, to the head of the sheet.
TEST(CommandLineLengths, PartsAndRemarksGoIntoTheJsonAndTheSheetsHead)
{
    ScopedLocale region(PointRegion());
    const struct {
        QByteArray records;
        const char *hub, *nipples, *remarks;
        QStringList head;
    } cases[] = {
        {"", "", "", "", {}},
        {"HubNameE=DT 350\nNipplesNameE=\" \"Pro Lock\" \"\n", "DT 350", " \"Pro Lock\" ", "",
         {"Hub: DT 350   Nipples: \"Pro Lock\""}},
        {"RemarksM=true it\\nC:\\\\wheels\n", "", "", "true it\nC:\\wheels", {"Remarks: true it", "C:\\wheels"}},
    };
    for (const auto& c : cases) {
        ProfileFolder folder;
        const QString profile = folder.Write("w.prl", DefaultWheelRecords() + c.records);
        const QJsonObject doc = QJsonDocument::fromJson(RunWith({"--json", profile}).out.toUtf8()).object();
        const QJsonObject parts = doc["parts"].toObject();
        EXPECT_EQ(parts.keys(), QStringList({"hub", "nipples", "rim", "spokes"})) << c.records.constData();
        EXPECT_EQ(QStringList({parts["hub"].toString(), parts["nipples"].toString(), parts["rim"].toString()}),
                  QStringList({c.hub, c.nipples, ""}));
        EXPECT_EQ(doc["remarks"], QJsonValue(c.remarks));
        EXPECT_EQ(PartLines(ReadLacedWheel(profile).wheel()), c.head);
    }
}

TEST(CommandLineFiles, ABadProfileNamesTheFileAndTheFieldAndWritesNothing)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    QByteArray bad = DefaultWheelRecords();
    bad.replace("ErdE=590", "ErdE=59O");
    const QString badNumber = folder.Write("bad.prl", bad);
    const QString tooFar = folder.Write("far.prl", DefaultWheelRecords() + DrawingRecords() + "RimOffE=30\n");
    const QString notProfile = folder.Write("notes.prl", "just some notes\n");
    const QString missing = folder.Path("missing.prl");
    const struct {
        QString profile;
        QStringList says;
    } cases[] = {{badNumber, {"bad.prl: ERD: '59O'"}},
                 {tooFar, {"far.prl: Rim offset: "}},
                 {notProfile, {"notes.prl", "[MainF]"}},
                 {missing, {"missing.prl", "does not exist"}}};
    for (const auto& c : cases) {
        for (const QStringList& task : {QStringList{"--lengths", c.profile},
                                        QStringList{"--sheet", c.profile, folder.Path("out.pdf")},
                                        QStringList{"--draw", c.profile, folder.Path("out.png")}}) {
            SCOPED_TRACE(task.join(' ').toStdString());
            const CliRun r = RunWith(task);
            EXPECT_EQ(r.status, 1);
            for (const QString& part : c.says) EXPECT_TRUE(r.err.contains(part)) << r.err.toStdString();
            EXPECT_TRUE(r.out.isEmpty());
        }
    }
    EXPECT_FALSE(QFile::exists(folder.Path("out.pdf")));
    EXPECT_FALSE(QFile::exists(folder.Path("out.png")));
}

TEST(CommandLineFiles, WritesTheSheetAndTheDrawingWhereAsked)
{
    ScopedLocale region(PointRegion());
    ProfileFolder folder;
    const QString profile = folder.Write("w.prl", DefaultWheelRecords());
    const CliRun sheet = RunWith({"--sheet", profile, folder.Path("w.pdf")});
    EXPECT_EQ(sheet.status, 0) << sheet.err.toStdString();
    EXPECT_TRUE(ReadBytes(folder.Path("w.pdf")).startsWith("%PDF-"));
    const CliRun draw = RunWith({"--draw", profile, folder.Path("w.png"), "--size", "123x45"});
    EXPECT_EQ(draw.status, 0) << draw.err.toStdString();
    EXPECT_EQ(QImage(folder.Path("w.png")).size(), QSize(123, 45));
    const CliRun refused = RunWith({"--sheet", profile, folder.Path("none/w.pdf")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QDir::toNativeSeparators(folder.Path("none/w.pdf")))) << refused.err.toStdString();
    EXPECT_TRUE(sheet.out.isEmpty() && draw.out.isEmpty());
}

}  // namespace
}  // namespace rimora::test
