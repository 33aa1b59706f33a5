#include "CaseNames.h"
#include "MainFormFixture.h"
#include "forms/MainFormControls.h"
#include "forms/ModeSwitches.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace wexa::forms {
namespace {

using namespace wexa::forms::testing;
using F = FormField;

struct CaptionCase {
    const char* name;
    Int32 kind;
    std::vector<std::string> captions;
    bool outerShown;
};

class ShowCaptionsTest : public MainFormTest, public ::testing::WithParamInterface<CaptionCase> {
protected:
    struct Boxes {
        Distribution distribution;
        F list, first, third, caption1, caption2, caption3;
    };
    static constexpr Boxes kAll[] = {
        {Distribution::DiscountRate, F::DiscountRateKind, F::DiscountRateMin, F::DiscountRateMax,
         F::DiscountRateCaptionFirst, F::DiscountRateCaptionMiddle, F::DiscountRateCaptionThird},
        {Distribution::TrafficGrowth, F::TrafficGrowthKind, F::TrafficGrowthMin,
         F::TrafficGrowthMax, F::TrafficGrowthCaptionFirst, F::TrafficGrowthCaptionMiddle,
         F::TrafficGrowthCaptionThird},
        {Distribution::YearsToNext, F::YearsToNextKind, F::YearsToNextMin, F::YearsToNextMax,
         F::YearsToNextCaptionFirst, F::YearsToNextCaptionMiddle, F::YearsToNextCaptionThird},
    };
};

TEST_P(ShowCaptionsTest, PickingAKindSetsCaptionsAndOuterBoxes) {
    const CaptionCase& c = GetParam();
    for (const Boxes& d : kAll) {
        Type(d.first, "3");
        Type(d.third, "9");
        view_.Select(d.list, c.kind);
        form_.SelectDistributionKind(d.distribution);
        EXPECT_EQ((std::vector<std::string>{view_.Text(d.caption1), view_.Text(d.caption2),
                                            view_.Text(d.caption3)}),
                  c.captions);
        EXPECT_EQ(effects_.IsVisible(NameOf(d.first)), c.outerShown);
        EXPECT_EQ(effects_.IsVisible(NameOf(d.third)), c.outerShown);
        const std::string outer = c.outerShown ? "3" : "0";
        EXPECT_EQ(view_.Text(d.first), outer) << NameOf(d.first);
        EXPECT_EQ(view_.Text(d.third), c.outerShown ? "9" : "0");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ShowCaptionsTest,
    ::testing::Values(CaptionCase{"normal", kNormal, {"Min", "Mean", "Max"}, true},
                      CaptionCase{
                          "truncated", kTruncatedNormal, {"Stdev", "Expected", "  +/-"}, true},
                      CaptionCase{"uniform", kUniform, {"Min", "Default", "Max"}, true},
                      CaptionCase{"triangular", kTriangular, {"Min", "Most Likely", "Max"}, true},
                      CaptionCase{"deterministic", kDeterministic, {"", "", ""}, false}),
    ByCaseName());

TEST_F(MainFormTest, NormalAfterDeterministicDoesNotRestoreTheDiscountRange) {
    view_.Select(F::DiscountRateKind, kDeterministic);
    form_.SelectDistributionKind(Distribution::DiscountRate);
    EXPECT_EQ(project_->DiscountRateMin, 0);
    EXPECT_EQ(project_->DiscountRateMean, 4.0);
    EXPECT_EQ(project_->DiscountRateMax, 0);
    view_.Select(F::DiscountRateKind, kNormal);
    form_.SelectDistributionKind(Distribution::DiscountRate);
    EXPECT_EQ(project_->DiscountRateMin, 0);
    EXPECT_EQ(project_->DiscountRateMax, 0);
    EXPECT_TRUE(effects_.IsVisible("DiscountRateMin"));
}

TEST_F(MainFormTest, KindOutsideTheListChangesNothing) {
    view_.Select(F::TrafficGrowthKind, kUniform);
    form_.SelectDistributionKind(Distribution::TrafficGrowth);
    effects_.Clear();
    view_.Select(F::TrafficGrowthKind, 7);
    form_.SelectDistributionKind(Distribution::TrafficGrowth);
    EXPECT_EQ(project_->TrafficGrowthCaptions, (wexa::Captions{"Min", "Default", "Max"}));
    EXPECT_TRUE(effects_.Events.empty());
}

constexpr F kHiddenWhenExcluded[] = {F::WorkZoneLength,         F::WorkZoneSpeedLimit,
                                     F::WorkZoneCapacity,       F::WorkZoneDissipationCapacity,
                                     F::WorkZoneLanes,          F::RequiredTime,
                                     F::RequiredTimeVariability};

void ExpectWorkZoneInputsShown(const RecordingEffects& effects, bool shown) {
    for (const F box : kHiddenWhenExcluded) {
        EXPECT_EQ(effects.IsVisible(NameOf(box)), shown) << NameOf(box);
    }
    EXPECT_EQ(effects.IsVisible(MainFormControl::WorkZoneTimingButton), shown);
    EXPECT_EQ(effects.IsVisible(MainFormControl::TimeRelatedCostsButton), shown);
}

TEST_F(MainFormTest, ExcludingAnActivityHidesItsWorkZoneInputsUntilAnotherIsShown) {
    project_->AlternativeActivityCount[0] = project_->NumberOfActivities = 2;
    Show();
    view_.Select(F::ActivityUserCostMode, kExcludeUserCosts);
    form_.SelectActivityUserCostMode();
    EXPECT_EQ(project_->ActivityUserCostModes[0], kExcludeUserCosts);
    EXPECT_EQ(project_->ActivityUserCostModes[1], kIncludeUserCosts);
    ExpectWorkZoneInputsShown(effects_, false);
    form_.NextWorkActivity();
    ExpectWorkZoneInputsShown(effects_, true);
    form_.NextWorkActivity();
    ExpectWorkZoneInputsShown(effects_, false);
}

PerActivity<Int32> Every(Int32 mode) {
    PerActivity<Int32> modes{};
    modes.fill(mode);
    return modes;
}

// What a project that excludes work-zone user costs greys out.
const std::vector<std::string> kTrafficControls = {"TrafficType",
                                                   "Terrain",
                                                   "BaseYearAADT",
                                                   "MaximumAADT",
                                                   "PercentTrucks",
                                                   "PercentSUTrucks",
                                                   "PercentCUTrucks",
                                                   "TruckEquivalencyFactor",
                                                   "RecreationalVehicleFactor",
                                                   "LaneWidthFactor",
                                                   "MaxServiceFlowRate",
                                                   "TrafficGrowthMin",
                                                   "TrafficGrowthMean",
                                                   "TrafficGrowthMax",
                                                   "TrafficGrowthKind",
                                                   "ActivityUserCostMode",
                                                   "TrafficDistributionButton",
                                                   "AddedTimeCostsButton",
                                                   "DelayCostRatesButton"};

void ExpectTrafficInputsEnabled(const RecordingEffects& effects, bool enabled) {
    for (const std::string& control : kTrafficControls) {
        EXPECT_EQ(effects.IsEnabled(control), enabled) << control;
    }
}

TEST_F(MainFormTest, ProjectChoiceOverridesEveryActivitySlot) {
    project_->ActivityUserCostModes[37] = kExcludeUserCosts; // beyond the declared activities
    Show();
    view_.Select(F::ProjectUserCostMode, kExcludeUserCosts);
    form_.SelectProjectUserCostMode();
    EXPECT_EQ(project_->ActivityUserCostModes, Every(kExcludeUserCosts));
    ExpectTrafficInputsEnabled(effects_, false);
    ExpectWorkZoneInputsShown(effects_, false);

    project_->ActivityUserCostModes[3] = kExcludeUserCosts; // an activity's own choice
    view_.Select(F::ProjectUserCostMode, kIncludeUserCosts);
    form_.SelectProjectUserCostMode();
    EXPECT_EQ(project_->ActivityUserCostModes, Every(kIncludeUserCosts));
    ExpectTrafficInputsEnabled(effects_, true);
    ExpectWorkZoneInputsShown(effects_, true);
}

class AnalysisTypeTest : public MainFormTest {
protected:
    void Click(Int32 type) {
        view_.Select(F::AnalysisType, type);
        form_.ClickAnalysisType(type);
    }
    // A click on the other type, answered as YesAnswer says.
    void SwitchTo(Int32 type) {
        Click(type);
        effects_.TakeQuestion("Type of Analysis");
    }
    void EnterSchedule() {
        project_->ActivityYearsExpected.fill(12);
        project_->ActivityYearsMax.fill(15);
        project_->ActivityTimeVariability.fill(25);
        Show();
    }
};

TEST_F(AnalysisTypeTest, DeterministicClearsEveryDrawnInputAndProbabilisticStartsAgain) {
    EnterSchedule();
    SwitchTo(kDeterministicAnalysis);
    const Project& p = *project_;
    EXPECT_EQ(p.DiscountRateKind, kDeterministic);
    EXPECT_EQ(p.TrafficGrowthKind, kDeterministic);
    EXPECT_EQ(p.DiscountRateMean, 4.0);
    EXPECT_EQ(p.TrafficGrowthMax, 0.0);
    EXPECT_EQ(p.ActivityYearsKind, Every(kDeterministic));
    EXPECT_EQ(p.ActivityYearsExpected, Every(0));
    EXPECT_EQ(p.ActivityYearsMax, Every(0));
    EXPECT_EQ(p.ActivityAgencyCostVariability[39], 0.0);
    EXPECT_EQ(p.ActivityTimeVariability[39], 0.0);
    EXPECT_EQ(view_.Text(F::AgencyCostVariability), "0");
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionFirst), "");
    EXPECT_EQ(view_.Text(F::DiscountRateCaptionMiddle), "");
    for (const auto* box :
         {"YearsToNextMin", "YearsToNextMax", "DiscountRateMin", "TrafficGrowthMax"}) {
        EXPECT_FALSE(effects_.IsVisible(box)) << box;
    }
    EXPECT_TRUE(effects_.IsVisible("YearsToNextExpected"));
    for (const auto* box : {"DiscountRateKind", "TrafficGrowthKind", "AgencyCostVariability",
                            "YearsToNextKind", "RequiredTimeVariability"}) {
        EXPECT_FALSE(effects_.IsEnabled(box)) << box;
    }

