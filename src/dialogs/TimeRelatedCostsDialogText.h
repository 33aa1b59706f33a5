#pragma once

#include "forms/DialogBoxes.h"
#include "forms/DialogLabels.h"
#include "model/FieldLabels.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace wexa::forms {

// The texts of the "Costs Dependent on Time of Construction" dialog; the
// alternative and activity labels and the buttons are in DialogLabels.h.

namespace TimeRelatedLabel {
inline constexpr std::string_view Title = DialogTitle::TimeRelatedCosts;
inline constexpr std::array<std::string_view, 3> Columns{"Units", "Bid Item",
                                                         FieldLabel::TimeItemUnitPrice};
} // namespace TimeRelatedLabel

// The "Units" list of a row (0..2), in list order (the stored unit is the
// position): "Day", "Hour", and in the first row a third, blank entry, which
// is priced by the day.
[[nodiscard]] inline std::span<const std::string_view> TimeItemUnitEntries(int row) {
    static constexpr std::array<std::string_view, 3> kEntries{"Day", "Hour", ""};
    return std::span(kEntries).first(row == 0 ? 3 : 2);
}

inline constexpr MessageText kTimeItemUnitPriceRefusal{"The unit price must be at least zero",
                                                       "Unit Price Error"};

// The unit-price box of a row (0..2), for FormEffects::MoveFocus.
[[nodiscard]] inline std::string TimeItemUnitPriceControl(int row) {
    return RowControl("UnitPrice", row);
}

} // namespace wexa::forms
