#pragma once

#include "model/Project.h"

namespace wexa {

// The rates the user cost components price speed changes, stops and idling
// with: added time (hours) and added running cost (dollars) per 1000 stops,
// row k for an initial speed of 5k mph, and the idling cost per
// vehicle-hour, each for passenger cars, single unit trucks and combination
// trucks. The dialog that edits them works on one of these, copied from the
// project and copied back on OK.
struct AddedTimeCostTable {
    SpeedTable AddedTimePassengerCar{};
    SpeedTable AddedTimeSingleUnitTruck{};
    SpeedTable AddedTimeCombinationTruck{};
    SpeedTable AddedCostPassengerCar{};
    SpeedTable AddedCostSingleUnitTruck{};
    SpeedTable AddedCostCombinationTruck{};
    double IdlingCostPassengerCar = 0.0;
    double IdlingCostSingleUnitTruck = 0.0;
    double IdlingCostCombinationTruck = 0.0;

    // The values the program ships with (LoadDefaultAddedTimeCosts).
    [[nodiscard]] static AddedTimeCostTable Defaults();
    [[nodiscard]] static AddedTimeCostTable CopyOf(const Project& project);
    void CopyInto(Project& project) const;

    friend bool operator==(const AddedTimeCostTable&, const AddedTimeCostTable&) = default;
};

// The value of time, dollars per vehicle-hour, of the three vehicle classes.
struct DelayCostRates {
    double DelayRatePassengerCar = 0.0;
    double DelayRateSingleUnitTruck = 0.0;
    double DelayRateCombinationTruck = 0.0;

    // The values the program ships with (LoadDefaultDelayCostRates).
    [[nodiscard]] static DelayCostRates Defaults();
    [[nodiscard]] static DelayCostRates CopyOf(const Project& project);
    void CopyInto(Project& project) const;

    friend bool operator==(const DelayCostRates&, const DelayCostRates&) = default;
};

} // namespace wexa