    SwitchTo(kProbabilisticAnalysis);
    EXPECT_EQ(p.DiscountRateKind, kNormal);
    EXPECT_EQ((std::vector<double>{p.TrafficGrowthMin, p.TrafficGrowthMean, p.TrafficGrowthMax}),
              (std::vector<double>{2, 4, 6}));
    EXPECT_EQ(p.ActivityAgencyCostVariability[39], 10.0);
    EXPECT_EQ(p.ActivityYearsKind, Every(kNormal));
    EXPECT_EQ(p.ActivityTimeVariability[0], 0.0);
    EXPECT_EQ(view_.Text(F::YearsToNextCaptionThird), "Max");
    EXPECT_TRUE(effects_.IsVisible("YearsToNextMin"));
    EXPECT_TRUE(effects_.IsEnabled("TrafficGrowthKind"));
}

// Clicking the button that is already checked is not a switch: the schedule
// the user entered stays, and nothing is asked.
TEST_F(AnalysisTypeTest, ClickingTheCheckedButtonKeepsTheSchedule) {
    EnterSchedule();
    Click(kProbabilisticAnalysis);
    EXPECT_EQ(project_->ActivityYearsExpected, Every(12));
    EXPECT_EQ(project_->ActivityTimeVariability[5], 25.0);
}

