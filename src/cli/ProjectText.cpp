#include "cli/ProjectText.h"

#include "cli/TextFormat.h"
#include "model/Capacities.h"
#include "model/DistributionCaptions.h"
#include "model/FieldLabels.h"
#include "model/ItemRows.h"

#include <array>
#include <string>
#include <string_view>

namespace wexa::cli {
namespace {

namespace L = FieldLabel;

template <typename T> std::string Distribution(Int32 kind, T first, T middle, T third) {
    return DistributionText(kind, FormatNumber(first), FormatNumber(middle), FormatNumber(third));
}

void Line(std::ostream& out, int indent, std::string_view label, const std::string& value) {
    out << std::string(static_cast<std::size_t>(indent), ' ') << label;
    const std::size_t width = 36;
    const std::size_t used = static_cast<std::size_t>(indent) + label.size();
    out << std::string(used < width ? width - used : 1, ' ') << value << '\n';
}

void WriteGeneral(std::ostream& out, const Project& p) {
    out << "General Project Inputs\n";
    Line(out, 2, "Project Number:", PrintableText(p.ProjectNumber));
    Line(out, 2, "Description:", PrintableText(p.ProjectDescription));
    Line(out, 2, std::string(L::AnalysisType) + ":", ListEntry(L::AnalysisTypes, p.AnalysisType));
    Line(out, 2, FieldLabel::AnalysisPeriod, FormatNumber(p.AnalysisPeriod) + " years");
    Line(out, 2, FieldLabel::ProjectLength, FormatNumber(p.ProjectLength) + " miles");
    Line(out, 2, FieldLabel::NumberOfLanes, FormatNumber(p.NumberOfLanes) + " (each direction)");
    Line(out, 2, FieldLabel::PostedSpeedLimit, FormatNumber(p.PostedSpeedLimit) + " mph");
    Line(out, 2, FieldLabel::NumberOfAlternatives, FormatNumber(p.NumberOfAlternatives));
    Line(
        out, 2, FieldLabel::DiscountRate,
        Distribution(p.DiscountRateKind, p.DiscountRateMin, p.DiscountRateMean, p.DiscountRateMax));
}

void WriteTraffic(std::ostream& out, const Project& p) {
    out << "\nTraffic & Roadway Capacity Inputs\n";
    Line(out, 2, L::TrafficType, ListEntry(L::TrafficTypes, p.TrafficType));
    Line(out, 2, L::Terrain, ListEntry(L::Terrains, p.Terrain));
    Line(out, 2, "User Costs:", ListEntry(L::UserCostModes, p.ProjectUserCostMode));
    Line(out, 2, FieldLabel::BaseYearAADT, FormatNumber(p.BaseYearAADT));
    Line(out, 2, FieldLabel::MaximumAADT, FormatNumber(p.MaximumAADT));
    Line(out, 2, FieldLabel::PercentTrucks, FormatNumber(p.PercentTrucks));
    Line(out, 2, FieldLabel::PercentSUTrucks, FormatNumber(p.PercentSUTrucks));
    Line(out, 2, FieldLabel::PercentCUTrucks, FormatNumber(p.PercentCUTrucks));
    Line(out, 2, L::TruckEquivalencyFactor, FormatNumber(p.TruckEquivalencyFactor));
    Line(out, 2, L::RecreationalVehicleFactor, FormatNumber(p.RecreationalVehicleFactor));
    Line(out, 2, L::HeavyVehicleFactor, FormatNumber(p.HeavyVehicleFactor));
    Line(out, 2, L::LaneWidthFactor, FormatNumber(p.LaneWidthFactor));
    Line(out, 2, L::MaxServiceFlowRate, FormatNumber(p.MaxServiceFlowRate) + " pcphpl");
    Line(out, 2, FieldLabel::ServiceFlowRate, FormatNumber(p.ServiceFlowRate) + " vph");
    Line(out, 2, FieldLabel::TrafficGrowthRate,
         Distribution(p.TrafficGrowthKind, p.TrafficGrowthMin, p.TrafficGrowthMean,
                      p.TrafficGrowthMax));
}

void WriteBidItems(std::ostream& out, const Project& p, int slot) {
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        const int item = BidItemSlot(slot, row);
        if (!BidItemIsFilled(p, item)) {
            continue;
        }
        out << "      Bid item " << row + 1 << ": " << PrintableText(p.BidItemDescriptions[item])
            << ", " << FormatNumber(p.BidItemQuantities[item]) << ' '
            << ListEntry(L::BidItemUnits, p.BidItemUnits[item]) << " at $"
            << FormatNumber(p.BidItemUnitPrices[item]) << " = $"
            << FormatNumber(p.BidItemCosts[item]) << " (code " << p.BidItemCodes[item] << ")\n";
    }
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        const int item = TimeItemSlot(slot, row);
        if (!TimeItemIsFilled(p, item)) {
            continue;
        }
        out << "      Time-related item " << row + 1 << ": "
            << PrintableText(p.TimeItemDescriptions[item]) << ", $"
            << FormatNumber(p.TimeItemUnitPrices[item]) << " per "
            << ListEntry(L::TimeItemUnits, p.TimeItemUnits[item]) << '\n';
    }
}

