#pragma once
// Game controllers as the rules see them. The shell reads the devices and says what
// they hold; PadInput turns that into the same key-down and key-up calls the keyboard
// makes, so every flag means exactly what it means for keys.
#include "core/directions.h"

#include <cstdint>

namespace porimogu {

class Game;

// What all connected controllers together hold at one moment.
struct PadState {
    Directions Walk;      // the pad and the stick
    bool Enter = false;   // starts and resumes; presses the default button of a dialog
    bool Escape = false;  // pauses; while waiting or over, quits on a second press
    bool Shift = false;   // ぽっけ's poses

    bool operator==(const PadState&) const = default;
};

// The controllers behind the shell. Read never throws and never blocks; a controller
// that is gone holds nothing.
class PadReader {
public:
    virtual ~PadReader() = default;
    virtual PadState Read() = 0;
    // False while no pad is plugged in: the caller then only needs to look for one
    // now and then, not read at full rate.
    virtual bool AnyPad() const { return true; }
};

class PadInput {
public:
    // A second Escape press within this time after the first quits.
    static constexpr std::int64_t kQuitConfirmMs = 2000;

    struct Result {
        bool enterPressed = false;  // Enter went down in this poll, window active or not
        bool quitPressed = false;   // the second Escape press that quits went down in this poll
    };

    // The game must outlive this object.
    explicit PadInput(Game& game) : game_(game) {}

    // One poll: `now` is what the controllers hold, `active` whether the game's window
    // has the keyboard, `nowMs` a monotonic clock in milliseconds.
    // While the window is active, a direction held is reported as a key-down at every
    // poll (as a held key repeats), and a release as a key-up; Enter, Escape and Shift
    // are reported when they go down and up. While it is not, nothing reaches the
    // game; when it is back, what was let go meanwhile is released, and a button still
    // held from then must be pressed again.
    // Escape while waiting or over is held back the first time: it quits only when it
    // is pressed again within kQuitConfirmMs (and no game has started meanwhile), so one
    // stray press cannot end the game.
    // May throw what the key handlers throw.
    Result Poll(const PadState& now, bool active, std::int64_t nowMs);

    // True while a first Escape waits for its second press.
    bool QuitAsked(std::int64_t nowMs) const;

private:
    void Send(std::uint16_t key, bool down, bool& sentFlag);

    Game& game_;
    PadState raw_;    // what the controllers held at the previous poll
    PadState sent_;   // what the game was told is held
    bool quitAsked_ = false;
    std::int64_t quitAskedAt_ = 0;
};

} // namespace porimogu
