#include "results/DocumentInputs.h"

#include "forms/FormText.h"
#include "model/CostTables.h"
#include "model/DistributionCaptions.h"
#include "model/FieldLabels.h"
#include "model/ItemRows.h"
#include "model/TextEncoding.h"
#include "results/ChartContent.h"
#include "simulation/AgencyCost.h"

#include <array>
#include <string_view>
#include <utility>

namespace wexa::forms {
namespace {

namespace L = FieldLabel;

constexpr std::string_view kTotal = "Total";
// The row of the unlabelled include/exclude list.
constexpr std::string_view kUserCosts = "User Costs";

// Inputs are written as the form's boxes show them, so that every figure
// reads as the user typed it; dollar amounts as a reader checks them, to the
// cent and grouped by thousands.
std::string Text(double value) {
    return FormatReal(value);
}
std::string Text(Int32 value) {
    return FormatInteger(value);
}
std::string Dollars(double value) {
    return FormatNumber(value, "#,##0.00");
}

template <typename T> std::string Distribution(Int32 kind, T first, T middle, T third) {
    return DistributionText(kind, Text(first), Text(middle), Text(third));
}

// The bid-item dialog's column headings, which the time-related rows share.
enum BidItemColumn { kQuantity, kUnits, kCode, kDescription, kUnitPrice, kCost };
std::string ColumnName(BidItemColumn column) {
    return std::string(L::BidItemColumns[column]);
}

// A table of labelled values, one a row, each label as the form shows it.
class ValueTable {
public:
    explicit ValueTable(std::string title) {
        table_.Title = std::move(title);
        table_.Corner = "Input";
        table_.Columns = {"Value"};
    }
    void Add(std::string_view label, std::string value) {
        table_.RowNames.push_back(BareLabel(label));
        table_.Cells.push_back({std::move(value)});
    }
    [[nodiscard]] TextTable Take() { return std::move(table_); }

private:
    TextTable table_;
};

void AddGeneral(DocumentSection& section, const Project& p) {
    ValueTable t("General Project Inputs");
    t.Add(L::AnalysisType, ListEntry(L::AnalysisTypes, p.AnalysisType));
    t.Add(L::AnalysisPeriod, Text(p.AnalysisPeriod) + " years");
    t.Add(L::ProjectLength, Text(p.ProjectLength) + " miles");
    t.Add(L::NumberOfLanes, Text(p.NumberOfLanes) + " (each direction)");
    t.Add(L::PostedSpeedLimit, Text(p.PostedSpeedLimit) + " mph");
    t.Add(L::NumberOfAlternatives, Text(p.NumberOfAlternatives));
    t.Add(L::DiscountRate, Distribution(p.DiscountRateKind, p.DiscountRateMin, p.DiscountRateMean,
                                        p.DiscountRateMax));
    section.Table(t.Take());
}

void AddTraffic(DocumentSection& section, const Project& p) {
    ValueTable t("Traffic & Roadway Capacity Inputs");
    t.Add(L::TrafficType, ListEntry(L::TrafficTypes, p.TrafficType));
    t.Add(L::Terrain, ListEntry(L::Terrains, p.Terrain));
    t.Add(kUserCosts, ListEntry(L::UserCostModes, p.ProjectUserCostMode));
    t.Add(L::BaseYearAADT, Text(p.BaseYearAADT));
    t.Add(L::MaximumAADT, Text(p.MaximumAADT));
    t.Add(L::PercentTrucks, Text(p.PercentTrucks));
    t.Add(L::PercentSUTrucks, Text(p.PercentSUTrucks));
    t.Add(L::PercentCUTrucks, Text(p.PercentCUTrucks));
    t.Add(L::TruckEquivalencyFactor, Text(p.TruckEquivalencyFactor));
    t.Add(L::RecreationalVehicleFactor, Text(p.RecreationalVehicleFactor));
    t.Add(L::HeavyVehicleFactor, Text(p.HeavyVehicleFactor));
    t.Add(L::LaneWidthFactor, Text(p.LaneWidthFactor));
    t.Add(L::MaxServiceFlowRate, Text(p.MaxServiceFlowRate) + " pcphpl");
    t.Add(L::ServiceFlowRate, Text(p.ServiceFlowRate) + " vph");
    t.Add(L::TrafficGrowthRate, Distribution(p.TrafficGrowthKind, p.TrafficGrowthMin,
                                             p.TrafficGrowthMean, p.TrafficGrowthMax));
    section.Table(t.Take());
}

void AddHourly(DocumentSection& section, const Project& p) {
    TextTable table{
        std::string(DialogTitle::HourlyDistribution),
        "Hour",
        {std::string(L::HourlyAADT), std::string(L::HourlyInbound), std::string(L::HourlyOutbound)},
        {},
        {}};
    double sum = 0.0;
    for (int h = 0; h < kHours; ++h) {
        table.RowNames.push_back(HourRange(h));
        table.Cells.push_back({Text(p.HourlyAADTPercent[h]), Text(p.HourlyInboundPercent[h]),
                               Text(p.HourlyOutboundPercent[h])});
        sum += p.HourlyAADTPercent[h];
    }
    // The dialog's "Sum AADT": the reader sees whether the hours make a day.
    table.RowNames.emplace_back(kTotal);
    table.Cells.push_back({Text(sum), "", ""});
    section.Table(std::move(table));
}

struct RateDifference {
    std::string Name;
    double Value = 0.0;
    double Default = 0.0;
};

void Compare(std::vector<RateDifference>& differences, std::string name, double value,
             double shipped) {
    // A NaN compares unequal to everything, so a broken rate is reported too.
    if (!(value == shipped)) {
        differences.push_back({std::move(name), value, shipped});
    }
}

// Every cost rate that is not the one the program ships with, named by its
// dialog's group and its row: the dialogs' "Reset Defaults" values are the
// reference.
std::vector<RateDifference> ChangedRates(const Project& p) {
    std::vector<RateDifference> changed;
    using D = DelayCostRates;
    static constexpr std::array<double D::*, 3> kDelay{
        &D::DelayRatePassengerCar, &D::DelayRateSingleUnitTruck, &D::DelayRateCombinationTruck};
    const D delay = D::CopyOf(p);
    const D shippedDelay = D::Defaults();
    for (std::size_t c = 0; c < kDelay.size(); ++c) {
        Compare(changed, std::string(L::ValueOfTime) + ", " + std::string(L::DelayRateRows[c]),
                delay.*kDelay[c], shippedDelay.*kDelay[c]);
    }

    using A = AddedTimeCostTable;
    // Each indexed by vehicle class as L::VehicleClasses.
    static constexpr std::array<SpeedTable A::*, 3> kTime{
        &A::AddedTimePassengerCar, &A::AddedTimeSingleUnitTruck, &A::AddedTimeCombinationTruck};
    static constexpr std::array<SpeedTable A::*, 3> kCost{
        &A::AddedCostPassengerCar, &A::AddedCostSingleUnitTruck, &A::AddedCostCombinationTruck};
    static constexpr std::array<double A::*, 3> kIdling{
        &A::IdlingCostPassengerCar, &A::IdlingCostSingleUnitTruck, &A::IdlingCostCombinationTruck};
    struct SpeedGroup {
        std::array<SpeedTable A::*, 3> Columns;
        std::string_view Name;
    };
    static constexpr std::array<SpeedGroup, 2> kGroups{
        {{kTime, L::AddedTime}, {kCost, L::AddedCost}}};
    const A added = A::CopyOf(p);
    const A shippedAdded = A::Defaults();
    for (const auto& [columns, group] : kGroups) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            for (int row = 0; row < kSpeedRows; ++row) {
                Compare(changed,
                        std::string(group) + ", " + std::string(L::VehicleClasses[c]) + " at " +
                            Text(row * 5) + " mph",
                        (added.*columns[c])[row], (shippedAdded.*columns[c])[row]);
            }
        }
    }
    for (std::size_t c = 0; c < kIdling.size(); ++c) {
        Compare(changed, std::string(L::IdlingCost) + ", " + std::string(L::VehicleClasses[c]),
                added.*kIdling[c], shippedAdded.*kIdling[c]);
    }
    return changed;
}

