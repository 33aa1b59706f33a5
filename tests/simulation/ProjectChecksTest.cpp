#include "simulation/ProjectChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace wexa {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMin = std::numeric_limits<int>::min();

// The discount rate a deterministic run uses when its distribution is fixed.
void FixDeterministicDiscountRate(Project& p, double rate) {
    p.AnalysisType = kDeterministicAnalysis;
    p.DiscountRateKind = kDeterministic;
    p.DiscountRateMean = rate;
}

// Slot 12 is alternative 2, activity 3: a slot other than 0 shows that
// messages name the right alternative and activity.
constexpr int kSlot = 12;

std::unique_ptr<Project> UsableProject() {
    auto project = std::make_unique<Project>();
    project->NumberOfAlternatives = 2;
    project->AlternativeActivityCount[1] = 3;
    return project;
}

TEST(ProjectChecksTest, DefaultProjectPassesEveryCheck) {
    const auto project = UsableProject();
    EXPECT_FALSE(CheckUsedStructure(*project).has_value());
    for (int slot = 0; slot < kActivitySlots; ++slot) {
        EXPECT_FALSE(CheckActivityStructure(*project, slot, true).has_value()) << slot;
    }
}

struct BadValue {
    const char* name;
    std::function<void(Project&)> spoil;
    const char* field;         // must appear in the message
    const char* focus;         // expected FocusField
    bool workZoneOnly = false; // refused only when the activity includes user costs
};

void PrintTo(const BadValue& bad, std::ostream* os) {
    *os << bad.name;
}

std::string NameOf(const testing::TestParamInfo<BadValue>& info) {
    return info.param.name;
}

// The failure names the field (and the place, when there is one) and focuses
// the field's control.
void ExpectRefusal(const std::optional<CheckFailure>& failure, const BadValue& bad,
                   const std::string& place) {
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Caption, "Project Data Error");
    EXPECT_NE(failure->Message.find(place + bad.field), std::string::npos) << failure->Message;
    EXPECT_EQ(failure->FocusField, bad.focus);
}

class ProjectLevelCheck : public testing::TestWithParam<BadValue> {};

