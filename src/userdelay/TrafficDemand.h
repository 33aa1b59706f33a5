#pragma once

#include "model/Capacities.h"

#include <array>
#include <limits>

namespace wexa {

// One typical day of the activity year, hour by hour; index h is the hour
// that starts at h:00.
inline constexpr int kHoursPerDay = kHours;

using HourlyPercents = std::array<double, kHoursPerDay>;
using HourlyVolumes = std::array<int, kHoursPerDay>;

// What GrowAadt gives for traffic that grows to no finite number; below 0,
// like the AADT of a shrinking traffic that overshoots, and refused with it.
inline constexpr int kNoFiniteAadt = std::numeric_limits<int>::min();

// The two-way AADT of the activity year: the base AADT grown for `years` at
// `growthRate` percent a year, summed class by class (cars, then combination,
// then single-unit trucks), rounded to whole vehicles and capped at
// `maximumAadt`; a finite AADT beyond the 32-bit range saturates to the cap.
// A sum that is not finite (a power that overflows, infinities of opposite
// signs meeting as NaN) is no traffic at all: it gives kNoFiniteAadt, which
// callers refuse as they refuse an AADT below 0.
[[nodiscard]] int GrowAadt(int baseAadt, double percentTrucks, double percentCU, double percentSU,
                           int years, double growthRate, int maximumAadt);

// Demand of each hour in each direction: the AADT times the direction's share
// of the hour times the hour's share of the day, rounded to whole vehicles.
// Each direction has its own percentage, so the two need not add up to the
// hour's total.
void SplitHourlyVolumes(int aadt, const HourlyPercents& aadtPercent,
                        const HourlyPercents& inboundPercent, const HourlyPercents& outboundPercent,
                        HourlyVolumes& inboundVolume, HourlyVolumes& outboundVolume);

struct WorkZoneCapacities {
    int WorkZone = 0;    // vehicles/hour through the open work-zone lanes
    int Dissipation = 0; // vehicles/hour a standing queue discharges outside the work zone
};

// A dissipating queue uses every lane of the direction, so the dissipation
// capacity is per direction lane, not per work-zone lane.
[[nodiscard]] WorkZoneCapacities ComputeWorkZoneCapacities(int workZoneLanes,
                                                           double workZoneCapacityPerLane,
                                                           double dissipationCapacityPerLane,
                                                           int lanesPerDirection);

// Days the work zone stays in place. Around the clock (24 hours or more a day)
// the mobilization time is added once to the job; otherwise it is taken out of
// every day. A part day counts as a whole one. When the productive hours per
// day are 0 or fewer (only possible from unchecked stored data) there is
// nothing to divide by and the result is 0.
[[nodiscard]] int ComputeDaysToComplete(int requiredHours, int hoursPerDay, int mobilizationHours);

} // namespace wexa
