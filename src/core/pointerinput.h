#pragma once
// A finger or the mouse held on the play field, as the rules see it. The shell says
// where it is held, in play-field pixels; at every frame tick the rules turn that point
// and ぽっけ's position at that moment into direction flags of the pointer's own, which
// add to the keys' flags and never change them.
#include "core/directions.h"
#include "core/field.h"

#include <cstdint>

namespace porimogu {

// What the pointer holds: nothing, or the point (X, Y) in play-field pixels. The point
// may lie anywhere, beyond the field too (a drag that left it).
struct PointerHold {
    bool Held = false;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// The flags that lead ぽっけ, standing with his top-left corner at (playerX, playerY),
// toward the point (x, y), each axis on its own. On an axis where the point lies
// within his centre's reach (16..576 x 16..416), neither flag is set once his centre
// is within half a step (6 pixels) of it: with his 12-pixel steps he comes to stand on
// the point and never steps back and forth. On an axis where it lies beyond, the flag
// toward it stays set until he stands on that border, as a held arrow key leads him.
Directions SteerToward(std::int32_t x, std::int32_t y, std::int32_t playerX, std::int32_t playerY);

} // namespace porimogu
