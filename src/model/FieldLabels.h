#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace wexa {

// The labels under which the main form and the dialogs show the project's
// values that a message may name to the user, exactly as on screen. The
// screens take these labels from here, and so do the messages (the
// structural checks of a project), so a message always names a value as the
// user sees it, and so do the listings of a project's inputs (the command
// line's text and the analysis document). A label nothing else needs stays
// with the screen that shows it.

namespace FieldLabel {

// The main form, "General Project Inputs".
inline constexpr char AnalysisType[] = "Type of Analysis";
inline constexpr char AnalysisPeriod[] = "Analysis Period:";
inline constexpr char ProjectLength[] = "Project Length:";
inline constexpr char NumberOfLanes[] = "Number of Lanes:";
inline constexpr char PostedSpeedLimit[] = "Posted Speed Limit:";
inline constexpr char NumberOfAlternatives[] = "Number of Design Alternatives:";
inline constexpr char DiscountRate[] = "Discount Rate (%):";

// The entries of the main form's lists, in list order: a field holds the
// position of its entry.
inline constexpr std::array<std::string_view, 2> AnalysisTypes{"Probabilistic", "Deterministic"};
inline constexpr std::array<std::string_view, 5> DistributionKinds{
    "Normal", "Truncated Normal", "Uniform", "Triangular", "Deterministic"};
inline constexpr std::array<std::string_view, 3> TrafficTypes{"Rural", "Urban", "Specific"};
inline constexpr std::array<std::string_view, 3> Terrains{"Level", "Rolling", "Mountainous"};

// The main form, "Traffic && Roadway Capacity Inputs".
inline constexpr char TrafficType[] = "Traffic Type:";
inline constexpr char Terrain[] = "Terrain:";
inline constexpr char BaseYearAADT[] = "Base Year AADT:";
inline constexpr char MaximumAADT[] = "Maximum AADT:";
inline constexpr char PercentTrucks[] = "% Trucks:";
inline constexpr char PercentSUTrucks[] = "% SU Trucks:";
inline constexpr char PercentCUTrucks[] = "% CU Trucks:";
inline constexpr char TruckEquivalencyFactor[] = "Truck Equivalency Factor:";
inline constexpr char RecreationalVehicleFactor[] = "Recreational Vehicle Factor:";
inline constexpr char HeavyVehicleFactor[] = "Heavy Vehicle Factor:";
inline constexpr char LaneWidthFactor[] = "Lane Width Factor:";
inline constexpr char MaxServiceFlowRate[] = "Max Service Flow Rate:";
inline constexpr char ServiceFlowRate[] = "Service Flow Rate:";
inline constexpr char TrafficGrowthRate[] = "Traffic Growth Rate (%):";

// The main form, the current alternative and work activity.
inline constexpr char NumberOfActivities[] =
    "Number of Construction/Rehabilitation/ Maintenance Activities Scheduled over Analysis "
    "Period (include original construction)";
inline constexpr char WorkZoneLength[] = "Work Zone Length:";
inline constexpr char WorkZoneSpeedLimit[] = "Work Zone Speed Limit:";
inline constexpr char WorkZoneDissipationCapacity[] = "Work Zone Dissipation Capacity:";
inline constexpr char WorkZoneCapacity[] = "Work Zone Capacity:";
inline constexpr char WorkZoneLanes[] = "Number of Work Zone Lanes:";
inline constexpr char RequiredTime[] = "Required Time to Complete Work Activity:";
inline constexpr char RequiredTimeVariability[] = "Required Time Variability: +/-";
inline constexpr char AgencyCostVariability[] = "Agency Cost Variability:";
inline constexpr char ActivityYear[] = "Expected year in which the work occurs (0 is base year):";
inline constexpr char YearsToNext[] = "Number of Years before Next Scheduled Work Activity";
// The unlabelled list of an activity (and of the project), by its entries.
inline constexpr std::array<std::string_view, 2> UserCostModes{"Include Work Zone User Costs",
                                                               "Exclude Work Zone User Costs"};

// "Bid Items".
inline constexpr std::string_view BidItemsTotal = "Bid Items Total Cost: $";
inline constexpr std::array<std::string_view, 6> BidItemColumns{"Quantity", "Units",      "Code #",
                                                                "Bid Item", "Unit Price", "Cost,$"};
// The "Units" list of every row (the stored unit is the position).
inline constexpr std::array<std::string_view, 6> BidItemUnits{"mile", "sq yd", "cu yd",
                                                              "ton",  "foot",  "other"};
// "Costs Dependent on Time of Construction", the column of each row.
inline constexpr std::string_view TimeItemUnitPrice = "Unit Price";
// What a row is priced by (TimeItemUnit); the list's blank third entry is
// priced by the day.
inline constexpr std::array<std::string_view, 2> TimeItemUnits{"Day", "Hour"};

// "Work Zone User Costs", the work-zone timing dialog.
inline constexpr std::string_view Mobilization = "Daily Mobilization/Demobilization:";
inline constexpr std::string_view StartHour = "Start Hour";
inline constexpr std::string_view HoursInEffect = "Hours in Effect";
inline constexpr std::string_view StopHour = "Stop Hour";
inline constexpr std::string_view Days =
    "Days to Complete Work Activity Based on Work Zone Timing:";
inline constexpr std::string_view Directions =
    "Percent of Days Work Zone Applied to Each Direction:";
inline constexpr std::string_view Inbound = "Inbound";
inline constexpr std::string_view Outbound = "Outbound";

// "Hourly Traffic Distributions and Directional Split", its columns.
inline constexpr std::string_view HourlyAADT = "% AADT";
inline constexpr std::string_view HourlyInbound = "% Inbound";
inline constexpr std::string_view HourlyOutbound = "% Outbound";

// "Added Time, Vehicle Running and Idling Costs".
inline constexpr std::string_view AddedTime = "Added Time (Hr/1000 Stops)";
inline constexpr std::string_view AddedCost = "Added Cost ($/1000 Stops)";
inline constexpr std::string_view IdlingCost = "Idling Cost ($/Veh-Hr)";
// Its columns: passenger cars, single unit trucks, combination trucks.
inline constexpr std::array<std::string_view, 3> VehicleClasses{
    "Passenger Cars", "Single Unit Trucks", "Combination Trucks"};

// "Delay Cost Rates": one value of time per row.
inline constexpr std::string_view ValueOfTime = "Value of Time ($/Veh-hr)";
inline constexpr std::array<std::string_view, 3> DelayRateRows{"Passenger Car", "Single Unit Truck",
                                                               "Combination Truck"};

} // namespace FieldLabel

