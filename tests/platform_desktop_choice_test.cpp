// Which desktop answers: a test's recorder, else the window program's
// dialogs, else the system's, which the core falls back on.
#include "platform/recording_desktop.h"

#include <gtest/gtest.h>

using namespace rimora;

TEST(DesktopChoice, InstalledBeforeWindowsBeforeSystems)
{
    RecordingDesktop recorder, dialogs;
    struct Row {
        const char* what;
        Desktop* installed;
        Desktop* window;
        Desktop* expected;  // nullptr: the system's
    };
    const Row rows[] = {
        {"nothing set", nullptr, nullptr, nullptr},
        {"the window's dialogs", nullptr, &dialogs, &dialogs},
        {"a recorder over the window's", &recorder, &dialogs, &recorder},
        {"a recorder without a window", &recorder, nullptr, &recorder},
    };
    for (const Row& row : rows) {
        SetWindowDesktop(row.window);
        SetDesktop(row.installed);
        Desktop& current = CurrentDesktop();
        if (row.expected)
            EXPECT_EQ(&current, row.expected) << row.what;
        else
            EXPECT_NE(dynamic_cast<SystemDesktop*>(&current), nullptr) << row.what;
    }
    SetDesktop(nullptr);
    SetWindowDesktop(nullptr);
}
