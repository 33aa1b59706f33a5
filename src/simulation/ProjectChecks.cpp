#include "simulation/ProjectChecks.h"

#include "model/Capacities.h"

#include <cmath>
#include <sstream>
#include <string>
#include <string_view>

namespace wexa {

std::string DescribeReal(double value) {
    std::ostringstream text;
    text.precision(15);
    text << value;
    return text.str();
}

std::string ActivityPlace(int alternative, int activity) {
    return "Alternative " + std::to_string(alternative) + ", work activity " +
           std::to_string(activity) + ": ";
}

namespace {

std::string Describe(double value) {
    return DescribeReal(value);
}

std::string Describe(int value) {
    return std::to_string(value);
}

// Collects the first failure of a chain of checks; once one has failed, the
// later checks are skipped, so every check runs on values the earlier ones
// have vouched for (the mobilization check, for one, relies on the hours).
class FirstFailure {
public:
    explicit FirstFailure(std::string where = {}) : where_(std::move(where)) {}

    FirstFailure& Between(int value, int low, int high, std::string_view field,
                          std::string_view focus) {
        if (Passing() && (value < low || value > high)) {
            Fail(field, Describe(value),
                 "it must be between " + Describe(low) + " and " + Describe(high), focus);
        }
        return *this;
    }

    FirstFailure& AtLeast(int value, int low, std::string_view field, std::string_view focus) {
        if (Passing() && value < low) {
            Fail(field, Describe(value), "it must be at least " + Describe(low), focus);
        }
        return *this;
    }

    // Speeds index the speed tables at speed / 5.
    FirstFailure& Speed(int value, std::string_view field, std::string_view focus) {
        if (Passing() && (value < 5 || value > 80 || value % 5 != 0)) {
            Fail(field, Describe(value), "it must be between 5 and 80 mph and a multiple of 5",
                 focus);
        }
        return *this;
    }

    // NaN fails too.
    FirstFailure& Positive(double value, std::string_view field, std::string_view focus) {
        if (Passing() && !(value > 0.0)) {
            Fail(field, Describe(value), "it must be greater than 0", focus);
        }
        return *this;
    }

    // NaN fails too.
    FirstFailure& Above(double value, double low, std::string_view field, std::string_view focus,
                        std::string_view when) {
        if (Passing() && !(value > low)) {
            Fail(field, Describe(value),
                 "it must be greater than " + Describe(low) + std::string(when), focus);
        }
        return *this;
    }

    FirstFailure& Finite(double value, std::string_view field, std::string_view focus) {
        if (Passing() && !std::isfinite(value)) {
            Fail(field, Describe(value), "it must be a finite number", focus);
        }
        return *this;
    }

    template <std::size_t N>
    FirstFailure& FiniteTable(const std::array<double, N>& table, std::string_view field) {
        for (std::size_t i = 0; i < N && Passing(); ++i) {
            Finite(table[i], std::string(field) + "[" + std::to_string(i) + "]", "");
        }
        return *this;
    }

    // A failure found by another check, unless this chain failed first.
    FirstFailure& Then(std::optional<CheckFailure> failure) {
        if (Passing()) {
            failure_ = std::move(failure);
        }
        return *this;
    }

    FirstFailure& Refuse(std::string_view field, int value, const std::string& rule) {
        if (Passing()) {
            Fail(field, Describe(value), rule, "");
        }
        return *this;
    }

    [[nodiscard]] bool Passing() const { return !failure_.has_value(); }
    [[nodiscard]] std::optional<CheckFailure> Result() && { return std::move(failure_); }

private:
    void Fail(std::string_view field, const std::string& value, const std::string& rule,
              std::string_view focus) {
        failure_ = CheckFailure{where_ + std::string(field) + " is " + value + ": " + rule + ".",
                                kProjectDataErrorCaption, std::string(focus)};
    }

