#pragma once

namespace wexa {

// The program's one rounding operation. It takes the value apart into decimal
// digits with floor() and multiplies (never divides) by the constants 0.001 ..
// 1000, then rebuilds it, deciding on the first dropped digit alone; halves go
// up, toward positive infinity, also for negative values. Every floor result
// stays a double, so the outcome is the same bits on every build.
//
// Mode 1 rounds to two decimals; every other mode rounds to whole units.
void RoundValue(double& value, int mode);

// Convenience for expressions: returns the rounded copy.
[[nodiscard]] inline double Rounded(double value, int mode) {
    RoundValue(value, mode);
    return value;
}

} // namespace wexa
