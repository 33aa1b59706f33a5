#include "simulation/AnalysisChecks.h"

#include "simulation/Distributions.h"
#include "simulation/ProjectChecks.h"

#include <cstdint>

namespace wexa {
namespace {

constexpr const char* kDiscountRateCaption = "Discount Rate Error";
constexpr const char* kScheduleCaption = "Scheduled Work Zone Error";

RunRefusal Refusal(CheckFailure failure) {
    RunRefusal refusal;
    refusal.Messages.push_back(std::move(failure));
    return refusal;
}

InputDistribution YearsToNext(const Project& p, int slot) {
    return {p.ActivityYearsKind[slot], static_cast<double>(p.ActivityYearsMin[slot]),
            static_cast<double>(p.ActivityYearsExpected[slot]),
            static_cast<double>(p.ActivityYearsMax[slot])};
}

std::optional<RunRefusal> CheckRates(const Project& p) {
    const InputDistribution discount{p.DiscountRateKind, p.DiscountRateMin, p.DiscountRateMean,
                                     p.DiscountRateMax};
    if (!CheckDistribution(discount)) {
        RunRefusal refusal;
        if (discount.Kind == kNormal) {
            refusal.Messages.push_back(
                {"There is an error in the discount rate data.\nThe mean must be centered "
                 "between the min and max.\nPlease adjust accordingly.",
                 kDiscountRateCaption, "DiscountRateKind"});
        }
        refusal.Messages.push_back(
            {"There is an error in the discount rate data.\nPlease adjust accordingly.",
             kDiscountRateCaption, "DiscountRateKind"});
        return refusal;
    }
    const InputDistribution growth{p.TrafficGrowthKind, p.TrafficGrowthMin, p.TrafficGrowthMean,
                                   p.TrafficGrowthMax};
    if (!CheckDistribution(growth)) {
        return Refusal(
            {"There is an error in the traffic growth rate data.\nPlease adjust accordingly.",
             "Traffic Growth Rate Error", "TrafficGrowthKind"});
    }
    return std::nullopt;
}

// Called after the structural checks, so the declared counts are in range.
std::optional<RunRefusal> CheckSchedules(const Project& p) {
    for (int a = 1; a <= p.NumberOfAlternatives; ++a) {
        for (int w = 1; w <= p.AlternativeActivityCount[a - 1]; ++w) {
            const InputDistribution years = YearsToNext(p, ActivitySlot(a, w));
            if (!CheckDistribution(years) ||
                !CheckNonNegative(years.First, years.Middle, years.Third)) {
                return Refusal(
                    {"There is an error in the work zone year data.\nPlease adjust accordingly.",
                     kScheduleCaption, "YearsToNextKind"});
            }
        }
    }
    if (p.AnalysisType == kProbabilisticAnalysis) {
        return std::nullopt;
    }
    for (int a = 1; a <= p.NumberOfAlternatives; ++a) {
        std::int64_t expectedYears = 0;
        for (int w = 1; w <= p.AlternativeActivityCount[a - 1]; ++w) {
            expectedYears += p.ActivityYearsExpected[ActivitySlot(a, w)];
        }
        if (expectedYears < p.AnalysisPeriod) {
            return Refusal({"There is an error in the work zone year data.\nThere are "
                            "insufficient work zones to span\nthe analysis period.  Please adjust.",
                            kScheduleCaption, "YearsToNextExpected"});
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<RunRefusal> CheckAnalysisInputs(const Project& project) {
    if (auto failure = CheckUsedStructure(project, CheckedActivities::EveryDeclared)) {
        return Refusal(std::move(*failure));
    }
    if (auto refusal = CheckRates(project)) {
        return refusal;
    }
    return CheckSchedules(project);
}

} // namespace wexa
