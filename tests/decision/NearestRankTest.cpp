#include "decision/NearestRank.h"

#include "simulation/NamedCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace wexa {
namespace {

struct RankCase {
    const char* name;
    int percentile;
    int count;
    int position;
};

class NearestRankPositionTest : public ::testing::TestWithParam<RankCase> {};

TEST_P(NearestRankPositionTest, IsTheCeilingOfPTimesNOverAHundred) {
    const RankCase& c = GetParam();
    EXPECT_EQ(NearestRankPosition(c.percentile, c.count), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NearestRankPositionTest,
    ::testing::Values(
        // One value is every percentile.
        RankCase{"OneValueAtP1", 1, 1, 1}, RankCase{"OneValueAtP100", 100, 1, 1},
        RankCase{"TenthOfTen", 10, 10, 1}, RankCase{"TenthOfEleven", 10, 11, 2},
        RankCase{"ThirtyThirdOfThree", 33, 3, 1}, RankCase{"ThirtyFourthOfThree", 34, 3, 2},
        // 0.07 × 100 is 7.000000000000001 in doubles, whose ceiling is 8.
        RankCase{"SeventhOfAHundred", 7, 100, 7}, RankCase{"FirstOf5000", 1, 5000, 50},
        RankCase{"MedianOf5000", 50, 5000, 2500}, RankCase{"NinetiethOf5000", 90, 5000, 4500},
        RankCase{"HundredthOf5000", 100, 5000, 5000},
        // Outside 1..100 the percentile is clamped; without values there is no position.
        RankCase{"ZeroIsFirst", 0, 10, 1}, RankCase{"NegativeIsFirst", -5, 10, 1},
        RankCase{"PastHundredIsLast", 101, 10, 10}, RankCase{"NoValues", 50, 0, 0},
        RankCase{"NegativeCount", 50, -3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueAtNearestRank, MatchesTheFullySortedValueAtEveryPercentile) {
    for (const int count : {1, 2, 3, 7, 10, 101}) {
        // Duplicates, negatives and an unsorted start.
        std::vector<std::int64_t> values;
        for (int k = 0; k < count; ++k) {
            values.push_back((k * 37 % 11) - 5);
        }
        std::vector<std::int64_t> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        for (int p = 1; p <= 100; ++p) {
            std::vector<std::int64_t> work = values;
            const auto at = ValueAtNearestRank<std::int64_t>(work, p);
            ASSERT_TRUE(at.has_value());
            const std::size_t position = (static_cast<std::size_t>(p * count) + 99) / 100;
            EXPECT_EQ(*at, sorted[position - 1]) << "p " << p << " of " << count;
        }
    }
    std::vector<double> none;
    EXPECT_FALSE(ValueAtNearestRank<double>(none, 50).has_value());
}

TEST(SummarizeInPlace, PercentilesByNearestRankAndTheMeanInTheOrderGiven) {
    std::vector<double> ten{9, -3, 7, 1, 5, 3, -1, 8, 6, 2};
    const auto spread = SummarizeInPlace(ten);
    ASSERT_TRUE(spread.has_value());
    EXPECT_EQ(spread->P10, -3.0); // position 1
    EXPECT_EQ(spread->P50, 3.0);  // position 5
    EXPECT_EQ(spread->P90, 8.0);  // position 9
    EXPECT_EQ(spread->Mean, 3.7);

    // Summed in this order the ones survive (1e16 + 1 rounds back to 1e16,
    // then -1e16 cancels it and the last 1 stays); summed in sorted order
    // they would both be lost.
    std::vector<double> order{1e16, 1.0, -1e16, 1.0};
    EXPECT_EQ(SummarizeInPlace(order)->Mean, 0.25);

    std::vector<double> one{-42.5};
    const auto single = SummarizeInPlace(one);
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(single->Mean, -42.5);
    EXPECT_EQ(single->P10, -42.5);
    EXPECT_EQ(single->P50, -42.5);
    EXPECT_EQ(single->P90, -42.5);

    std::vector<double> none;
    EXPECT_FALSE(SummarizeInPlace(none).has_value());
}

// The mirrored spread is the spread of the negated values, to the bit, and
// its zeros are +0 like the others.
TEST(SummarizeBothWaysInPlace, MirrorIsTheSpreadOfTheNegatedValues) {
    for (const int count : {1, 2, 3, 6, 10, 11, 999}) {
        std::vector<double> values;
        for (int k = 0; k < count; ++k) {
            values.push_back(static_cast<double>((k * 7919) % 13 - 6) * 0.1);
        }
        std::vector<double> negated;
        for (const double value : values) {
            negated.push_back(-value + 0.0);
        }
        std::vector<double> plain = values;
        const auto expected = SummarizeInPlace(plain);
        const auto expectedNegated = SummarizeInPlace(negated);
        const auto both = SummarizeBothWaysInPlace(values);
        ASSERT_TRUE(both.has_value());
        for (const auto& [got, want] :
             {std::pair{both->Values, *expected}, std::pair{both->Negated, *expectedNegated}}) {
            EXPECT_EQ(got.Mean, want.Mean) << count;
            EXPECT_EQ(got.P10, want.P10) << count;
            EXPECT_EQ(got.P50, want.P50) << count;
            EXPECT_EQ(got.P90, want.P90) << count;
        }
    }
    std::vector<double> zeros{0.0, 0.0, 5.0};
    const auto both = SummarizeBothWaysInPlace(zeros);
    EXPECT_FALSE(std::signbit(both->Negated.P90));
    EXPECT_FALSE(std::signbit(both->Negated.P50));
    std::vector<double> none;
    EXPECT_FALSE(SummarizeBothWaysInPlace(none).has_value());
}

} // namespace
} // namespace wexa
