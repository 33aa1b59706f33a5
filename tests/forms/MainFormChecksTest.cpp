#include "CaseNames.h"
#include "MainFormFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

struct RefusedCase {
    const char* name;
    F box;
    std::string typed;
    std::string message;
    std::string caption;
    std::string substitute; // as the box shows it afterwards
};

class RefusedValueTest : public MainFormTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedValueTest, ShowsTheMessageMovesTheFocusBackAndSubstitutes) {
    const RefusedCase& c = GetParam();
    Leave(c.box, c.typed);
    const auto shown = effects_.TakeMessage(c.caption);
    EXPECT_EQ(shown.Text, c.message);
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{std::string(NameOf(c.box))});
    EXPECT_EQ(view_.Text(c.box), c.substitute);
    EXPECT_EQ(FormatReal(NumberIn(*project_, c.box)), c.substitute);
}

const std::string kVariability = "The variability must not be negative or greater than 100";
const std::string kSpeedRange = "The speed limit must be between 5 mph and 80 mph.";
const std::string kSpeedStep = "The speed limit must be in increments of 5 mph.";
const std::string kZoneSpeedRange = "The work zone speed limit must be between 5 mph and 80 mph.";
const std::string kZoneSpeedStep = "The work zone speed limit must be in increments of 5 mph.";
const std::string kPlotting =
    "You may only plot alternatives 1 through the\nmaximum number selected.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, RefusedValueTest, ::testing::Values(
    RefusedCase{"lanes", F::NumberOfLanes, "0", "There must be at least 1 lane in each direction", "Number of Lanes Error", "1"},
    RefusedCase{"heavy vehicle", F::HeavyVehicleFactor, "-0.5", "The heavy vehicle factor must be greater than 0", "HV Factor Error", "1"},
    RefusedCase{"lane width", F::LaneWidthFactor, "0", "The lane width factor must be greater than 0", "LW Factor Error", "1"},
    RefusedCase{"rv above one", F::RecreationalVehicleFactor, "1.01", "The recreational vehicle factor must be between 0 and 1.0", "RV Factor Error", "1"},
    RefusedCase{"rv zero", F::RecreationalVehicleFactor, "0", "The recreational vehicle factor must be between 0 and 1.0", "RV Factor Error", "1"},
    RefusedCase{"max service flow", F::MaxServiceFlowRate, "-3", "The maximum service flow rate must be greater than 0", "MSFR Error", "1"},
    RefusedCase{"trucks", F::PercentTrucks, "100.5", "The percent trucks must be between 0% and 100%.", "Percent Trucks Error", "0"},
    RefusedCase{"su trucks", F::PercentSUTrucks, "-1", "The percent single units must be between 0% and 100%", "Percent Single Units Error", "0"},
    RefusedCase{"cu trucks", F::PercentCUTrucks, "101", "The percent combination units must be between 0% and 100%", "Percent Combination Units Error", "0"},
    RefusedCase{"truck equivalency", F::TruckEquivalencyFactor, "0.99", "The truck equivalency factor must be be greater\nthan or equal to 1.0.  Please Adjust.", "Truck Equivalency Factor Error", "1"},
    RefusedCase{"aadt", F::BaseYearAADT, "0", "AADT must be at least 1", "AADT Error", "1"},
    RefusedCase{"project length", F::ProjectLength, "-0.01", "Length of project must be greater than 0 miles", "Length of Project Error", "1"},
    RefusedCase{"analysis period", F::AnalysisPeriod, "-35", "The analysis period must be at least 1 year", "Analysis Period Error", "1"},
    RefusedCase{"speed above range", F::PostedSpeedLimit, "85", kSpeedRange, "Speed Limit Error", "5"},
    RefusedCase{"speed below range", F::PostedSpeedLimit, "0", kSpeedRange, "Speed Limit Error", "5"},
    RefusedCase{"speed off the step", F::PostedSpeedLimit, "57", kSpeedStep, "Speed Limit Error", "5"},
    RefusedCase{"alternatives above", F::NumberOfAlternatives, "5", "You may only analyze 1 to 4 design alternatives.", "Number of Alternatives Error", "1"},
    RefusedCase{"alternatives zero", F::NumberOfAlternatives, "0", "You may only analyze 1 to 4 design alternatives.", "Number of Alternatives Error", "1"},
    RefusedCase{"activities", F::NumberOfActivities, "11", "The number of work zones must be between 1 and 10", "Number of Work Zones Error", "1"},
    RefusedCase{"zone length", F::WorkZoneLength, "0", "The work zone length must be greater than zero miles", "Work Zone Length Error", "1"},
    RefusedCase{"zone speed range", F::WorkZoneSpeedLimit, "90", kZoneSpeedRange, "Work Zone Speed Limit Error", "5"},
    RefusedCase{"zone speed step", F::WorkZoneSpeedLimit, "42", kZoneSpeedStep, "Work Zone Speed Limit Error", "5"},
    RefusedCase{"zone lanes", F::WorkZoneLanes, "0", "The work zone must have at least 1 lane", "Work Zone Lane Error", "1"},
    RefusedCase{"zone capacity", F::WorkZoneCapacity, "0", "The work zone capacity must be greater than 0", "Work Zone Capacity Error", "1"},
    RefusedCase{"required time", F::RequiredTime, "0", "The work zone duration must be greater than zero hours", "Work Zone Duration Error", "1"},
    RefusedCase{"time variability above", F::RequiredTimeVariability, "100.5", kVariability, "Required Time Variability Error", "0"},
    RefusedCase{"time variability negative", F::RequiredTimeVariability, "-1", kVariability, "Required Time Variability Error", "0"},
    RefusedCase{"agency variability", F::AgencyCostVariability, "100.01", kVariability, "Agency Cost Variability Error", "0"},
    RefusedCase{"plotted alternative beyond the count", F::GraphAlternative, "2", kPlotting, "Plotting Error", "1"},
    RefusedCase{"plotted alternative zero", F::GraphAlternative, "0", kPlotting, "Plotting Error", "1"}), ByCaseName());
