#include "simulation/Distributions.h"

#include "model/PortableMath.h"
#include "simulation/GeneratorStates.h"
#include "simulation/NamedCases.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace wexa {
namespace {

constexpr double kSmallestUniform = RandomSource::kReciprocal32767;
constexpr double kLargestUniformBelowOne = 32766 * RandomSource::kReciprocal32767;
using testing::kNaN;
constexpr Int32 kUnknownKind = 7;

// --- Draws that take nothing from the source ---

struct DrawCase {
    const char* name;
    InputDistribution distribution;
    double u;
    double z;
    double expected;
};

class DrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawTest, GivesTheValueAndDrawsNothing) {
    const DrawCase& c = GetParam();
    RandomSource source(12345);
    EXPECT_EQ(DrawFromDistribution(c.distribution, c.u, c.z, source), c.expected);
    EXPECT_EQ(source.State(), 12345U);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DrawTest,
    ::testing::Values(
        // Mean plus a third of (mean - minimum) per deviation; no clamping.
        DrawCase{"NormalIgnoresMaximum", {kNormal, 2, 4, 1000}, 0.5, 1.0, 4.666666666666667},
        DrawCase{"NormalBelowMinimum", {kNormal, 2, 4, 6}, 0.5, -9.0, -2.0},
        DrawCase{"TruncatedZeroDeviation", {kTruncatedNormal, 0, 10, 3}, 0.5, 5.0, 10.0},
        DrawCase{"TruncatedUpperBoundIncluded", {kTruncatedNormal, 2, 10, 3}, 0.5, 1.5, 13.0},
        DrawCase{"TruncatedLowerBoundIncluded", {kTruncatedNormal, 2, 10, 3}, 0.5, -1.5, 7.0},
        DrawCase{"UniformQuarter", {kUniform, 2, 0, 6}, 0.25, 9.0, 3.0},
        DrawCase{"UniformUpperEnd", {kUniform, 2, 0, 6}, 1.0, 9.0, 6.0},
        DrawCase{"TriangularDegenerate", {kTriangular, 5, 5, 5}, 0.3, 9.0, 5.0},
        DrawCase{"TriangularLeftBranch", {kTriangular, 0, 5, 10}, 0.125, 9.0, 2.5},
        DrawCase{"TriangularRightBranch", {kTriangular, 0, 5, 10}, 0.875, 9.0, 7.5},
        DrawCase{"TriangularUpperEnd", {kTriangular, 1, 2, 4}, 1.0, 9.0, 4.0},
        DrawCase{"DeterministicIgnoresHiddenValues", {kDeterministic, 7, 3, 9}, 0.5, 2.0, 3.0},
        DrawCase{"UnknownKindGivesMiddle", {kUnknownKind, 1, 8, 2}, 0.5, 2.0, 8.0}),
    [](const auto& info) { return info.param.name; });

TEST(DrawRangeTest, UniformAndTriangularNeverGiveTheMinimum) {
    RandomSource source;
    for (std::int32_t k = 1; k <= 32767; ++k) {
        const double u = k * RandomSource::kReciprocal32767;
        ASSERT_GT(DrawFromDistribution({kUniform, 1000, 0, 1000.5}, u, 0.0, source), 1000.0);
        ASSERT_GT(DrawFromDistribution({kTriangular, 1000, 1000.2, 1000.5}, u, 0.0, source),
                  1000.0);
    }
}

// --- Truncated Normal redraws ---

// What the redraws should do, walked with the sine branch of the normal pair:
// pairs of uniforms until a deviate lands in the band, at most the limit.
struct Walk {
    int pairs = 0;
    bool accepted = false;
    double value = 0.0;
};

Walk RedrawByHand(const InputDistribution& d, RandomSource& byHand) {
    for (int pairs = 1; pairs <= kTruncatedNormalRedrawLimit; ++pairs) {
        const double ua = byHand.DrawUniform();
        const double ub = byHand.DrawUniform();
        const double x = d.Middle + d.First * DrawNormalPair(ua, ub).first;
        if (x >= d.Middle - d.Third && x <= d.Middle + d.Third) {
            return {pairs, true, x};
        }
    }
    return {kTruncatedNormalRedrawLimit, false, d.Middle};
}

struct RedrawCase {
    const char* name;
    std::uint32_t state;
    InputDistribution distribution;
    double z; // outside the band, so at least one redraw
    bool accepted;
    int minimumPairs;
};

