#include "ui/ControlNotes.h"

#include <map>

namespace wexa::ui {

namespace {

using F = forms::FormField;

const char* const kDistributionValues =
    "The values of the distribution; the captions above the boxes say which is which for the "
    "distribution chosen.";
const char* const kDistributionList =
    "How the value is drawn in a probabilistic run: Normal, Truncated Normal, Uniform, "
    "Triangular or Deterministic (the middle value only).";

// clang-format off
const std::map<F, const char*> kNotes{
    {F::ProjectNumber, "The agency's number of the project, printed in the report."},
    {F::ProjectDescription, "A description of the project, printed in the report."},
    {F::AnalysisType, "Probabilistic: 5000 iterations with drawn rates, intervals, costs and durations. Deterministic: one pass with the mean values. Switching resets every distribution and variability."},
    {F::AnalysisPeriod, "The years over which costs are counted; at least 1. Service life left at its end is credited."},
    {F::ProjectLength, "The length of the project in miles; rounded to two decimals."},
    {F::NumberOfLanes, "Lanes in each direction; at least 1."},
    {F::PostedSpeedLimit, "The posted speed limit: 5 to 80 mph, in steps of 5."},
    {F::NumberOfAlternatives, "How many design alternatives to compare: 1 to 4. Changing it shows alternative 1 again."},
    {F::DiscountRateMin, kDistributionValues},
    {F::DiscountRateMean, kDistributionValues},
    {F::DiscountRateMax, kDistributionValues},
    {F::DiscountRateKind, kDistributionList},
    {F::TrafficType, "Rural or Urban sets the built-in hourly traffic distribution of that type; Specific opens the distribution for you to enter."},
    {F::Terrain, "Sets the truck equivalency factor: Level 1.5, Rolling 3, Mountainous 6."},
    {F::ProjectUserCostMode, "Whether the work zones' costs to road users are counted, for every activity of the project."},
    {F::BaseYearAADT, "Average annual daily traffic in the base year, both directions; at least 1."},
    {F::MaximumAADT, "The most traffic the road will ever carry; grown traffic stops here. Never below the base year AADT."},
    {F::PercentTrucks, "Trucks in the traffic, 0 to 100 percent."},
    {F::PercentSUTrucks, "Single unit trucks, 0 to 100 percent; with the combination units they must add up to the trucks."},
    {F::PercentCUTrucks, "Combination unit trucks, 0 to 100 percent; with the single units they must add up to the trucks."},
    {F::TruckEquivalencyFactor, "Passenger cars one truck counts as; at least 1."},
    {F::RecreationalVehicleFactor, "Capacity factor for recreational vehicles: above 0, at most 1."},
    {F::HeavyVehicleFactor, "Computed from the trucks and their equivalency factor."},
    {F::LaneWidthFactor, "Capacity factor for lane width; above 0."},
    {F::MaxServiceFlowRate, "The most passenger cars per hour one lane carries; above 0."},
    {F::ServiceFlowRate, "Computed: the vehicles per hour the road carries in one direction."},
    {F::TrafficGrowthMin, kDistributionValues},
    {F::TrafficGrowthMean, kDistributionValues},
    {F::TrafficGrowthMax, kDistributionValues},
    {F::TrafficGrowthKind, kDistributionList},
    {F::CurrentAlternative, "The alternative shown; \"Next Alternative\" moves on."},
    {F::AlternativeDescription, "A description of the alternative, printed in the report."},
    {F::NumberOfActivities, "Work activities of the alternative over the analysis period, the original construction included: 1 to 10."},
    {F::ActivityAlternative, "The alternative of the activity shown."},
    {F::CurrentActivity, "The work activity shown; \"Next Work Activity\" moves on."},
    {F::CopyFromAlternative, "The alternative of the activity to copy onto the one shown."},
    {F::CopyFromActivity, "The activity to copy onto the one shown."},
    {F::ActivityDescription, "A description of the work activity, printed in the report."},
    {F::ActivityUserCostMode, "Whether this activity's work zone costs road users; excluding hides its work-zone inputs."},
    {F::WorkZoneLength, "Length of the work zone in miles; above 0 and at most the project's length."},
    {F::WorkZoneSpeedLimit, "Speed limit in the work zone: 5 to 80 mph in steps of 5, at most the posted limit."},
    {F::WorkZoneDissipationCapacity, "Vehicles per hour per lane leaving a queue at the work zone; at most the road's service flow rate per lane and at least the work zone capacity."},
    {F::WorkZoneCapacity, "Vehicles per hour per lane passing the work zone; above 0."},
    {F::WorkZoneLanes, "Lanes open in each direction through the work zone; at least 1, at most the project's lanes."},
    {F::RequiredTime, "Hours of work the activity needs; above 0."},
    {F::RequiredTimeVariability, "Plus or minus percent by which a probabilistic run varies the required time: 0 to 100."},
    {F::ActivityYear, "The year the activity is expected in, counted from the base year."},
    {F::YearsToNextMin, kDistributionValues},
    {F::YearsToNextExpected, kDistributionValues},
    {F::YearsToNextMax, kDistributionValues},
    {F::YearsToNextKind, kDistributionList},
    {F::AgencyCostVariability, "Plus or minus percent by which a probabilistic run varies the activity's agency costs: 0 to 100."},
};
// clang-format on

} // namespace

QString ControlNote(forms::FormField field) {
    const auto it = kNotes.find(field);
    return it == kNotes.end() ? QString() : QString::fromUtf8(it->second);
}

} // namespace wexa::ui
