#pragma once
// How the window's key events become the game's virtual-key codes and modifiers.
#include <Qt>
#include <cstdint>

namespace porimogu {

// Enter (Return and keypad Enter) 13, Escape 27, arrows 37-40, keypad 2/4/6/8 as
// 98/100/102/104 when NumLock gives digits (as arrows when it does not). Any other key
// gives 0: it changes no flag but still updates the shift flag.
std::uint16_t VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift, Ctrl and Alt as the game's modifier bits; keypad and Meta are ignored. For the
// press or release of a modifier key itself, the key's own bit follows the event.
unsigned ShiftStateFor(int qtKey, Qt::KeyboardModifiers modifiers, bool press);

} // namespace porimogu
