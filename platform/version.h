#pragma once
// The program's version, set once in the build (the project's version) and
// read by the window's title, its About box and `--version` alike.
#include <QString>

namespace rimora {

// "0.02"
QString ProgramVersion();

// "Rimora Ver0.02": the window's title and the About box's first line.
QString ProgramTitle();

}  // namespace rimora