void AddCostRates(DocumentSection& section, const Project& p) {
    section.Subheading("Cost Rates");
    const std::vector<RateDifference> changed = ChangedRates(p);
    if (changed.empty()) {
        section.Paragraph("The " + std::string(DialogTitle::DelayCostRates) + " and the " +
                          std::string(DialogTitle::AddedTimeCosts) +
                          " are the program's defaults.");
        return;
    }
    section.Paragraph(
        "These cost rates differ from the program's defaults; every other rate is the default.");
    TextTable table{
        "Cost rates that differ from the defaults", "Rate", {"Project", "Default"}, {}, {}};
    for (const RateDifference& d : changed) {
        table.RowNames.push_back(d.Name);
        table.Cells.push_back({Text(d.Value), Text(d.Default)});
    }
    section.Table(std::move(table));
}

std::string NumberedTitle(std::string_view what, int number, const std::string& description) {
    return std::string(what) + " " + std::to_string(number) + ": " + PrintableText(description);
}

void AddActivityTable(DocumentSection& section, const Project& p, int activity, int s) {
    ValueTable t(NumberedTitle("Work Activity", activity, p.ActivityDescriptions[s]));
    t.Add(kUserCosts, ListEntry(L::UserCostModes, p.ActivityUserCostModes[s]));
    t.Add(L::ActivityYear, Text(p.ActivityYears[s]));
    t.Add(L::YearsToNext, Distribution(p.ActivityYearsKind[s], p.ActivityYearsMin[s],
                                       p.ActivityYearsExpected[s], p.ActivityYearsMax[s]));
    t.Add(L::RequiredTime, Text(p.ActivityRequiredTime[s]) + " hours");
    t.Add(L::RequiredTimeVariability, "+/- " + Text(p.ActivityTimeVariability[s]) + " %");
    t.Add(L::AgencyCostVariability, "+/- " + Text(p.ActivityAgencyCostVariability[s]) + " %");
    t.Add(L::WorkZoneLength, Text(p.ActivityWorkZoneLength[s]) + " miles");
    t.Add(L::WorkZoneSpeedLimit, Text(p.ActivityWorkZoneSpeed[s]) + " mph");
    t.Add(L::WorkZoneCapacity, Text(p.ActivityWorkZoneCapacity[s]) + " veh/hour/lane");
    t.Add(L::WorkZoneDissipationCapacity,
          Text(p.ActivityDissipationCapacity[s]) + " veh/hour/lane");
    const Int32 open = p.ActivityWorkZoneLanes[s];
    std::string lanes = Text(open) + " open in each direction";
    if (open >= 0 && open <= p.NumberOfLanes) {
        lanes += ", " + Text(p.NumberOfLanes - open) + " of " + Text(p.NumberOfLanes) + " closed";
    }
    t.Add(L::WorkZoneLanes, std::move(lanes));
    t.Add(L::StartHour, Text(p.ActivityStartHour[s]));
    t.Add(L::StopHour, Text(p.ActivityStopHour[s]));
    t.Add(L::HoursInEffect, Text(p.ActivityHoursInEffect[s]) + " hrs/day");
    t.Add(L::Mobilization, Text(p.ActivityMobilizationHours[s]) + " hrs/day");
    t.Add(L::Days, Text(p.ActivityDaysToComplete[s]));
    t.Add(L::Directions, std::string(L::Inbound) + " " + Text(p.ActivityInboundPercent[s]) +
                             " %, " + std::string(L::Outbound) + " " +
                             Text(p.ActivityOutboundPercent[s]) + " %");
    t.Add(std::string(DialogTitle::WorkZone) + ", as last calculated",
          "$" + Dollars(p.ActivityWorkZoneUserCost[s]));
    section.Table(t.Take());
    if (p.ActivityUserCostModes[s] == kExcludeUserCosts) {
        section.Paragraph("This activity excludes work-zone user costs (" +
                          std::string(L::UserCostModes[kExcludeUserCosts]) +
                          "): the analysis counts its agency costs only.");
    }
}