    std::string where_;
    std::optional<CheckFailure> failure_;
};

std::string SlotPlace(int activitySlot) {
    return ActivityPlace(activitySlot / kActivitiesPerAlternative + 1,
                         activitySlot % kActivitiesPerAlternative + 1);
}

std::optional<CheckFailure> NoSuch(const std::string& what) {
    return CheckFailure{what + " does not exist.", kProjectDataErrorCaption, ""};
}

} // namespace

std::optional<CheckFailure> CheckProjectStructure(const Project& p) {
    FirstFailure check;
    check
        .Between(p.NumberOfAlternatives, 1, kMaxAlternatives, "NumberOfAlternatives",
                 "NumberOfAlternatives")
        .AtLeast(p.NumberOfLanes, 1, "NumberOfLanes", "NumberOfLanes")
        .Positive(p.ServiceFlowRate, "ServiceFlowRate", "ServiceFlowRate")
        .Speed(p.PostedSpeedLimit, "PostedSpeedLimit", "PostedSpeedLimit")
        .AtLeast(p.BaseYearAADT, 1, "BaseYearAADT", "BaseYearAADT")
        .AtLeast(p.AnalysisPeriod, 1, "AnalysisPeriod", "AnalysisPeriod")
        .Finite(p.DiscountRateMin, "DiscountRateMin", "DiscountRateMin")
        .Finite(p.DiscountRateMean, "DiscountRateMean", "DiscountRateMean")
        .Finite(p.DiscountRateMax, "DiscountRateMax", "DiscountRateMax")
        .Finite(p.TrafficGrowthMin, "TrafficGrowthMin", "TrafficGrowthMin")
        .Finite(p.TrafficGrowthMean, "TrafficGrowthMean", "TrafficGrowthMean")
        .Finite(p.TrafficGrowthMax, "TrafficGrowthMax", "TrafficGrowthMax")
        .Finite(p.PercentTrucks, "PercentTrucks", "PercentTrucks")
        .Finite(p.PercentSUTrucks, "PercentSUTrucks", "PercentSUTrucks")
        .Finite(p.PercentCUTrucks, "PercentCUTrucks", "PercentCUTrucks")
        .Finite(p.ServiceFlowRate, "ServiceFlowRate", "ServiceFlowRate")
        .FiniteTable(p.HourlyAADTPercent, "HourlyAADTPercent")
        .FiniteTable(p.HourlyInboundPercent, "HourlyInboundPercent")
        .FiniteTable(p.HourlyOutboundPercent, "HourlyOutboundPercent")
        .FiniteTable(p.AddedCostCombinationTruck, "AddedCostCombinationTruck")
        .FiniteTable(p.AddedTimeCombinationTruck, "AddedTimeCombinationTruck")
        .FiniteTable(p.AddedCostSingleUnitTruck, "AddedCostSingleUnitTruck")
        .FiniteTable(p.AddedTimeSingleUnitTruck, "AddedTimeSingleUnitTruck")
        .FiniteTable(p.AddedCostPassengerCar, "AddedCostPassengerCar")
        .FiniteTable(p.AddedTimePassengerCar, "AddedTimePassengerCar")
        .Finite(p.IdlingCostCombinationTruck, "IdlingCostCombinationTruck", "")
        .Finite(p.IdlingCostPassengerCar, "IdlingCostPassengerCar", "")
        .Finite(p.IdlingCostSingleUnitTruck, "IdlingCostSingleUnitTruck", "")
        .Finite(p.DelayRateCombinationTruck, "DelayRateCombinationTruck", "")
        .Finite(p.DelayRatePassengerCar, "DelayRatePassengerCar", "")
        .Finite(p.DelayRateSingleUnitTruck, "DelayRateSingleUnitTruck", "")
        .AtLeast(p.MaximumAADT, 1, "MaximumAADT", "MaximumAADT");
    // A deterministic run uses the mean of a Deterministic distribution; at
    // -100 % or less a discount factor is 0 or flips its sign year by year.
    // (Another kind is drawn even then, and the run checks what it draws.)
    if (p.AnalysisType != kProbabilisticAnalysis && p.DiscountRateKind == kDeterministic) {
        check.Above(p.DiscountRateMean, kLowestDiscountRate, "DiscountRateMean", "DiscountRateMean",
                    " for a deterministic run");
    }
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckAlternativeStructure(const Project& p, int alternative) {
    if (alternative < 1 || alternative > kMaxAlternatives) {
        return NoSuch("Alternative " + std::to_string(alternative));
    }
    FirstFailure check("Alternative " + std::to_string(alternative) + ": ");
    check.Between(p.AlternativeActivityCount[alternative - 1], 1, kActivitiesPerAlternative,
                  "AlternativeActivityCount", "NumberOfActivities");
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckActivityStructure(const Project& p, int slot,
                                                   bool includesUserCosts) {
    if (slot < 0 || slot >= kActivitySlots) {
        return NoSuch("Activity slot " + std::to_string(slot));
    }
    FirstFailure check(SlotPlace(slot));
    check
        .Between(p.ActivityUserCostModes[slot], kIncludeUserCosts, kExcludeUserCosts,
                 "ActivityUserCostModes", "ActivityUserCostMode")
        .Finite(p.ActivityBidItemTotal[slot], "ActivityBidItemTotal", "")
        .Finite(p.ActivityAgencyCostVariability[slot], "ActivityAgencyCostVariability",
                "AgencyCostVariability")
        .Finite(p.ActivityTimeVariability[slot], "ActivityTimeVariability",
                "RequiredTimeVariability")
        .Finite(p.ActivityWorkZoneLength[slot], "ActivityWorkZoneLength", "WorkZoneLength")
        .Finite(p.ActivityWorkZoneCapacity[slot], "ActivityWorkZoneCapacity", "WorkZoneCapacity")
        .Finite(p.ActivityDissipationCapacity[slot], "ActivityDissipationCapacity",
                "WorkZoneDissipationCapacity")
        .Finite(p.ActivityInboundPercent[slot], "ActivityInboundPercent", "")
        .Finite(p.ActivityOutboundPercent[slot], "ActivityOutboundPercent", "");
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        check.Finite(p.TimeItemUnitPrices[TimeItemSlot(slot, row)],
                     "TimeItemUnitPrices of time-related item " + std::to_string(row + 1), "");
    }
    if (!includesUserCosts) {
        return std::move(check).Result();
    }
    check.Speed(p.ActivityWorkZoneSpeed[slot], "ActivityWorkZoneSpeed", "WorkZoneSpeedLimit")
        .Then(CheckWorkZoneTiming(p.ActivityStartHour[slot], p.ActivityStopHour[slot],
                                  p.ActivityHoursInEffect[slot], p.ActivityMobilizationHours[slot],
                                  SlotPlace(slot)))
        .AtLeast(p.ActivityWorkZoneLanes[slot], 1, "ActivityWorkZoneLanes", "WorkZoneLanes")
        // The time-related costs are priced on these stored quantities.
        .AtLeast(p.ActivityRequiredTime[slot], 0, "ActivityRequiredTime", "RequiredTime")
        .AtLeast(p.ActivityDaysToComplete[slot], 0, "ActivityDaysToComplete", "");
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckWorkZoneTiming(int startHour, int stopHour, int hours,
                                                int mobilization, const std::string& where) {
    FirstFailure check(where);
    check.Between(startHour, 0, kHours - 1, "ActivityStartHour", "")
        .Between(stopHour, 0, kHours - 1, "ActivityStopHour", "")
        .Between(hours, 1, kHours, "ActivityHoursInEffect", "")
        .AtLeast(mobilization, 0, "ActivityMobilizationHours", "");
    // Below 24 hours the mobilization comes out of every day, so it must leave
    // some working time.
    if (check.Passing() && hours < kHours && mobilization >= hours) {
        check.Refuse("ActivityMobilizationHours", mobilization,
                     "with " + Describe(hours) +
                         " hours in effect (ActivityHoursInEffect) it must be below " +
                         Describe(hours));
    }
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckUsedStructure(const Project& p, CheckedActivities activities) {
    if (auto failure = CheckProjectStructure(p)) {
        return failure;
    }
    for (int alternative = 1; alternative <= p.NumberOfAlternatives; ++alternative) {
        if (auto failure = CheckAlternativeStructure(p, alternative)) {
            return failure;
        }
        for (int activity = 1; activity <= p.AlternativeActivityCount[alternative - 1];
             ++activity) {
            const int slot = ActivitySlot(alternative, activity);
            const int mode = p.ActivityUserCostModes[slot];
            if (activities == CheckedActivities::PricedOnly && mode == kExcludeUserCosts) {
                continue;
            }
            if (auto failure = CheckActivityStructure(p, slot, mode == kIncludeUserCosts)) {
                return failure;
            }
        }
    }
    return std::nullopt;
}

} // namespace wexa
