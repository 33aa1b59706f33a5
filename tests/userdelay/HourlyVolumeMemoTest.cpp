#include "userdelay/HourlyVolumeMemo.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace wexa {
namespace {

HourlyPercents RandomPercents(std::mt19937& random, double scale) {
    std::uniform_real_distribution<double> share(0.0, scale);
    HourlyPercents percents{};
    for (double& p : percents) {
        p = share(random);
    }
    return percents;
}

// Random AADTs, many sharing a place of the table, and new tables after a
// reset: every load is the split made afresh.
TEST(HourlyVolumeMemo, LoadsWhatASplitMakesAfresh) {
    std::mt19937 random(11);
    auto memo = std::make_unique<HourlyVolumeMemo>();
    std::uniform_int_distribution<int> aadt(0, 120000);
    for (int tables = 0; tables < 3; ++tables) {
        const HourlyPercents day = RandomPercents(random, 9.0);
        const HourlyPercents in = RandomPercents(random, 100.0);
        const HourlyPercents out = RandomPercents(random, 100.0);
        memo->Reset(day, in, out);
        std::vector<int> seen;
        for (int trial = 0; trial < 3000; ++trial) {
            // Half of the loads ask again for an AADT met before.
            const int a =
                trial % 2 == 1 && !seen.empty() ? seen[random() % seen.size()] : aadt(random);
            seen.push_back(a);
            HourlyVolumes memoIn{}, memoOut{}, freshIn{}, freshOut{};
            memo->Load(a, memoIn, memoOut);
            SplitHourlyVolumes(a, day, in, out, freshIn, freshOut);
            ASSERT_EQ(memoIn, freshIn) << a;
            ASSERT_EQ(memoOut, freshOut) << a;
        }
    }
}

} // namespace
} // namespace wexa
