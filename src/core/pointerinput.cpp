#include "core/pointerinput.h"

#include <algorithm>

namespace porimogu {

namespace {

constexpr std::int32_t kHalfSprite = 16;  // ぽっけ is 32 x 32: his centre is 16 in
constexpr std::int32_t kHalfStep = 6;     // half of his 12-pixel step

} // namespace

Directions SteerToward(std::int32_t x, std::int32_t y, std::int32_t playerX, std::int32_t playerY)
{
    const std::int32_t dx = std::clamp(x, kHalfSprite, kFieldRight + kHalfSprite) - (playerX + kHalfSprite);
    const std::int32_t dy = std::clamp(y, kHalfSprite, kFieldBottom + kHalfSprite) - (playerY + kHalfSprite);
    Directions s;
    s.Left = dx < -kHalfStep;
    s.Right = dx > kHalfStep;
    s.Up = dy < -kHalfStep;
    s.Down = dy > kHalfStep;
    return s;
}

} // namespace porimogu
