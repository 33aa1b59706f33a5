#include "model/RoundValue.h"

#include <gtest/gtest.h>

namespace wexa {
namespace {

struct RoundCase {
    double input;
    int mode;
    double expected;
};

class RoundValueTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundValueTest, DecidesOnFirstDroppedDigitWithHalvesUp) {
    const RoundCase& c = GetParam();
    double value = c.input;
    RoundValue(value, c.mode);
    EXPECT_EQ(value, c.expected) << "input " << c.input << " mode " << c.mode;
}

INSTANTIATE_TEST_SUITE_P(WholeUnits, RoundValueTest,
                         ::testing::Values(RoundCase{2.5, 0, 3.0}, RoundCase{2.4999, 0, 2.0},
                                           RoundCase{-2.5, 0, -2.0}, RoundCase{-2.6, 0, -3.0},
                                           RoundCase{1259.5, 0, 1260.0}, RoundCase{0.49, 0, 0.0},
                                           RoundCase{2095.0, 0, 2095.0},
                                           RoundCase{123456.7, 0, 123457.0},
                                           // Any mode other than 1 rounds to whole units.
                                           RoundCase{2.5, 7, 3.0}, RoundCase{2.5, -1, 3.0}));

INSTANTIATE_TEST_SUITE_P(
    TwoDecimals, RoundValueTest,
    ::testing::Values(RoundCase{1.2349, 1, 1.23}, RoundCase{0.0, 1, 0.0},
                      RoundCase{1443.54, 1, 1000.0 + 400.0 + 40.0 + 3.0 + 0.1 * 5.0 + 0.01 * 4.0}));

TEST(RoundValue, TwoDecimalsRoundsTheThirdDecimalUp) {
    // 1.235 is stored as 1.2350000000000000977, so the third decimal reads 5.
    double value = 1.235;
    RoundValue(value, 1);
    EXPECT_DOUBLE_EQ(value, 1.24);
}

TEST(RoundValue, ValueJustBelowAHalfIsNotCompensated) {
    double value = 2.4999999999999996;
    RoundValue(value, 0);
    EXPECT_EQ(value, 2.0);
}

} // namespace
} // namespace wexa
