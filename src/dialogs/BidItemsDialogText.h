#pragma once

#include "forms/DialogBoxes.h"
#include "forms/DialogLabels.h"
#include "model/FieldLabels.h"

#include <array>
#include <string>
#include <string_view>

namespace wexa::forms {

// The texts of the "Bid Items" dialog; the alternative and activity labels
// and the buttons are in DialogLabels.h.

namespace BidItemsMessage {
inline constexpr MessageText Quantity{"Quantities must be greater than or equal to zero",
                                      "Quantity Error"};
inline constexpr MessageText UnitPrice{"Unit prices must be greater than or equal to zero",
                                       "Unit Price Error"};
inline constexpr MessageText Alternative{
    "The alternative number is not within the\nnumber of alternatives specified for the project",
    "Alternative Error"};
inline constexpr MessageText WorkZone{
    "The work zone number is not within the\nnumber of work zones for this alternative",
    "Work Zone Error"};
} // namespace BidItemsMessage

namespace BidItemsLabel {
inline constexpr std::string_view Title = DialogTitle::BidItems;
inline constexpr std::string_view Total = FieldLabel::BidItemsTotal;
inline constexpr std::string_view RowsGroup = "Materials Related Construction Costs";
inline constexpr std::array<std::string_view, 6> Columns = FieldLabel::BidItemColumns;
// The "Units" list of every row, in list order (the stored unit is the
// position).
inline constexpr std::array<std::string_view, 6> Units = FieldLabel::BidItemUnits;
inline constexpr std::string_view CopyButton = "Copy Bid Items to Present Activity";
} // namespace BidItemsLabel

// Controls the dialog logic moves the focus to (see FormEffects); rows
// counted from 0.
namespace BidItemsControl {
[[nodiscard]] inline std::string Quantity(int row) {
    return RowControl("Quantity", row);
}
[[nodiscard]] inline std::string Code(int row) {
    return RowControl("Code", row);
}
[[nodiscard]] inline std::string UnitPrice(int row) {
    return RowControl("UnitPrice", row);
}
inline constexpr std::string_view CopyAlternative = "CopyFromAlternative";
inline constexpr std::string_view CopyActivity = "CopyFromActivity";
} // namespace BidItemsControl

} // namespace wexa::forms
