#include "input/keys.h"

#include "core/game.h"

namespace porimogu {

std::uint16_t VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_2: return keypad ? vk::Numpad2 : 0;
    case Qt::Key_4: return keypad ? vk::Numpad4 : 0;
    case Qt::Key_6: return keypad ? vk::Numpad6 : 0;
    case Qt::Key_8: return keypad ? vk::Numpad8 : 0;
    default: return 0;
    }
}

unsigned ShiftStateFor(int qtKey, Qt::KeyboardModifiers modifiers, bool press)
{
    unsigned s = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) s |= ssShift;
    if (modifiers.testFlag(Qt::ControlModifier)) s |= ssCtrl;
    if (modifiers.testFlag(Qt::AltModifier)) s |= ssAlt;
    auto follow = [&](unsigned bit) { s = press ? (s | bit) : (s & ~bit); };
    switch (qtKey) {
    case Qt::Key_Shift: follow(ssShift); break;
    case Qt::Key_Control: follow(ssCtrl); break;
    case Qt::Key_Alt: follow(ssAlt); break;
    default: break;
    }
    return s;
}

} // namespace porimogu
