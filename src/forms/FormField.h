#pragma once

#include "model/Project.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace wexa::forms {

// Every field the main form shows, in the fixed order in which the form and
// the project exchange them. A read of the form stops at the first text that
// does not parse, so this order decides which fields a bad text leaves
// unread; it is part of the form's behaviour, not a matter of taste.
enum class FormField : int {
    BaseYearAADT,
    AnalysisPeriod,
    DiscountRateKind,
    DiscountRateMax,
    DiscountRateMean,
    DiscountRateMin,
    NumberOfLanes,
    NumberOfAlternatives,
    PostedSpeedLimit,
    ProjectDescription,
    ProjectLength,
    TrafficType,
    Terrain,
    HeavyVehicleFactor,
    LaneWidthFactor,
    MaxServiceFlowRate,
    PercentCUTrucks,
    PercentSUTrucks,
    PercentTrucks,
    RecreationalVehicleFactor,
    ServiceFlowRate,
    TrafficGrowthKind,
    TrafficGrowthMax,
    TrafficGrowthMean,
    TrafficGrowthMin,
    WorkZoneCapacity,
    WorkZoneDissipationCapacity,
    WorkZoneLanes,
    WorkZoneLength,
    WorkZoneSpeedLimit,
    NumberOfActivities,
    YearsToNextKind,
    YearsToNextMax,
    YearsToNextExpected,
    YearsToNextMin,
    ActivityDescription,
    RequiredTime,
    CurrentAlternative,
    CurrentActivity,
    ActivityAlternative,
    ResultBidItemCost,
    ResultTimeRelatedCost,
    ResultWorkZoneUserCost,
    ResultTotalCost,
    ResultTimeRelatedPercent,
    ResultBidItemPercent,
    ResultWorkZoneUserPercent,
    ResultTotalPercent,
    ActivityYear,
    DiscountRateCaptionFirst,
    DiscountRateCaptionMiddle,
    DiscountRateCaptionThird,
    TrafficGrowthCaptionFirst,
    TrafficGrowthCaptionMiddle,
    TrafficGrowthCaptionThird,
    YearsToNextCaptionFirst,
    YearsToNextCaptionMiddle,
    YearsToNextCaptionThird,
    AlternativeDescription,
    ResultAlternative,
    GraphAlternative,
    GraphPlotMode,
    GraphCostType,
    AgencyCostVariability,
    AnalysisType,
    TruckEquivalencyFactor,
    ProgressText,
    ProjectNumber,
    ActivityUserCostMode,
    MaximumAADT,
    CopyFromActivity,
    CopyFromAlternative,
    ProjectUserCostMode,
    RequiredTimeVariability,
};

inline constexpr int kFormFieldCount = static_cast<int>(FormField::RequiredTimeVariability) + 1;

// What the control of a field holds. Integer, Real and Text controls hold a
// text; a drop-down list holds the 0-based position of its selected entry (-1
// for none) and the radio pair the index of its checked button.
enum class FieldKind { Integer, Real, Text, ListPosition, RadioIndex };

struct FormFieldInfo {
    FormField Field;
    // The control's name: the code name of the Project field it shows (the
    // nine caption labels are named after their Captions element, for
    // example "DiscountRateCaptions[0]"). FormEffects names controls so.
    std::string_view Name;
    FieldKind Kind;
    // False for what the user cannot type into: read-only boxes, labels and
    // the controls no operation ever shows. Their text is always one the
    // form wrote itself.
    bool UserEditable;
};

// The fields in exchange order; element i describes FormField i.
[[nodiscard]] std::span<const FormFieldInfo> FormFields();
[[nodiscard]] const FormFieldInfo& InfoOf(FormField field);
[[nodiscard]] inline std::string_view NameOf(FormField field) {
    return InfoOf(field).Name;
}
[[nodiscard]] std::optional<FormField> FindFormField(std::string_view name);

// The Project member a field shows.
using FieldTarget = std::variant<Int32*, double*, std::string*>;
using ConstFieldTarget = std::variant<const Int32*, const double*, const std::string*>;
[[nodiscard]] FieldTarget TargetOf(Project& project, FormField field);
[[nodiscard]] ConstFieldTarget TargetOf(const Project& project, FormField field);

// A numeric field's value as a real (integers convert exactly) and the
// setter the checks use to put a substitute in. Text fields read as 0 and
// ignore the setter.
[[nodiscard]] double NumberIn(const Project& project, FormField field);
void SetNumber(Project& project, FormField field, double value);

} // namespace wexa::forms
