#pragma once

#include "forms/DialogBoxes.h"
#include "model/FieldLabels.h"

#include <array>
#include <string>
#include <string_view>

namespace wexa::forms {

// The texts of the "Added Time, Vehicle Running and Idling Costs" and
// "Delay Cost Rates" dialogs; their "OK" and "Cancel" are in
// DialogLabels.h.

namespace CostTableMessage {
inline constexpr MessageText ReferenceCpi{"The reference CPI must be greater than 0",
                                          "Cost Escalation Error"};
} // namespace CostTableMessage

// What both dialogs show.
namespace CostTableLabel {
inline constexpr std::string_view EscalationGroup = "Cost Escalation";
inline constexpr std::string_view ReferenceCpi = "Reference CPI";
inline constexpr std::string_view NewCpi = "New CPI";
inline constexpr std::string_view Apply = "Apply";
inline constexpr std::string_view Reset = "Reset Defaults";
// Passenger cars, single unit trucks, combination trucks.
inline constexpr std::array<std::string_view, 3> Classes = FieldLabel::VehicleClasses;
} // namespace CostTableLabel

namespace AddedTimeCostLabel {
inline constexpr std::string_view Title = DialogTitle::AddedTimeCosts;
inline constexpr std::string_view Speed = "Initial Speed (mph)";
inline constexpr std::string_view TimeGroup = FieldLabel::AddedTime;
inline constexpr std::string_view CostGroup = FieldLabel::AddedCost;
inline constexpr std::string_view Idling = FieldLabel::IdlingCost;
} // namespace AddedTimeCostLabel

namespace DelayCostRatesLabel {
inline constexpr std::string_view Title = DialogTitle::DelayCostRates;
inline constexpr std::string_view Classification = "Vehicle Classification";
inline constexpr std::string_view Value = FieldLabel::ValueOfTime;
inline constexpr std::array<std::string_view, 3> Rows = FieldLabel::DelayRateRows;
} // namespace DelayCostRatesLabel

// Controls the dialog logic moves the focus to (see FormEffects). Classes
// are counted 0 passenger cars, 1 single unit trucks, 2 combination trucks;
// speed rows from 0 (0 mph) to 16 (80 mph).
namespace CostTableControl {
inline constexpr std::string_view ReferenceCpi = "ReferenceCpi";
inline constexpr std::string_view NewCpi = "NewCpi";
inline constexpr std::array<std::string_view, 3> ClassNames{"PassengerCar", "SingleUnitTruck",
                                                            "CombinationTruck"};
[[nodiscard]] inline std::string AddedTime(int vehicleClass, int speedRow) {
    return RowControl("AddedTime" + std::string(ClassNames[vehicleClass]), speedRow);
}
[[nodiscard]] inline std::string AddedCost(int vehicleClass, int speedRow) {
    return RowControl("AddedCost" + std::string(ClassNames[vehicleClass]), speedRow);
}
[[nodiscard]] inline std::string IdlingCost(int vehicleClass) {
    return "IdlingCost" + std::string(ClassNames[vehicleClass]);
}
[[nodiscard]] inline std::string DelayRate(int vehicleClass) {
    return "DelayRate" + std::string(ClassNames[vehicleClass]);
}
} // namespace CostTableControl

} // namespace wexa::forms
