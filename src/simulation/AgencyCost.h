#pragma once

#include "model/Project.h"

namespace wexa {

// What one time-related item (row 0..2) of an activity slot is priced by,
// from the stored values: the required hours for an hourly item, the days to
// complete for any other unit (a day, or the blank third entry of the unit
// list). 0 for a slot or row outside the arrays.
[[nodiscard]] int TimeRelatedItemQuantity(const Project& project, int activitySlot, int row);

// Cost of one time-related item: its unit price times its quantity. 0 for a
// slot or row outside the arrays.
[[nodiscard]] double TimeRelatedItemCost(const Project& project, int activitySlot, int row);

// An activity's time-related cost: its three items added in row order. 0 for a
// slot outside the arrays.
[[nodiscard]] double ActivityTimeRelatedCost(const Project& project, int activitySlot);

} // namespace wexa