// The titles of the dialogs that show project values.
namespace DialogTitle {
inline constexpr std::string_view BidItems = "Bid Items";
inline constexpr std::string_view TimeRelatedCosts = "Costs Dependent on Time of Construction";
inline constexpr std::string_view WorkZone = "Work Zone User Costs";
inline constexpr std::string_view HourlyDistribution =
    "Hourly Traffic Distributions and Directional Split";
inline constexpr std::string_view AddedTimeCosts = "Added Time, Vehicle Running and Idling Costs";
inline constexpr std::string_view DelayCostRates = "Delay Cost Rates";
} // namespace DialogTitle

// A label without the colon (and the "$" or "+/-") that closes it on screen:
// "Number of Design Alternatives", as the heading of a row or a column.
[[nodiscard]] std::string BareLabel(std::string_view label);

// A label as a sentence names it: the bare label, quoted.
[[nodiscard]] std::string QuotedLabel(std::string_view label);

// The entry of a list at a stored position. A project file is not
// range-checked on loading, so a position the list does not have is shown as
// "(entry N)".
[[nodiscard]] std::string ListEntry(std::span<const std::string_view> entries, int position);

// The row label of hour h (0..23) in the hourly distribution: "0-1" ..
// "23-24".
[[nodiscard]] std::string HourRange(int hour);

} // namespace wexa
