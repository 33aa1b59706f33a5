#pragma once

#include <optional>

namespace wexa {

// The equivalent uniform annual cost of a net present value: the payment at
// the end of each of `years` years whose present value at the given rate is
// the NPV,
//
//     EUAC = NPV × i(1+i)^n / ((1+i)^n − 1),   i = rate × 0.01, n = years,
//
// evaluated left to right, (1+i)^n once; NPV / n when the rate is 0 or so
// close to 0 that (1+i)^n comes out as 1 (the formula's limit there).
//
// No result when there is none to give: `years` of 0 or less, a rate of
// −100 % or less (the discount factor is then 0 or flips its sign year by
// year), a rate that is not a number, or an EUAC that comes out beyond the
// 64-bit whole-dollar range the NPVs themselves are held in (a rate of
// thousands of percent on a large NPV). A zero EUAC is +0, never −0.
[[nodiscard]] std::optional<double> EquivalentUniformAnnualCost(double npv, double ratePercent,
                                                                int years);

} // namespace wexa
