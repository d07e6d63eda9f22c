#pragma once
#include <QObject>

class QWidget;

namespace rimora {

// A list or number box turns with the mouse wheel only after the user has
// picked it: clicked it, or reached it with Tab (which shows its focus
// frame). The focus a box is handed when its tab page comes up, or by the
// program, leaves the wheel to the page behind, so that scrolling over the
// window never changes a colour, a hole count or a cross number unseen.
// A trip to a pop-up list or another window keeps the box picked. A click
// that picks a box shows its focus frame, so the user sees which box the
// wheel turns.
void TurnOnlyWhenPicked(QWidget* control);

}  // namespace rimora
