#include "sheet/command_line.h"

#include "platform/errors.h"
#include "sheet/build_sheet.h"
#include "sheet/laced_wheel.h"
#include "sheet/paper_size.h"
#include "sheet/sheet_export.h"
#include "sheet/side_spans.h"
#include "sheet/wheel_report.h"

#include <QCommandLineParser>
#include <QDate>
#include <QRegularExpression>

#include <cstring>

namespace rimora {

namespace {

constexpr int kMaxImageSide = 20000;

const char* const kCommandOptions[] = {"--lengths", "--json", "--sheet", "--draw", "--size",     "--paper",
                                       "--help",    "-h",     "-?",      "--version", "-v", "--help-all"};

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

void ChooseHeadlessPlatform(int argc, const char* const* argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    for (int i = 1; i < argc; ++i)
        if (argv[i] && (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)) return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool ParseImageSize(const QString& text, int& width, int& height)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,6})\\s*[xX]\\s*(\\d{1,6})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return false;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide) return false;
    width = w;
    height = h;
    return true;
}

CommandLineRequest ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Spoke lengths, build sheets and drawings of saved wheels (*.prl), without opening the window."));
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
                                   QStringLiteral("Write the build sheet of <profile> to the PDF file given after it."),
                                   QStringLiteral("profile"));
    const QCommandLineOption draw(QStringLiteral("draw"),
                                  QStringLiteral("Write the drawing of <profile> to the .svg or .png file given after it."),
                                  QStringLiteral("profile"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("With --draw: the drawing's size in pixels (default 800x800)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("With --sheet: the paper, a4 or letter (default: LC_PAPER's, else "
                                                  "the region's)."),
                                   QStringLiteral("a4|letter"));
    parser.addOptions({lengths, json, sheet, draw, size, paper});
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The file --sheet or --draw writes."),
                                 QStringLiteral("[output]"));

    CommandLineRequest request;
    try {
        const bool parsed = parser.parse(arguments);
        Require(parsed, parser.errorText());
        if (parser.isSet(help) || parser.isSet(version)) {
            request.task = CommandLineRequest::Task::Print;
            request.text = parser.isSet(help) ? parser.helpText()
                                              : QCoreApplication::applicationName() + QLatin1Char(' ')
                                                    + QCoreApplication::applicationVersion() + QLatin1Char('\n');
            return request;
        }
        QStringList positional = parser.positionalArguments();
        // "--json FILE" is short for "--lengths FILE --json".
        QString lengthsProfile = parser.value(lengths);
        const bool jsonAlone = parser.isSet(json) && !parser.isSet(lengths) && !parser.isSet(sheet)
                               && !parser.isSet(draw) && positional.size() == 1;
        if (jsonAlone) lengthsProfile = positional.takeFirst();
        const bool lengthsTask = parser.isSet(lengths) || jsonAlone;
        const int tasks = int(lengthsTask) + int(parser.isSet(sheet)) + int(parser.isSet(draw));
        Require(tasks == 1, QStringLiteral("Give exactly one of --lengths, --sheet and --draw (see --help)."));
        Require(!parser.isSet(json) || lengthsTask, QStringLiteral("--json goes with --lengths."));
        Require(!parser.isSet(size) || parser.isSet(draw), QStringLiteral("--size goes with --draw."));
        Require(!parser.isSet(paper) || parser.isSet(sheet), QStringLiteral("--paper goes with --sheet."));

        if (lengthsTask) {
            Require(positional.isEmpty(), QStringLiteral("--lengths writes no file: unexpected %1").arg(positional.value(0)));
            request.task = CommandLineRequest::Task::Lengths;
            request.profile = lengthsProfile;
            request.json = parser.isSet(json);
            return request;
        }
        Require(positional.size() == 1, QStringLiteral("Give one output file after the profile."));
        request.output = positional.constFirst();
        if (parser.isSet(sheet)) {
            if (parser.isSet(paper)) {
                request.paper = PaperNamed(parser.value(paper));
                Require(request.paper.has_value(),
                        QStringLiteral("--paper: \"%1\" is neither a4 nor letter").arg(parser.value(paper)));
            }
            request.task = CommandLineRequest::Task::Sheet;
            request.profile = parser.value(sheet);
            return request;
        }
        if (parser.isSet(size))
            Require(ParseImageSize(parser.value(size), request.width, request.height),
                    QStringLiteral("--size: \"%1\" is no size like 1200x800 (1 to %2 pixels each way)")
                        .arg(parser.value(size))
                        .arg(kMaxImageSide));
        Require(DrawingFormatOf(request.output) != DrawingFormat::Unknown,
                QStringLiteral("%1: a drawing is written as .svg or .png").arg(request.output));
        request.task = CommandLineRequest::Task::Draw;
        request.profile = parser.value(draw);
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
    try {
        switch (request.task) {
        case Task::Refuse:
            err << QCoreApplication::applicationName() << ": " << request.text << '\n';
            return 1;
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
            WriteSheetPdf(request.output, ComposeSheet(wheel, QDate::currentDate()),
                          request.paper.value_or(SheetPaper()));
            return 0;
        }
        case Task::Draw: {
            const LacedWheel wheel = PreparedWheel(request.profile);
            WriteDrawing(request.output, DrawingInputsOf(wheel, request.width, request.height), *wheel.table);
            return 0;
        }
        }
    } catch (const RimoraError& e) {
        err << QCoreApplication::applicationName() << ": " << e.Message() << '\n';
    }
    return 1;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return CarryOut(ParseCommandLine(arguments), out, err);
}

}  // namespace rimora
