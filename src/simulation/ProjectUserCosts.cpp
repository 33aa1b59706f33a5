#include "simulation/ProjectUserCosts.h"

namespace wexa {

static_assert(CombinationTruck == 0 && SingleUnitTruck == 1 && PassengerCar == 2,
              "the rows below are listed in class order");

UserCostRates UserCostRatesOf(const Project& project) {
    // Rows in VehicleClass order: combination, single-unit, passenger car.
    UserCostRates rates;
    rates.AddedCost = {project.AddedCostCombinationTruck, project.AddedCostSingleUnitTruck,
                       project.AddedCostPassengerCar};
    rates.AddedTime = {project.AddedTimeCombinationTruck, project.AddedTimeSingleUnitTruck,
                       project.AddedTimePassengerCar};
    rates.DelayRate = {project.DelayRateCombinationTruck, project.DelayRateSingleUnitTruck,
                       project.DelayRatePassengerCar};
    rates.IdlingCost = {project.IdlingCostCombinationTruck, project.IdlingCostSingleUnitTruck,
                        project.IdlingCostPassengerCar};
    return rates;
}

} // namespace wexa
