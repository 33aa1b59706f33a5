#include "simulation/AgencyCost.h"

#include "model/Capacities.h"

namespace wexa {

double TimeRelatedItemCost(const Project& project, int activitySlot, int row) {
    if (activitySlot < 0 || activitySlot >= kActivitySlots || row < 0 ||
        row >= kTimeItemsPerActivity) {
        return 0.0;
    }
    const int item = TimeItemSlot(activitySlot, row);
    const int quantity = project.TimeItemUnits[item] == kPerHour
                             ? project.ActivityRequiredTime[activitySlot]
                             : project.ActivityDaysToComplete[activitySlot];
    return project.TimeItemUnitPrices[item] * static_cast<double>(quantity);
}

double ActivityTimeRelatedCost(const Project& project, int activitySlot) {
    const double first = TimeRelatedItemCost(project, activitySlot, 0);
    const double second = TimeRelatedItemCost(project, activitySlot, 1);
    const double third = TimeRelatedItemCost(project, activitySlot, 2);
    return first + second + third;
}

} // namespace wexa
