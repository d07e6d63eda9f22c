#include "sheet/command_line.h"

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/image_size.h"
#include "platform/version.h"
#include "sheet/build_sheet.h"
#include "sheet/laced_wheel.h"
#include "sheet/paper_size.h"
#include "sheet/sheet_export.h"
#include "sheet/side_spans.h"
#include "sheet/tension_report.h"
#include "sheet/steps_report.h"
#include "sheet/wheel_report.h"
#include "spokes/tension_meter.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <cstddef>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rimora {

namespace {

const char* const kCommandOptions[] = {"--lengths", "--json", "--sheet",   "--draw", "--size",    "--format", "--paper",
                                       "--help",    "-h",     "-?",        "--version", "-v",     "--help-all",
                                       "--tension", "--tension-form", "--tension-round", "--steps"};

// The options Qt's application object takes for the window, with one dash or
// two; those of the first row take a value (after '=' or as the next argument).
const char* const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
                                       "geometry", "qwindowicon",        "icon",          "qwindowtitle", "title",
                                       "session",  "display",            "name",          "style",   "stylesheet",
                                       "visual"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "qmljsdebugger"};

bool Listed(const QString& name, const auto& names)
{
    for (const char* listed : names)
        if (name == QLatin1String(listed)) return true;
    return false;
}

QString UnknownOptionMessage(const QString& program, const QString& option)
{
    return QStringLiteral("%1: unknown option '%2' (see --help)").arg(program, option);
}

bool IsCommandOption(const char* arg)
{
    for (const char* option : kCommandOptions) {
        const std::size_t n = std::strlen(option);
        if (std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=')) return true;
    }
    return false;
}

struct Failure {
    QString message;
};

void Require(bool condition, const QString& message)
{
    if (!condition) throw Failure{message};
}

LacedWheel PreparedWheel(const QString& path)
{
    LacedWheel wheel = ReadLacedWheel(path);
    PrepareWheel(wheel);
    return wheel;
}

}  // namespace

bool IsCommandLineRun(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i] && IsCommandOption(argv[i])) return true;
    return false;
}

namespace {

// Whether a platform is named, in QT_QPA_PLATFORM or with -platform.
bool PlatformNamed(int argc, const char* const* argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i)
        if (argv[i] && (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)) return true;
    return false;
}

// Whether the window has somewhere to open: a platform is named or a display is set.
bool DisplayGiven(int argc, const char* const* argv)
{
    return PlatformNamed(argc, argv) || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Whether a local X display (":0", "unix:1.0") has a server listening on
// its socket; any other display is taken to answer.
bool LocalDisplayAnswers(const QByteArray& display)
{
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch m = local.match(QString::fromLocal8Bit(display));
    if (!m.hasMatch()) return true;  // a remote display: only trying it tells
    const QByteArray path = "/tmp/.X11-unix/X" + m.captured(1).toLatin1();
    // The server listens on an abstract socket and on the file; either answers.
    for (const bool abstract : {true, false}) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return true;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const int offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.constData(), static_cast<size_t>(path.size()));
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const bool answered = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        ::close(fd);
        if (answered) return true;
    }
    return false;
}

}  // namespace

void ChooseHeadlessPlatform(int argc, const char* const* argv)
{
    // The command line shows nothing: a display, set or stale, plays no part.
    if (!PlatformNamed(argc, argv)) qputenv("QT_QPA_PLATFORM", "offscreen");
}

