#pragma once
// The four directions ぽっけ walks, as the direction keys, a controller's pad and stick,
// and a finger held on the field each hold them.

namespace porimogu {

struct Directions {
    bool Up = false;
    bool Down = false;
    bool Left = false;
    bool Right = false;

    bool operator==(const Directions&) const = default;
    // Held here or there: two sources add up and neither clears the other.
    Directions& operator|=(const Directions& other)
    {
        Up = Up || other.Up;
        Down = Down || other.Down;
        Left = Left || other.Left;
        Right = Right || other.Right;
        return *this;
    }
};

} // namespace porimogu
