#include "model/Project.h"

#include "model/CostTables.h"
#include "model/RoundValue.h"

namespace wexa {
namespace {

// Work-zone timing of an activity the user has not timed yet: a one-hour
// work zone from midnight, applied to both directions every day.
constexpr Int32 kDefaultStartHour = 0;
constexpr Int32 kDefaultStopHour = 1;
constexpr Int32 kDefaultHoursInEffect = 1;
constexpr double kDefaultDirectionPercent = 100.0;

constexpr double kOneLaneMaxServiceFlowRate = 2200.0;
constexpr double kMultiLaneMaxServiceFlowRate = 2300.0;

void FillOutbound(const BuiltInHourlyColumn& inbound, HourlyTable& outbound) {
    for (int hour = 0; hour < kHours; ++hour) {
        outbound[hour] = 100.0 - inbound[hour];
    }
}

} // namespace

Project::Project() {
    AlternativeDescriptions.fill(kDefaultItemDescription);
    ActivityDescriptions.fill(kDefaultItemDescription);
    BidItemDescriptions.fill(kDefaultItemDescription);
    TimeItemDescriptions.fill(kDefaultItemDescription);

    MaxServiceFlowRate =
        NumberOfLanes == 1 ? kOneLaneMaxServiceFlowRate : kMultiLaneMaxServiceFlowRate;
    RoundValue(MaxServiceFlowRate, 0);
    ServiceFlowRate = NumberOfLanes * HeavyVehicleFactor * LaneWidthFactor *
                      RecreationalVehicleFactor * MaxServiceFlowRate;
    RoundValue(ServiceFlowRate, 0);
    RoundValue(ProjectLength, 1);

    // Every slot starts as the form's copies start, so the copies already
    // agree with slot 0, the activity the form shows first.
    AlternativeActivityCount.fill(NumberOfActivities);
    ActivityUserCostModes.fill(ActivityUserCostMode);
    ActivityRequiredTime.fill(RequiredTime);
    ActivityTimeVariability.fill(RequiredTimeVariability);
    ActivityAgencyCostVariability.fill(AgencyCostVariability);
    ActivityWorkZoneLength.fill(WorkZoneLength);
    ActivityWorkZoneSpeed.fill(WorkZoneSpeedLimit);
    ActivityWorkZoneCapacity.fill(WorkZoneCapacity);
    ActivityDissipationCapacity.fill(WorkZoneDissipationCapacity);
    ActivityWorkZoneLanes.fill(WorkZoneLanes);
    ActivityStartHour.fill(kDefaultStartHour);
    ActivityStopHour.fill(kDefaultStopHour);
    ActivityHoursInEffect.fill(kDefaultHoursInEffect);
    ActivityInboundPercent.fill(kDefaultDirectionPercent);
    ActivityOutboundPercent.fill(kDefaultDirectionPercent);

    RuralAADTPercent = kRuralAADTPercent;
    RuralInboundPercent = kRuralInboundPercent;
    FillOutbound(kRuralInboundPercent, RuralOutboundPercent);
    UrbanAADTPercent = kUrbanAADTPercent;
    UrbanInboundPercent = kUrbanInboundPercent;
    FillOutbound(kUrbanInboundPercent, UrbanOutboundPercent);
    LoadBuiltInHourlyTable(*this, 0);

    CurrentActivityIndex = CurrentActivity + CurrentAlternative * 10 - 11;

    LoadDefaultDelayCostRates(*this);
    LoadDefaultAddedTimeCosts(*this);
}

void LoadBuiltInHourlyTable(Project& project, int trafficType) {
    if (trafficType == 0) {
        project.HourlyAADTPercent = project.RuralAADTPercent;
        project.HourlyInboundPercent = project.RuralInboundPercent;
        project.HourlyOutboundPercent = project.RuralOutboundPercent;
    } else if (trafficType == 1) {
        project.HourlyAADTPercent = project.UrbanAADTPercent;
        project.HourlyInboundPercent = project.UrbanInboundPercent;
        project.HourlyOutboundPercent = project.UrbanOutboundPercent;
    }
}

void LoadDefaultAddedTimeCosts(Project& project) {
    AddedTimeCostTable::Defaults().CopyInto(project);
}

void LoadDefaultDelayCostRates(Project& project) {
    DelayCostRates::Defaults().CopyInto(project);
}

} // namespace wexa
