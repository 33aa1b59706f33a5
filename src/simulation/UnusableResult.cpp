#include "simulation/UnusableResult.h"

#include "model/FieldLabels.h"
#include "simulation/ProjectChecks.h"
#include "userdelay/TrafficDemand.h"

#include <cmath>
#include <string>

namespace wexa {

namespace {

std::string Percent(double rate) {
    return DescribeReal(rate) + " %";
}

std::string YearText(double year) {
    return "year " + DescribeReal(year);
}

std::string ComesOutAs(double value) {
    if (std::isnan(value)) {
        return "comes out as no number at all (NaN)";
    }
    if (std::isinf(value)) {
        return std::string("comes out ") + (value > 0 ? "infinite" : "minus infinite");
    }
    return "comes out as " + DescribeReal(value) +
           ", beyond the whole dollar amounts that are exact (below 2^53, about 9.0e15, either "
           "way)";
}

namespace L = FieldLabel;

// The inputs are named by the labels the form and its dialogs show them under.
std::string AgencyCostDrivers() {
    return LabelInDialog(L::BidItemsTotal, DialogTitle::BidItems) + ", " +
           LabelInDialog(L::TimeItemUnitPrice, DialogTitle::TimeRelatedCosts) +
           " with the hours and days it is priced on (" + QuotedLabel(L::RequiredTime) + " and " +
           LabelInDialog(L::Days, DialogTitle::WorkZone) + "), and " +
           QuotedLabel(L::AgencyCostVariability);
}

std::string UserCostDrivers(const UnusableResult& r) {
    return "the user cost rates (" + LabelInDialog(L::ValueOfTime, DialogTitle::DelayCostRates) +
           "; " +
           LabelsInDialog({L::IdlingCost, L::AddedCost, L::AddedTime},
                          DialogTitle::AddedTimeCosts) +
           ") and the traffic: an AADT of " + std::to_string(r.Aadt) + " in " + YearText(r.Year) +
           " at a traffic growth rate of " + Percent(r.GrowthRate) + " a year";
}

std::string DiscountRateDriver(const UnusableResult& r) {
    return "the discount rate (" + Percent(r.DiscountRate) + ")";
}

// The rates a probabilistic iteration drew appear among the drivers.
std::string IterationNote(const UnusableResult& r) {
    if (r.Iteration == 0) {
        return "";
    }
    return " (iteration " + std::to_string(r.Iteration) + ")";
}

// The AADT itself is not quoted: below the 32-bit range it is only a limit,
// and the mark of traffic that grew to no finite number is that limit too.
std::string GrownAadtMessage(const UnusableResult& r) {
    const bool notFinite = r.Value == kNoFiniteAadt;
    return "the traffic grown to " + YearText(r.Year) + IterationNote(r) +
           " at a traffic growth rate of " + Percent(r.GrowthRate) + " a year comes out as " +
           (notFinite ? "an AADT below 0 or no finite number at all" : "an AADT below 0") +
           ", which is not a result. A growth rate below "
           "-100 % makes the traffic negative in every other year; the truck percentages (" +
           QuotedLabel(L::PercentTrucks) + ", " + QuotedLabel(L::PercentSUTrucks) + ", " +
           QuotedLabel(L::PercentCUTrucks) + ") drive it too. Please adjust " +
           QuotedLabel(L::TrafficGrowthRate) + ".";
}

std::string DiscountRateMessage(const UnusableResult& r) {
    return "The discount rate the deterministic run uses (drawn from the distribution of " +
           QuotedLabel(L::DiscountRate) + ") is " + Percent(r.DiscountRate) +
           ": it must be greater than -100 %, or no cost can be discounted. Please adjust " +
           QuotedLabel(L::DiscountRate) + ".";
}

// A figure worked out from the inputs: which one, where, its value, why it
// is not a result and what drives it.
std::string FigureMessage(const std::string& what, const UnusableResult& r,
                          const std::string& drivers) {
    return what + IterationNote(r) + " " + ComesOutAs(r.Value) +
           ", so there is no result to report. It is driven by " + drivers +
           ". Please check these inputs.";
}

std::string Body(const UnusableResult& r) {
    const std::string activity = "the activity in " + YearText(r.Year);
    switch (r.Figure) {
    case ResultFigure::AgencyCost:
        return FigureMessage("the agency cost of " + activity, r, AgencyCostDrivers());
    case ResultFigure::UserCost:
        return FigureMessage("the work zone user cost of " + activity, r, UserCostDrivers(r));
    case ResultFigure::AgencyNpv:
        return FigureMessage("the agency NPV up to " + activity, r,
                             AgencyCostDrivers() + ", and " + DiscountRateDriver(r));
    case ResultFigure::UserNpv:
        return FigureMessage("the work zone user cost NPV up to " + activity, r,
                             UserCostDrivers(r) + ", and " + DiscountRateDriver(r));
    case ResultFigure::TotalNpv:
        return FigureMessage("the total NPV up to " + activity, r,
                             "the agency costs, " + UserCostDrivers(r) + ", and " +
                                 DiscountRateDriver(r));
    case ResultFigure::GrownAadt:
        return GrownAadtMessage(r);
    case ResultFigure::DiscountRate:
        return DiscountRateMessage(r);
    }
    return {};
}

} // namespace

CheckFailure DescribeUnusableResult(const UnusableResult& r) {
    const std::string place = r.Alternative > 0 ? ActivityPlace(r.Alternative, r.Activity) : "";
    return CheckFailure{place + Body(r), kProjectDataErrorCaption, ""};
}

} // namespace wexa
