#include "forms/CapacityFields.h"

#include "model/RoundValue.h"

#include <array>

namespace wexa::forms {

namespace {

constexpr std::array<double, 3> kTruckEquivalencyByTerrain = {1.5, 3.0, 6.0};

} // namespace

void RefreshCapacityFields(Project& p, CapacityTrigger trigger) {
    if (trigger == CapacityTrigger::TruckMix) {
        p.HeavyVehicleFactor = 100.0 / ((p.TruckEquivalencyFactor - 1.0) * p.PercentTrucks + 100.0);
    }
    p.ServiceFlowRate = p.NumberOfLanes * p.HeavyVehicleFactor * p.LaneWidthFactor *
                        p.RecreationalVehicleFactor * p.MaxServiceFlowRate;
    RoundValue(p.ServiceFlowRate, 0);
    if (trigger == CapacityTrigger::LanesOrFactors) {
        RoundValue(p.MaxServiceFlowRate, 0);
    }
}

void ApplyTerrain(Project& p) {
    if (p.Terrain >= 0 && p.Terrain < static_cast<int>(kTruckEquivalencyByTerrain.size())) {
        p.TruckEquivalencyFactor = kTruckEquivalencyByTerrain[p.Terrain];
    }
    RefreshCapacityFields(p, CapacityTrigger::TruckMix);
}

} // namespace wexa::forms
