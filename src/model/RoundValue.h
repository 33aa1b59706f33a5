#pragma once

#include <cstdint>

namespace wexa {

// The program's one rounding operation. It takes the value apart into decimal
// digits with floor() and multiplies (never divides) by the constants 0.001 ..
// 1000, then rebuilds it, deciding on the first dropped digit alone; halves go
// up, toward positive infinity, also for negative values. Every floor result
// stays a double, so the outcome is the same bits on every build.
//
// Mode 1 rounds to two decimals; every other mode rounds to whole units.
void RoundValueByDigits(double& value, int mode);

inline void RoundValue(double& value, int mode) {
    // The common case, inline because every hourly volume of every evaluation
    // takes it: a whole-unit rounding of a value that is not negative. There
    // the digits rebuild floor(x) exactly (see RoundValueByDigits), and the
    // floor is the truncation, which one conversion gives.
    constexpr double kExactlyRebuilt = 1125899906842624.0; // 2^50
    const double x = value;
    if (mode != 1 && x >= 0.0 && x < kExactlyRebuilt) {
        const double whole = static_cast<double>(static_cast<std::int64_t>(x));
        const double tenths =
            static_cast<double>(static_cast<std::int64_t>(x * 10.0)) - 10.0 * whole;
        value = whole + (tenths >= 5.0 ? 1.0 : 0.0);
        return;
    }
    RoundValueByDigits(value, mode);
}

// Convenience for expressions: returns the rounded copy.
[[nodiscard]] inline double Rounded(double value, int mode) {
    RoundValue(value, mode);
    return value;
}

} // namespace wexa
