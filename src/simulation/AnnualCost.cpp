#include "simulation/AnnualCost.h"

#include "model/PortableMath.h"
#include "simulation/ProjectChecks.h"

#include <cmath>

namespace wexa {

std::optional<AnnualCostFactor> AnnualCostFactor::At(double ratePercent, int years) {
    if (years <= 0 || !(ratePercent > kLowestDiscountRate)) {
        return std::nullopt;
    }
    const double n = years;
    const double i = ratePercent * 0.01;
    const double growth = Pow(1.0 + i, n);
    if (growth == 1.0) {
        return AnnualCostFactor(true, 0.0, n);
    }
    const double factor = i * growth / (growth - 1.0);
    if (!std::isfinite(factor)) {
        return std::nullopt;
    }
    return AnnualCostFactor(false, factor, n);
}

std::optional<double> EquivalentUniformAnnualCost(double npv, double ratePercent, int years) {
    const auto factor = AnnualCostFactor::At(ratePercent, years);
    return factor ? factor->Of(npv) : std::nullopt;
}

} // namespace wexa
