#include "core/pointerinput.h"

#include <algorithm>

namespace porimogu {

namespace {

constexpr std::int32_t kHalfSprite = kSpriteSize / 2;  // his centre, from his top-left corner
constexpr std::int32_t kHalfStep = kPlayerStep / 2;

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
