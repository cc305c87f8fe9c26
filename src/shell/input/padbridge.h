#pragma once
// The game controllers, read between the ticks on the window's thread and handed to the
// rules as the keys they stand for.
#include "core/padinput.h"

#include <cstdint>
#include <functional>

class QTimer;

namespace porimogu {

class PadBridge {
public:
    // Controllers are read this often; a frame tick is 2 ms at the fastest, 40 ms as a rule.
    static constexpr int kPollMs = 10;
    // With no pad plugged in, SDL is only asked this often whether one has come: a pad
    // is then noticed within a quarter second, and an idle game wakes 25 times a second
    // for its frames instead of 125.
    static constexpr int kWatchMs = 250;

    // What the bridge needs of the window it serves.
    struct Window {
        std::function<bool()> isActive;            // the game's window has the keyboard
        std::function<void()> pressDialogDefault;  // presses the default button of the game's dialog in front
        std::function<void()> quitPressed;         // the second Escape press that quits; may be empty
    };

    // `game`, `pads` and `timer` (the one that calls Poll) must outlive the bridge.
    PadBridge(Game& game, PadReader& pads, QTimer& timer, Window window);

    // Reads the controllers once and hands what they hold to the game; `nowMs` is the
    // time on a monotonic clock. The timer is set to read at full rate while a pad is
    // plugged in and only now and then while none is. In a dialog of the game, Enter
    // (A) presses its default button. May throw what the key handlers throw.
    void Poll(std::int64_t nowMs);

    // True while the hint "press again to quit" is to be seen: a first Escape by
    // controller waits for its second press.
    bool QuitHintShown(std::int64_t nowMs) const { return input_.QuitAsked(nowMs); }

private:
    PadReader& pads_;
    QTimer& timer_;
    Window window_;
    PadInput input_;
};

} // namespace porimogu
