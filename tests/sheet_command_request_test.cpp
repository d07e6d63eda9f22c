// The command line's arguments read into a request, before any file is opened.
#include "sheet/command_line.h"
#include "sheet/paper_size.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

namespace rimora::test {
namespace {

// "task profile output json WxH format", or the refusal's message.
QString Described(const CommandLineRequest& r)
{
    static const char* const tasks[] = {"refuse", "print", "lengths", "sheet", "draw", "tension", "unknown", "steps"};
    static const char* const tensionPages[] = {"", " +form", " +round"};
    static const char* const formats[] = {"svg", "png", "-"};
    if (r.task == CommandLineRequest::Task::Refuse) return QStringLiteral("refused: ") + r.text;
    if (r.task == CommandLineRequest::Task::UnknownOption) return QStringLiteral("unknown: ") + r.text;
    return QStringLiteral("%1 %2 %3 %4 %5x%6 %7")
        .arg(QLatin1String(tasks[int(r.task)]) + (r.steps ? QStringLiteral("+steps") : QString()), r.profile, r.output.isEmpty() ? QStringLiteral("-") : r.output,
             r.json ? QStringLiteral("json") : QStringLiteral("text"))
        .arg(r.width)
        .arg(r.height)
        .arg(QLatin1String(formats[int(r.format)]))
        + QLatin1String(tensionPages[int(r.tensionPage)]);
}

TEST(CommandLineRequest, ArgumentsGiveTheTaskAndWhatItNeedsWithoutOpeningAFile)
{
    const struct { const char* arguments; const char* request; } rows[] = {
        {"--lengths missing.prl", "lengths missing.prl - text 800x800 -"},
        {"--json missing.prl", "lengths missing.prl - json 800x800 -"},
        {"--sheet missing.prl out.pdf", "sheet missing.prl out.pdf text 800x800 -"},
        {"--sheet missing.prl -", "sheet missing.prl - text 800x800 -"},
        {"--sheet missing.prl out.png", "refused: out.png: a build sheet is written as a .pdf file"},
        {"--draw missing.prl out.png --size 1200x300", "draw missing.prl out.png text 1200x300 png"},
        {"--draw missing.prl out.gif", "refused: out.gif: a drawing is written as .svg or .png"},
        {"--draw missing.prl -", "draw missing.prl - text 800x800 svg"},
        {"--draw missing.prl - --format png", "draw missing.prl - text 800x800 png"},
        {"--draw missing.prl - --format gif", "refused: --format: \"gif\" is neither svg nor png"},
        {"--draw missing.prl out.svg --format png", "refused: out.svg: --format png is not what its extension says"},
        {"--sheet missing.prl out.pdf --format png", "refused: --format goes with --draw."},
        {"--draw missing.prl out.svg --size 16000x16000", "draw missing.prl out.svg text 16000x16000 svg"},
        {"--draw missing.prl out.png --size 8192x8192", "draw missing.prl out.png text 8192x8192 png"},
        {"--draw missing.prl out.png --size 8192x8193",
         "refused: --size: a PNG of 8192x8193 would take 256 MB; at most 256 MB (e.g. 8192x8192)"},
        {"--json a.prl b.prl", "refused: Give exactly one of --lengths, --steps, --sheet, --draw and --tension (see --help)."},
        {"--tension missing.prl", "tension missing.prl - text 800x800 -"},
        {"--tension missing.prl --json", "tension missing.prl - json 800x800 -"},
        {"--tension missing.prl out.pdf", "refused: --tension writes no file: unexpected out.pdf"},
        {"--tension a.prl --lengths b.prl", "refused: Give exactly one of --lengths, --steps, --sheet, --draw and --tension (see --help)."},
        {"--sheet missing.prl out.pdf --tension-form", "sheet missing.prl out.pdf text 800x800 - +form"},
        {"--sheet missing.prl out.pdf --tension-round", "sheet missing.prl out.pdf text 800x800 - +round"},
        {"--sheet missing.prl out.pdf --tension-form --tension-round", "refused: Give one of --tension-form and --tension-round."},
        {"--tension missing.prl --tension-form", "refused: --tension-form and --tension-round go with --sheet."},
        {"--steps missing.prl", "steps missing.prl - text 800x800 -"},
        {"--steps missing.prl --json", "steps missing.prl - json 800x800 -"},
        {"--sheet missing.prl out.pdf --steps", "sheet+steps missing.prl out.pdf text 800x800 -"},
        {"--steps missing.prl out.pdf", "refused: --steps reads one profile and writes no file."},
        {"--steps missing.prl --draw missing.prl out.png", "refused: Give exactly one of --lengths, --steps, --sheet, --draw and --tension (see --help)."},
        {"--lenghts missing.prl", "unknown: --lenghts"},
        {"--lengths missing.prl --bogus=1", "unknown: --bogus"},
    };
    ScopedLocale region(CommaRegion());  // sizes are read the same in every region
    for (const auto& row : rows) {
        const QStringList arguments = QString::fromUtf8(row.arguments).split(QLatin1Char(' '));
        EXPECT_EQ(Described(ParseCommandLine(QStringList{"rimora"} + arguments)), QString::fromUtf8(row.request))
            << row.arguments;
    }
}

// The paper: --paper when given, else LC_PAPER's territory, else the region's.
TEST(SheetPaper, TheOptionThenLcPaperThenTheRegion)
{
    const struct {
        const char* arguments;
        const char* lcPaper;
        QLocale region;
        const char* paper;  // the page size's key, or the refusal
    } rows[] = {
        {"--sheet w.prl o.pdf", "en_US.UTF-8", CommaRegion(), "Letter"},
        {"--sheet w.prl o.pdf", "de_DE.UTF-8", PointRegion(), "A4"},
        {"--sheet w.prl o.pdf", "", PointRegion(), "Letter"},
        {"--sheet w.prl o.pdf", "C.UTF-8", PointRegion(), "Letter"},
        {"--sheet w.prl o.pdf --paper a4", "en_US.UTF-8", PointRegion(), "A4"},
        {"--sheet w.prl o.pdf --paper LETTER", "de_DE.UTF-8", CommaRegion(), "Letter"},
        {"--sheet w.prl o.pdf --paper a5", "", PointRegion(), "refused: --paper: \"a5\" is neither a4 nor letter"},
        {"--lengths w.prl --paper a4", "", PointRegion(), "refused: --paper goes with --sheet."},
    };
    for (const auto& row : rows) {
        const CommandLineRequest r =
            ParseCommandLine(QStringList{"rimora"} + QString::fromUtf8(row.arguments).split(QLatin1Char(' ')));
        const QString paper = r.task == CommandLineRequest::Task::Refuse
                                  ? QStringLiteral("refused: ") + r.text
                                  : r.paper.value_or(PaperOf(QString::fromUtf8(row.lcPaper), row.region)).key();
        EXPECT_EQ(paper, QString::fromUtf8(row.paper)) << row.arguments << " LC_PAPER=" << row.lcPaper;
    }
}

}  // namespace
}  // namespace rimora::test
