#include "simulation/AnnualCost.h"
#include "model/PortableMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wexa {
namespace {

// Worked by hand: at 10 % over 2 years, (1.1)^2 = 1.21, so the factor is
// 0.1 × 1.21 / 0.21 = 0.121 / 0.21 = 0.5761904..., and $2100 a present
// value of 2100 × 0.121 / 0.21 = $1210 a year. Check: 1210 / 1.1 + 1210 / 1.21
// = 1100 + 1000 = 2100. The double arithmetic may be an ulp or two off.
TEST(EquivalentUniformAnnualCost, HandWorkedTenPercentOverTwoYears) {
    const auto euac = EquivalentUniformAnnualCost(2100.0, 10.0, 2);
    ASSERT_TRUE(euac.has_value());
    EXPECT_NEAR(*euac, 1210.0, 1e-9);
}

// Rates whose factors are exact in binary give exact results.
TEST(EquivalentUniformAnnualCost, ExactCases) {
    // 100 % over one year: 1 × 2 / 1 = 2.
    EXPECT_EQ(EquivalentUniformAnnualCost(750.0, 100.0, 1), 1500.0);
    // -50 % over one year: -0.5 × 0.5 / -0.5 = 0.5; $50 paid after a year
    // in which money halves is worth $100 now.
    EXPECT_EQ(EquivalentUniformAnnualCost(100.0, -50.0, 1), 50.0);
    // Without interest the NPV is spread evenly.
    EXPECT_EQ(EquivalentUniformAnnualCost(3000.0, 0.0, 30), 100.0);
    EXPECT_EQ(EquivalentUniformAnnualCost(-3000.0, -0.0, 30), -100.0);
    // So close to 0 that (1 + i)^n is 1: the limit, not 0 / 0.
    EXPECT_EQ(EquivalentUniformAnnualCost(3000.0, 1e-18, 30), 100.0);
    // So close to -100 % that (1 + i)^n is 0: a factor of 0, not an even spread.
    EXPECT_EQ(EquivalentUniformAnnualCost(3000.0, -99.999, 300), 0.0);
}

// The EUAC paid at the end of each of n years, discounted back, gives the NPV.
TEST(EquivalentUniformAnnualCost, PresentValueOfThePaymentsIsTheNpv) {
    for (const double rate : {3.0, 7.5, -20.0, 250.0}) {
        for (const int years : {1, 5, 35}) {
            const double npv = 12'345'678.0;
            const auto euac = EquivalentUniformAnnualCost(npv, rate, years);
            ASSERT_TRUE(euac.has_value()) << rate << " % over " << years;
            double present = 0.0;
            for (int k = 1; k <= years; ++k) {
                present += *euac / Pow(1.0 + rate * 0.01, k);
            }
            EXPECT_NEAR(present / npv, 1.0, 1e-12) << rate << " % over " << years;
        }
    }
}

TEST(EquivalentUniformAnnualCost, NoResultWhereThereIsNone) {
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, 5.0, 0).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, 5.0, -3).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, -100.0, 10).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, -150.0, 10).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, kNan, 10).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(1000.0, kInf, 10).has_value());
    // Beyond the whole-dollar range of the NPVs: a huge NPV at 1000 %.
    EXPECT_FALSE(EquivalentUniformAnnualCost(9e18, 1000.0, 10).has_value());
    // Nor at 2^53 dollars, where whole dollars stop being exact; just below
    // there is one.
    EXPECT_FALSE(EquivalentUniformAnnualCost(9007199254740992.0, 0.0, 1).has_value());
    EXPECT_FALSE(EquivalentUniformAnnualCost(-9007199254740992.0, 0.0, 1).has_value());
    EXPECT_TRUE(EquivalentUniformAnnualCost(9007199254740991.0, 0.0, 1).has_value());
    // Just above -100 % there still is one.
    EXPECT_TRUE(EquivalentUniformAnnualCost(1000.0, -99.0, 10).has_value());
}

TEST(EquivalentUniformAnnualCost, ZeroIsPositiveZero) {
    const auto euac = EquivalentUniformAnnualCost(0.0, -40.0, 5);
    ASSERT_TRUE(euac.has_value());
    EXPECT_EQ(*euac, 0.0);
    EXPECT_FALSE(std::signbit(*euac));
}

} // namespace
} // namespace wexa
