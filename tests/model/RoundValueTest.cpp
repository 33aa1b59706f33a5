#include "model/RoundValue.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

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

namespace wexa {
namespace {

// The rule as first written: every digit from std::floor, the value rebuilt
// from all of them. The program computes the same bits by a shorter road;
// this keeps the two in step.
double RoundedByTheLetter(double x, int mode) {
    const double k = std::floor(x * 0.001);
    const double hundreds = std::floor(x * 0.01) - 10.0 * k;
    const double tens = std::floor(x * 0.1) - 100.0 * k - 10.0 * hundreds;
    const double units = std::floor(x) - 10.0 * std::floor(x * 0.1);
    const double tenths = std::floor(x * 10.0) - 10.0 * std::floor(x);
    if (mode == 1) {
        const double hundredths = std::floor(x * 100.0) - 10.0 * std::floor(x * 10.0);
        const double thousandths = std::floor(x * 1000.0) - 10.0 * std::floor(x * 100.0);
        const double h = thousandths >= 5.0 ? hundredths + 1.0 : hundredths;
        return 1000.0 * k + 100.0 * hundreds + 10.0 * tens + units + 0.1 * tenths + 0.01 * h;
    }
    const double u = tenths >= 5.0 ? units + 1.0 : units;
    return 1000.0 * k + 100.0 * hundreds + 10.0 * tens + u;
}

using testing::Bits;

TEST(RoundValue, GivesTheSameBitsAsTheDigitByDigitRule) {
    std::vector<double> values{0.0,    -0.0,   0.5,     -0.5,      2.5,       -2.5,  1259.5,
                               1.235,  0.49,   999.95,  -999.95,   1e15,      -1e15, 1e300,
                               -1e300, 5e-324, -5e-324, 0.1 + 0.2, 123456.789};
    for (const double edge : {1125899906842624.0, 4503599627370496.0, 9007199254740992.0}) {
        for (const double value : {edge, std::nextafter(edge, 0.0), -edge}) {
            values.push_back(value);
            values.push_back(value + 0.5);
        }
    }
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        // Magnitudes from 1e-3 to 1e17, both signs, with many near halves.
        const double magnitude =
            std::pow(10.0, std::uniform_real_distribution<>(-3.0, 17.0)(random));
        const double sign = (random() & 1) != 0 ? -1.0 : 1.0;
        values.push_back(sign * magnitude);
        values.push_back(std::floor(magnitude) + 0.5);
    }
    for (const double x : values) {
        for (const int mode : {0, 1}) {
            double rounded = x;
            RoundValue(rounded, mode);
            ASSERT_EQ(Bits(rounded), Bits(RoundedByTheLetter(x, mode)))
                << "x = " << x << ", mode " << mode;
        }
    }
    double nan = std::numeric_limits<double>::quiet_NaN();
    RoundValue(nan, 0);
    EXPECT_TRUE(std::isnan(nan));
}

} // namespace
} // namespace wexa
