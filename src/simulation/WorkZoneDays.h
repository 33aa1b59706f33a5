#pragma once

#include "model/Capacities.h"
#include "model/Project.h"
#include "userdelay/QueueModel.h"
#include "userdelay/UserCostComponents.h"

#include <array>

namespace wexa {

// Everything an activity's work-zone day is priced on besides its traffic:
// the queue scenario, the zone's hours and the pricing inputs (Days is left
// at 0, since the days enter only after the day is priced).
struct WorkZoneDay {
    QueueScenario Scenario;
    int StartHour = 0;
    int StopHour = 0;
    UserCostInputs Inputs;
};

// The day of every activity slot of a project, and for each slot the first
// slot whose day is the same in every field, bit for bit. Activities of an
// alternative often repeat one lane closure; at one traffic level they price
// the same day, so a run can price it once for all of them.
struct ActivityWorkZoneDays {
    std::array<WorkZoneDay, kActivitySlots> Days{};
    std::array<int, kActivitySlots> SharedSlot{};
    int PricedSlots = 0; // activities whose work zone is priced
};

[[nodiscard]] WorkZoneDay WorkZoneDayOf(const Project& project, int slot);
[[nodiscard]] ActivityWorkZoneDays WorkZoneDaysOf(const Project& project);

// True when every field of the two days has the same bits: 0.0 and -0.0 are
// different days here, so a shared day is never one priced on other inputs.
[[nodiscard]] bool SameWorkZoneDay(const WorkZoneDay& a, const WorkZoneDay& b);

} // namespace wexa
