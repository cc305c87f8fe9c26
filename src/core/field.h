#pragma once
// The play field's geometry, stated once for the rules, the frame buffers and the
// window. A play-field position (x, y) is the top-left corner of a sprite and stands at
// back-buffer pixel (x + kFieldMargin, y + kFieldMargin). The back buffer and the
// background buffer hold the visible field with a margin on every side, into which
// sprites at the edges may be drawn without ever being shown.
#include <cstdint>

namespace porimogu {

// The visible field, in pixels.
inline constexpr std::int32_t kFieldWidth = 592;
inline constexpr std::int32_t kFieldHeight = 432;
// The margin around it in the buffers.
inline constexpr std::int32_t kFieldMargin = 32;
// The back and background buffers: 656 x 496.
inline constexpr std::int32_t kBufferWidth = kFieldWidth + 2 * kFieldMargin;
inline constexpr std::int32_t kBufferHeight = kFieldHeight + 2 * kFieldMargin;

// ぽっけ and the items are 2 x 2 tiles.
inline constexpr std::int32_t kSpriteSize = 32;
// The farthest a sprite's top-left corner goes: ぽっけ and the bouncing items stand
// within 0..560 x 0..400, whole on the field.
inline constexpr std::int32_t kFieldRight = kFieldWidth - kSpriteSize;
inline constexpr std::int32_t kFieldBottom = kFieldHeight - kSpriteSize;

// ぽっけ's step per frame tick, across and down.
inline constexpr std::int32_t kPlayerStep = 12;

} // namespace porimogu
