// Errors while the program ends by a signal: written to a stream, never a
// dialog, and remembered so that the process can end with a failure status.
#include "platform/guard.h"
#include "platform/recording_desktop.h"
#include "platform/unattended_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace rimora;

namespace {

// A temporary stream and everything written to it so far.
class Captured {
public:
    Captured() : file_(std::tmpfile()) {}
    ~Captured() { std::fclose(file_); }
    std::FILE* Stream() const { return file_; }
    QByteArray Text() const
    {
        std::fflush(file_);
        std::rewind(file_);
        QByteArray out;
        char buffer[256];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) out.append(buffer, qsizetype(got));
        return out;
    }

private:
    std::FILE* file_;
};

}  // namespace

TEST(UnattendedReport, ErrorsGoToTheStreamOneLineEach)
{
    // Whatever the window is titled, stderr says "rimora:".
    SetApplicationTitle(QStringLiteral("Rimora Ver0.02"));
    struct Row {
        const char* what;
        QString message;
        QByteArray line;
    };
    const Row rows[] = {
        {"a write error", QStringLiteral("/w/KELD.ini に書き込めません"), "rimora: /w/KELD.ini に書き込めません\n"},
        {"line breaks joined", QStringLiteral("first\nsecond"), "rimora: first second\n"},
        {"an empty message", QString(), "rimora: \n"},
    };
    for (const Row& row : rows) {
        ScopedRecordingDesktop recorder;
        Captured out;
        {
            UnattendedReport report(true, out.Stream());
            EXPECT_FALSE(report.Failed());
            // A handler that fails, as the settings write at the end does.
            RunGuarded([&] { throw EInOutError(row.message); });
            EXPECT_TRUE(report.Failed()) << row.what;
        }
        EXPECT_EQ(out.Text(), row.line) << row.what;
        EXPECT_TRUE(recorder.errors.isEmpty()) << row.what << ": no dialog while unattended";
        // Once it ends, the desktop before it reports again.
        RunGuarded([] { throw EInOutError(QStringLiteral("later")); });
        EXPECT_EQ(recorder.errors, QStringList{"later"}) << row.what;
    }
}

TEST(UnattendedReport, QuestionsAreAnsweredNoAndDialogsCancelled)
{
    ScopedRecordingDesktop recorder;
    recorder.executableFolder = QStringLiteral("/opt/rimora");
    recorder.screen = QSize(1024, 768);
    Captured out;
    UnattendedReport report(true, out.Stream());
    Desktop& d = CurrentDesktop();
    EXPECT_EQ(&d, static_cast<Desktop*>(&report));
    EXPECT_FALSE(d.Confirm(QStringLiteral("Save profile"), QStringLiteral("Replace it?")));
    EXPECT_TRUE(d.SaveFileName({}).isEmpty());
    EXPECT_TRUE(d.OpenFileName({}).isEmpty());
    QColor colour(Qt::red);
    EXPECT_FALSE(d.ChooseColor(colour));
    EXPECT_EQ(colour, QColor(Qt::red));
    // What the program asks of its surroundings still comes from the desktop
    // in use before.
    EXPECT_EQ(d.ExecutableFolder(), QStringLiteral("/opt/rimora"));
    EXPECT_EQ(d.ScreenSize(), QSize(1024, 768));
    EXPECT_EQ(d.ScreenGeometries(), QList<QRect>{QRect(0, 0, 1024, 768)});
    EXPECT_FALSE(report.Failed()) << "a question is no failure";
    EXPECT_TRUE(out.Text().contains("Replace it? (answered no)"));
    EXPECT_TRUE(recorder.confirmations.isEmpty());
    // Unsaved changes are neither saved nor thrown away behind nobody's back.
    EXPECT_EQ(d.AskSaveChanges(QStringLiteral("Open profile"), QStringLiteral("Save the wheel?")),
              SaveChangesAnswer::Cancel);
    EXPECT_TRUE(out.Text().contains("Open profile: Save the wheel? (answered cancel)"));
    EXPECT_TRUE(recorder.saveChangesQuestions.isEmpty());
}

TEST(UnattendedReport, InactiveChangesNothing)
{
    ScopedRecordingDesktop recorder;
    Captured out;
    UnattendedReport report(false, out.Stream());
    EXPECT_EQ(&CurrentDesktop(), static_cast<Desktop*>(&recorder));
    RunGuarded([] { throw EInOutError(QStringLiteral("shown")); });
    EXPECT_FALSE(report.Failed());
    EXPECT_EQ(recorder.errors, QStringList{"shown"});
    EXPECT_TRUE(out.Text().isEmpty());
}
