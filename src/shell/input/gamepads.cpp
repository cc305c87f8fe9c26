#include "input/gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

namespace porimogu {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK | SDL_INIT_EVENTS;

// One axis of a stick as two directions, with the release threshold closer to the
// middle than the press threshold, so a stick resting near the edge does not flicker.
void StickAxis(Sint16 value, bool& negative, bool& positive)
{
    const int v = value;
    negative = negative ? v < -kStickRelease : v < -kStickPress;
    positive = positive ? v > kStickRelease : v > kStickPress;
}

} // namespace

SdlPads::SdlPads()
{
    // Qt owns the windows, the signals and the rest of the program.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(kSubsystems) != 0) {
        std::fprintf(stderr, "porimogu: game controllers cannot be used: %s\n", SDL_GetError());
        return;
    }
    started_ = true;
    // Pads already plugged in arrive as device events at the first read.
}

SdlPads::~SdlPads()
{
    if (!started_)
        return;
    for (const Pad& p : pads_) {
        if (p.controller)
            SDL_GameControllerClose(p.controller);
        else
            SDL_JoystickClose(p.joystick);
    }
    SDL_QuitSubSystem(kSubsystems);
}

void SdlPads::Open(int deviceIndex)
{
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || std::any_of(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; }))
        return;
    Pad pad;
    pad.id = id;
    if (SDL_IsGameController(deviceIndex)) {
        pad.controller = SDL_GameControllerOpen(deviceIndex);
        if (pad.controller)
            pad.joystick = SDL_GameControllerGetJoystick(pad.controller);
    }
    if (!pad.joystick)
        pad.joystick = SDL_JoystickOpen(deviceIndex);
    if (pad.joystick)
        pads_.push_back(pad);
}

void SdlPads::Close(std::int32_t instanceId)
{
    const auto it = std::find_if(pads_.begin(), pads_.end(), [instanceId](const Pad& p) { return p.id == instanceId; });
    if (it == pads_.end())
        return;
    if (it->controller)
        SDL_GameControllerClose(it->controller);
    else
        SDL_JoystickClose(it->joystick);
    pads_.erase(it);
}

PadState SdlPads::ReadPad(Pad& pad) const
{
    PadState s;
    Sint16 x = 0, y = 0;
    if (pad.controller) {
        SDL_GameController* c = pad.controller;
        auto button = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
        s.Walk.Up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
        s.Walk.Down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        s.Walk.Left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        s.Walk.Right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        s.Enter = button(SDL_CONTROLLER_BUTTON_A) || button(SDL_CONTROLLER_BUTTON_START);
        s.Escape = button(SDL_CONTROLLER_BUTTON_B) || button(SDL_CONTROLLER_BUTTON_BACK);
        s.Shift = button(SDL_CONTROLLER_BUTTON_X) || button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER) ||
                  button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        x = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
        y = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    } else {
        SDL_Joystick* j = pad.joystick;
        if (SDL_JoystickNumHats(j) > 0) {
            const Uint8 hat = SDL_JoystickGetHat(j, 0);
            s.Walk.Up = (hat & SDL_HAT_UP) != 0;
            s.Walk.Down = (hat & SDL_HAT_DOWN) != 0;
            s.Walk.Left = (hat & SDL_HAT_LEFT) != 0;
            s.Walk.Right = (hat & SDL_HAT_RIGHT) != 0;
        }
        const int buttons = SDL_JoystickNumButtons(j);
        auto button = [j, buttons](int b) { return b < buttons && SDL_JoystickGetButton(j, b) != 0; };
        s.Enter = button(0);
        s.Escape = button(1);
        s.Shift = button(2);
        const int axes = SDL_JoystickNumAxes(j);
        if (axes > 0)
            x = SDL_JoystickGetAxis(j, 0);
        if (axes > 1)
            y = SDL_JoystickGetAxis(j, 1);
    }
    StickAxis(x, pad.stick.Left, pad.stick.Right);
    StickAxis(y, pad.stick.Up, pad.stick.Down);
    s.Walk |= pad.stick;
    return s;
}

PadState SdlPads::Read()
{
    PadState all;
    if (!started_)
        return all;
    // Draining the queue also brings every pad's state up to date.
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        if (e.type == SDL_JOYDEVICEADDED)
            Open(e.jdevice.which);
        else if (e.type == SDL_JOYDEVICEREMOVED)
            Close(e.jdevice.which);
    }
    for (Pad& p : pads_) {
        const PadState s = ReadPad(p);
        all.Walk |= s.Walk;
        all.Enter = all.Enter || s.Enter;
        all.Escape = all.Escape || s.Escape;
        all.Shift = all.Shift || s.Shift;
    }
    return all;
}

} // namespace porimogu
