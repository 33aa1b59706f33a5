#include "simulation/RandomSource.h"

#include "simulation/GeneratorStates.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

namespace wexa {
namespace {

TEST(RandomSourceTest, FollowsTheLinearCongruentialSequence) {
    RandomSource zero(0);
    EXPECT_EQ(zero.NextRandom15(), 38); // 2531011 >> 16
    EXPECT_EQ(zero.State(), 2531011U);

    // The widely published opening of this generator from seed 1.
    RandomSource one(1);
    for (const std::int32_t expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(one.NextRandom15(), expected);
    }
}

TEST(RandomSourceTest, UniformCanBeExactlyOne) {
    RandomSource source(StateBefore(32767));
    EXPECT_EQ(source.DrawUniform(), 1.0);
}

TEST(RandomSourceTest, UniformRedrawsZero) {
    const std::uint32_t beforeZero = StateBefore(0);
    RandomSource byHand(beforeZero);
    ASSERT_EQ(byHand.NextRandom15(), 0);
    const double expected = byHand.NextRandom15() * RandomSource::kReciprocal32767;

    RandomSource source(beforeZero);
    EXPECT_EQ(source.DrawUniform(), expected);
    EXPECT_EQ(source.State(), byHand.State());
}

TEST(RandomSourceTest, GivenSeedReproducesTheSequence) {
    RandomSource first(7);
    RandomSource second(99);
    first.SeedRandom(123456789U);
    second.SeedRandom(123456789U);
    EXPECT_EQ(first.State(), 123456789U);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(first.DrawUniform(), second.DrawUniform()) << "draw " << i;
    }
}

TEST(RandomSourceTest, WithoutSeedTakesTheClockInSeconds) {
    // The C library's clock, independent of the one the source reads.
    const auto now = [] { return static_cast<std::uint32_t>(std::time(nullptr)); };
    RandomSource source;
    const std::uint32_t before = now();
    source.SeedRandom();
    const std::uint32_t after = now();
    EXPECT_GE(source.State(), before);
    EXPECT_LE(source.State(), after);
}

} // namespace
} // namespace wexa
