#include "forms/FormExchange.h"
#include "CaseNames.h"
#include "forms/RecordingEffects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace wexa::forms {
namespace {

using testing::ByCaseName;

// The order the form and the project have always exchanged their fields in.
const std::vector<std::string> kExchangeOrder = {"BaseYearAADT",
                                                 "AnalysisPeriod",
                                                 "DiscountRateKind",
                                                 "DiscountRateMax",
                                                 "DiscountRateMean",
                                                 "DiscountRateMin",
                                                 "NumberOfLanes",
                                                 "NumberOfAlternatives",
                                                 "PostedSpeedLimit",
                                                 "ProjectDescription",
                                                 "ProjectLength",
                                                 "TrafficType",
                                                 "Terrain",
                                                 "HeavyVehicleFactor",
                                                 "LaneWidthFactor",
                                                 "MaxServiceFlowRate",
                                                 "PercentCUTrucks",
                                                 "PercentSUTrucks",
                                                 "PercentTrucks",
                                                 "RecreationalVehicleFactor",
                                                 "ServiceFlowRate",
                                                 "TrafficGrowthKind",
                                                 "TrafficGrowthMax",
                                                 "TrafficGrowthMean",
                                                 "TrafficGrowthMin",
                                                 "WorkZoneCapacity",
                                                 "WorkZoneDissipationCapacity",
                                                 "WorkZoneLanes",
                                                 "WorkZoneLength",
                                                 "WorkZoneSpeedLimit",
                                                 "NumberOfActivities",
                                                 "YearsToNextKind",
                                                 "YearsToNextMax",
                                                 "YearsToNextExpected",
                                                 "YearsToNextMin",
                                                 "ActivityDescription",
                                                 "RequiredTime",
                                                 "CurrentAlternative",
                                                 "CurrentActivity",
                                                 "ActivityAlternative",
                                                 "ResultBidItemCost",
                                                 "ResultTimeRelatedCost",
                                                 "ResultWorkZoneUserCost",
                                                 "ResultTotalCost",
                                                 "ResultTimeRelatedPercent",
                                                 "ResultBidItemPercent",
                                                 "ResultWorkZoneUserPercent",
                                                 "ResultTotalPercent",
                                                 "ActivityYear",
                                                 "DiscountRateCaptions[0]",
                                                 "DiscountRateCaptions[1]",
                                                 "DiscountRateCaptions[2]",
                                                 "TrafficGrowthCaptions[0]",
                                                 "TrafficGrowthCaptions[1]",
                                                 "TrafficGrowthCaptions[2]",
                                                 "YearsToNextCaptions[0]",
                                                 "YearsToNextCaptions[1]",
                                                 "YearsToNextCaptions[2]",
                                                 "AlternativeDescription",
                                                 "ResultAlternative",
                                                 "GraphAlternative",
                                                 "GraphPlotMode",
                                                 "GraphCostType",
                                                 "AgencyCostVariability",
                                                 "AnalysisType",
                                                 "TruckEquivalencyFactor",
                                                 "ProgressText",
                                                 "ProjectNumber",
                                                 "ActivityUserCostMode",
                                                 "MaximumAADT",
                                                 "CopyFromActivity",
                                                 "CopyFromAlternative",
                                                 "ProjectUserCostMode",
                                                 "RequiredTimeVariability"};

TEST(FormFieldTableTest, ExchangesInTheFixedOrder) {
    std::vector<std::string> names;
    for (const FormFieldInfo& info : FormFields()) {
        names.emplace_back(info.Name);
        EXPECT_EQ(FindFormField(info.Name), info.Field);
    }
    EXPECT_EQ(names, kExchangeOrder);
}

bool SameValue(const Project& a, const Project& b, FormField field) {
    return std::visit(
        [&](const auto* x) {
            return *x == *std::get<std::remove_cvref_t<decltype(x)>>(TargetOf(b, field));
        },
        TargetOf(a, field));
}

// A project in which every form field differs from the defaults and from
// every other field: field i holds 100 + i, 100.5 + i or "text i".
std::unique_ptr<Project> EveryFieldChanged() {
    auto p = std::make_unique<Project>();
    for (const FormFieldInfo& info : FormFields()) {
        const int i = static_cast<int>(info.Field);
        std::visit(
            [i](auto* value) {
                if constexpr (std::is_same_v<decltype(value), std::string*>) {
                    *value = "text " + std::to_string(i);
                } else if constexpr (std::is_same_v<decltype(value), double*>) {
                    *value = 100.5 + i;
                } else {
                    *value = 100 + i;
                }
            },
            TargetOf(*p, info.Field));
    }
    return p;
}

struct BadTextCase {
    const char* name;
    FormField field;
    std::string text;
    std::string message;
};

class StopAtFirstBadTextTest : public ::testing::TestWithParam<BadTextCase> {};

// Fields before the refused one take the form's values; it and every field
// after it keep the project's.
TEST_P(StopAtFirstBadTextTest, FieldsBeforeAreReadTheRestKeepTheirValues) {
    const BadTextCase& c = GetParam();
    const auto typed = EveryFieldChanged();
    FormState state;
    WriteFormFields(*typed, state);
    state.SetText(c.field, c.text);

    const auto defaults = std::make_unique<Project>();
    const Project& before = *defaults;
    auto read = std::make_unique<Project>();
    RecordingEffects effects;
    EXPECT_FALSE(ReadForm(state, *read, effects));

    for (const FormFieldInfo& info : FormFields()) {
        const bool readIn = static_cast<int>(info.Field) < static_cast<int>(c.field);
        EXPECT_TRUE(SameValue(*read, readIn ? *typed : before, info.Field)) << info.Name;
    }
    const auto shown = effects.TakeMessage("Wexa");
    EXPECT_EQ(shown.Text, c.message);
    EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
    EXPECT_EQ(effects.Focus, std::vector<std::string>{std::string(NameOf(c.field))});
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StopAtFirstBadTextTest,
    ::testing::Values(
        BadTextCase{"first field", FormField::BaseYearAADT, "12x", "Please enter an integer."},
        BadTextCase{"real", FormField::DiscountRateMax, "six", "Please enter a number."},
        BadTextCase{"integer overflow", FormField::WorkZoneLanes, "4294967296",
                    "Please enter an integer."},
        BadTextCase{"empty integer", FormField::MaximumAADT, "", "Please enter an integer."},
        BadTextCase{"last field", FormField::RequiredTimeVariability, "1e999",
                    "Please enter a number."}),
    ByCaseName());

// A value the user cannot retype (here a read-only factor that a project file
// made infinite, and a hidden result that is not a number) must not stop the
// exchange, or no field after it could ever be read again.
TEST(FormExchangeTest, NonFiniteReadOnlyValuesStayAndTheReadGoesOn) {
    auto shown = std::make_unique<Project>();
    shown->HeavyVehicleFactor = std::numeric_limits<double>::infinity();
    shown->ResultTotalCost = std::numeric_limits<double>::quiet_NaN();
    FormState state;
    WriteFormFields(*shown, state);
    state.SetText(FormField::RequiredTimeVariability, "12.5");

    RecordingEffects effects;
    EXPECT_TRUE(ReadForm(state, *shown, effects));
    EXPECT_TRUE(std::isinf(shown->HeavyVehicleFactor));
    EXPECT_TRUE(std::isnan(shown->ResultTotalCost));
    EXPECT_EQ(shown->RequiredTimeVariability, 12.5);
}

// The same value in a box the user types into is refused, so that it is
// replaced rather than computed with.
TEST(FormExchangeTest, NonFiniteEditableValueIsRefused) {
    auto shown = std::make_unique<Project>();
    shown->WorkZoneLength = std::numeric_limits<double>::quiet_NaN();
    FormState state;
    WriteFormFields(*shown, state);
    EXPECT_EQ(ReadFormFields(state, *shown), FormField::WorkZoneLength);
}

TEST(FormExchangeTest, ListsAndRadioExchangePositions) {
    auto p = std::make_unique<Project>();
    p->Terrain = 2;
    p->AnalysisType = 1;
    FormState state;
    WriteFormFields(*p, state);
    EXPECT_EQ(state.Position(FormField::Terrain), 2);
    EXPECT_EQ(state.Position(FormField::AnalysisType), 1);
    state.SetPosition(FormField::TrafficType, -1); // a list with no entry selected
    ASSERT_EQ(ReadFormFields(state, *p), std::nullopt);
    EXPECT_EQ(p->TrafficType, -1);
}

} // namespace
} // namespace wexa::forms
