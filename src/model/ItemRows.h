#pragma once

#include "model/Project.h"

namespace wexa {

// Every activity has all its bid-item and time-related rows; these say which
// hold anything, so that a listing of the inputs can leave out the rows never
// filled in. A row with only a description costs nothing and is left out.
[[nodiscard]] inline bool BidItemIsFilled(const Project& project, int item) {
    return project.BidItemQuantities[item] != 0.0 || project.BidItemUnitPrices[item] != 0.0 ||
           project.BidItemCosts[item] != 0.0;
}

[[nodiscard]] inline bool TimeItemIsFilled(const Project& project, int item) {
    return project.TimeItemUnitPrices[item] != 0.0;
}

} // namespace wexa
