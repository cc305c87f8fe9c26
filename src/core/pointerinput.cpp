#include "core/pointerinput.h"

namespace porimogu {

namespace {

constexpr std::int32_t kHalfSprite = kSpriteSize / 2;  // his centre, from his top-left corner
constexpr std::int32_t kHalfStep = kPlayerStep / 2;

// One axis: the flags toward lower and higher values for a point at `at` and his
// top-left corner at `from`, his corner going from 0 to `last`.
void SteerAxis(std::int32_t at, std::int32_t from, std::int32_t last, bool& lower, bool& higher)
{
    if (at < kHalfSprite) {
        // Beyond his reach: all the way to the border, where the walk clamps him.
        lower = from > 0;
        return;
    }
    if (at > last + kHalfSprite) {
        higher = from < last;
        return;
    }
    const std::int32_t d = at - (from + kHalfSprite);
    lower = d < -kHalfStep;
    higher = d > kHalfStep;
}

} // namespace

Directions SteerToward(std::int32_t x, std::int32_t y, std::int32_t playerX, std::int32_t playerY)
{
    Directions s;
    SteerAxis(x, playerX, kFieldRight, s.Left, s.Right);
    SteerAxis(y, playerY, kFieldBottom, s.Up, s.Down);
    return s;
}

} // namespace porimogu
