#pragma once

#include "model/Project.h"

#include <array>
#include <memory>

namespace wexa::forms::testing {

// Alternative 2, activity 3 (slot 12): a slot other than 0, so that a mix-up
// of the numbers and the slot shows.
inline constexpr int kAlternative = 2;
inline constexpr int kActivity = 3;
inline constexpr int kSlot = ActivitySlot(kAlternative, kActivity);

using HourShares = std::array<double, kHours>;

// A project whose hourly demand is easy to reason about: the base AADT in
// year 0 (so no growth), half of each hour's traffic in each direction, the
// form showing alternative 2, activity 3, with its copies equal to the slot.
inline std::unique_ptr<Project> ProjectWithDemand(int aadt, const HourShares& percentOfDay) {
    auto p = std::make_unique<Project>();
    p->BaseYearAADT = aadt;
    p->MaximumAADT = 10'000'000;
    p->TrafficType = 2; // specific
    p->HourlyAADTPercent = percentOfDay;
    p->HourlyInboundPercent.fill(50.0);
    p->HourlyOutboundPercent.fill(50.0);
    p->NumberOfAlternatives = kAlternative;
    p->AlternativeActivityCount[kAlternative - 1] = kActivity;
    p->CurrentAlternative = kAlternative;
    p->ActivityAlternative = kAlternative;
    p->CurrentActivity = kActivity;
    p->CurrentActivityIndex = kSlot;
    p->NumberOfActivities = kActivity;
    p->ActivityYears[kSlot] = p->ActivityYear = 0;
    p->ActivityRequiredTime[kSlot] = p->RequiredTime = 70;
    return p;
}

inline void StoreTiming(Project& p, int start, int hours, int stop, int mobilization) {
    p.ActivityStartHour[kSlot] = start;
    p.ActivityHoursInEffect[kSlot] = hours;
    p.ActivityStopHour[kSlot] = stop;
    p.ActivityMobilizationHours[kSlot] = mobilization;
}

// Sets the form copy and the slot of a work-zone value together.
inline void SetWorkZoneLanes(Project& p, int lanes) {
    p.WorkZoneLanes = p.ActivityWorkZoneLanes[kSlot] = lanes;
}
inline void SetWorkZoneCapacity(Project& p, double perLane) {
    p.WorkZoneCapacity = p.ActivityWorkZoneCapacity[kSlot] = perLane;
}
inline void SetDissipationCapacity(Project& p, double perLane) {
    p.WorkZoneDissipationCapacity = p.ActivityDissipationCapacity[kSlot] = perLane;
}

inline HourShares EvenShares() {
    HourShares shares{};
    shares.fill(100.0 / kHours);
    return shares;
}

} // namespace wexa::forms::testing
