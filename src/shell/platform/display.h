#pragma once
// Whether the desktop the game is about to open its window on can be reached at all.
#include <QString>

namespace porimogu {

// Run before the application object exists. When the window would go to an X server
// (no platform chosen, or xcb, and no Wayland session), tries to connect to the X
// display and returns one line that names the display and says what to do when that
// fails; an empty text when the game can go on (other platforms are left to Qt).
QString DisplayProblem();

// Whether the window system itself gives a window asking for full screen the whole
// screen. On X11 that takes a running window manager that supports it; a bare X server
// (a kiosk, a session without one) leaves the window as it was, and the game then
// covers the screen itself. Other platforms (Wayland, offscreen) do it themselves.
// Needs the application object.
bool WindowSystemMakesFullScreen();

} // namespace porimogu
