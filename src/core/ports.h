#pragma once
#include <QString>
#include <cstdint>

// The small interfaces through which the game's rules reach the window, the sound
// devices and the dialogs. The Qt shell implements them; tests use fakes.
namespace porimogu {

enum class GameState : std::uint8_t { Waiting = 0, Playing = 1, Paused = 2, Over = 3 };

// The back buffer (kBufferWidth x kBufferHeight of field.h, the visible floor starting
// at kFieldMargin, kFieldMargin).
class Canvas {
public:
    virtual ~Canvas() = default;
    // Tile n of the tile sheet with its top-left corner at back-buffer (x, y);
    // white pixels of the tile stay transparent. An empty sheet draws nothing.
    virtual void DrawTile(int n, int x, int y) = 0;
    // The whole background buffer (the tiled floor) over the back buffer at (0, 0).
    virtual void DrawBackground() = 0;
    // Show the visible region of the back buffer in the window.
    virtual void Present() = 0;
};

// The labels and the gauge along the bottom of the window. Implementations build the
// texts with the functions of messages.h and repaint only what changed.
class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void ShowTime(std::int32_t seconds) = 0;   // Label1 := "Time: n 秒"
    virtual void ShowWait(std::int32_t count) = 0;     // Label1 := "Wait: n"
    virtual void ShowPoints(std::int32_t points) = 0;  // Label2 := "Point: n 点"
    virtual void ShowState(GameState state) = 0;       // Label3: colour, then text
    virtual void SetGaugeProgress(std::int32_t value) = 0;
};

// The moments of the play field that sound: a food item eaten, the ghost eaten, and
// the bonus for clearing the field. The shell picks the sound for each.
enum class Beep : std::uint8_t { Food, Ghost, Bonus };

class Sound {
public:
    virtual ~Sound() = default;
    // Sounds the beep of that moment. Never throws, never blocks.
    virtual void Play(Beep beep) = 0;
};

// The background-music player. Every request may throw EMCIDeviceError.
class Music {
public:
    virtual ~Music() = default;
    virtual void RewindMedia() = 0;
    virtual void PlayMedia() = 0;
    virtual void PauseMedia() = 0;
    virtual void StopMedia() = 0;
};

// The main window as the rules see it.
class Window {
public:
    virtual ~Window() = default;
    // Switching on starts the frame timer's interval afresh.
    virtual void SetFrameTimerEnabled(bool enabled) = 0;
    virtual void CloseMainWindow() = 0;
};

// Modal dialogs used at the end of a game and from the menus.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The input box: returns the edited text on OK, defaultText on cancel.
    virtual QString PromptForText(const QString& caption, const QString& prompt,
                                  const QString& defaultText) = 0;
    // The top list, modal; it loads, sorts and shows Tops.dat through TopsFile.
    virtual void ShowTopList() = 0;
    // The error box (message + ".", stop icon, OK).
    virtual void ShowError(const QString& message) = 0;
    // The confirmation box (question icon, Yes and No): true for Yes. A shell that
    // cannot ask answers No, which changes nothing.
    virtual bool Confirm(const QString& /*question*/) { return false; }
};

} // namespace porimogu
