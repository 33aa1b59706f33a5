#include "model/CostTables.h"

#include "model/BuiltInTables.h"

#include <tuple>

namespace wexa {

namespace {

// The project's fields and a table's, in one order, so that copying either
// way follows one list.
template <typename P> auto ProjectAddedTimeCosts(P& p) {
    return std::tie(
        p.AddedTimePassengerCar, p.AddedTimeSingleUnitTruck, p.AddedTimeCombinationTruck,
        p.AddedCostPassengerCar, p.AddedCostSingleUnitTruck, p.AddedCostCombinationTruck,
        p.IdlingCostPassengerCar, p.IdlingCostSingleUnitTruck, p.IdlingCostCombinationTruck);
}

template <typename P> auto ProjectDelayRates(P& p) {
    return std::tie(p.DelayRatePassengerCar, p.DelayRateSingleUnitTruck,
                    p.DelayRateCombinationTruck);
}

} // namespace

AddedTimeCostTable AddedTimeCostTable::Defaults() {
    return {kDefaultAddedTimePassengerCar,     kDefaultAddedTimeSingleUnitTruck,
            kDefaultAddedTimeCombinationTruck, kDefaultAddedCostPassengerCar,
            kDefaultAddedCostSingleUnitTruck,  kDefaultAddedCostCombinationTruck,
            kDefaultIdlingCostPassengerCar,    kDefaultIdlingCostSingleUnitTruck,
            kDefaultIdlingCostCombinationTruck};
}

AddedTimeCostTable AddedTimeCostTable::CopyOf(const Project& project) {
    AddedTimeCostTable table;
    ProjectAddedTimeCosts(table) = ProjectAddedTimeCosts(project);
    return table;
}

void AddedTimeCostTable::CopyInto(Project& project) const {
    ProjectAddedTimeCosts(project) = ProjectAddedTimeCosts(*this);
}

DelayCostRates DelayCostRates::Defaults() {
    return {kDefaultDelayRatePassengerCar, kDefaultDelayRateSingleUnitTruck,
            kDefaultDelayRateCombinationTruck};
}

DelayCostRates DelayCostRates::CopyOf(const Project& project) {
    DelayCostRates rates;
    ProjectDelayRates(rates) = ProjectDelayRates(project);
    return rates;
}

void DelayCostRates::CopyInto(Project& project) const {
    ProjectDelayRates(project) = ProjectDelayRates(*this);
}

} // namespace wexa