void WriteActivity(std::ostream& out, const Project& p, int alternative, int activity) {
    const int s = ActivitySlot(alternative, activity);
    out << "    Work Activity " << activity << ": " << PrintableText(p.ActivityDescriptions[s])
        << '\n';
    Line(out, 6, "User Costs:", ListEntry(L::UserCostModes, p.ActivityUserCostModes[s]));
    Line(out, 6, "Expected Year:", FormatNumber(p.ActivityYears[s]));
    Line(out, 6, "Years to Next Activity:",
         Distribution(p.ActivityYearsKind[s], p.ActivityYearsMin[s], p.ActivityYearsExpected[s],
                      p.ActivityYearsMax[s]));
    Line(out, 6, "Bid Items Total Cost:", "$" + FormatNumber(p.ActivityBidItemTotal[s]));
    Line(out, 6, FieldLabel::AgencyCostVariability,
         "+/- " + FormatNumber(p.ActivityAgencyCostVariability[s]) + " %");
    Line(out, 6, "Required Time:",
         FormatNumber(p.ActivityRequiredTime[s]) + " hours +/- " +
             FormatNumber(p.ActivityTimeVariability[s]) + " %");
    Line(out, 6, "Work Zone:",
         FormatNumber(p.ActivityWorkZoneLength[s]) + " miles at " +
             FormatNumber(p.ActivityWorkZoneSpeed[s]) + " mph, " +
             FormatNumber(p.ActivityWorkZoneLanes[s]) + " lane(s) open");
    Line(out, 6, "Capacity / Dissipation:",
         FormatNumber(p.ActivityWorkZoneCapacity[s]) + " / " +
             FormatNumber(p.ActivityDissipationCapacity[s]) + " veh/hour/lane");
    Line(out, 6, "Work Zone Timing:",
         "start " + FormatNumber(p.ActivityStartHour[s]) + ", stop " +
             FormatNumber(p.ActivityStopHour[s]) + ", " + FormatNumber(p.ActivityHoursInEffect[s]) +
             " hours/day, mobilization " + FormatNumber(p.ActivityMobilizationHours[s]) +
             " hrs/day");
    Line(out, 6, "Days to Complete:", FormatNumber(p.ActivityDaysToComplete[s]));
    Line(out, 6, "Days Applied In/Out:",
         FormatNumber(p.ActivityInboundPercent[s]) + " % / " +
             FormatNumber(p.ActivityOutboundPercent[s]) + " %");
    Line(out, 6, "Work Zone User Cost:", "$" + FormatNumber(p.ActivityWorkZoneUserCost[s]));
    WriteBidItems(out, p, s);
}

void WriteAlternatives(std::ostream& out, const Project& p) {
    const int alternatives = p.NumberOfAlternatives;
    if (alternatives < 1 || alternatives > kMaxAlternatives) {
        out << "\nThe number of alternatives, " << alternatives << ", is outside 1.."
            << kMaxAlternatives << "; alternatives are not listed.\n";
        return;
    }
    for (int a = 1; a <= alternatives; ++a) {
        const int activities = p.AlternativeActivityCount[a - 1];
        out << "\nAlternative " << a << ": " << PrintableText(p.AlternativeDescriptions[a - 1])
            << '\n';
        if (activities < 1 || activities > kActivitiesPerAlternative) {
            out << "  The number of activities, " << activities << ", is outside 1.."
                << kActivitiesPerAlternative << "; activities are not listed.\n";
            continue;
        }
        out << "  " << activities << " work activit" << (activities == 1 ? "y" : "ies") << '\n';
        for (int w = 1; w <= activities; ++w) {
            WriteActivity(out, p, a, w);
        }
    }
}

void WriteTables(std::ostream& out, const Project& p) {
    out << "\nHourly Traffic Distribution\n";
    out << "  Hour   % AADT   % Inbound   % Outbound\n";
    for (int h = 0; h < kHours; ++h) {
        out << "  " << PadLeft(std::to_string(h), 4)
            << PadLeft(FormatNumber(p.HourlyAADTPercent[h]), 9)
            << PadLeft(FormatNumber(p.HourlyInboundPercent[h]), 12)
            << PadLeft(FormatNumber(p.HourlyOutboundPercent[h]), 13) << '\n';
    }
    out << "\nDelay Cost Rates ($/veh-hr): passenger car " << FormatNumber(p.DelayRatePassengerCar)
        << ", single unit truck " << FormatNumber(p.DelayRateSingleUnitTruck)
        << ", combination truck " << FormatNumber(p.DelayRateCombinationTruck) << '\n';
    out << "Idling Costs ($/veh-hr): passenger car " << FormatNumber(p.IdlingCostPassengerCar)
        << ", single unit truck " << FormatNumber(p.IdlingCostSingleUnitTruck)
        << ", combination truck " << FormatNumber(p.IdlingCostCombinationTruck) << '\n';
    out << "\nAdded Time (hrs/1000 stops) and Vehicle Running Cost ($/1000 stops)\n";
    out << "  Speed   Time Car     SU     CU    Cost Car       SU        CU\n";
    for (int row = 0; row < kSpeedRows; ++row) {
        out << "  " << PadLeft(std::to_string(row * 5), 5)
            << PadLeft(FormatNumber(p.AddedTimePassengerCar[row]), 11)
            << PadLeft(FormatNumber(p.AddedTimeSingleUnitTruck[row]), 7)
            << PadLeft(FormatNumber(p.AddedTimeCombinationTruck[row]), 7)
            << PadLeft(FormatNumber(p.AddedCostPassengerCar[row]), 12)
            << PadLeft(FormatNumber(p.AddedCostSingleUnitTruck[row]), 9)
            << PadLeft(FormatNumber(p.AddedCostCombinationTruck[row]), 10) << '\n';
    }
}

} // namespace

void WriteProjectText(std::ostream& out, const Project& project) {
    WriteGeneral(out, project);
    WriteTraffic(out, project);
    WriteAlternatives(out, project);
    WriteTables(out, project);
}

} // namespace wexa::cli