// What a switch clears cannot be brought back by switching again: each
// switch says what it clears and goes ahead only on Yes.
TEST_F(AnalysisTypeTest, EverySwitchAsksFirstAndNoKeepsTheProject) {
    EnterSchedule();
    project_->DiscountRateMean = 3.5;
    Show();
    effects_.YesAnswer = false;
    Click(kDeterministicAnalysis);
    EXPECT_EQ(effects_.TakeQuestion("Type of Analysis").Text,
              AnalysisTypeQuestion(kDeterministicAnalysis));
    const Project& p = *project_;
    EXPECT_EQ(p.AnalysisType, kProbabilisticAnalysis);
    EXPECT_EQ(view_.Position(F::AnalysisType), kProbabilisticAnalysis);
    EXPECT_EQ(p.ActivityYearsExpected, Every(12));
    EXPECT_EQ(p.ActivityTimeVariability[39], 25.0);
    EXPECT_EQ(p.DiscountRateMin, 2.0);
    EXPECT_EQ(p.DiscountRateMean, 3.5);
    EXPECT_TRUE(effects_.IsEnabled("YearsToNextKind"));
    EXPECT_TRUE(effects_.IsVisible("YearsToNextMax"));

    effects_.YesAnswer = true;
    SwitchTo(kDeterministicAnalysis);
    EXPECT_EQ(p.AnalysisType, kDeterministicAnalysis);
    EXPECT_EQ(p.ActivityYearsExpected, Every(0));
    project_->ActivityYearsExpected.fill(20);
    Show();
    effects_.YesAnswer = false;
    Click(kProbabilisticAnalysis);
    EXPECT_EQ(effects_.TakeQuestion("Type of Analysis").Text,
              AnalysisTypeQuestion(kProbabilisticAnalysis));
    EXPECT_EQ(p.AnalysisType, kDeterministicAnalysis);
    EXPECT_EQ(view_.Position(F::AnalysisType), kDeterministicAnalysis);
    EXPECT_EQ(p.ActivityYearsExpected, Every(20));
}

