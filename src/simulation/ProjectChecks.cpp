#include "simulation/ProjectChecks.h"

#include "model/Capacities.h"
#include "model/DistributionCaptions.h"
#include "model/FieldLabels.h"

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

std::string LabelsInDialog(std::initializer_list<std::string_view> labels, std::string_view title) {
    std::string names;
    std::size_t k = 0;
    for (const std::string_view label : labels) {
        names += (k == 0 ? "" : (k + 1 == labels.size() ? " and " : ", ")) + QuotedLabel(label);
        ++k;
    }
    return names + " in the \"" + std::string(title) + "\" dialog";
}

std::string LabelInDialog(std::string_view label, std::string_view title) {
    return LabelsInDialog({label}, title);
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

    // A percentage the form keeps within 0..100; NaN fails too.
    FirstFailure& Percentage(double value, std::string_view field, std::string_view focus) {
        if (Passing() && !(value >= 0.0 && value <= 100.0)) {
            Fail(field, Describe(value), "it must be between 0 and 100", focus);
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

    // `name(i)` names entry i.
    template <std::size_t N, typename Name>
    FirstFailure& FiniteTable(const std::array<double, N>& table, Name&& name) {
        for (std::size_t i = 0; i < N && Passing(); ++i) {
            Finite(table[i], name(static_cast<int>(i)), "");
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

    // A rule between two values, stated first: "<rule> <first> is <value>,
    // <second> <value>."
    FirstFailure& Breaks(bool broken, std::string_view rule, std::string_view first, int value,
                         std::string_view second, int other, std::string_view focus) {
        if (Passing() && broken) {
            failure_ = CheckFailure{where_ + std::string(rule) + " " + std::string(first) + " is " +
                                        Describe(value) + ", " + std::string(second) + " " +
                                        Describe(other) + ".",
                                    kProjectDataErrorCaption, std::string(focus)};
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

// The first, middle or third value of a distribution on the main form, named
// by the distribution's label and the caption its kind gives the value.
std::string DistributionValue(std::string_view label, Int32 kind, int index) {
    static constexpr std::array<std::string_view, 3> kPlain{"first value", "value", "third value"};
    const auto captions = CaptionsForKind(kind);
    std::string caption = captions ? (*captions)[static_cast<std::size_t>(index)] : "";
    caption.erase(0, caption.find_first_not_of(' '));
    return QuotedLabel(label) + " " +
           (caption.empty() ? std::string(kPlain[static_cast<std::size_t>(index)]) : caption);
}

std::string HourlyValue(std::string_view column, int hour) {
    return LabelInDialog(column, DialogTitle::HourlyDistribution) + ", hour " +
           std::to_string(hour) + "-" + std::to_string(hour + 1);
}

std::string ClassValue(std::string_view label, std::string_view title, std::string_view row) {
    return LabelInDialog(label, title) + ", " + std::string(row);
}

std::string SpeedValue(std::string_view group, int vehicleClass, int speedRow) {
    return ClassValue(group, DialogTitle::AddedTimeCosts,
                      FieldLabel::VehicleClasses[static_cast<std::size_t>(vehicleClass)]) +
           " at " + std::to_string(speedRow * 5) + " mph";
}

std::string SlotPlace(int activitySlot) {
    return ActivityPlace(activitySlot / kActivitiesPerAlternative + 1,
                         activitySlot % kActivitiesPerAlternative + 1);
}

std::optional<CheckFailure> NoSuch(const std::string& what) {
    return CheckFailure{what + " does not exist.", kProjectDataErrorCaption, ""};
}

} // namespace

std::optional<CheckFailure> CheckProjectStructure(const Project& p) {
    namespace L = FieldLabel;
    const auto discount = [&](int i) {
        return DistributionValue(L::DiscountRate, p.DiscountRateKind, i);
    };
    const auto growth = [&](int i) {
        return DistributionValue(L::TrafficGrowthRate, p.TrafficGrowthKind, i);
    };
    const auto hourly = [](std::string_view column) {
        return [column](int hour) { return HourlyValue(column, hour); };
    };
    const auto speeds = [](std::string_view group, int vehicleClass) {
        return [group, vehicleClass](int row) { return SpeedValue(group, vehicleClass, row); };
    };
    const auto idling = [](int vehicleClass) {
        return ClassValue(L::IdlingCost, DialogTitle::AddedTimeCosts,
                          L::VehicleClasses[static_cast<std::size_t>(vehicleClass)]);
    };
    const auto delay = [](int vehicleClass) {
        return ClassValue(L::ValueOfTime, DialogTitle::DelayCostRates,
                          L::DelayRateRows[static_cast<std::size_t>(vehicleClass)]);
    };
    constexpr int kCar = 0;
    constexpr int kSingleUnit = 1;
    constexpr int kCombination = 2;
    FirstFailure check;
    check
        .Between(p.NumberOfAlternatives, 1, kMaxAlternatives, QuotedLabel(L::NumberOfAlternatives),
                 "NumberOfAlternatives")
        .AtLeast(p.NumberOfLanes, 1, QuotedLabel(L::NumberOfLanes), "NumberOfLanes")
        .Positive(p.ServiceFlowRate, QuotedLabel(L::ServiceFlowRate), "ServiceFlowRate")
        .Speed(p.PostedSpeedLimit, QuotedLabel(L::PostedSpeedLimit), "PostedSpeedLimit")
        .AtLeast(p.BaseYearAADT, 1, QuotedLabel(L::BaseYearAADT), "BaseYearAADT")
        .AtLeast(p.AnalysisPeriod, 1, QuotedLabel(L::AnalysisPeriod), "AnalysisPeriod")
        .Finite(p.DiscountRateMin, discount(0), "DiscountRateMin")
        .Finite(p.DiscountRateMean, discount(1), "DiscountRateMean")
        .Finite(p.DiscountRateMax, discount(2), "DiscountRateMax")
        .Finite(p.TrafficGrowthMin, growth(0), "TrafficGrowthMin")
        .Finite(p.TrafficGrowthMean, growth(1), "TrafficGrowthMean")
        .Finite(p.TrafficGrowthMax, growth(2), "TrafficGrowthMax")
        .Finite(p.PercentTrucks, QuotedLabel(L::PercentTrucks), "PercentTrucks")
        .Finite(p.PercentSUTrucks, QuotedLabel(L::PercentSUTrucks), "PercentSUTrucks")
        .Finite(p.PercentCUTrucks, QuotedLabel(L::PercentCUTrucks), "PercentCUTrucks")
        .Finite(p.ServiceFlowRate, QuotedLabel(L::ServiceFlowRate), "ServiceFlowRate")
        .FiniteTable(p.HourlyAADTPercent, hourly(L::HourlyAADT))
        .FiniteTable(p.HourlyInboundPercent, hourly(L::HourlyInbound))
        .FiniteTable(p.HourlyOutboundPercent, hourly(L::HourlyOutbound))
        .FiniteTable(p.AddedCostCombinationTruck, speeds(L::AddedCost, kCombination))
        .FiniteTable(p.AddedTimeCombinationTruck, speeds(L::AddedTime, kCombination))
        .FiniteTable(p.AddedCostSingleUnitTruck, speeds(L::AddedCost, kSingleUnit))
        .FiniteTable(p.AddedTimeSingleUnitTruck, speeds(L::AddedTime, kSingleUnit))
        .FiniteTable(p.AddedCostPassengerCar, speeds(L::AddedCost, kCar))
        .FiniteTable(p.AddedTimePassengerCar, speeds(L::AddedTime, kCar))
        .Finite(p.IdlingCostCombinationTruck, idling(kCombination), "")
        .Finite(p.IdlingCostPassengerCar, idling(kCar), "")
        .Finite(p.IdlingCostSingleUnitTruck, idling(kSingleUnit), "")
        .Finite(p.DelayRateCombinationTruck, delay(kCombination), "")
        .Finite(p.DelayRatePassengerCar, delay(kCar), "")
        .Finite(p.DelayRateSingleUnitTruck, delay(kSingleUnit), "")
        .AtLeast(p.MaximumAADT, 1, QuotedLabel(L::MaximumAADT), "MaximumAADT");
    // A deterministic run uses the mean of a Deterministic distribution; at
    // -100 % or less a discount factor is 0 or flips its sign year by year.
    // (Another kind is drawn even then, and the run checks what it draws.)
    if (p.AnalysisType != kProbabilisticAnalysis && p.DiscountRateKind == kDeterministic) {
        check.Above(p.DiscountRateMean, kLowestDiscountRate, discount(1), "DiscountRateMean",
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
                  QuotedLabel(FieldLabel::NumberOfActivities), "NumberOfActivities");
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckActivityStructure(const Project& p, int slot,
                                                   bool includesUserCosts) {
    if (slot < 0 || slot >= kActivitySlots) {
        return NoSuch("Activity slot " + std::to_string(slot));
    }
    namespace L = FieldLabel;
    const std::string directions = LabelInDialog(L::Directions, DialogTitle::WorkZone);
    FirstFailure check(SlotPlace(slot));
    check
        .Between(p.ActivityUserCostModes[slot], kIncludeUserCosts, kExcludeUserCosts,
                 "The list \"" + std::string(L::UserCostModes[0]) + "\" / \"" +
                     std::string(L::UserCostModes[1]) + "\"",
                 "ActivityUserCostMode")
        .Finite(p.ActivityBidItemTotal[slot],
                LabelInDialog(L::BidItemsTotal, DialogTitle::BidItems), "")
        .Finite(p.ActivityAgencyCostVariability[slot], QuotedLabel(L::AgencyCostVariability),
                "AgencyCostVariability")
        // Beyond 100 % a cost or a required time can be drawn below 0, and
        // the NPVs with it.
        .Percentage(p.ActivityAgencyCostVariability[slot], QuotedLabel(L::AgencyCostVariability),
                    "AgencyCostVariability")
        .Finite(p.ActivityTimeVariability[slot], QuotedLabel(L::RequiredTimeVariability),
                "RequiredTimeVariability")
        .Percentage(p.ActivityTimeVariability[slot], QuotedLabel(L::RequiredTimeVariability),
                    "RequiredTimeVariability")
        .Finite(p.ActivityWorkZoneLength[slot], QuotedLabel(L::WorkZoneLength), "WorkZoneLength")
        .Finite(p.ActivityWorkZoneCapacity[slot], QuotedLabel(L::WorkZoneCapacity),
                "WorkZoneCapacity")
        .Finite(p.ActivityDissipationCapacity[slot], QuotedLabel(L::WorkZoneDissipationCapacity),
                "WorkZoneDissipationCapacity")
        .Finite(p.ActivityInboundPercent[slot], directions + ", " + std::string(L::Inbound), "")
        .Finite(p.ActivityOutboundPercent[slot], directions + ", " + std::string(L::Outbound), "");
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        check.Finite(p.TimeItemUnitPrices[TimeItemSlot(slot, row)],
                     LabelInDialog(L::TimeItemUnitPrice, DialogTitle::TimeRelatedCosts) + ", row " +
                         std::to_string(row + 1),
                     "");
    }
    if (!includesUserCosts) {
        return std::move(check).Result();
    }
    check
        .Speed(p.ActivityWorkZoneSpeed[slot], QuotedLabel(L::WorkZoneSpeedLimit),
               "WorkZoneSpeedLimit")
        // Every user cost component is a product of counts, shares and rates
        // that are not negative, and of a speed-change cost, an added time
        // through the zone or a queue delay, which are not negative either
        // while the zone is no faster than the road (the added cost and time
        // tables rise with the speed; a queue delay is never below 0). A
        // faster zone makes the first three negative, at any posted speed.
        .Breaks(p.ActivityWorkZoneSpeed[slot] > p.PostedSpeedLimit, kWorkZoneFasterThanPosted,
                QuotedLabel(L::WorkZoneSpeedLimit), p.ActivityWorkZoneSpeed[slot],
                QuotedLabel(L::PostedSpeedLimit), p.PostedSpeedLimit, "WorkZoneSpeedLimit")
        .Then(CheckWorkZoneTiming(p.ActivityStartHour[slot], p.ActivityStopHour[slot],
                                  p.ActivityHoursInEffect[slot], p.ActivityMobilizationHours[slot],
                                  SlotPlace(slot)))
        .AtLeast(p.ActivityWorkZoneLanes[slot], 1, QuotedLabel(L::WorkZoneLanes), "WorkZoneLanes")
        // The time-related costs are priced on these stored quantities.
        .AtLeast(p.ActivityRequiredTime[slot], 0, QuotedLabel(L::RequiredTime), "RequiredTime")
        .AtLeast(p.ActivityDaysToComplete[slot], 0, LabelInDialog(L::Days, DialogTitle::WorkZone),
                 "");
    return std::move(check).Result();
}

std::optional<CheckFailure> CheckWorkZoneTiming(int startHour, int stopHour, int hours,
                                                int mobilization, const std::string& where) {
    namespace L = FieldLabel;
    const std::string mobilizationName = LabelInDialog(L::Mobilization, DialogTitle::WorkZone);
    FirstFailure check(where);
    check.Between(startHour, 0, kHours - 1, LabelInDialog(L::StartHour, DialogTitle::WorkZone), "")
        .Between(stopHour, 0, kHours - 1, LabelInDialog(L::StopHour, DialogTitle::WorkZone), "")
        .Between(hours, 1, kHours, LabelInDialog(L::HoursInEffect, DialogTitle::WorkZone), "")
        .AtLeast(mobilization, 0, mobilizationName, "");
    // Below 24 hours the mobilization comes out of every day, so it must leave
    // some working time.
    if (check.Passing() && hours < kHours && mobilization >= hours) {
        check.Refuse(mobilizationName, mobilization,
                     "with " + Describe(hours) + " " + QuotedLabel(L::HoursInEffect) +
                         " it must be below " + Describe(hours));
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