// clang-format on

struct AcceptedCase {
    const char* name;
    F box;
    std::string typed;
};

class AcceptedValueTest : public MainFormTest,
                          public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedValueTest, KeepsTheValueWithoutAMessage) {
    Leave(GetParam().box, GetParam().typed);
    EXPECT_EQ(NumberIn(*project_, GetParam().box), *ParseReal(GetParam().typed));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boundaries, AcceptedValueTest, ::testing::Values(
    AcceptedCase{"one lane", F::NumberOfLanes, "1"},
    AcceptedCase{"no trucks", F::PercentTrucks, "0"},
    AcceptedCase{"all trucks", F::PercentTrucks, "100"},
    AcceptedCase{"project length zero", F::ProjectLength, "0"},
    AcceptedCase{"speed 55", F::PostedSpeedLimit, "55"},
    AcceptedCase{"four alternatives", F::NumberOfAlternatives, "4"},
    AcceptedCase{"ten activities", F::NumberOfActivities, "10"},
    AcceptedCase{"time variability 0", F::RequiredTimeVariability, "0"},
    AcceptedCase{"time variability 100", F::RequiredTimeVariability, "100"},
    AcceptedCase{"agency variability 100", F::AgencyCostVariability, "100"},
    AcceptedCase{"plotted alternative one", F::GraphAlternative, "1"}), ByCaseName());
// clang-format on

// The plotted alternative's upper bound follows the number of alternatives.
TEST_F(MainFormTest, PlottedAlternativeMayBeAnyAlternativeOfTheProject) {
    Leave(F::NumberOfAlternatives, "3");
    Leave(F::GraphAlternative, "3");
    EXPECT_EQ(project_->GraphAlternative, 3);
    Leave(F::GraphAlternative, "4");
    EXPECT_EQ(effects_.TakeCaptions(), std::vector<std::string>{"Plotting Error"});
    EXPECT_EQ(project_->GraphAlternative, 1);
}

// Per-activity boxes write through to the slot of the activity shown (slot 12
// here), substitutes included, and to no other slot.
struct WriteThroughCase {
    const char* name;
    F box;
    std::string typed;
    double (*stored)(const Project&, int slot);
    double expected;
};

class WriteThroughTest : public MainFormTest,
                         public ::testing::WithParamInterface<WriteThroughCase> {};

TEST_P(WriteThroughTest, StoresInTheCurrentSlotOnly) {
    const WriteThroughCase& c = GetParam();
    ShowActivityAt(2, 3);
    const double elsewhere = c.stored(*project_, 0);
    Leave(c.box, c.typed);
    // A substitute comes with the refusal that announces it.
    const bool substituted = *ParseReal(c.typed) != c.expected;
    EXPECT_EQ(effects_.TakeMessages().size(), substituted ? 1U : 0U);
    EXPECT_EQ(c.stored(*project_, ActivitySlot(2, 3)), c.expected);
    EXPECT_EQ(c.stored(*project_, 0), elsewhere);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, WriteThroughTest, ::testing::Values(
    WriteThroughCase{"length", F::WorkZoneLength, "0.5", [](const Project& p, int s) { return p.ActivityWorkZoneLength[s]; }, 0.5},
    WriteThroughCase{"length substitute", F::WorkZoneLength, "-2", [](const Project& p, int s) { return p.ActivityWorkZoneLength[s]; }, 1.0},
    WriteThroughCase{"dissipation", F::WorkZoneDissipationCapacity, "1500", [](const Project& p, int s) { return p.ActivityDissipationCapacity[s]; }, 1500},
    WriteThroughCase{"time variability", F::RequiredTimeVariability, "12.5", [](const Project& p, int s) { return p.ActivityTimeVariability[s]; }, 12.5},
    WriteThroughCase{"time variability substitute", F::RequiredTimeVariability, "-1", [](const Project& p, int s) { return p.ActivityTimeVariability[s]; }, 0},
    WriteThroughCase{"agency variability", F::AgencyCostVariability, "20", [](const Project& p, int s) { return p.ActivityAgencyCostVariability[s]; }, 20},
    WriteThroughCase{"years expected", F::YearsToNextExpected, "7", [](const Project& p, int s) { return double(p.ActivityYearsExpected[s]); }, 7},
    WriteThroughCase{"zone speed", F::WorkZoneSpeedLimit, "35", [](const Project& p, int s) { return double(p.ActivityWorkZoneSpeed[s]); }, 35}),
    ByCaseName());
