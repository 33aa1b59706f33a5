#include "simulation/AnnualCost.h"

#include "model/Conversions.h"
#include "simulation/ProjectChecks.h"

#include <cmath>

namespace wexa {

std::optional<double> EquivalentUniformAnnualCost(double npv, double ratePercent, int years) {
    if (years <= 0 || !(ratePercent > kLowestDiscountRate)) {
        return std::nullopt;
    }
    const double n = years;
    const double i = ratePercent * 0.01;
    const double growth = std::pow(1.0 + i, n);
    const double euac = growth == 1.0 ? npv / n : npv * i * growth / (growth - 1.0);
    if (!FitsInInt64(euac)) {
        return std::nullopt;
    }
    // A zero NPV at a negative rate gives −0, which compares equal to +0 but
    // prints as "-0": the sum with +0 makes every zero the same.
    return euac + 0.0;
}

} // namespace wexa
