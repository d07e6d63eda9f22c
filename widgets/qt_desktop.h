#pragma once
// The window program's desktop: Qt's message boxes and file, colour, print
// and image-size dialogs over the system's folders and screens.
#include "platform/desktop.h"

namespace rimora {

// Puts the Qt dialogs in use wherever no other desktop is installed; once,
// before the first window asks anything.
void UseWindowDialogs();

}  // namespace rimora
