#pragma once

#include "userdelay/UserCostComponents.h"

namespace wexa {

// Rates that differ by class and by speed row, so that a class or a row read
// in the wrong place changes the result.
inline UserCostRates SampleRates() {
    UserCostRates rates;
    for (int c = 0; c < kVehicleClasses; ++c) {
        for (int row = 0; row < kSpeedRows; ++row) {
            rates.AddedCost[c][row] = (c + 1) * 10 + row;
            rates.AddedTime[c][row] = (c + 1) * 0.5 + row * 0.125;
        }
    }
    rates.DelayRate = {22.31, 18.54, 11.58};
    rates.IdlingCost = {1.5, 1.25, 0.75};
    return rates;
}

inline UserCostInputs SampleInputs() {
    UserCostInputs inputs;
    inputs.PercentSUTrucks = 4;
    inputs.PercentCUTrucks = 6;
    inputs.UpstreamSpeed = 55;
    inputs.WorkZoneSpeed = 40;
    inputs.AddedTimePerVehicle = WorkZoneAddedTimePerVehicle(1.5, 40, 55);
    inputs.Days = 12;
    inputs.InboundPercent = 100;
    inputs.OutboundPercent = 60;
    return inputs;
}

} // namespace wexa
