#include "simulation/AgencyCost.h"

#include "model/Capacities.h"

namespace wexa {

namespace {

bool IsTimeItem(int activitySlot, int row) {
    return activitySlot >= 0 && activitySlot < kActivitySlots && row >= 0 &&
           row < kTimeItemsPerActivity;
}

} // namespace

int TimeRelatedItemQuantity(const Project& project, int activitySlot, int row) {
    if (!IsTimeItem(activitySlot, row)) {
        return 0;
    }
    return project.TimeItemUnits[TimeItemSlot(activitySlot, row)] == kPerHour
               ? project.ActivityRequiredTime[activitySlot]
               : project.ActivityDaysToComplete[activitySlot];
}

double TimeRelatedItemCost(const Project& project, int activitySlot, int row) {
    if (!IsTimeItem(activitySlot, row)) {
        return 0.0;
    }
    return project.TimeItemUnitPrices[TimeItemSlot(activitySlot, row)] *
           static_cast<double>(TimeRelatedItemQuantity(project, activitySlot, row));
}

double ActivityTimeRelatedCost(const Project& project, int activitySlot) {
    const double first = TimeRelatedItemCost(project, activitySlot, 0);
    const double second = TimeRelatedItemCost(project, activitySlot, 1);
    const double third = TimeRelatedItemCost(project, activitySlot, 2);
    return first + second + third;
}

} // namespace wexa