class RedrawTest : public ::testing::TestWithParam<RedrawCase> {};

TEST_P(RedrawTest, TakesTwoUniformsPerRedrawAndStopsAtTheLimit) {
    const RedrawCase& c = GetParam();
    RandomSource byHand(c.state);
    const Walk walk = RedrawByHand(c.distribution, byHand);
    // The chosen states must exercise what the case is about.
    ASSERT_EQ(walk.accepted, c.accepted);
    ASSERT_GE(walk.pairs, c.minimumPairs);

    RandomSource source(c.state);
    EXPECT_EQ(DrawFromDistribution(c.distribution, 0.5, c.z, source), walk.value);
    EXPECT_EQ(source.State(), byHand.State());
}

INSTANTIATE_TEST_SUITE_P(
    Bands, RedrawTest,
    ::testing::Values(RedrawCase{"NarrowBand", 2024, {kTruncatedNormal, 1, 0, 0.1}, 5.0, true, 3},
                      // A first uniform of 1 gives a deviate of exactly 0, the one a band
                      // of width 0 accepts.
                      RedrawCase{"ZeroWidthMeetsItsValue",
                                 StateBefore(32767),
                                 {kTruncatedNormal, 2, 10, 0},
                                 1.0,
                                 true,
                                 1},
                      RedrawCase{"ZeroWidthGivesUp",
                                 1,
                                 {kTruncatedNormal, 2, 10, 0},
                                 1.0,
                                 false,
                                 kTruncatedNormalRedrawLimit},
                      RedrawCase{"EmptyBandGivesUp",
                                 1,
                                 {kTruncatedNormal, 2, 10, -1},
                                 0.0,
                                 false,
                                 kTruncatedNormalRedrawLimit}),
    [](const auto& info) { return info.param.name; });

// --- Normal pair ---

TEST(DrawNormalPairTest, UniformOfOneGivesZeros) {
    for (const double u2 : {kSmallestUniform, 0.3, 1.0}) {
        const auto [zs, zc] = DrawNormalPair(1.0, u2);
        EXPECT_EQ(zs, 0.0);
        EXPECT_EQ(zc, 0.0);
    }
}

TEST(DrawNormalPairTest, SineAndCosineOfOneAngleJustShortOfTwoPi) {
    const double u1 = 0.2;
    const double r = std::sqrt(-2.0 * Log(u1));
    // A quarter turn: all of the radius goes to the sine branch.
    const auto [quarterSine, quarterCosine] = DrawNormalPair(u1, 0.25);
    EXPECT_NEAR(quarterSine, r, 1e-15);
    EXPECT_NEAR(quarterCosine, 0.0, 1e-11);
    // A full turn stops 1.586476925e-12 short of 2 pi; the sine shows it.
    const auto [fullSine, fullCosine] = DrawNormalPair(u1, 1.0);
    EXPECT_NEAR(fullSine / r, -1.586476925e-12, 1e-15);
    EXPECT_NEAR(fullCosine, r, 1e-15);
}

// --- Variation by a percentage ---

struct VaryCase {
    Int32 value;
    double percent;
    double u;
    Int32 expected;
};

class VaryIntTest : public ::testing::TestWithParam<VaryCase> {};

TEST_P(VaryIntTest, SpreadsOverPlusMinusPercentAndTruncatesTowardZero) {
    const VaryCase& c = GetParam();
    EXPECT_EQ(VaryIntByPercent(c.value, c.percent, c.u), c.expected)
        << c.value << " by " << c.percent << "% at u = " << c.u;
}

constexpr Int32 kMax = std::numeric_limits<Int32>::max();
constexpr Int32 kMin = std::numeric_limits<Int32>::min();

INSTANTIATE_TEST_SUITE_P(Cases, VaryIntTest,
                         ::testing::Values(
                             // 100 by 10 percent is the integer part of 90 + 20u.
                             VaryCase{100, 10, kSmallestUniform, 90}, VaryCase{100, 10, 0.0499, 90},
                             VaryCase{100, 10, 0.05, 91}, VaryCase{100, 10, 0.5, 100},
                             VaryCase{100, 10, kLargestUniformBelowOne, 109},
                             VaryCase{100, 10, 1.0, 110},
                             // -90.5 truncates to -90, not down to -91.
                             VaryCase{-100, 10, 0.025, -90}, VaryCase{12345, 0, 0.7, 12345},
                             VaryCase{kMax, 10, 1.0, kMax}, VaryCase{kMin, 10, 1.0, kMin}));

