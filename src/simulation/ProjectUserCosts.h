#pragma once

#include "model/Project.h"
#include "userdelay/UserCostComponents.h"

namespace wexa {

// The project's cost-rate tables (added cost and time per 1000 stops, value of
// time, idling cost) arranged by vehicle class, as the cost components take
// them.
[[nodiscard]] UserCostRates UserCostRatesOf(const Project& project);

} // namespace wexa
