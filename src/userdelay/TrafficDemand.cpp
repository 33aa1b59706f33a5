#include "userdelay/TrafficDemand.h"

#include "model/Conversions.h"
#include "model/PortableMath.h"
#include "model/RoundValue.h"

#include <cmath>
#include <cstdint>

namespace wexa {

namespace {

// Rounded to whole units, then truncated toward zero with saturation.
[[nodiscard]] int RoundToWhole(double value) {
    return TruncateToInt32(Rounded(value, 0));
}

// Whole days of `perDay` hours needed for `hours`, a started day counting
// whole. Both operands are 64-bit so that adding the mobilization time to the
// required hours cannot overflow.
[[nodiscard]] int WholeDaysFor(std::int64_t hours, std::int64_t perDay) {
    if (perDay <= 0) {
        return 0;
    }
    std::int64_t days = hours / perDay;
    if (hours % perDay != 0) {
        ++days;
    }
    return SaturateToInt32(days);
}

} // namespace

int GrowAadt(int baseAadt, double percentTrucks, double percentCU, double percentSU, int years,
             double growthRate, int maximumAadt) {
    const double factor = Pow(1.0 + growthRate * 0.01, static_cast<double>(years));
    const double aadt = baseAadt;
    double grown = factor * aadt * ((100.0 - percentTrucks) * 0.01) +
                   factor * aadt * (percentCU * 0.01) + factor * aadt * (percentSU * 0.01);
    // A growth rate of -1e26 % raises a negative base to an odd power past
    // the double range: -infinity, which rounding turns into NaN. Neither is
    // traffic, so it must not pass as the cap below.
    if (!std::isfinite(grown)) {
        return kNoFiniteAadt;
    }
    RoundValue(grown, 0);
    // Capping before narrowing keeps a huge growth from saturating at the
    // 32-bit limit instead of the cap.
    if (!(grown <= maximumAadt)) {
        return maximumAadt;
    }
    return TruncateToInt32(grown);
}

void SplitHourlyVolumes(int aadt, const HourlyPercents& aadtPercent,
                        const HourlyPercents& inboundPercent, const HourlyPercents& outboundPercent,
                        HourlyVolumes& inboundVolume, HourlyVolumes& outboundVolume) {
    const double total = aadt;
    for (int h = 0; h < kHoursPerDay; ++h) {
        const double hourShare = aadtPercent[h] * 0.01;
        inboundVolume[h] = RoundToWhole(total * ((inboundPercent[h] * 0.01) * hourShare));
        outboundVolume[h] = RoundToWhole(total * ((outboundPercent[h] * 0.01) * hourShare));
    }
}

WorkZoneCapacities ComputeWorkZoneCapacities(int workZoneLanes, double workZoneCapacityPerLane,
                                             double dissipationCapacityPerLane,
                                             int lanesPerDirection) {
    return WorkZoneCapacities{
        RoundToWhole(workZoneLanes * workZoneCapacityPerLane),
        RoundToWhole(lanesPerDirection * dissipationCapacityPerLane),
    };
}

int ComputeDaysToComplete(int requiredHours, int hoursPerDay, int mobilizationHours) {
    if (hoursPerDay >= kHoursPerDay) {
        return WholeDaysFor(std::int64_t{requiredHours} + mobilizationHours, hoursPerDay);
    }
    return WholeDaysFor(requiredHours, std::int64_t{hoursPerDay} - mobilizationHours);
}

} // namespace wexa
