// The profile named on the command line, opened by the window at its start.
#include "app_window_fixture.h"

namespace rimora::test {
namespace {

class StartProfileTest : public AppWindowTest {};

TEST_F(StartProfileTest, AProfileOpensBeforeTheWindowShowsAndAnythingElseIsSaidOverIt)
{
    Start();
    LaceWheel(*mainF, "32", "32");
    mainF->erdEdit->SetText("612");
    Save(Path("front.prl"));
    Stop();
    QFile::remove(SettingsPath());
    // qmake writes a build file of the same extension beside every Qt library.
    WriteBytes(Path("libQt6Core.prl"), "QMAKE_PRL_BUILD_DIR = /build/qtbase/src/corelib\n"
                                       "QMAKE_PRL_TARGET = libQt6Core.so.6\nQMAKE_PRL_LIBS = -lpthread\n");
    const struct {
        const char* file;
        const char* erd;    // what the window shows then
        const char* label;  // the profile label's caption
        const char* error;  // the message once the event loop runs; empty: none
    } rows[] = {
        {"front.prl", "612", "front.prl", ""},
        {"libQt6Core.prl", "590", "Profile.prl", "the file holds no Rimora wheel"},
        {"gone.prl", "590", "Profile.prl", "the file does not exist"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        desktop.errors.clear();
        Start(false);
        const QStringList before = Snapshot(*mainF);
        mainF->OpenStartProfile(Path(row.file));
        EXPECT_EQ(mainF->erdEdit->Text(), QLatin1String(row.erd));
        EXPECT_EQ(mainF->profileLabel->Caption(), QLatin1String(row.label));
        if (*row.error) {
            EXPECT_EQ(Snapshot(*mainF), before) << "a refused file leaves every input as it was";
        }
        EXPECT_EQ(Errors(), QString()) << "nothing is said before the window is up";
        mainF->show();
        Settle();
        EXPECT_TRUE(Errors().contains(QLatin1String(row.error))) << Errors().toStdString();
        EXPECT_EQ(Errors().isEmpty(), *row.error == '\0') << Errors().toStdString();
        Stop();
        QFile::remove(SettingsPath());
    }
}

}  // namespace
}  // namespace rimora::test
