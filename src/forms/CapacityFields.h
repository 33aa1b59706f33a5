#pragma once

#include "model/Project.h"

namespace wexa::forms {

// Which input changed, which decides what RefreshCapacityFields recomputes
// besides the service flow rate.
enum class CapacityTrigger {
    // The number of lanes or one of the factors: the maximum service flow
    // rate is rounded to whole units after the product has been formed.
    LanesOrFactors,
    // The truck share, the truck equivalency factor or the terrain: the
    // heavy vehicle factor is recomputed first (and not rounded).
    TruckMix,
};

// ServiceFlowRate = lanes x heavy vehicle x lane width x recreational vehicle
// x maximum service flow rate, rounded to whole vehicles.
void RefreshCapacityFields(Project& project, CapacityTrigger trigger);

// The terrain list: Level, Rolling and Mountainous set the truck equivalency
// factor to 1.5, 3 and 6 and refresh the capacities; no selection leaves the
// factor as it is.
void ApplyTerrain(Project& project);

} // namespace wexa::forms
