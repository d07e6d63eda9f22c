#pragma once
// The program without its window: saved profiles read, laced, measured and
// written out. It never constructs a widget and never touches the settings
// file, so it runs without a display.
//
//   rimora --lengths FILE.prl [--json]      (or: rimora --json FILE.prl)
//   rimora --sheet FILE.prl OUT.pdf [--paper a4|letter]
//   rimora --draw FILE.prl OUT.svg|OUT.png [--size WxH]
//   rimora --tension FILE.prl [--json]      (the last round of tension readings)
//   rimora --sheet FILE.prl OUT.pdf --tension-form | --tension-round
//   rimora --steps FILE.prl [--json]        (--sheet takes --steps too)
// "-" as the output is the standard output.
#include "sheet/sheet_export.h"

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace rimora {

// True when the arguments ask for the command line rather than the window
// (argv[0] is skipped).
bool IsCommandLineRun(int argc, const char* const* argv);

// Why the window is not started for these arguments, before any application
// object exists (Qt ends the process when it finds no display): an option
// that is neither the program's nor Qt's (status 2), or no display to open
// it on (status 1). Status 0 and no message: start it.
struct WindowRefusal {
    int status = 0;
    QString message;  // the whole line, program name included
};
WindowRefusal RefuseWindow(int argc, const char* const* argv);

// The profile the window opens at its start ("rimora wheel.prl", as a file
// manager starts it): the first argument that is neither an option nor the
// value of one of Qt's, everything after "--" included (a file manager starts
// one copy per file; one window shows one wheel). Made absolute against the
// current folder, so call it before the window changes that. Empty when no
// profile is named.
QString WindowProfile(int argc, const char* const* argv);

// Puts /dev/null, read-only, where the standard input, output or error is
// closed, so that no file the program opens takes their numbers and a write
// to a closed standard output fails as it would have.
void KeepStandardStreamsTaken();

// Before the application object exists: with no platform given (neither
// QT_QPA_PLATFORM nor -platform) the command line takes the offscreen
// platform, whatever display is set, so fonts and painting work anywhere and
// a display that no longer answers cannot end it.
void ChooseHeadlessPlatform(int argc, const char* const* argv);

// What the arguments ask for, read before any file is opened: one task and
// what it needs, or the message that refuses them.
struct CommandLineRequest {
    enum class Task { Refuse, Print, Lengths, Sheet, Draw, Tension, UnknownOption, Steps };
    // A page the sheet adds after its own: a blank form of the spokes round
    // the wheel to write readings on, or the last round.
    enum class TensionPage { None, Form, Round };
    Task task = Task::Refuse;
    QString text;          // Refuse: the message; Print: the help or version text;
                           // UnknownOption: the option as given
    QString profile;       // the profile a task reads
    QString output;        // the file the sheet or the drawing is written to
    bool json = false;     // the lengths, the steps or the round as one JSON object
    TensionPage tensionPage = TensionPage::None;  // the sheet's
    bool steps = false;    // the sheet with a page per lacing step
    std::optional<QPageSize> paper;  // the sheet's, when named
    int width = 800;       // the drawing's size in pixels
    int height = 800;
    DrawingFormat format = DrawingFormat::Unknown;  // the drawing's; Unknown for the others
};
CommandLineRequest ParseCommandLine(const QStringList& arguments);

// Carries a request out; the exit status as RunCommandLine returns it.
int CarryOut(const CommandLineRequest& request, QTextStream& out, QTextStream& err);

// Runs the command line on the application's arguments. Results go to `out`,
// messages that name the file and the field to `err`. Returns the exit
// status: 0 on success, 1 on any error, with no partial output file, 2 for
// an unknown option.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The same on the process's standard output and error; a result that cannot
// be written to the standard output (a full disk, a closed output) is an
// error too.
int RunCommandLine(const QStringList& arguments);

// "1200x800" -> width and height; false for anything else.
bool ParseImageSize(const QString& text, int& width, int& height);

}  // namespace rimora