TEST(VaryRealTest, ZeroPercentLeavesTheValueAndTheEndsAreReached) {
    for (const double original : {1234.5678, -0.1, 0.0, 1e300}) {
        double value = original;
        VaryRealByPercent(value, 0.0, 0.37);
        EXPECT_EQ(value, original);
    }
    double top = 200.0;
    VaryRealByPercent(top, 5.0, 1.0);
    EXPECT_EQ(top, 210.0);
    double bottom = 200.0;
    VaryRealByPercent(bottom, 5.0, kSmallestUniform);
    EXPECT_GT(bottom, 190.0);
    EXPECT_LT(bottom, 190.001);
}

// --- Consistency checks ---

struct CheckCase {
    const char* name;
    InputDistribution distribution;
    bool passes;
};

class CheckDistributionTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckDistributionTest, RefusesValuesThatDoNotFitTheKind) {
    EXPECT_EQ(CheckDistribution(GetParam().distribution), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckDistributionTest,
    ::testing::Values(CheckCase{"NormalCentred", {kNormal, 4, 5, 6}, true},
                      CheckCase{"NormalOffCentre", {kNormal, 4, 5, 6.5}, false},
                      // Midway, but minimum and maximum swapped.
                      CheckCase{"NormalReversed", {kNormal, 6, 5, 4}, false},
                      CheckCase{"NormalNaN", {kNormal, 4, kNaN, 6}, false},
                      CheckCase{"TruncatedAnyExpected", {kTruncatedNormal, 0, -5, 0}, true},
                      CheckCase{"TruncatedNegativeDeviation", {kTruncatedNormal, -1, 5, 1}, false},
                      CheckCase{"TruncatedNegativeHalfWidth", {kTruncatedNormal, 1, 5, -1}, false},
                      CheckCase{"UniformOrdered", {kUniform, 1, 1, 3}, true},
                      CheckCase{"UniformDefaultAboveMaximum", {kUniform, 1, 4, 3}, false},
                      CheckCase{"TriangularOrdered", {kTriangular, 1, 3, 3}, true},
                      CheckCase{"TriangularModeBelowMinimum", {kTriangular, 2, 1, 3}, false},
                      CheckCase{"DeterministicWithJunk", {kDeterministic, 4, -9, kNaN}, true},
                      CheckCase{"UnknownKind", {kUnknownKind, 4, 5, 6}, false},
                      CheckCase{"NegativeKind", {-1, 4, 5, 6}, false}),
    [](const auto& info) { return info.param.name; });

TEST(CheckNonNegativeTest, RefusesAnyValueBelowZero) {
    EXPECT_TRUE(CheckNonNegative(0.0, -0.0, 3.0));
    EXPECT_FALSE(CheckNonNegative(-1.0, 0.0, 0.0));
    EXPECT_FALSE(CheckNonNegative(0.0, -0.5, 0.0));
    EXPECT_FALSE(CheckNonNegative(0.0, 0.0, -1e-300));
}

} // namespace
} // namespace wexa

namespace wexa {
namespace {

// A run leaves the normal deviate unworked for kinds that do not take it;
// for those, any deviate must give the same draw and take nothing more from
// the source. For the two that take it, a different deviate must show.
TEST(TakesNormalDeviateTest, KindsThatDoNotTakeItIgnoreAnyDeviate) {
    for (const Int32 kind : std::initializer_list<Int32>{kNormal, kTruncatedNormal, kUniform,
                                                         kTriangular, kDeterministic, 7}) {
        SCOPED_TRACE(kind);
        const InputDistribution d{kind, 2.0, 4.0, 6.0};
        for (const double u : {0.01, 0.5, 0.99}) {
            RandomSource first(99);
            RandomSource second(99);
            const double atZero = DrawFromDistribution(d, u, 0.0, first);
            const double atOther = DrawFromDistribution(d, u, 1.25, second);
            if (TakesNormalDeviate(kind)) {
                EXPECT_NE(atZero, atOther);
            } else {
                EXPECT_EQ(atZero, atOther);
                EXPECT_EQ(first.State(), second.State());
            }
        }
    }
}

} // namespace
} // namespace wexa
