#pragma once
// A stored window placement checked against the screens there are now: a
// window last shown on a monitor since unplugged, or on a larger one, would
// otherwise come back where no one can reach it or larger than the screen,
// its buttons and status bar out of sight.
#include <QList>
#include <QRect>
#include <QSize>

namespace rimora {

class IForm;

// How much of a window's top edge (where its title bar is) a screen must
// show for the window to be reachable: this wide, or the whole width of a
// narrower window, and this high, or the whole height of a lower one.
inline constexpr int kReachableWidth = 100;
inline constexpr int kReachableHeight = 30;

// How far down and right a second copy of the program opens its windows from
// where the first one has them: about a title bar, so that the first copy's
// title stays in view above the second's.
inline constexpr int kNextCopyOffset = 30;

// Whether some screen shows enough of the window's top edge to grab it.
bool IsReachable(const QRect& window, const QList<QRect>& screens);

// The screen a window belongs to: the one that shows the most of it, or the
// nearest to its centre when none shows any of it.
QRect ScreenOf(const QRect& window, const QList<QRect>& screens);

// The window's outer rectangle, unchanged when it is reachable and fits its
// screen; otherwise its size cut to that screen (never below `minimum`) and
// the window moved onto that screen, as close to where it was as the screen
// allows. A screen smaller than the minimum gets the window's top-left
// corner, where its title bar is. No screens at all: unchanged.
QRect OntoNearestScreen(const QRect& window, const QList<QRect>& screens, const QSize& minimum = {});

// Where a second copy puts a window the first copy shows at `window`: moved
// down and right by kNextCopyOffset; what would then lie beyond its screen's
// right or bottom edge is cut off its size, down to `minimum`, so that the
// whole window stays on the screen. No screens at all: only moved.
QRect BesideAnotherCopy(const QRect& window, const QList<QRect>& screens, const QSize& minimum = {});

// A window's outer rectangle, and setting it: the size first (only what
// changes), so that the place is taken for the size it will have.
QRect OuterRect(const IForm& form);
void SetOuterRect(IForm& form, const QRect& rect);

}  // namespace rimora
