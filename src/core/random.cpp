#include "core/random.h"

#include <QDateTime>
#include <QTime>

namespace porimogu {

std::uint32_t SeedForTime(int hour, int minute, int second, int millisecond)
{
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

void Random::SeedFromClock()
{
    const QTime now = QDateTime::currentDateTimeUtc().time();
    seed_ = SeedForTime(now.hour(), now.minute(), now.second(), now.msec());
}

std::int32_t Random::RandomBelow(std::int32_t n)
{
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t product = static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32);
}

} // namespace porimogu
