// The command line's arguments read into a request, before any file is opened.
#include "sheet/command_line.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rimora::test {
namespace {

using Task = CommandLineRequest::Task;

TEST(CommandLineRequest, ArgumentsGiveTheTaskAndWhatItNeedsWithoutOpeningAFile)
{
    const struct Row {
        QStringList arguments;
        Task task;
        const char* profile;
        const char* output;
        bool json;
        int width;
        int height;
    } rows[] = {
        {{"--lengths", "missing.prl"}, Task::Lengths, "missing.prl", "", false, 800, 800},
        {{"--json", "missing.prl"}, Task::Lengths, "missing.prl", "", true, 800, 800},
        {{"--sheet", "missing.prl", "out.pdf"}, Task::Sheet, "missing.prl", "out.pdf", false, 800, 800},
        {{"--draw", "missing.prl", "out.png", "--size", "1200x300"}, Task::Draw, "missing.prl", "out.png", false, 1200, 300},
        {{"--draw", "missing.prl", "out.gif"}, Task::Refuse, "", "", false, 800, 800},
        {{"--json", "a.prl", "b.prl"}, Task::Refuse, "", "", false, 800, 800},
    };
    for (const Row& row : rows) {
        const CommandLineRequest r = ParseCommandLine(QStringList{"rimora"} + row.arguments);
        const QString name = row.arguments.join(QLatin1Char(' '));
        EXPECT_EQ(r.task, row.task) << name.toStdString() << ": " << r.text.toStdString();
        EXPECT_EQ(r.task == Task::Refuse, !r.text.isEmpty()) << name.toStdString();
        if (row.task == Task::Refuse) continue;
        EXPECT_EQ(r.profile, QString::fromUtf8(row.profile)) << name.toStdString();
        EXPECT_EQ(r.output, QString::fromUtf8(row.output)) << name.toStdString();
        EXPECT_EQ(std::tuple(r.json, r.width, r.height), std::tuple(row.json, row.width, row.height)) << name.toStdString();
    }
}

}  // namespace
}  // namespace rimora::test
