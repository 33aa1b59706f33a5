#pragma once

#include "model/FieldLabels.h"
#include "userdelay/UserCostComponents.h"

#include <array>
#include <string_view>

namespace wexa::forms {

// The texts of the work-zone timing dialog, shared by the window and the
// command line so both say exactly the same.

inline constexpr std::string_view kWorkZoneDialogTitle = DialogTitle::WorkZone;

// Controls the dialog logic moves the focus to (see FormEffects).
namespace WorkZoneControl {
inline constexpr std::string_view StartHour = "StartHour";
inline constexpr std::string_view HoursInEffect = "HoursInEffect";
inline constexpr std::string_view MobilizationHours = "MobilizationHours";
} // namespace WorkZoneControl

// Labels, top to bottom.
namespace WorkZoneLabel {
inline constexpr std::string_view Alternative = "Alternative #:";
inline constexpr std::string_view Activity = "Work Activity #:";
inline constexpr std::string_view Year = "Year:";
inline constexpr std::string_view Aadt = "Traffic Volume, AADT:";
inline constexpr std::string_view RequiredTime = FieldLabel::RequiredTime;
inline constexpr std::string_view Hours = "hrs";
inline constexpr std::string_view Mobilization = FieldLabel::Mobilization;
inline constexpr std::string_view HoursPerDay = "hrs/day";
inline constexpr std::string_view TimingGroup = "Work Zone Timing, 24 hour Clock";
inline constexpr std::string_view StartHour = FieldLabel::StartHour;
inline constexpr std::string_view HoursInEffect = FieldLabel::HoursInEffect;
inline constexpr std::string_view StopHour = FieldLabel::StopHour;
inline constexpr std::string_view Days = FieldLabel::Days;
inline constexpr std::string_view FindOptimum = "Find Optimum";
inline constexpr std::string_view CalculateCosts = "Calculate Costs";
inline constexpr std::string_view Directions = FieldLabel::Directions;
inline constexpr std::string_view Inbound = FieldLabel::Inbound;
inline constexpr std::string_view Outbound = FieldLabel::Outbound;
inline constexpr std::string_view CostGroup = "Work Zone Cost Summary";
inline constexpr std::string_view ComponentColumn = "Cost Component";
inline constexpr std::string_view CostColumn = "Total Cost ($)";
inline constexpr std::string_view PercentColumn = "Percent of Total";
inline constexpr std::array<std::string_view, kCostComponentCount> Components{
    "WZ Speed Change VOC:",    "WZ Speed Change Delay:", "WZ Reduced Speed Delay:",
    "Queue Stopping VOC:",     "Queue Stopping Delay:",  "Queue Idle Time:",
    "Queue Added Travel Time:"};
inline constexpr std::string_view Total = "Total:";
inline constexpr std::string_view GraphQueueLength = "Graph Queue Length";
// Under the cost summary while it is that of a timing priced before.
inline constexpr std::string_view FiguresOutOfDate =
    "Out of date: these costs are for the timing priced before. Press \"Calculate Costs\" to "
    "price the timing shown; OK prices it too.";
} // namespace WorkZoneLabel

namespace WorkZoneMessage {
inline constexpr std::string_view StartHour =
    "The start hour must be between 0 and 23 hours, inclusive";
inline constexpr std::string_view StartHourCaption = "Start Time Error";
inline constexpr std::string_view TimingCaption = "Timing Error";
inline constexpr std::string_view HoursInEffect =
    "Daily Mobilization/Demobilization Time plus Daily Work\nZone Hours must be less than 24 "
    "hours\nif you have specified less than 24 hours/day of work.\nYou must also specify at "
    "least 1 work zone hour per day.";
inline constexpr std::string_view MobilizationBelowHours =
    "Daily Mobilization/Demobilization Time must be less than Number of Work Zone Hours per Day";
inline constexpr std::string_view MobilizationRange =
    "Daily Mobilization/Demobilization Time must be between 0 and 24 hours.";
inline constexpr std::string_view MobilizationPlusHours =
    "Daily Mobilization/Demobilization Time plus Daily Work\nZone Hours must be less than 24 "
    "hours.";
inline constexpr std::string_view Gridlock =
    "The traffic demand and work zone\ntiming are creating a gridlock problem.\n\nUnder current "
    "conditions,a 24-hour queue\nwill form and never clear.";
inline constexpr std::string_view GridlockCaption = "Gridlock";
} // namespace WorkZoneMessage

} // namespace wexa::forms
