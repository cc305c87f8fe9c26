#include "core/random.h"

#include <gtest/gtest.h>

using porimogu::Random;

TEST(Random, SeedZeroGivesTheKnownFirstDraws)
{
    Random r;
    r.SetSeed(0);
    EXPECT_EQ(r.RandomBelow(528), 0);
    EXPECT_EQ(r.RandomBelow(368), 11);
    EXPECT_EQ(r.RandomBelow(3), 2);
    EXPECT_EQ(r.RandomBelow(2), 0);
    EXPECT_EQ(r.RandomBelow(3), 0);
    EXPECT_EQ(r.RandomBelow(2), 1);
}

TEST(Random, BelowOneIsZeroButStillAdvances)
{
    Random r;
    r.SetSeed(12345);
    const auto before = r.Seed();
    EXPECT_EQ(r.RandomBelow(1), 0);
    EXPECT_NE(r.Seed(), before);
    EXPECT_EQ(r.Seed(), before * 134775813u + 1u);
}

TEST(Random, ClockSeedIsMillisecondsSinceMidnight)
{
    EXPECT_EQ(porimogu::SeedForTime(0, 0, 0, 0), 0u);
    EXPECT_EQ(porimogu::SeedForTime(23, 59, 59, 999), 86'399'999u);
    EXPECT_EQ(porimogu::SeedForTime(1, 2, 3, 4), 3'723'004u);
}
