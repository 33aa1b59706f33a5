#include "model/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace wexa {
namespace {

constexpr double kTwoTo63 = 9223372036854775808.0; // 2^63, one past the largest int64

struct Edge {
    double value;
    bool fits;
};

class FitsInInt64Test : public ::testing::TestWithParam<Edge> {};

// A value fits exactly when truncating it neither saturates nor drops a NaN:
// -2^63 is the lowest int64 itself, 2^63 is one past the largest.
TEST_P(FitsInInt64Test, TellsWhetherTruncationKeepsTheValue) {
    const Edge edge = GetParam();
    EXPECT_EQ(FitsInInt64(edge.value), edge.fits) << edge.value;
    if (edge.fits) {
        EXPECT_EQ(TruncateToInt64(edge.value), static_cast<std::int64_t>(edge.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FitsInInt64Test,
    ::testing::Values(Edge{0.0, true}, Edge{-0.0, true}, Edge{1e18, true}, Edge{-1e18, true},
                      Edge{std::nextafter(kTwoTo63, 0.0), true}, Edge{kTwoTo63, false},
                      Edge{-kTwoTo63, true}, Edge{std::nextafter(-kTwoTo63, -1e300), false},
                      Edge{1e300, false}, Edge{std::numeric_limits<double>::infinity(), false},
                      Edge{-std::numeric_limits<double>::infinity(), false},
                      Edge{std::numeric_limits<double>::quiet_NaN(), false}));

} // namespace
} // namespace wexa