namespace {

// The window's arguments: the first option that is neither the program's nor
// Qt's, and the profiles named.
struct WindowArguments {
    QString unknownOption;
    QStringList profiles;
};

WindowArguments ReadWindowArguments(int argc, const char* const* argv)
{
    WindowArguments read;
    bool optionsEnded = false;
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (!optionsEnded && std::strcmp(argv[i], "--") == 0) {
            optionsEnded = true;
            continue;
        }
        // A file's name is kept byte for byte as the file system holds it.
        if (optionsEnded || argv[i][0] != '-' || std::strcmp(argv[i], "-") == 0) {
            read.profiles << QFile::decodeName(argv[i]);
            continue;
        }
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString given = argument.section(QLatin1Char('='), 0, 0);
        QString name = given.mid(1);
        if (name.startsWith(QLatin1Char('-'))) name.remove(0, 1);
        if (Listed(name, kQtValueOptions)) {
            if (given == argument) ++i;  // its value is the next argument
            continue;
        }
        if (!Listed(name, kQtFlagOptions)) {
            read.unknownOption = given;
            break;
        }
    }
    return read;
}

}  // namespace

QString WindowProfile(int argc, const char* const* argv)
{
    const QStringList profiles = ReadWindowArguments(argc, argv).profiles;
    return profiles.isEmpty() ? QString() : QFileInfo(profiles.constFirst()).absoluteFilePath();
}

WindowRefusal RefuseWindow(int argc, const char* const* argv)
{
    const WindowArguments read = ReadWindowArguments(argc, argv);
    if (!read.unknownOption.isEmpty()) return {2, UnknownOptionMessage(QStringLiteral("rimora"), read.unknownOption)};
    if (!DisplayGiven(argc, argv))
        return {1, QStringLiteral("rimora: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); "
                                  "see rimora --help for what runs without one")};
    // A display left over from a session that has ended (ssh, tmux, cron)
    // would make Qt end the process.
    const QByteArray display = qgetenv("DISPLAY");
    if (!PlatformNamed(argc, argv) && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !LocalDisplayAnswers(display))
        return {1, QStringLiteral("rimora: the display %1 does not answer, so the window cannot open; "
                                  "see rimora --help for what runs without one")
                       .arg(QString::fromLocal8Bit(display))};
    return {};
}

void KeepStandardStreamsTaken()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDONLY);
}

bool ParseImageSize(const QString& text, int& width, int& height)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,6})\\s*[xX]\\s*(\\d{1,6})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return false;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > kLargestImageSide || h > kLargestImageSide) return false;
    width = w;
    height = h;
    return true;
}

