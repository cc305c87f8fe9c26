#pragma once
// Putting a window in the middle of its screen, frame and all: at once with what is known
// of the frame, and again while the window manager adds its frame after the showing.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace porimogu {

// The top-left corner that puts a window whose outer frame measures `outer` in the middle
// of `screen`: (screen size - outer size) div 2 from the screen's corner, never above or
// left of it (a window larger than the screen keeps its title bar reachable).
QPoint CentredTopLeft(const QRect& screen, const QSize& outer);

// The frame the window manager adds around `window` (outer size minus client size). Before
// the window's first showing it is unknown: the frame of another visible top-level
// window stands in for it, none when there is no such window.
QSize FrameExtra(const QWidget* window);

// Moves the window so that its outer frame stands in the middle of its owner's screen
// (the primary screen when it has no owner); does nothing when there is no screen. A
// window manager frames a window only once it is mapped: until the real frame is known
// (at most a couple of seconds after the next showing) the window is centred once more
// as soon as it is, so under a window manager it ends up centred by its outer frame.
void CenterOnScreen(QWidget* window);

} // namespace porimogu
