#include "forms/FormField.h"

#include "model/Conversions.h"

#include <array>
#include <type_traits>

namespace wexa::forms {

namespace {

struct CaptionMember {
    Captions Project::*Set;
    int Index;
};

using Member =
    std::variant<Int32 Project::*, double Project::*, std::string Project::*, CaptionMember>;

struct FieldRow {
    FormFieldInfo Info;
    Member Target;
};

using F = FormField;
using K = FieldKind;
constexpr bool kEditable = true;
constexpr bool kShownOnly = false;

// clang-format off
constexpr std::array<FieldRow, kFormFieldCount> kRows{{
    {{F::BaseYearAADT, "BaseYearAADT", K::Integer, kEditable}, &Project::BaseYearAADT},
    {{F::AnalysisPeriod, "AnalysisPeriod", K::Integer, kEditable}, &Project::AnalysisPeriod},
    {{F::DiscountRateKind, "DiscountRateKind", K::ListPosition, kEditable}, &Project::DiscountRateKind},
    {{F::DiscountRateMax, "DiscountRateMax", K::Real, kEditable}, &Project::DiscountRateMax},
    {{F::DiscountRateMean, "DiscountRateMean", K::Real, kEditable}, &Project::DiscountRateMean},
    {{F::DiscountRateMin, "DiscountRateMin", K::Real, kEditable}, &Project::DiscountRateMin},
    {{F::NumberOfLanes, "NumberOfLanes", K::Integer, kEditable}, &Project::NumberOfLanes},
    {{F::NumberOfAlternatives, "NumberOfAlternatives", K::Integer, kEditable}, &Project::NumberOfAlternatives},
    {{F::PostedSpeedLimit, "PostedSpeedLimit", K::Integer, kEditable}, &Project::PostedSpeedLimit},
    {{F::ProjectDescription, "ProjectDescription", K::Text, kEditable}, &Project::ProjectDescription},
    {{F::ProjectLength, "ProjectLength", K::Real, kEditable}, &Project::ProjectLength},
    {{F::TrafficType, "TrafficType", K::ListPosition, kEditable}, &Project::TrafficType},
    {{F::Terrain, "Terrain", K::ListPosition, kEditable}, &Project::Terrain},
    {{F::HeavyVehicleFactor, "HeavyVehicleFactor", K::Real, kShownOnly}, &Project::HeavyVehicleFactor},
    {{F::LaneWidthFactor, "LaneWidthFactor", K::Real, kEditable}, &Project::LaneWidthFactor},
    {{F::MaxServiceFlowRate, "MaxServiceFlowRate", K::Real, kEditable}, &Project::MaxServiceFlowRate},
    {{F::PercentCUTrucks, "PercentCUTrucks", K::Real, kEditable}, &Project::PercentCUTrucks},
    {{F::PercentSUTrucks, "PercentSUTrucks", K::Real, kEditable}, &Project::PercentSUTrucks},
    {{F::PercentTrucks, "PercentTrucks", K::Real, kEditable}, &Project::PercentTrucks},
    {{F::RecreationalVehicleFactor, "RecreationalVehicleFactor", K::Real, kEditable}, &Project::RecreationalVehicleFactor},
    {{F::ServiceFlowRate, "ServiceFlowRate", K::Real, kShownOnly}, &Project::ServiceFlowRate},
    {{F::TrafficGrowthKind, "TrafficGrowthKind", K::ListPosition, kEditable}, &Project::TrafficGrowthKind},
    {{F::TrafficGrowthMax, "TrafficGrowthMax", K::Real, kEditable}, &Project::TrafficGrowthMax},
    {{F::TrafficGrowthMean, "TrafficGrowthMean", K::Real, kEditable}, &Project::TrafficGrowthMean},
    {{F::TrafficGrowthMin, "TrafficGrowthMin", K::Real, kEditable}, &Project::TrafficGrowthMin},
    {{F::WorkZoneCapacity, "WorkZoneCapacity", K::Real, kEditable}, &Project::WorkZoneCapacity},
    {{F::WorkZoneDissipationCapacity, "WorkZoneDissipationCapacity", K::Real, kEditable}, &Project::WorkZoneDissipationCapacity},
    {{F::WorkZoneLanes, "WorkZoneLanes", K::Integer, kEditable}, &Project::WorkZoneLanes},
    {{F::WorkZoneLength, "WorkZoneLength", K::Real, kEditable}, &Project::WorkZoneLength},
    {{F::WorkZoneSpeedLimit, "WorkZoneSpeedLimit", K::Integer, kEditable}, &Project::WorkZoneSpeedLimit},
    {{F::NumberOfActivities, "NumberOfActivities", K::Integer, kEditable}, &Project::NumberOfActivities},
    {{F::YearsToNextKind, "YearsToNextKind", K::ListPosition, kEditable}, &Project::YearsToNextKind},
    {{F::YearsToNextMax, "YearsToNextMax", K::Integer, kEditable}, &Project::YearsToNextMax},
    {{F::YearsToNextExpected, "YearsToNextExpected", K::Integer, kEditable}, &Project::YearsToNextExpected},
    {{F::YearsToNextMin, "YearsToNextMin", K::Integer, kEditable}, &Project::YearsToNextMin},
    {{F::ActivityDescription, "ActivityDescription", K::Text, kEditable}, &Project::ActivityDescription},
    {{F::RequiredTime, "RequiredTime", K::Integer, kEditable}, &Project::RequiredTime},
    {{F::CurrentAlternative, "CurrentAlternative", K::Integer, kShownOnly}, &Project::CurrentAlternative},
    {{F::CurrentActivity, "CurrentActivity", K::Integer, kShownOnly}, &Project::CurrentActivity},
    {{F::ActivityAlternative, "ActivityAlternative", K::Integer, kShownOnly}, &Project::ActivityAlternative},
    {{F::ResultBidItemCost, "ResultBidItemCost", K::Real, kShownOnly}, &Project::ResultBidItemCost},
    {{F::ResultTimeRelatedCost, "ResultTimeRelatedCost", K::Real, kShownOnly}, &Project::ResultTimeRelatedCost},
    {{F::ResultWorkZoneUserCost, "ResultWorkZoneUserCost", K::Real, kShownOnly}, &Project::ResultWorkZoneUserCost},
    {{F::ResultTotalCost, "ResultTotalCost", K::Real, kShownOnly}, &Project::ResultTotalCost},
    {{F::ResultTimeRelatedPercent, "ResultTimeRelatedPercent", K::Real, kShownOnly}, &Project::ResultTimeRelatedPercent},
    {{F::ResultBidItemPercent, "ResultBidItemPercent", K::Real, kShownOnly}, &Project::ResultBidItemPercent},
    {{F::ResultWorkZoneUserPercent, "ResultWorkZoneUserPercent", K::Real, kShownOnly}, &Project::ResultWorkZoneUserPercent},
    {{F::ResultTotalPercent, "ResultTotalPercent", K::Real, kShownOnly}, &Project::ResultTotalPercent},
    {{F::ActivityYear, "ActivityYear", K::Integer, kShownOnly}, &Project::ActivityYear},
    {{F::DiscountRateCaptionFirst, "DiscountRateCaptions[0]", K::Text, kShownOnly}, CaptionMember{&Project::DiscountRateCaptions, 0}},
    {{F::DiscountRateCaptionMiddle, "DiscountRateCaptions[1]", K::Text, kShownOnly}, CaptionMember{&Project::DiscountRateCaptions, 1}},
    {{F::DiscountRateCaptionThird, "DiscountRateCaptions[2]", K::Text, kShownOnly}, CaptionMember{&Project::DiscountRateCaptions, 2}},
    {{F::TrafficGrowthCaptionFirst, "TrafficGrowthCaptions[0]", K::Text, kShownOnly}, CaptionMember{&Project::TrafficGrowthCaptions, 0}},
    {{F::TrafficGrowthCaptionMiddle, "TrafficGrowthCaptions[1]", K::Text, kShownOnly}, CaptionMember{&Project::TrafficGrowthCaptions, 1}},
    {{F::TrafficGrowthCaptionThird, "TrafficGrowthCaptions[2]", K::Text, kShownOnly}, CaptionMember{&Project::TrafficGrowthCaptions, 2}},
    {{F::YearsToNextCaptionFirst, "YearsToNextCaptions[0]", K::Text, kShownOnly}, CaptionMember{&Project::YearsToNextCaptions, 0}},
    {{F::YearsToNextCaptionMiddle, "YearsToNextCaptions[1]", K::Text, kShownOnly}, CaptionMember{&Project::YearsToNextCaptions, 1}},
    {{F::YearsToNextCaptionThird, "YearsToNextCaptions[2]", K::Text, kShownOnly}, CaptionMember{&Project::YearsToNextCaptions, 2}},
    {{F::AlternativeDescription, "AlternativeDescription", K::Text, kEditable}, &Project::AlternativeDescription},
    {{F::ResultAlternative, "ResultAlternative", K::Integer, kShownOnly}, &Project::ResultAlternative},
    {{F::GraphAlternative, "GraphAlternative", K::Integer, kShownOnly}, &Project::GraphAlternative},
    {{F::GraphPlotMode, "GraphPlotMode", K::ListPosition, kShownOnly}, &Project::GraphPlotMode},
    {{F::GraphCostType, "GraphCostType", K::ListPosition, kShownOnly}, &Project::GraphCostType},
    {{F::AgencyCostVariability, "AgencyCostVariability", K::Real, kEditable}, &Project::AgencyCostVariability},
    {{F::AnalysisType, "AnalysisType", K::RadioIndex, kEditable}, &Project::AnalysisType},
    {{F::TruckEquivalencyFactor, "TruckEquivalencyFactor", K::Real, kEditable}, &Project::TruckEquivalencyFactor},
    {{F::ProgressText, "ProgressText", K::Text, kShownOnly}, &Project::ProgressText},
    {{F::ProjectNumber, "ProjectNumber", K::Text, kEditable}, &Project::ProjectNumber},
    {{F::ActivityUserCostMode, "ActivityUserCostMode", K::ListPosition, kEditable}, &Project::ActivityUserCostMode},
    {{F::MaximumAADT, "MaximumAADT", K::Integer, kEditable}, &Project::MaximumAADT},
    {{F::CopyFromActivity, "CopyFromActivity", K::Integer, kEditable}, &Project::CopyFromActivity},
    {{F::CopyFromAlternative, "CopyFromAlternative", K::Integer, kEditable}, &Project::CopyFromAlternative},
    {{F::ProjectUserCostMode, "ProjectUserCostMode", K::ListPosition, kEditable}, &Project::ProjectUserCostMode},
    {{F::RequiredTimeVariability, "RequiredTimeVariability", K::Real, kEditable}, &Project::RequiredTimeVariability},
}};
// clang-format on

// Row i must describe field i: lookups index the table by the enum.
consteval bool RowsFollowTheEnum() {
    for (int i = 0; i < kFormFieldCount; ++i) {
        if (static_cast<int>(kRows[i].Info.Field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTheEnum());

// The kind must match the member: text kinds bind strings, the others Int32
// or double as their kind says.
consteval bool KindsMatchMembers() {
    for (const FieldRow& row : kRows) {
        const bool text = std::holds_alternative<std::string Project::*>(row.Target) ||
                          std::holds_alternative<CaptionMember>(row.Target);
        const bool real = std::holds_alternative<double Project::*>(row.Target);
        const bool matches = row.Info.Kind == K::Text   ? text
                             : row.Info.Kind == K::Real ? real
                                                        : !text && !real;
        if (!matches) {
            return false;
        }
    }
    return true;
}
static_assert(KindsMatchMembers());

constexpr std::array<FormFieldInfo, kFormFieldCount> MakeInfos() {
    std::array<FormFieldInfo, kFormFieldCount> infos{};
    for (int i = 0; i < kFormFieldCount; ++i) {
        infos[i] = kRows[i].Info;
    }
    return infos;
}
constexpr std::array<FormFieldInfo, kFormFieldCount> kInfos = MakeInfos();

template <typename P, typename Result> Result Resolve(P& project, FormField field) {
    return std::visit(
        [&project](const auto& member) -> Result {
            if constexpr (std::is_same_v<std::decay_t<decltype(member)>, CaptionMember>) {
                return &(project.*member.Set)[member.Index];
            } else {
                return &(project.*member);
            }
        },
        kRows[static_cast<int>(field)].Target);
}

} // namespace

std::span<const FormFieldInfo> FormFields() {
    return kInfos;
}

const FormFieldInfo& InfoOf(FormField field) {
    return kInfos[static_cast<int>(field)];
}

std::optional<FormField> FindFormField(std::string_view name) {
    for (const FormFieldInfo& info : kInfos) {
        if (info.Name == name) {
            return info.Field;
        }
    }
    return std::nullopt;
}

FieldTarget TargetOf(Project& project, FormField field) {
    return Resolve<Project, FieldTarget>(project, field);
}

ConstFieldTarget TargetOf(const Project& project, FormField field) {
    return Resolve<const Project, ConstFieldTarget>(project, field);
}

double NumberIn(const Project& project, FormField field) {
    return std::visit(
        [](const auto* value) -> double {
            if constexpr (std::is_same_v<decltype(value), const std::string*>) {
                return 0.0;
            } else {
                return static_cast<double>(*value);
            }
        },
        TargetOf(project, field));
}

void SetNumber(Project& project, FormField field, double value) {
    std::visit(
        [value](auto* target) {
            using Target = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<Target, Int32>) {
                *target = TruncateToInt32(value);
            } else if constexpr (std::is_same_v<Target, double>) {
                *target = value;
            }
        },
        TargetOf(project, field));
}

} // namespace wexa::forms
