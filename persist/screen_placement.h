#pragma once
// A stored window placement checked against the screens there are now: a
// window last shown on a monitor since unplugged would otherwise come back
// where no one can reach it.
#include <QList>
#include <QRect>

namespace rimora {

// How much of a window's top edge (where its title bar is) a screen must
// show for the window to be reachable: this wide, or the whole width of a
// narrower window, and this high, or the whole height of a lower one.
inline constexpr int kReachableWidth = 100;
inline constexpr int kReachableHeight = 30;

// Whether some screen shows enough of the window's top edge to grab it.
bool IsReachable(const QRect& window, const QList<QRect>& screens);

// The window's outer rectangle, unchanged when it is reachable; otherwise
// moved onto the nearest screen, its size kept where it fits and cut to the
// screen's size where it does not, placed as close to where it was as that
// screen allows. No screens at all: unchanged.
QRect OntoNearestScreen(const QRect& window, const QList<QRect>& screens);

}  // namespace rimora