namespace {

bool StandardOutputIs(const QString& path)
{
    struct stat out {};
    struct stat file {};
    return ::fstat(STDOUT_FILENO, &out) == 0 && ::stat(QFile::encodeName(path).constData(), &file) == 0
           && out.st_dev == file.st_dev && out.st_ino == file.st_ino;
}

// Qt's usage line names the program by the path it was started with; this
// one says "rimora" and what each way of starting it does.
QString HelpText(const QCommandLineParser& parser)
{
    const QString options = parser.helpText();
    return QStringLiteral(
               "Usage: rimora                                   open the window\n"
               "       rimora FILE.prl                          open the window with that profile\n"
               "       rimora --lengths FILE.prl [--json]       print the spoke lengths\n"
               "       rimora --sheet FILE.prl OUT.pdf          write the build sheet\n"
               "       rimora --draw FILE.prl OUT.svg|OUT.png [--size WxH]\n"
               "                                                write the drawing\n"
               "       rimora --tension FILE.prl [--json]       print the last round of tension readings\n"
               "       rimora --steps FILE.prl [--json]         print the lacing steps\n"
               "Spoke lengths, build sheets and drawings of saved wheels (*.prl) without opening the window.\n"
               "\"-\" as OUT writes to the standard output (a drawing as SVG unless --format png).\n"
               "Exit status: 0 done, 1 an error (said on stderr), 2 an unknown option.\n")
           + options.mid(options.indexOf(QLatin1Char('\n')) + 1);
}

// The option as the user spelt it ("--lenghts", "-x"), from the name the
// parser reports without its dashes.
QString AsGiven(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString given = argument.section(QLatin1Char('='), 0, 0);
        if (given.startsWith(QLatin1Char('-')) && QString(given).remove(QRegularExpression(QStringLiteral("^--?"))) == name)
            return given;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

DrawingFormat FormatNamed(const QString& name)
{
    return DrawingFormatOf(QStringLiteral("a.") + name);
}

}  // namespace

CommandLineRequest ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lengths(QStringLiteral("lengths"),
                                     QStringLiteral("Print per side the spokes, crosses, length, order length, "
                                                    "bracing angle and tension of <profile>."),
                                     QStringLiteral("profile"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --lengths, or as --json <profile>: print one JSON object with "
                                                 "the inputs, the sides and every laced spoke instead."));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Write the build sheet of <profile> to the .pdf file given after it."),
                                   QStringLiteral("profile"));
    const QCommandLineOption draw(QStringLiteral("draw"),
                                  QStringLiteral("Write the drawing of <profile> to the .svg or .png file given after it."),
                                  QStringLiteral("profile"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("With --draw: the drawing's size in pixels (default 800x800)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("With --draw to \"-\", a pipe or a device: svg (the default) or png."),
                                    QStringLiteral("svg|png"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("With --sheet: the paper, a4 or letter (default: LC_PAPER's, else "
                                                  "the region's)."),
                                   QStringLiteral("a4|letter"));
    const QCommandLineOption tension(QStringLiteral("tension"),
                                     QStringLiteral("Print the last round of tension readings of <profile>: each "
                                                    "spoke's reading and kgf, per side the mean, the spread and the "
                                                    "spokes outside the band round the side's target."),
                                     QStringLiteral("profile"));
    const QCommandLineOption tensionForm(QStringLiteral("tension-form"),
                                         QStringLiteral("With --sheet: add a blank form to write tension readings on."));
    const QCommandLineOption tensionRound(QStringLiteral("tension-round"),
                                          QStringLiteral("With --sheet: add the last round of tension readings."));
    const QCommandLineOption steps(QStringLiteral("steps"),
                                   QStringLiteral("As --steps <profile>: print the steps to lace the wheel in (with "
                                                  "--json as one JSON object); with --sheet: a page per step."));
    parser.addOptions({lengths, json, sheet, draw, size, format, paper, tension, tensionForm, tensionRound, steps});
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("The file --sheet or --draw writes; \"-\" for the standard output."),
                                 QStringLiteral("[output]"));

    CommandLineRequest request;
    try {
        const bool parsed = parser.parse(arguments);
        if (!parsed && !parser.unknownOptionNames().isEmpty()) {
            request.task = CommandLineRequest::Task::UnknownOption;
            request.text = AsGiven(arguments, parser.unknownOptionNames().constFirst());
            return request;
        }
        Require(parsed, parser.errorText());
        // Qt's own "--help-all" lists the window's Qt options too; ours are all there is.
        const bool helpAsked = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
        if (helpAsked || parser.isSet(version)) {
            request.task = CommandLineRequest::Task::Print;
            request.text = helpAsked ? HelpText(parser)
                                              : QStringLiteral("rimora %1\n").arg(ProgramVersion());
            return request;
        }
        QStringList positional = parser.positionalArguments();
        // "--json FILE" is short for "--lengths FILE --json".
        QString lengthsProfile = parser.value(lengths);
        const bool stepsTask = parser.isSet(steps) && !parser.isSet(sheet);
        const bool jsonAlone = parser.isSet(json) && !parser.isSet(lengths) && !parser.isSet(sheet)
                               && !parser.isSet(draw) && !parser.isSet(tension) && !stepsTask && positional.size() == 1;
        if (jsonAlone) lengthsProfile = positional.takeFirst();
        const bool lengthsTask = parser.isSet(lengths) || jsonAlone;
        const int tasks = int(lengthsTask) + int(parser.isSet(sheet)) + int(parser.isSet(draw)) +
                          int(parser.isSet(tension)) + int(stepsTask);
        Require(tasks == 1,
                QStringLiteral("Give exactly one of --lengths, --steps, --sheet, --draw and --tension (see --help)."));
        Require(!parser.isSet(json) || lengthsTask || stepsTask || parser.isSet(tension),
                QStringLiteral("--json goes with --lengths, --steps or --tension."));
        Require((!parser.isSet(tensionForm) && !parser.isSet(tensionRound)) || parser.isSet(sheet),
                QStringLiteral("--tension-form and --tension-round go with --sheet."));
        Require(!parser.isSet(tensionForm) || !parser.isSet(tensionRound),
                QStringLiteral("Give one of --tension-form and --tension-round."));
        if (stepsTask) {
            Require(positional.size() == 1, QStringLiteral("--steps reads one profile and writes no file."));
            request.task = CommandLineRequest::Task::Steps;
            request.profile = positional.constFirst();
            request.json = parser.isSet(json);
            return request;
        }
        Require(!parser.isSet(size) || parser.isSet(draw), QStringLiteral("--size goes with --draw."));
        Require(!parser.isSet(format) || parser.isSet(draw), QStringLiteral("--format goes with --draw."));
        Require(!parser.isSet(paper) || parser.isSet(sheet), QStringLiteral("--paper goes with --sheet."));

        if (lengthsTask) {
            Require(positional.isEmpty(), QStringLiteral("--lengths writes no file: unexpected %1").arg(positional.value(0)));
            request.task = CommandLineRequest::Task::Lengths;
            request.profile = lengthsProfile;
            request.json = parser.isSet(json);
            return request;
        }
        if (parser.isSet(tension)) {
            Require(positional.isEmpty(), QStringLiteral("--tension writes no file: unexpected %1").arg(positional.value(0)));
            request.task = CommandLineRequest::Task::Tension;
            request.profile = parser.value(tension);
            request.json = parser.isSet(json);
            return request;
        }
        Require(positional.size() == 1, QStringLiteral("Give one output file after the profile."));
        request.output = positional.constFirst();
        request.profile = parser.value(parser.isSet(sheet) ? sheet : draw);
        // A pipe, a device or the standard output takes whatever is written;
        // a file's name says what it holds.
        const bool stream = request.output == QLatin1String(kStandardOutputName) || IsStreamTarget(request.output);
        // "-" is whatever the standard output was opened on: "> w.prl" too.
        Require(request.output == QLatin1String(kStandardOutputName) ? !StandardOutputIs(request.profile)
                                                                     : !SameFile(request.output, request.profile),
                QStringLiteral("%1: the output would replace the profile %2 it is made from")
                    .arg(request.output, request.profile));
        if (parser.isSet(sheet)) {
            Require(stream || request.output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive),
                    QStringLiteral("%1: a build sheet is written as a .pdf file").arg(request.output));
            if (parser.isSet(paper)) {
                request.paper = PaperNamed(parser.value(paper));
                Require(request.paper.has_value(),
                        QStringLiteral("--paper: \"%1\" is neither a4 nor letter").arg(parser.value(paper)));
            }
            using Page = CommandLineRequest::TensionPage;
            request.tensionPage = parser.isSet(tensionForm) ? Page::Form : parser.isSet(tensionRound) ? Page::Round : Page::None;
            request.task = CommandLineRequest::Task::Sheet;
            request.steps = parser.isSet(steps);
            return request;
        }
        const DrawingFormat named = FormatNamed(parser.value(format));
        Require(!parser.isSet(format) || named != DrawingFormat::Unknown,
                QStringLiteral("--format: \"%1\" is neither svg nor png").arg(parser.value(format)));
        const DrawingFormat extension = DrawingFormatOf(request.output);
        if (stream) {
            request.format = parser.isSet(format) ? named : extension != DrawingFormat::Unknown ? extension : DrawingFormat::Svg;
        } else {
            Require(extension != DrawingFormat::Unknown,
                    QStringLiteral("%1: a drawing is written as .svg or .png").arg(request.output));
            Require(!parser.isSet(format) || named == extension,
                    QStringLiteral("%1: --format %2 is not what its extension says").arg(request.output, parser.value(format)));
            request.format = extension;
        }
        if (parser.isSet(size))
            Require(ParseImageSize(parser.value(size), request.width, request.height),
                    QStringLiteral("--size: \"%1\" is no size like 1200x800 (1 to %2 pixels each way)")
                        .arg(parser.value(size))
                        .arg(kLargestImageSide));
        const QSize pixels(request.width, request.height);
        Require(request.format != DrawingFormat::Png || ImageFitsInMemory(pixels),
                QStringLiteral("--size: a PNG of %1x%2 would take %3 MB; at most %4 MB (e.g. 8192x8192)")
                    .arg(request.width)
                    .arg(request.height)
                    .arg(ImageBytes(pixels) >> 20)
                    .arg(kLargestImageBytes >> 20));
        request.task = CommandLineRequest::Task::Draw;
        return request;
    } catch (const Failure& f) {
        CommandLineRequest refused;
        refused.text = f.message;
        return refused;
    }
}

