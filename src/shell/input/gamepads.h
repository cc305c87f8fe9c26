#pragma once
// Game controllers through SDL. A pad SDL's controller database knows is read by its
// buttons' meaning (D-pad and left stick, A/Start, B/Back, X and the shoulders); any
// other joystick by its first hat, its first two axes and buttons 0, 1 and 2. Pads
// plugged in or pulled out while the game runs are picked up or dropped at the next
// read. SDL is started for controllers and joysticks only: no video, no signal
// handlers, and pads are read whichever window has the keyboard.
#include "core/padinput.h"

#include <cstdint>
#include <vector>

struct _SDL_GameController;
struct _SDL_Joystick;

namespace porimogu {

// Stick positions (SDL's -32768..32767) beyond this count as a direction held; once
// held, a direction is let go only when the stick comes back inside kStickRelease.
inline constexpr int kStickPress = 16000;
inline constexpr int kStickRelease = 12000;

class SdlPads : public PadReader {
public:
    // When SDL cannot start, a line goes to stderr and no pad is ever read.
    SdlPads();
    ~SdlPads() override;
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    bool Available() const { return started_; }
    // Takes in plug-ins and removals, then says what all pads together hold.
    PadState Read() override;
    int PadCount() const { return static_cast<int>(pads_.size()); }
    bool AnyPad() const override { return !pads_.empty(); }

private:
    struct Pad {
        _SDL_GameController* controller = nullptr;  // null: read as a plain joystick
        _SDL_Joystick* joystick = nullptr;
        std::int32_t id = -1;
        Directions stick;  // what the stick held at the last read
    };
    void Open(int deviceIndex);
    void Close(std::int32_t instanceId);
    PadState ReadPad(Pad& pad) const;

    bool started_ = false;
    std::vector<Pad> pads_;
};

} // namespace porimogu
