#include "forms/FieldChecks.h"

#include "forms/ActivityFields.h"
#include "forms/CapacityFields.h"
#include "forms/Navigation.h"
#include "model/RoundValue.h"
#include "userdelay/TrafficDemand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace wexa::forms {

namespace {

using F = FormField;

// --- What is refused ---

constexpr bool NotPositive(double v) {
    return v <= 0;
}
constexpr bool Negative(double v) {
    return v < 0;
}
constexpr bool OutsidePercent(double v) {
    return v < 0 || v > 100;
}
constexpr bool OutsideUnitFactor(double v) {
    return v <= 0 || v > 1;
}
constexpr bool BelowOne(double v) {
    return v < 1.0;
}
constexpr bool OutsideSpeedRange(double v) {
    return v < 5 || v > 80;
}
bool NotMultipleOfFive(double v) {
    return std::fmod(v, 5.0) != 0.0;
}
constexpr bool OutsideAlternatives(double v) {
    return v <= 0 || v > kMaxAlternatives;
}
constexpr bool OutsideActivities(double v) {
    return v < 1 || v > kActivitiesPerAlternative;
}

struct BoxRule {
    F Box;
    bool (*Rejects)(double);
    const char* Message;
    const char* Caption;
    double Substitute;
};

// A box with two rules is checked in the order listed; the first refusal
// ends the check (the substitute passes the other rule).
// clang-format off
const std::array kRules{
    BoxRule{F::NumberOfLanes, NotPositive, "There must be at least 1 lane in each direction", "Number of Lanes Error", 1},
    BoxRule{F::HeavyVehicleFactor, Negative, "The heavy vehicle factor must be greater than 0", "HV Factor Error", 1.0},
    BoxRule{F::LaneWidthFactor, NotPositive, "The lane width factor must be greater than 0", "LW Factor Error", 1.0},
    BoxRule{F::RecreationalVehicleFactor, OutsideUnitFactor, "The recreational vehicle factor must be between 0 and 1.0", "RV Factor Error", 1.0},
    BoxRule{F::MaxServiceFlowRate, NotPositive, "The maximum service flow rate must be greater than 0", "MSFR Error", 1.0},
    BoxRule{F::PercentTrucks, OutsidePercent, "The percent trucks must be between 0% and 100%.", "Percent Trucks Error", 0},
    BoxRule{F::PercentSUTrucks, OutsidePercent, "The percent single units must be between 0% and 100%", "Percent Single Units Error", 0},
    BoxRule{F::PercentCUTrucks, OutsidePercent, "The percent combination units must be between 0% and 100%", "Percent Combination Units Error", 0},
    BoxRule{F::TruckEquivalencyFactor, BelowOne, "The truck equivalency factor must be be greater\nthan or equal to 1.0.  Please Adjust.", "Truck Equivalency Factor Error", 1.0},
    BoxRule{F::BaseYearAADT, NotPositive, "AADT must be at least 1", "AADT Error", 1},
    BoxRule{F::ProjectLength, Negative, "Length of project must be greater than 0 miles", "Length of Project Error", 1.0},
    BoxRule{F::AnalysisPeriod, NotPositive, "The analysis period must be at least 1 year", "Analysis Period Error", 1},
    BoxRule{F::PostedSpeedLimit, OutsideSpeedRange, "The speed limit must be between 5 mph and 80 mph.", "Speed Limit Error", 5},
    BoxRule{F::PostedSpeedLimit, NotMultipleOfFive, "The speed limit must be in increments of 5 mph.", "Speed Limit Error", 5},
    BoxRule{F::NumberOfAlternatives, OutsideAlternatives, "You may only analyze 1 to 4 design alternatives.", "Number of Alternatives Error", 1},
    BoxRule{F::NumberOfActivities, OutsideActivities, "The number of work zones must be between 1 and 10", "Number of Work Zones Error", 1},
    BoxRule{F::WorkZoneLength, NotPositive, "The work zone length must be greater than zero miles", "Work Zone Length Error", 1.0},
    BoxRule{F::WorkZoneSpeedLimit, OutsideSpeedRange, "The work zone speed limit must be between 5 mph and 80 mph.", "Work Zone Speed Limit Error", 5},
    BoxRule{F::WorkZoneSpeedLimit, NotMultipleOfFive, "The work zone speed limit must be in increments of 5 mph.", "Work Zone Speed Limit Error", 5},
    BoxRule{F::WorkZoneLanes, NotPositive, "The work zone must have at least 1 lane", "Work Zone Lane Error", 1},
    BoxRule{F::WorkZoneCapacity, NotPositive, "The work zone capacity must be greater than 0", "Work Zone Capacity Error", 1.0},
    BoxRule{F::RequiredTime, NotPositive, "The work zone duration must be greater than zero hours", "Work Zone Duration Error", 1},
    BoxRule{F::RequiredTimeVariability, OutsidePercent, "The variability must not be negative or greater than 100", "Required Time Variability Error", 0},
    BoxRule{F::AgencyCostVariability, OutsidePercent, "The variability must not be negative or greater than 100", "Agency Cost Variability Error", 0},
};
// clang-format on

// --- What follows the check ---

enum class After {
    Redraw,                      // nothing beyond the exchange
    CapacityFromFactors,         // RefreshCapacityFields, rounding the maximum service flow
    CapacityFromTruckMix,        // RefreshCapacityFields with the heavy vehicle factor
    RaiseMaximumAADT,            // the maximum is never below the base year AADT
    RoundProjectLength,          // two decimals
    FirstAlternative,            // the number of alternatives changed
    FirstActivity,               // the number of activities changed
    StoreInActivity,             // write-through to the current slot
    StoreRequiredTime,           // write-through, and the days to complete
    StoreAlternativeDescription, // write-through to the current alternative
    CheckPlottedAlternative,     // within the alternatives the project has
};

struct BoxHandler {
    F Box;
    After Then;
};

const std::array kHandlers{
    BoxHandler{F::NumberOfLanes, After::CapacityFromFactors},
    BoxHandler{F::HeavyVehicleFactor, After::CapacityFromFactors},
    BoxHandler{F::LaneWidthFactor, After::CapacityFromFactors},
    BoxHandler{F::RecreationalVehicleFactor, After::CapacityFromFactors},
    BoxHandler{F::MaxServiceFlowRate, After::CapacityFromFactors},
    BoxHandler{F::PercentTrucks, After::CapacityFromTruckMix},
    BoxHandler{F::TruckEquivalencyFactor, After::CapacityFromTruckMix},
    BoxHandler{F::PercentSUTrucks, After::Redraw},
    BoxHandler{F::PercentCUTrucks, After::Redraw},
    BoxHandler{F::AnalysisPeriod, After::Redraw},
    BoxHandler{F::PostedSpeedLimit, After::Redraw},
    BoxHandler{F::DiscountRateMin, After::Redraw},
    BoxHandler{F::DiscountRateMean, After::Redraw},
    BoxHandler{F::BaseYearAADT, After::RaiseMaximumAADT},
    BoxHandler{F::MaximumAADT, After::RaiseMaximumAADT},
    BoxHandler{F::ProjectLength, After::RoundProjectLength},
    BoxHandler{F::NumberOfAlternatives, After::FirstAlternative},
    BoxHandler{F::NumberOfActivities, After::FirstActivity},
    BoxHandler{F::WorkZoneLength, After::StoreInActivity},
    BoxHandler{F::WorkZoneSpeedLimit, After::StoreInActivity},
    BoxHandler{F::WorkZoneLanes, After::StoreInActivity},
    BoxHandler{F::WorkZoneCapacity, After::StoreInActivity},
    BoxHandler{F::WorkZoneDissipationCapacity, After::StoreInActivity},
    BoxHandler{F::RequiredTimeVariability, After::StoreInActivity},
    BoxHandler{F::AgencyCostVariability, After::StoreInActivity},
    BoxHandler{F::YearsToNextKind, After::StoreInActivity},
    BoxHandler{F::YearsToNextMin, After::StoreInActivity},
    BoxHandler{F::YearsToNextExpected, After::StoreInActivity},
    BoxHandler{F::YearsToNextMax, After::StoreInActivity},
    BoxHandler{F::ActivityDescription, After::StoreInActivity},
    BoxHandler{F::RequiredTime, After::StoreRequiredTime},
    BoxHandler{F::AlternativeDescription, After::StoreAlternativeDescription},
    BoxHandler{F::GraphAlternative, After::CheckPlottedAlternative},
};

const BoxHandler* HandlerOf(F box) {
    const auto it = std::find_if(kHandlers.begin(), kHandlers.end(),
                                 [box](const BoxHandler& h) { return h.Box == box; });
    return it == kHandlers.end() ? nullptr : &*it;
}

// The first rule of the box that refuses its value: message, focus,
// substitute.
void CheckValue(Project& p, FormEffects& effects, F box) {
    for (const BoxRule& rule : kRules) {
        if (rule.Box == box && rule.Rejects(NumberIn(p, box))) {
            ShowCheckFailure(effects, {rule.Message, rule.Caption, std::string(NameOf(box))});
            SetNumber(p, box, rule.Substitute);
            return;
        }
    }
}

void StoreRequiredTime(Project& p) {
    StoreActivityField(p, F::RequiredTime);
    if (const auto slot = CurrentSlot(p)) {
        p.ActivityDaysToComplete[*slot] = ComputeDaysToComplete(
            p.RequiredTime, p.ActivityHoursInEffect[*slot], p.ActivityMobilizationHours[*slot]);
    }
}

// The plotted alternative's range depends on the number of alternatives, so
// it is no fixed rule.
void CheckPlottedAlternative(Project& p, FormEffects& effects) {
    if (p.GraphAlternative < 1 || p.GraphAlternative > p.NumberOfAlternatives) {
        ShowCheckFailure(effects, {"You may only plot alternatives 1 through the\nmaximum number "
                                   "selected.",
                                   "Plotting Error", std::string(NameOf(F::GraphAlternative))});
        p.GraphAlternative = 1;
    }
}

void DoAfter(Project& p, FormEffects& effects, const BoxHandler& handler) {
    switch (handler.Then) {
    case After::Redraw:
        break;
    case After::CapacityFromFactors:
        RefreshCapacityFields(p, CapacityTrigger::LanesOrFactors);
        break;
    case After::CapacityFromTruckMix:
        RefreshCapacityFields(p, CapacityTrigger::TruckMix);
        break;
    case After::RaiseMaximumAADT:
        p.MaximumAADT = std::max(p.MaximumAADT, p.BaseYearAADT);
        break;
    case After::RoundProjectLength:
        RoundValue(p.ProjectLength, 1);
        break;
    case After::FirstAlternative:
        ShowFirstAlternative(p, effects);
        break;
    case After::FirstActivity:
        ShowFirstActivity(p, effects);
        break;
    case After::StoreInActivity:
        StoreActivityField(p, handler.Box);
        break;
    case After::StoreRequiredTime:
        StoreRequiredTime(p);
        break;
    case After::StoreAlternativeDescription:
        if (const auto alternative = CurrentAlternativeIndex(p)) {
            p.AlternativeDescriptions[*alternative] = p.AlternativeDescription;
        }
        break;
    case After::CheckPlottedAlternative:
        CheckPlottedAlternative(p, effects);
        break;
    }
}

} // namespace

bool HasLeaveHandler(F box) {
    return HandlerOf(box) != nullptr;
}

void CheckLeftBox(Project& p, FormEffects& effects, F box) {
    const BoxHandler* handler = HandlerOf(box);
    if (handler == nullptr) {
        return;
    }
    CheckValue(p, effects, box);
    DoAfter(p, effects, *handler);
}

} // namespace wexa::forms
