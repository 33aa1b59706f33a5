#pragma once

#include "model/Conversions.h"

#include <optional>

namespace wexa {

// What turns a net present value into its equivalent uniform annual cost:
// the payment at the end of each of n years whose present value at the
// discount rate is the NPV,
//
//     EUAC = NPV × (i(1+i)^n / ((1+i)^n − 1)),   i = rate × 0.01,
//
// the factor in brackets worked out once per rate, left to right, (1+i)^n
// once; EUAC = NPV / n when the rate is 0, or so close to 0 that (1+i)^n
// comes out as 1 (the factor's limit there, rather than 0 / 0). One factor
// serves every alternative and kind of cost of an iteration, so a
// comparison raises each iteration's rate to the n-th power only once.
class AnnualCostFactor {
public:
    // No factor when there is no EUAC to give: `years` of 0 or less, or a
    // rate of −100 % or less (the discount factor is then 0 or flips its
    // sign year by year), or not a number, or one whose factor is not finite.
    [[nodiscard]] static std::optional<AnnualCostFactor> At(double ratePercent, int years);

    // The EUAC of `npv`; nothing when it comes out beyond the exact
    // whole-dollar range the NPVs themselves are held in (2^53) (a rate of
    // thousands of percent on a large NPV). A zero EUAC is +0, never −0.
    [[nodiscard]] std::optional<double> Of(double npv) const {
        const double euac = evenly_ ? npv / years_ : npv * factor_;
        if (!IsExactWholeRange(euac)) {
            return std::nullopt;
        }
        // A zero NPV at a negative rate gives −0, which compares equal to +0
        // but prints as "-0": the sum with +0 makes every zero the same.
        return euac + 0.0;
    }

private:
    AnnualCostFactor(bool evenly, double factor, double years)
        : evenly_(evenly), factor_(factor), years_(years) {}

    bool evenly_; // (1+i)^n is 1: NPV / n
    double factor_;
    double years_;
};

// The EUAC of one NPV at one rate: AnnualCostFactor::At(rate, years), then Of(npv).
[[nodiscard]] std::optional<double> EquivalentUniformAnnualCost(double npv, double ratePercent,
                                                                int years);

} // namespace wexa