// clang-format on

TEST_F(MainFormTest, ListAndTextBoxesWriteThrough) {
    ShowActivityAt(2, 3);
    view_.Select(F::YearsToNextKind, kTriangular);
    form_.LeaveBox(F::YearsToNextKind);
    Leave(F::ActivityDescription, "Mill and overlay");
    Leave(F::AlternativeDescription, "Asphalt");
    EXPECT_EQ(project_->ActivityYearsKind[ActivitySlot(2, 3)], kTriangular);
    EXPECT_EQ(project_->ActivityDescriptions[ActivitySlot(2, 3)], "Mill and overlay");
    EXPECT_EQ(project_->AlternativeDescriptions[1], "Asphalt");
    EXPECT_EQ(project_->AlternativeDescriptions[0], kDefaultItemDescription);
}

TEST_F(MainFormTest, RequiredTimeRecomputesTheDaysToComplete) {
    const int slot = ActivitySlot(2, 3);
    project_->ActivityHoursInEffect[slot] = 8;
    project_->ActivityMobilizationHours[slot] = 2;
    ShowActivityAt(2, 3);
    Leave(F::RequiredTime, "13"); // 6 working hours a day
    EXPECT_EQ(project_->ActivityRequiredTime[slot], 13);
    EXPECT_EQ(project_->ActivityDaysToComplete[slot], 3);
}

// A text that does not parse is refused before any check; the box gets its
// last accepted value back and no other field, nor any slot, changes.
TEST_F(MainFormTest, BadTextNeverCorruptsAnotherField) {
    ShowActivityAt(2, 3);
    const auto before = std::make_unique<Project>(*project_);
    Leave(F::WorkZoneLength, "1.5 miles");
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"WorkZoneLength"});
    EXPECT_EQ(view_.Text(F::WorkZoneLength), "1");
    EXPECT_EQ(project_->ActivityWorkZoneLength, before->ActivityWorkZoneLength);
    for (const FormFieldInfo& info : FormFields()) {
        EXPECT_EQ(NumberIn(*project_, info.Field), NumberIn(*before, info.Field)) << info.Name;
    }
}

TEST_F(MainFormTest, CapacityFieldsFollowTheTruckMixAndTheFactors) {
    Leave(F::PercentTrucks, "10.0"); // retyped; truck equivalency 1.5
    EXPECT_EQ(project_->HeavyVehicleFactor, 100.0 / 105.0);
    EXPECT_EQ(project_->ServiceFlowRate, 2095);

    view_.Select(F::Terrain, 2); // Mountainous
    form_.SelectTerrain();
    EXPECT_EQ(project_->TruckEquivalencyFactor, 6.0);
    EXPECT_EQ(project_->HeavyVehicleFactor, 100.0 / 150.0);
    EXPECT_EQ(project_->ServiceFlowRate, 1467); // 2200 x 2/3 = 1466.67

    // A factor rounds the maximum service flow rate, after the product.
    Leave(F::MaxServiceFlowRate, "2200.6");
    EXPECT_EQ(project_->MaxServiceFlowRate, 2201);
    EXPECT_EQ(project_->ServiceFlowRate, 1467); // 2200.6 x 2/3 = 1467.07
}

TEST_F(MainFormTest, MaximumAadtIsNeverBelowTheBaseYearAadt) {
    Leave(F::MaximumAADT, "50"); // base year AADT 100
    EXPECT_EQ(project_->MaximumAADT, 100);
    Leave(F::BaseYearAADT, "150000");
    EXPECT_EQ(project_->MaximumAADT, 150000);
    Leave(F::BaseYearAADT, "90");
    EXPECT_EQ(project_->MaximumAADT, 150000);
}

TEST_F(MainFormTest, ProjectLengthIsRoundedToTwoDecimals) {
    Leave(F::ProjectLength, "1.239");
    EXPECT_EQ(view_.Text(F::ProjectLength), "1.24");
    Leave(F::ProjectLength, "1.234");
    EXPECT_EQ(view_.Text(F::ProjectLength), "1.23");
}

TEST_F(MainFormTest, BoxesWithoutAHandlerWaitForTheNextRead) {
    Leave(F::DiscountRateMax, "not a rate"); // no handler: nothing happens yet
    EXPECT_TRUE(effects_.TakeMessages().empty());
    Leave(F::AnalysisPeriod, "30"); // the next read stops at the bad text first
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"DiscountRateMax"});
    EXPECT_EQ(project_->DiscountRateMax, 6.0);
    EXPECT_EQ(view_.Text(F::DiscountRateMax), "6");
    EXPECT_EQ(project_->AnalysisPeriod, 30); // read before the bad text
}

} // namespace
} // namespace wexa::forms
