#include "simulation/WorkZoneDays.h"

#include "userdelay/TrafficDemand.h"

#include <bit>
#include <cstdint>

namespace wexa {
namespace {

[[nodiscard]] bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

[[nodiscard]] bool SameScenario(const QueueScenario& a, const QueueScenario& b) {
    return SameBits(a.ServiceFlowRate, b.ServiceFlowRate) &&
           a.WorkZoneCapacity == b.WorkZoneCapacity &&
           a.DissipationCapacity == b.DissipationCapacity && a.UpstreamSpeed == b.UpstreamSpeed;
}

[[nodiscard]] bool SameInputs(const UserCostInputs& a, const UserCostInputs& b) {
    return SameBits(a.PercentSUTrucks, b.PercentSUTrucks) &&
           SameBits(a.PercentCUTrucks, b.PercentCUTrucks) && a.UpstreamSpeed == b.UpstreamSpeed &&
           a.WorkZoneSpeed == b.WorkZoneSpeed &&
           SameBits(a.AddedTimePerVehicle, b.AddedTimePerVehicle) && a.Days == b.Days &&
           SameBits(a.InboundPercent, b.InboundPercent) &&
           SameBits(a.OutboundPercent, b.OutboundPercent);
}

} // namespace

WorkZoneDay WorkZoneDayOf(const Project& p, int slot) {
    const WorkZoneCapacities capacities =
        ComputeWorkZoneCapacities(p.ActivityWorkZoneLanes[slot], p.ActivityWorkZoneCapacity[slot],
                                  p.ActivityDissipationCapacity[slot], p.NumberOfLanes);
    WorkZoneDay day;
    day.Scenario = {p.ServiceFlowRate, capacities.WorkZone, capacities.Dissipation,
                    p.PostedSpeedLimit};
    day.StartHour = p.ActivityStartHour[slot];
    day.StopHour = p.ActivityStopHour[slot];
    day.Inputs = {p.PercentSUTrucks,
                  p.PercentCUTrucks,
                  p.PostedSpeedLimit,
                  p.ActivityWorkZoneSpeed[slot],
                  WorkZoneAddedTimePerVehicle(p.ActivityWorkZoneLength[slot],
                                              p.ActivityWorkZoneSpeed[slot], p.PostedSpeedLimit),
                  0,
                  p.ActivityInboundPercent[slot],
                  p.ActivityOutboundPercent[slot]};
    return day;
}

ActivityWorkZoneDays WorkZoneDaysOf(const Project& project) {
    ActivityWorkZoneDays days;
    std::array<bool, kActivitySlots> priced{};
    for (int slot = 0; slot < kActivitySlots; ++slot) {
        days.SharedSlot[slot] = slot;
        // Slots beyond the alternatives' activities may hold anything; they
        // are never priced, so nothing is worked out from them.
        const int alternative = slot / kActivitiesPerAlternative;
        priced[slot] =
            alternative < project.NumberOfAlternatives &&
            slot % kActivitiesPerAlternative < project.AlternativeActivityCount[alternative] &&
            project.ActivityUserCostModes[slot] == kIncludeUserCosts;
        if (!priced[slot]) {
            continue;
        }
        ++days.PricedSlots;
        days.Days[slot] = WorkZoneDayOf(project, slot);
        for (int earlier = 0; earlier < slot; ++earlier) {
            if (priced[earlier] && SameWorkZoneDay(days.Days[earlier], days.Days[slot])) {
                days.SharedSlot[slot] = earlier;
                break;
            }
        }
    }
    return days;
}

bool SameWorkZoneDay(const WorkZoneDay& a, const WorkZoneDay& b) {
    return SameScenario(a.Scenario, b.Scenario) && a.StartHour == b.StartHour &&
           a.StopHour == b.StopHour && SameInputs(a.Inputs, b.Inputs);
}

} // namespace wexa
