#pragma once
#include <cstdint>

namespace porimogu {

// The game's linear congruential generator. A given seed always yields the same
// sequence, so a whole game can be replayed from its seed.
class Random {
public:
    // Milliseconds since midnight UTC, read from the system clock.
    void SeedFromClock();
    void SetSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // Advances the seed and returns a value in 0..n-1 for n >= 1 (the range is
    // reduced by multiplication: floor(seed * n / 2^32)).
    std::int32_t RandomBelow(std::int32_t n);

private:
    std::uint32_t seed_ = 0;
};

// The seed SeedFromClock derives from a time of day (UTC).
std::uint32_t SeedForTime(int hour, int minute, int second, int millisecond);

} // namespace porimogu
