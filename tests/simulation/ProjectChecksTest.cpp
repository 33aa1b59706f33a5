#include "simulation/ProjectChecks.h"

#include "model/FieldLabels.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace wexa {
namespace {

using testing::kInfinity;
using testing::kNaN;
constexpr int kIntMin = std::numeric_limits<int>::min();

// The discount rate a deterministic run uses when its distribution is fixed.
void FixDeterministicDiscountRate(Project& p, double rate) {
    p.AnalysisType = kDeterministicAnalysis;
    p.DiscountRateKind = kDeterministic;
    p.DiscountRateMean = rate;
}

// Slot 12 is alternative 2, activity 3: a slot other than 0 shows that
// messages name the right alternative and activity.
constexpr int kNamedSlot = 12;

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

std::string NameOf(const ::testing::TestParamInfo<BadValue>& info) {
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

class ProjectLevelCheck : public ::testing::TestWithParam<BadValue> {};

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
INSTANTIATE_TEST_SUITE_P(Fields, ProjectLevelCheck, ::testing::Values(
    BadValue{"Alternatives", [](Project& p) { p.NumberOfAlternatives = 5; }, R"m("Number of Design Alternatives" is 5: it must be between 1 and 4)m", "NumberOfAlternatives"},
    BadValue{"Lanes", [](Project& p) { p.NumberOfLanes = 0; }, R"m("Number of Lanes" is 0)m", "NumberOfLanes"},
    BadValue{"ZeroServiceFlow", [](Project& p) { p.ServiceFlowRate = 0.0; }, R"m("Service Flow Rate" is 0: it must be greater than 0)m", "ServiceFlowRate"},
    BadValue{"InfiniteServiceFlow", [](Project& p) { p.ServiceFlowRate = kInfinity; }, R"m("Service Flow Rate" is inf)m", "ServiceFlowRate"},
    BadValue{"SpeedOffGrid", [](Project& p) { p.PostedSpeedLimit = 57; }, R"m("Posted Speed Limit" is 57)m", "PostedSpeedLimit"},
    BadValue{"SpeedAbove80", [](Project& p) { p.PostedSpeedLimit = 85; }, R"m("Posted Speed Limit" is 85)m", "PostedSpeedLimit"},
    BadValue{"NoTraffic", [](Project& p) { p.BaseYearAADT = 0; }, R"m("Base Year AADT" is 0)m", "BaseYearAADT"},
    BadValue{"NoPeriod", [](Project& p) { p.AnalysisPeriod = 0; }, R"m("Analysis Period" is 0)m", "AnalysisPeriod"},
    BadValue{"DiscountRate", [](Project& p) { p.DiscountRateMax = kInfinity; }, R"m("Discount Rate (%)" Max is inf)m", "DiscountRateMax"},
    BadValue{"GrowthRate", [](Project& p) { p.TrafficGrowthMean = kNaN; }, R"m("Traffic Growth Rate (%)" Mean is )m", "TrafficGrowthMean"},
    BadValue{"TruckShare", [](Project& p) { p.PercentCUTrucks = -kInfinity; }, R"m("% CU Trucks" is -inf)m", "PercentCUTrucks"},
    BadValue{"HourlyTable", [](Project& p) { p.HourlyInboundPercent[5] = kNaN; }, R"m("% Inbound" in the "Hourly Traffic Distributions and Directional Split" dialog, hour 5-6 is )m", ""},
    BadValue{"SpeedTable", [](Project& p) { p.AddedTimePassengerCar[16] = kInfinity; }, R"m("Added Time (Hr/1000 Stops)" in the "Added Time, Vehicle Running and Idling Costs" dialog, Passenger Cars at 80 mph is inf)m", ""},
    BadValue{"DelayRate", [](Project& p) { p.DelayRateCombinationTruck = kNaN; }, R"m("Value of Time ($/Veh-hr)" in the "Delay Cost Rates" dialog, Combination Truck is )m", ""},
    BadValue{"NoAadtCap", [](Project& p) { p.MaximumAADT = 0; }, R"m("Maximum AADT" is 0: it must be at least 1)m", "MaximumAADT"},
    BadValue{"LowestAadtCap", [](Project& p) { p.MaximumAADT = kIntMin; }, R"m("Maximum AADT" is -2147483648)m", "MaximumAADT"},
    BadValue{"DiscountRateMinus100", [](Project& p) { FixDeterministicDiscountRate(p, -100.0); }, R"m("Discount Rate (%)" value is -100: it must be greater than -100)m", "DiscountRateMean"},
    BadValue{"DiscountRateMinus350", [](Project& p) { FixDeterministicDiscountRate(p, -350.0); }, R"m("Discount Rate (%)" value is -350)m", "DiscountRateMean"}),
    NameOf);
// clang-format on

// Every used activity's values are checked; its work-zone values only when
// it includes user costs (the run reads no work zone otherwise).
class ActivityCheck : public ::testing::TestWithParam<BadValue> {};

TEST_P(ActivityCheck, RefusesWithFieldAlternativeAndActivityNamed) {
    auto project = UsableProject();
    GetParam().spoil(*project);
    EXPECT_EQ(CheckActivityStructure(*project, kNamedSlot, false).has_value(),
              !GetParam().workZoneOnly);
    ExpectRefusal(CheckActivityStructure(*project, kNamedSlot, true), GetParam(),
                  "Alternative 2, work activity 3: ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ActivityCheck, ::testing::Values(
    BadValue{"Mode", [](Project& p) { p.ActivityUserCostModes[kNamedSlot] = 2; }, R"m(The list "Include Work Zone User Costs" / "Exclude Work Zone User Costs" is 2)m", "ActivityUserCostMode"},
    BadValue{"BidTotal", [](Project& p) { p.ActivityBidItemTotal[kNamedSlot] = kInfinity; }, R"m("Bid Items Total Cost" in the "Bid Items" dialog is inf)m", ""},
    BadValue{"Variability", [](Project& p) { p.ActivityAgencyCostVariability[kNamedSlot] = kNaN; }, R"m("Agency Cost Variability" is )m", "AgencyCostVariability"},
    // Beyond the form's 0..100 % a cost or a time can be drawn below 0.
    BadValue{"Variability250", [](Project& p) { p.ActivityAgencyCostVariability[kNamedSlot] = 250.0; }, R"m("Agency Cost Variability" is 250: it must be between 0 and 100)m", "AgencyCostVariability"},
    BadValue{"VariabilityBelow0", [](Project& p) { p.ActivityAgencyCostVariability[kNamedSlot] = -0.5; }, R"m("Agency Cost Variability" is -0.5: it must be between 0 and 100)m", "AgencyCostVariability"},
    BadValue{"TimeVariability150", [](Project& p) { p.ActivityTimeVariability[kNamedSlot] = 150.0; }, R"m("Required Time Variability" is 150: it must be between 0 and 100)m", "RequiredTimeVariability"},
    BadValue{"TimeVariabilityNotFinite", [](Project& p) { p.ActivityTimeVariability[kNamedSlot] = kInfinity; }, R"m("Required Time Variability" is inf: it must be a finite number)m", "RequiredTimeVariability"},
    BadValue{"Length", [](Project& p) { p.ActivityWorkZoneLength[kNamedSlot] = kNaN; }, R"m("Work Zone Length" is )m", "WorkZoneLength"},
    BadValue{"Capacity", [](Project& p) { p.ActivityDissipationCapacity[kNamedSlot] = kInfinity; }, R"m("Work Zone Dissipation Capacity" is inf)m", "WorkZoneDissipationCapacity"},
    BadValue{"Direction", [](Project& p) { p.ActivityOutboundPercent[kNamedSlot] = -kInfinity; }, R"m("Percent of Days Work Zone Applied to Each Direction" in the "Work Zone User Costs" dialog, Outbound is -inf)m", ""},
    BadValue{"TimeItemPrice", [](Project& p) { p.TimeItemUnitPrices[TimeItemSlot(kNamedSlot, 2)] = kNaN; }, R"m("Unit Price" in the "Costs Dependent on Time of Construction" dialog, row 3 is )m", ""},
    BadValue{"ZoneSpeed", [](Project& p) { p.ActivityWorkZoneSpeed[kNamedSlot] = 42; }, R"m("Work Zone Speed Limit" is 42)m", "WorkZoneSpeedLimit", true},
    BadValue{"ZoneFasterThanPosted", [](Project& p) { p.PostedSpeedLimit = 55; p.ActivityWorkZoneSpeed[kNamedSlot] = 60; }, R"m(The work zone speed limit must not be above the posted speed limit. "Work Zone Speed Limit" is 60, "Posted Speed Limit" 55.)m", "WorkZoneSpeedLimit", true},
    BadValue{"ZoneFasterThanPosted5", [](Project& p) { p.PostedSpeedLimit = 5; p.ActivityWorkZoneSpeed[kNamedSlot] = 35; }, R"m(The work zone speed limit must not be above the posted speed limit. "Work Zone Speed Limit" is 35, "Posted Speed Limit" 5.)m", "WorkZoneSpeedLimit", true},
    BadValue{"Start", [](Project& p) { p.ActivityStartHour[kNamedSlot] = 24; }, R"m("Start Hour" in the "Work Zone User Costs" dialog is 24: it must be between 0 and 23)m", "", true},
    BadValue{"Stop", [](Project& p) { p.ActivityStopHour[kNamedSlot] = -1; }, R"m("Stop Hour" in the "Work Zone User Costs" dialog is -1)m", "", true},
    BadValue{"NoHours", [](Project& p) { p.ActivityHoursInEffect[kNamedSlot] = 0; }, R"m("Hours in Effect" in the "Work Zone User Costs" dialog is 0: it must be between 1 and 24)m", "", true},
    BadValue{"Hours25", [](Project& p) { p.ActivityHoursInEffect[kNamedSlot] = 25; }, R"m("Hours in Effect" in the "Work Zone User Costs" dialog is 25)m", "", true},
    BadValue{"NegativeMobilization", [](Project& p) { p.ActivityMobilizationHours[kNamedSlot] = -1; }, R"m("Daily Mobilization/Demobilization" in the "Work Zone User Costs" dialog is -1: it must be at least 0)m", "", true},
    BadValue{"MobilizationFillsDay", [](Project& p) { p.ActivityHoursInEffect[kNamedSlot] = 8; p.ActivityMobilizationHours[kNamedSlot] = 8; }, R"m("Daily Mobilization/Demobilization" in the "Work Zone User Costs" dialog is 8: with 8 "Hours in Effect" it must be below 8)m", "", true},
    BadValue{"ZoneLanes", [](Project& p) { p.ActivityWorkZoneLanes[kNamedSlot] = 0; }, R"m("Number of Work Zone Lanes" is 0)m", "WorkZoneLanes", true},
    BadValue{"NegativeHours", [](Project& p) { p.ActivityRequiredTime[kNamedSlot] = -1; }, R"m("Required Time to Complete Work Activity" is -1: it must be at least 0)m", "RequiredTime", true},
    BadValue{"LowestHours", [](Project& p) { p.ActivityRequiredTime[kNamedSlot] = kIntMin; }, R"m("Required Time to Complete Work Activity" is -2147483648)m", "RequiredTime", true},
    BadValue{"LowestDays", [](Project& p) { p.ActivityDaysToComplete[kNamedSlot] = kIntMin; }, R"m("Days to Complete Work Activity Based on Work Zone Timing" in the "Work Zone User Costs" dialog is -2147483648)m", "", true}),
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

// The form's limits themselves pass: variabilities of 0 and 100 %, a work
// zone as fast as the road.
TEST(ProjectChecksTest, VariabilitiesAndWorkZoneSpeedAtTheirLimitsPass) {
    for (const double percent : {0.0, 100.0}) {
        auto project = UsableProject();
        project->ActivityAgencyCostVariability[kNamedSlot] = percent;
        project->ActivityTimeVariability[kNamedSlot] = percent;
        project->PostedSpeedLimit = 5;
        project->ActivityWorkZoneSpeed[kNamedSlot] = 5;
        EXPECT_FALSE(CheckActivityStructure(*project, kNamedSlot, true).has_value()) << percent;
    }
}

// Zero hours or days price no time-related cost, and no day costs nothing;
// an AADT cap of 1 still leaves traffic.
TEST(ProjectChecksTest, ZeroHoursAndDaysAndACapOfOnePass) {
    auto project = UsableProject();
    project->ActivityRequiredTime[kNamedSlot] = 0;
    project->ActivityDaysToComplete[kNamedSlot] = 0;
    project->MaximumAADT = 1;
    EXPECT_FALSE(CheckUsedStructure(*project).has_value());
}

TEST(ProjectChecksTest, AroundTheClockAllowsAnyMobilizationNotBelowZero) {
    auto project = UsableProject();
    project->ActivityHoursInEffect[kNamedSlot] = 24;
    project->ActivityMobilizationHours[kNamedSlot] = 30;
    EXPECT_FALSE(CheckActivityStructure(*project, kNamedSlot, true).has_value());
    project->ActivityHoursInEffect[kNamedSlot] = 23;
    project->ActivityMobilizationHours[kNamedSlot] = 22;
    EXPECT_FALSE(CheckActivityStructure(*project, kNamedSlot, true).has_value());
}

TEST(ProjectChecksTest, AlternativeActivityCountMustBeOneToTen) {
    auto project = UsableProject();
    const BadValue count{
        "",
        {},
        R"m("Number of Construction/Rehabilitation/ Maintenance Activities Scheduled over Analysis Period (include original construction)" is )m",
        "NumberOfActivities"};
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
    EXPECT_NE(
        failure->Message.find(
            R"m(Alternative 2, work activity 3: "Stop Hour" in the "Work Zone User Costs" dialog is -5)m"),
        std::string::npos)
        << failure->Message;

    // An unusable count stops the walk before its activities are looked at.
    project->AlternativeActivityCount[0] = 0;
    failure = CheckUsedStructure(*project);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Message.find(R"m(Alternative 1: "Number of Construction/)m"), 0U)
        << failure->Message;
    EXPECT_NE(failure->Message.find(R"m(original construction)" is 0)m"), std::string::npos)
        << failure->Message;
}

// The messages name a value by the label the user sees it under, from the
// one table the form and the dialogs are built from.
TEST(ProjectChecksTest, LabelsAreQuotedWithoutWhatClosesThemOnScreen) {
    EXPECT_EQ(QuotedLabel(FieldLabel::NumberOfAlternatives),
              R"m("Number of Design Alternatives")m");
    EXPECT_EQ(QuotedLabel(FieldLabel::RequiredTimeVariability), R"m("Required Time Variability")m");
    EXPECT_EQ(QuotedLabel(FieldLabel::BidItemsTotal), R"m("Bid Items Total Cost")m");
    EXPECT_EQ(QuotedLabel(FieldLabel::StartHour), R"m("Start Hour")m");
    EXPECT_EQ(QuotedLabel(FieldLabel::IdlingCost), R"m("Idling Cost ($/Veh-Hr)")m");
    EXPECT_EQ(QuotedLabel(FieldLabel::NumberOfActivities).back(), '"');
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
    EXPECT_NE(
        failure->Message.find(
            R"m(The list "Include Work Zone User Costs" / "Exclude Work Zone User Costs" is 2)m"),
        std::string::npos);
}

} // namespace
} // namespace wexa
