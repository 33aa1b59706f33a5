#include "simulation/PerYearMemo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>

namespace wexa {
namespace {

// Discount factors of random rates over whole, part, negative, far and
// missing years: each is what pow gives for this iteration's rate, and a
// whole year of the table is worked out once an iteration.
TEST(PerYearMemo, GivesThisIterationsFigureAndWorksEachYearOutOnce) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> rate(-5.0, 12.0);
    std::uniform_int_distribution<int> whole(0, 140);
    auto memo = std::make_unique<PerYearMemo<double>>();
    const double odd[] = {2.5, -1.0, 1e9, std::numeric_limits<double>::quiet_NaN()};
    for (int iteration = 0; iteration < 200; ++iteration) {
        memo->Forget();
        const double r = rate(random);
        int computed = 0;
        for (int k = 0; k < 60; ++k) {
            const double year = k % 6 == 5 ? odd[k % 4] : whole(random);
            const double direct = std::pow(1.0 + r * 0.01, year);
            const double found = memo->Get(year, [&] {
                ++computed;
                return std::pow(1.0 + r * 0.01, year);
            });
            if (std::isnan(direct)) {
                EXPECT_TRUE(std::isnan(found));
            } else {
                ASSERT_EQ(found, direct) << year;
            }
        }
        EXPECT_LT(computed, 60); // whole years met twice were found
    }
}

} // namespace
} // namespace wexa
