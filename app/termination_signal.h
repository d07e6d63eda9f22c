#pragma once
#include <QObject>

namespace rimora {

// Turns SIGTERM, SIGINT and SIGHUP into a normal close of the given window,
// so that a desktop session or a service manager ending the program still
// gets the settings written.
void CloseWindowOnTerminationSignal(QWidget* window);

// Whether the program is ending because of one of those signals.
bool TerminationSignalReceived();

}  // namespace rimora