void AddBidItems(DocumentSection& section, const Project& p, int s) {
    TextTable table{std::string(DialogTitle::BidItems), "Row", {}, {}, {}};
    for (const std::string_view column : L::BidItemColumns) {
        table.Columns.emplace_back(column);
    }
    double sum = 0.0;
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        const int item = BidItemSlot(s, row);
        // Summed in row order, as the dialog sums them.
        sum += p.BidItemCosts[item];
        if (!BidItemIsFilled(p, item)) {
            continue;
        }
        table.RowNames.push_back(std::to_string(row + 1));
        table.Cells.push_back(
            {Text(p.BidItemQuantities[item]), ListEntry(L::BidItemUnits, p.BidItemUnits[item]),
             Text(p.BidItemCodes[item]), PrintableText(p.BidItemDescriptions[item]),
             Text(p.BidItemUnitPrices[item]), Dollars(p.BidItemCosts[item])});
    }
    const double total = p.ActivityBidItemTotal[s];
    if (table.RowNames.empty() && total == 0.0) {
        section.Paragraph("No bid items are entered.");
        return;
    }
    table.RowNames.emplace_back(kTotal);
    table.Cells.push_back({"", "", "", BareLabel(L::BidItemsTotal), "", Dollars(total)});
    section.Table(std::move(table));
    // A file written elsewhere may hold a total that is not its rows' sum;
    // the analysis prices the stored total.
    if (Dollars(sum) != Dollars(total)) {
        section.Paragraph("The rows add up to $" + Dollars(sum) + "; the analysis uses the " +
                          "stored total of $" + Dollars(total) + ".");
    }
}

