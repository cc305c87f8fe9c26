#pragma once
// Whether the desktop the game is about to open its window on can be reached at all.
#include <QString>

namespace porimogu {

// Whether the X server the window would go to can be reached: checked before the
// application object exists, when the window would go to an X server (no platform
// chosen, or xcb, and no Wayland session); other platforms are left to Qt.
struct DisplayCheck {
    enum class Trouble { None, NotSet, CannotOpen };
    Trouble trouble = Trouble::None;
    QString display;  // the DISPLAY that could not be opened
};
DisplayCheck CheckDisplay();

// One line that names the display and says what to do, in the installed language
// (empty for Trouble::None).
QString DisplayProblemText(const DisplayCheck& check);

// Whether the window system itself gives a window asking for full screen the whole
// screen. On X11 that takes a running window manager that supports it; a bare X server
// (a kiosk, a session without one) leaves the window as it was, and the game then
// covers the screen itself. Other platforms (Wayland, offscreen) do it themselves.
// Needs the application object.
bool WindowSystemMakesFullScreen();

} // namespace porimogu
