#include "model/RoundValue.h"

#include <cmath>
#include <cstdint>

namespace wexa {
namespace {

// The same value as std::floor for every input, without the library call the
// compiler emits for std::floor on baseline x86-64: the rule runs for every
// hourly volume of every evaluation, so this is on the hot path of a run.
inline double Floor(double x) {
    constexpr double kWholeFrom = 4503599627370496.0; // 2^52: every larger double is whole
    if (x == 0.0 || !(std::fabs(x) < kWholeFrom)) {
        return x; // keeps the sign of a zero, infinities and NaN, as std::floor does
    }
    const double truncated = static_cast<double>(static_cast<std::int64_t>(x));
    return truncated > x ? truncated - 1.0 : truncated;
}

// The decimal digits above the units rebuild the whole part exactly:
// 1000 K + 100 (F2 - 10 K) + 10 (F1 - 100 K - 10 H) + (F0 - 10 F1) is F0, the
// floor of x, whatever K, F2 and F1 are. While every term is a whole number
// below 2^53 the doubles add up without rounding, so for such values the
// rebuilt sum is floor(x) to the bit, and only the digits below the units,
// which decide the rounding, need computing. Larger values and NaN take the
// whole rule.
constexpr double kExactlyRebuilt = 1125899906842624.0; // 2^50

double RebuildWholePart(double x) {
    const double thousandsAndAbove = Floor(x * 0.001);
    const double hundreds = Floor(x * 0.01) - 10.0 * thousandsAndAbove;
    const double tens = Floor(x * 0.1) - 100.0 * thousandsAndAbove - 10.0 * hundreds;
    const double units = Floor(x) - 10.0 * Floor(x * 0.1);
    return 1000.0 * thousandsAndAbove + 100.0 * hundreds + 10.0 * tens + units;
}

double WholePart(double x) {
    return std::fabs(x) < kExactlyRebuilt ? Floor(x) : RebuildWholePart(x);
}

} // namespace

void RoundValueByDigits(double& value, int mode) {
    const double x = value;
    const double whole = WholePart(x);
    const double tenths = Floor(x * 10.0) - 10.0 * Floor(x);

    if (mode == 1) {
        const double hundredths = Floor(x * 100.0) - 10.0 * Floor(x * 10.0);
        const double thousandths = Floor(x * 1000.0) - 10.0 * Floor(x * 100.0);
        const double keptHundredths = thousandths >= 5.0 ? hundredths + 1.0 : hundredths;
        value = whole + 0.1 * tenths + 0.01 * keptHundredths;
        return;
    }
    value = whole + (tenths >= 5.0 ? 1.0 : 0.0);
}

} // namespace wexa
