#include "core/padinput.h"

#include "core/game.h"

namespace porimogu {

bool PadInput::QuitAsked(std::int64_t nowMs) const
{
    return quitAsked_ && nowMs - quitAskedAt_ < kQuitConfirmMs;
}

void PadInput::Send(std::uint16_t key, bool down, bool& sentFlag)
{
    sentFlag = down;
    // Every event carries the controller's own Shift, as a key event the keyboard's.
    const unsigned shift = sent_.Shift ? ssShift : 0u;
    if (down)
        game_.FormKeyDown(key, shift);
    else
        game_.FormKeyUp(key, shift);
}

PadInput::Result PadInput::Poll(const PadState& now, bool active, std::int64_t nowMs)
{
    Result r;
    r.enterPressed = now.Enter && !raw_.Enter;
    const bool escapePressed = now.Escape && !raw_.Escape;
    const bool shiftPressed = now.Shift && !raw_.Shift;
    raw_ = now;
    // The question lapses after its time, and once a game runs.
    const GameState state = game_.State();
    if (!QuitAsked(nowMs) || state == GameState::Playing || state == GameState::Paused)
        quitAsked_ = false;
    if (!active)
        return r;

    struct Direction {
        bool Directions::*flag;
        std::uint16_t key;
    };
    static constexpr Direction kDirections[] = {
        {&Directions::Up, vk::Up}, {&Directions::Down, vk::Down},
        {&Directions::Left, vk::Left}, {&Directions::Right, vk::Right},
    };
    const auto release = [this](bool held, std::uint16_t key, bool& sentFlag) {
        if (!held && sentFlag)
            Send(key, false, sentFlag);
    };

    // Releases first, Shift's before the others, so that they carry the new Shift.
    release(now.Shift, vk::Shift, sent_.Shift);
    for (const Direction& d : kDirections)
        release(now.Walk.*d.flag, d.key, sent_.Walk.*d.flag);
    release(now.Enter, vk::Return, sent_.Enter);
    release(now.Escape, vk::Escape, sent_.Escape);

    if (shiftPressed)
        Send(vk::Shift, true, sent_.Shift);
    for (const Direction& d : kDirections)
        if (now.Walk.*d.flag)
            Send(d.key, true, sent_.Walk.*d.flag);
    if (r.enterPressed)
        Send(vk::Return, true, sent_.Enter);
    if (escapePressed) {
        if ((state == GameState::Waiting || state == GameState::Over) && !quitAsked_) {
            quitAsked_ = true;
            quitAskedAt_ = nowMs;
        } else {
            r.quitPressed = quitAsked_;
            quitAsked_ = false;
            Send(vk::Escape, true, sent_.Escape);
        }
    }
    return r;
}

} // namespace porimogu