// The question names what goes: the words a user looks for.
TEST(AnalysisTypeQuestionTest, SaysWhatIsCleared) {
    const std::string_view deterministic = AnalysisTypeQuestion(kDeterministicAnalysis);
    for (const std::string_view words :
         {"years before the next work activity", "agency cost variability",
          "required time variability", "discount rate", "traffic growth rate", "?"}) {
        EXPECT_NE(deterministic.find(words), std::string_view::npos) << words;
    }
    const std::string_view probabilistic = AnalysisTypeQuestion(kProbabilisticAnalysis);
    EXPECT_NE(probabilistic.find("years before the next work activity"), std::string_view::npos);
    EXPECT_NE(probabilistic, deterministic);
}

// Including user costs again must not let the traffic growth kind be chosen
// in a deterministic analysis.
TEST_F(AnalysisTypeTest, GrowthKindStaysDisabledWhileDeterministic) {
    SwitchTo(kDeterministicAnalysis);
    view_.Select(F::ProjectUserCostMode, kExcludeUserCosts);
    form_.SelectProjectUserCostMode();
    view_.Select(F::ProjectUserCostMode, kIncludeUserCosts);
    form_.SelectProjectUserCostMode();
    EXPECT_FALSE(effects_.IsEnabled("TrafficGrowthKind"));
    EXPECT_TRUE(effects_.IsEnabled("TrafficGrowthMean"));
}

// After a file is read every control follows the new project, whatever the
// form showed before; Deterministic distributions lose their outer values.
// The activity's boxes show its slot, not the copies the file holds.
TEST_F(MainFormTest, OpeningAProjectAppliesItsModesAndCaptions) {
    Type(F::WorkZoneLength, "stale text the file replaces");
    Project& p = *project_;
    p.AnalysisType = kDeterministicAnalysis;
    p.ProjectUserCostMode = kExcludeUserCosts;
    p.ActivityUserCostModes[0] = kExcludeUserCosts;
    p.ActivityUserCostMode = kIncludeUserCosts;
    p.TrafficGrowthKind = kDeterministic;
    p.TrafficGrowthMin = 1.5;
    p.TrafficGrowthCaptions = {"a", "b", "c"};
    p.DiscountRateKind = kTriangular;
    p.ActivityWorkZoneLength[0] = 0.5;
    p.WorkZoneLength = 2.0;
    form_.AfterLoad();
    EXPECT_EQ(p.WorkZoneLength, 0.5);
    EXPECT_EQ(p.TrafficGrowthMin, 0.0);
    EXPECT_EQ(p.TrafficGrowthCaptions, (wexa::Captions{"", "", ""}));
    EXPECT_EQ(view_.Text(F::DiscountRateCaptionMiddle), "Most Likely");
    EXPECT_FALSE(effects_.IsEnabled("YearsToNextKind"));
    ExpectTrafficInputsEnabled(effects_, false);
    ExpectWorkZoneInputsShown(effects_, false);
}

TEST_F(MainFormTest, TrafficTypeLoadsItsTableOrAsksForTheDialog) {
    view_.Select(F::TrafficType, 1);
    EXPECT_EQ(form_.SelectTrafficType(), FormRequest::None);
    EXPECT_EQ(project_->HourlyAADTPercent, project_->UrbanAADTPercent);
    EXPECT_EQ(project_->HourlyOutboundPercent, project_->UrbanOutboundPercent);
    view_.Select(F::TrafficType, 2);
    EXPECT_EQ(form_.SelectTrafficType(), FormRequest::OpenHourlyDistributionDialog);
    EXPECT_EQ(project_->HourlyAADTPercent, project_->UrbanAADTPercent);
    view_.Select(F::TrafficType, 0);
    EXPECT_EQ(form_.SelectTrafficType(), FormRequest::None);
    EXPECT_EQ(project_->HourlyInboundPercent, project_->RuralInboundPercent);
    for (const char* caption :
         {"Traffic Type: Urban", "Traffic Type: Specific", "Traffic Type: Rural"}) {
        EXPECT_EQ(effects_.TakeMessage(caption).Icon, MessageIcon::Information);
    }
}

} // namespace
} // namespace wexa::forms