int CarryOut(const CommandLineRequest& request, QTextStream& out, QTextStream& err)
{
    using Task = CommandLineRequest::Task;
    const QString program = QCoreApplication::applicationName();
    try {
        switch (request.task) {
        case Task::Refuse:
            err << program << ": " << request.text << '\n';
            return 1;
        case Task::UnknownOption:
            err << UnknownOptionMessage(program, request.text) << '\n';
            return 2;
        case Task::Print:
            out << request.text;
            return 0;
        case Task::Lengths: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            const WheelReport report = ReportOf(wheel);
            out << (request.json ? ReportJson(report) : ReportLines(report));
            return 0;
        }
        case Task::Sheet: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            BuildSheet sheet = ComposeSheet(wheel, QDate::currentDate());
            if (request.tensionPage != CommandLineRequest::TensionPage::None) {
                sheet.tension = TensionPageOf(wheel, request.tensionPage == CommandLineRequest::TensionPage::Form);
                Require(sheet.tension.has_value(), QStringLiteral("%1: no round of tension readings").arg(request.profile));
            }
            if (request.steps) sheet.steps = StepsOfWheel(wheel);
            WriteSheetPdf(request.output, sheet, request.paper.value_or(SheetPaper()));
            return 0;
        }
        case Task::Steps: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            const LacingSteps steps = StepsOfWheel(wheel);
            out << (request.json ? StepsJson(wheel.fileName, steps) : StepsLines(steps));
            return 0;
        }
        case Task::Draw: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            WriteDrawing(request.output, DrawingInputsOf(wheel, request.width, request.height), *wheel.table,
                         request.format);
            return 0;
        }
        case Task::Tension: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            const TensionReport report = TensionReportOf(wheel, LoadMeters(UserMetersFolder()));
            Require(report.round.has_value(), QStringLiteral("%1: no round of tension readings").arg(request.profile));
            out << (request.json ? TensionJson(report) : TensionLines(report));
            return 0;
        }
        }
    } catch (const Failure& f) {
        err << program << ": " << f.message << '\n';
    } catch (const EFileWriteError& e) {
        // "rimora: /dev/full: No space left on device", as other tools say it.
        err << program << ": " << e.Path() << ": " << e.Reason() << '\n';
    } catch (const RimoraError& e) {
        err << program << ": " << e.Message() << '\n';
    }
    return 1;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return CarryOut(ParseCommandLine(arguments), out, err);
}

int RunCommandLine(const QStringList& arguments)
{
    // What is printed is kept until the end and written in one go, so that a
    // write that fails is seen (a stream's buffer would hide it until exit).
    QString printed;
    QTextStream out(&printed);
    QTextStream err(stderr);
    int status = RunCommandLine(arguments, out, err);
    out.flush();
    try {
        WriteToDescriptor(STDOUT_FILENO, QStringLiteral("stdout"), printed.toUtf8());
    } catch (const EFileWriteError& e) {
        err << QCoreApplication::applicationName() << ": " << e.Path() << ": " << e.Reason() << '\n';
        status = 1;
    }
    return status;
}

}  // namespace rimora