void AddTimeItems(DocumentSection& section, const Project& p, int s) {
    TextTable table{std::string(DialogTitle::TimeRelatedCosts),
                    "Row",
                    {ColumnName(kUnits), ColumnName(kDescription),
                     std::string(L::TimeItemUnitPrice), ColumnName(kQuantity), ColumnName(kCost)},
                    {},
                    {}};
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        const int item = TimeItemSlot(s, row);
        if (!TimeItemIsFilled(p, item)) {
            continue;
        }
        // The blank third entry of the unit list is priced by the day.
        const std::string_view unit = L::TimeItemUnits[p.TimeItemUnits[item] == kPerHour ? 1 : 0];
        table.RowNames.push_back(std::to_string(row + 1));
        table.Cells.push_back({std::string(unit), PrintableText(p.TimeItemDescriptions[item]),
                               Text(p.TimeItemUnitPrices[item]),
                               Text(TimeRelatedItemQuantity(p, s, row)),
                               Dollars(TimeRelatedItemCost(p, s, row))});
    }
    if (table.RowNames.empty()) {
        section.Paragraph("No costs dependent on time of construction are entered.");
        return;
    }
    table.RowNames.emplace_back(kTotal);
    table.Cells.push_back({"", "", "", "", Dollars(ActivityTimeRelatedCost(p, s))});
    section.Table(std::move(table));
}

// A declared count outside the slots the project has lists nothing, and says
// so.
bool CountFits(DocumentSection& section, Int32 count, int most, std::string_view what) {
    if (count >= 1 && count <= most) {
        return true;
    }
    section.Paragraph("The number of " + std::string(what) + ", " + Text(count) +
                      ", is outside 1 to " + std::to_string(most) + "; they are not listed.");
    return false;
}

void AddAlternatives(DocumentSection& section, const Project& p) {
    if (!CountFits(section, p.NumberOfAlternatives, kMaxAlternatives, "alternatives")) {
        return;
    }
    for (int a = 1; a <= p.NumberOfAlternatives; ++a) {
        section.Subheading(NumberedTitle("Alternative", a, p.AlternativeDescriptions[a - 1]));
        const Int32 activities = p.AlternativeActivityCount[a - 1];
        if (!CountFits(section, activities, kActivitiesPerAlternative, "work activities")) {
            continue;
        }
        for (int w = 1; w <= activities; ++w) {
            const int s = ActivitySlot(a, w);
            AddActivityTable(section, p, w, s);
            AddBidItems(section, p, s);
            AddTimeItems(section, p, s);
        }
    }
}

} // namespace

DocumentSection InputsSection(const Project& project, const std::vector<std::string>& warnings) {
    DocumentSection section{"Inputs", {}};
    AddGeneral(section, project);
    AddTraffic(section, project);
    AddHourly(section, project);
    AddCostRates(section, project);
    AddAlternatives(section, project);
    if (!warnings.empty()) {
        section.Subheading("Warnings");
        for (const std::string& warning : warnings) {
            section.Bullet(PrintableText(warning));
        }
    }
    return section;
}

} // namespace wexa::forms