TEST_P(ProjectLevelCheck, RefusesWithTheFieldNamed) {
    auto project = UsableProject();
    GetParam().spoil(*project);
    const auto failure = CheckProjectStructure(*project);
    ExpectRefusal(failure, GetParam(), "");
    // The walk over the whole project reports the same failure first.
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(CheckUsedStructure(*project)->Message, failure->Message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ProjectLevelCheck, testing::Values(
    BadValue{"Alternatives", [](Project& p) { p.NumberOfAlternatives = 5; }, "NumberOfAlternatives", "NumberOfAlternatives"},
    BadValue{"Lanes", [](Project& p) { p.NumberOfLanes = 0; }, "NumberOfLanes", "NumberOfLanes"},
    BadValue{"ZeroServiceFlow", [](Project& p) { p.ServiceFlowRate = 0.0; }, "ServiceFlowRate", "ServiceFlowRate"},
    BadValue{"InfiniteServiceFlow", [](Project& p) { p.ServiceFlowRate = kInf; }, "ServiceFlowRate", "ServiceFlowRate"},
    BadValue{"SpeedOffGrid", [](Project& p) { p.PostedSpeedLimit = 57; }, "PostedSpeedLimit", "PostedSpeedLimit"},
    BadValue{"SpeedAbove80", [](Project& p) { p.PostedSpeedLimit = 85; }, "PostedSpeedLimit", "PostedSpeedLimit"},
    BadValue{"NoTraffic", [](Project& p) { p.BaseYearAADT = 0; }, "BaseYearAADT", "BaseYearAADT"},
    BadValue{"NoPeriod", [](Project& p) { p.AnalysisPeriod = 0; }, "AnalysisPeriod", "AnalysisPeriod"},
    BadValue{"DiscountRate", [](Project& p) { p.DiscountRateMax = kInf; }, "DiscountRateMax", "DiscountRateMax"},
    BadValue{"GrowthRate", [](Project& p) { p.TrafficGrowthMean = kNaN; }, "TrafficGrowthMean", "TrafficGrowthMean"},
    BadValue{"TruckShare", [](Project& p) { p.PercentCUTrucks = -kInf; }, "PercentCUTrucks", "PercentCUTrucks"},
    BadValue{"HourlyTable", [](Project& p) { p.HourlyInboundPercent[5] = kNaN; }, "HourlyInboundPercent[5]", ""},
    BadValue{"SpeedTable", [](Project& p) { p.AddedTimePassengerCar[16] = kInf; }, "AddedTimePassengerCar[16]", ""},
    BadValue{"DelayRate", [](Project& p) { p.DelayRateCombinationTruck = kNaN; }, "DelayRateCombinationTruck", ""},
    BadValue{"NoAadtCap", [](Project& p) { p.MaximumAADT = 0; }, "MaximumAADT is 0: it must be at least 1", "MaximumAADT"},
    BadValue{"LowestAadtCap", [](Project& p) { p.MaximumAADT = kIntMin; }, "MaximumAADT", "MaximumAADT"},
    BadValue{"DiscountRateMinus100", [](Project& p) { FixDeterministicDiscountRate(p, -100.0); }, "DiscountRateMean is -100: it must be greater than -100", "DiscountRateMean"},
    BadValue{"DiscountRateMinus350", [](Project& p) { FixDeterministicDiscountRate(p, -350.0); }, "DiscountRateMean", "DiscountRateMean"}),
    NameOf);
// clang-format on

// Every used activity's values are checked; its work-zone values only when
// it includes user costs (the run reads no work zone otherwise).
class ActivityCheck : public testing::TestWithParam<BadValue> {};

TEST_P(ActivityCheck, RefusesWithFieldAlternativeAndActivityNamed) {
    auto project = UsableProject();
    GetParam().spoil(*project);
    EXPECT_EQ(CheckActivityStructure(*project, kSlot, false).has_value(), !GetParam().workZoneOnly);
    ExpectRefusal(CheckActivityStructure(*project, kSlot, true), GetParam(),
                  "Alternative 2, work activity 3: ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ActivityCheck, testing::Values(
    BadValue{"Mode", [](Project& p) { p.ActivityUserCostModes[kSlot] = 2; }, "ActivityUserCostModes", "ActivityUserCostMode"},
    BadValue{"BidTotal", [](Project& p) { p.ActivityBidItemTotal[kSlot] = kInf; }, "ActivityBidItemTotal", ""},
    BadValue{"Variability", [](Project& p) { p.ActivityAgencyCostVariability[kSlot] = kNaN; }, "ActivityAgencyCostVariability", "AgencyCostVariability"},
    BadValue{"Length", [](Project& p) { p.ActivityWorkZoneLength[kSlot] = kNaN; }, "ActivityWorkZoneLength", "WorkZoneLength"},
    BadValue{"Capacity", [](Project& p) { p.ActivityDissipationCapacity[kSlot] = kInf; }, "ActivityDissipationCapacity", "WorkZoneDissipationCapacity"},
    BadValue{"Direction", [](Project& p) { p.ActivityOutboundPercent[kSlot] = -kInf; }, "ActivityOutboundPercent", ""},
    BadValue{"TimeItemPrice", [](Project& p) { p.TimeItemUnitPrices[TimeItemSlot(kSlot, 2)] = kNaN; }, "TimeItemUnitPrices of time-related item 3", ""},
    BadValue{"ZoneSpeed", [](Project& p) { p.ActivityWorkZoneSpeed[kSlot] = 42; }, "ActivityWorkZoneSpeed", "WorkZoneSpeedLimit", true},
    BadValue{"Start", [](Project& p) { p.ActivityStartHour[kSlot] = 24; }, "ActivityStartHour", "", true},
    BadValue{"Stop", [](Project& p) { p.ActivityStopHour[kSlot] = -1; }, "ActivityStopHour", "", true},
    BadValue{"NoHours", [](Project& p) { p.ActivityHoursInEffect[kSlot] = 0; }, "ActivityHoursInEffect", "", true},
    BadValue{"Hours25", [](Project& p) { p.ActivityHoursInEffect[kSlot] = 25; }, "ActivityHoursInEffect", "", true},
    BadValue{"NegativeMobilization", [](Project& p) { p.ActivityMobilizationHours[kSlot] = -1; }, "ActivityMobilizationHours", "", true},
    BadValue{"MobilizationFillsDay", [](Project& p) { p.ActivityHoursInEffect[kSlot] = 8; p.ActivityMobilizationHours[kSlot] = 8; }, "ActivityMobilizationHours", "", true},
    BadValue{"ZoneLanes", [](Project& p) { p.ActivityWorkZoneLanes[kSlot] = 0; }, "ActivityWorkZoneLanes", "WorkZoneLanes", true},
    BadValue{"NegativeHours", [](Project& p) { p.ActivityRequiredTime[kSlot] = -1; }, "ActivityRequiredTime is -1: it must be at least 0", "RequiredTime", true},
    BadValue{"LowestHours", [](Project& p) { p.ActivityRequiredTime[kSlot] = kIntMin; }, "ActivityRequiredTime", "RequiredTime", true},
    BadValue{"LowestDays", [](Project& p) { p.ActivityDaysToComplete[kSlot] = kIntMin; }, "ActivityDaysToComplete", "", true}),
    NameOf);
// clang-format on

// Only a deterministic run's fixed rate is known before the run; a drawn
// rate is the run's to check. Just above -100 % discounting still works.
TEST(ProjectChecksTest, DiscountRateLimitHoldsForTheFixedDeterministicRateOnly) {
    auto project = UsableProject();
    FixDeterministicDiscountRate(*project, -99.99);
    EXPECT_FALSE(CheckProjectStructure(*project).has_value());
    project->DiscountRateMean = -100.0;
    EXPECT_TRUE(CheckProjectStructure(*project).has_value());
    project->AnalysisType = kProbabilisticAnalysis;
    EXPECT_FALSE(CheckProjectStructure(*project).has_value());
    project->AnalysisType = kDeterministicAnalysis;
    project->DiscountRateKind = kUniform;
    EXPECT_FALSE(CheckProjectStructure(*project).has_value());
}

// Zero hours or days price no time-related cost, and no day costs nothing;
// an AADT cap of 1 still leaves traffic.
TEST(ProjectChecksTest, ZeroHoursAndDaysAndACapOfOnePass) {
    auto project = UsableProject();
    project->ActivityRequiredTime[kSlot] = 0;
    project->ActivityDaysToComplete[kSlot] = 0;
    project->MaximumAADT = 1;
    EXPECT_FALSE(CheckUsedStructure(*project).has_value());
}

TEST(ProjectChecksTest, AroundTheClockAllowsAnyMobilizationNotBelowZero) {
    auto project = UsableProject();
    project->ActivityHoursInEffect[kSlot] = 24;
    project->ActivityMobilizationHours[kSlot] = 30;
    EXPECT_FALSE(CheckActivityStructure(*project, kSlot, true).has_value());
    project->ActivityHoursInEffect[kSlot] = 23;
    project->ActivityMobilizationHours[kSlot] = 22;
    EXPECT_FALSE(CheckActivityStructure(*project, kSlot, true).has_value());
}

TEST(ProjectChecksTest, AlternativeActivityCountMustBeOneToTen) {
    auto project = UsableProject();
    const BadValue count{"", {}, "AlternativeActivityCount", "NumberOfActivities"};
    for (const int bad : {0, 11}) {
        project->AlternativeActivityCount[1] = bad;
        ExpectRefusal(CheckAlternativeStructure(*project, 2), count, "Alternative 2: ");
    }
    project->AlternativeActivityCount[1] = 10;
    EXPECT_FALSE(CheckAlternativeStructure(*project, 2).has_value());
}

TEST(ProjectChecksTest, NumbersOutsideTheArraysAreRefusedNotRead) {
    const auto project = UsableProject();
    EXPECT_TRUE(CheckAlternativeStructure(*project, 0).has_value());
    EXPECT_TRUE(CheckAlternativeStructure(*project, 5).has_value());
    EXPECT_TRUE(CheckActivityStructure(*project, -1, false).has_value());
    EXPECT_TRUE(CheckActivityStructure(*project, kActivitySlots, true).has_value());
}

TEST(ProjectChecksTest, WalkCoversDeclaredActivitiesOnlyAndTheirOwnMode) {
    auto project = UsableProject();
    // Beyond the declared counts: never visited.
    project->ActivityStartHour[ActivitySlot(2, 4)] = 99;
    project->ActivityStartHour[ActivitySlot(3, 1)] = 99;
    // Declared but excluding user costs: its work zone is not read.
    project->ActivityUserCostModes[ActivitySlot(2, 2)] = kExcludeUserCosts;
    project->ActivityWorkZoneLanes[ActivitySlot(2, 2)] = 0;
    EXPECT_FALSE(CheckUsedStructure(*project).has_value());

    project->ActivityStopHour[ActivitySlot(2, 3)] = -5;
    auto failure = CheckUsedStructure(*project);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->Message.find("Alternative 2, work activity 3: ActivityStopHour is -5"),
              std::string::npos)
        << failure->Message;

    // An unusable count stops the walk before its activities are looked at.
    project->AlternativeActivityCount[0] = 0;
    failure = CheckUsedStructure(*project);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->Message.find("Alternative 1: AlternativeActivityCount is 0"),
              std::string::npos)
        << failure->Message;
}

TEST(ProjectChecksTest, PricingSkipsActivitiesThatExcludeUserCosts) {
    auto project = UsableProject();
    const int excluded = ActivitySlot(2, 2);
    project->ActivityUserCostModes[excluded] = kExcludeUserCosts;
    project->ActivityBidItemTotal[excluded] = kNaN;
    // The run reads the bid total of every activity; pricing work zones does not.
    EXPECT_TRUE(CheckUsedStructure(*project).has_value());
    EXPECT_FALSE(CheckUsedStructure(*project, CheckedActivities::PricedOnly).has_value());
    // A mode that is neither include nor exclude cannot be skipped.
    project->ActivityUserCostModes[excluded] = 2;
    const auto failure = CheckUsedStructure(*project, CheckedActivities::PricedOnly);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->Message.find("ActivityUserCostModes is 2"), std::string::npos);
}

} // namespace
} // namespace wexa
