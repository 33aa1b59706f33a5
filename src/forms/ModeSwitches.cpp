#include "forms/ModeSwitches.h"

#include "forms/ActivityFields.h"
#include "forms/DistributionDisplay.h"
#include "forms/FormField.h"
#include "forms/MainFormControls.h"

#include <string_view>

namespace wexa::forms {

namespace {

using F = FormField;

constexpr F kActivityWorkZoneBoxes[] = {F::WorkZoneLength,         F::WorkZoneSpeedLimit,
                                        F::WorkZoneCapacity,       F::WorkZoneDissipationCapacity,
                                        F::WorkZoneLanes,          F::RequiredTime,
                                        F::RequiredTimeVariability};

constexpr F kDrawnInputs[] = {F::DiscountRateKind, F::AgencyCostVariability, F::YearsToNextKind,
                              F::RequiredTimeVariability};

constexpr F kTrafficInputs[] = {F::TrafficType,
                                F::Terrain,
                                F::BaseYearAADT,
                                F::MaximumAADT,
                                F::PercentTrucks,
                                F::PercentSUTrucks,
                                F::PercentCUTrucks,
                                F::TruckEquivalencyFactor,
                                F::RecreationalVehicleFactor,
                                F::LaneWidthFactor,
                                F::MaxServiceFlowRate,
                                F::TrafficGrowthMin,
                                F::TrafficGrowthMean,
                                F::TrafficGrowthMax,
                                F::ActivityUserCostMode};

constexpr std::string_view kTrafficButtons[] = {MainFormControl::TrafficDistributionButton,
                                                MainFormControl::AddedTimeCostsButton,
                                                MainFormControl::DelayCostRatesButton};

// The values a switch of the analysis type starts every distribution and
// variability from.
struct AnalysisPreset {
    Int32 RateKind;
    double RateMin;
    double RateMean;
    double RateMax;
    double AgencyCostVariability;
    Int32 YearsKind;
    bool ClearsTimeVariability;
};

constexpr AnalysisPreset kProbabilisticPreset{kNormal, 2.0, 4.0, 6.0, 10.0, kNormal, false};
constexpr AnalysisPreset kDeterministicPreset{kDeterministic, 0.0, 4.0, 0.0, 0.0,
                                              kDeterministic, true};

void Apply(Project& p, const AnalysisPreset& preset) {
    p.DiscountRateKind = p.TrafficGrowthKind = preset.RateKind;
    p.DiscountRateMin = p.TrafficGrowthMin = preset.RateMin;
    p.DiscountRateMean = p.TrafficGrowthMean = preset.RateMean;
    p.DiscountRateMax = p.TrafficGrowthMax = preset.RateMax;
    p.AgencyCostVariability = preset.AgencyCostVariability;
    p.ActivityAgencyCostVariability.fill(preset.AgencyCostVariability);
    p.YearsToNextKind = preset.YearsKind;
    p.ActivityYearsKind.fill(preset.YearsKind);
    p.YearsToNextMin = p.YearsToNextExpected = p.YearsToNextMax = 0;
    p.ActivityYearsMin.fill(0);
    p.ActivityYearsExpected.fill(0);
    p.ActivityYearsMax.fill(0);
    if (preset.ClearsTimeVariability) {
        p.RequiredTimeVariability = 0.0;
        p.ActivityTimeVariability.fill(0.0);
    }
}

} // namespace

void ApplyUserCostVisibility(const Project& project, FormEffects& effects) {
    const bool shown = project.ActivityUserCostMode == kIncludeUserCosts;
    for (const F field : kActivityWorkZoneBoxes) {
        effects.ShowControl(NameOf(field), shown);
    }
    effects.ShowControl(MainFormControl::WorkZoneTimingButton, shown);
    effects.ShowControl(MainFormControl::TimeRelatedCostsButton, shown);
}

void ApplyEnabling(const Project& project, FormEffects& effects) {
    const bool probabilistic = project.AnalysisType == kProbabilisticAnalysis;
    const bool traffic = project.ProjectUserCostMode != kExcludeUserCosts;
    for (const F field : kDrawnInputs) {
        effects.EnableControl(NameOf(field), probabilistic);
    }
    for (const F field : kTrafficInputs) {
        effects.EnableControl(NameOf(field), traffic);
    }
    for (const std::string_view button : kTrafficButtons) {
        effects.EnableControl(button, traffic);
    }
    effects.EnableControl(NameOf(F::TrafficGrowthKind), probabilistic && traffic);
}

void SetActivityUserCostMode(Project& project, FormEffects& effects) {
    StoreActivityField(project, F::ActivityUserCostMode);
    ApplyUserCostVisibility(project, effects);
}

void SetProjectUserCostMode(Project& project, FormEffects& effects) {
    const Int32 mode = project.ProjectUserCostMode;
    ApplyEnabling(project, effects);
    if (mode != kIncludeUserCosts && mode != kExcludeUserCosts) {
        return; // no entry of the list is selected
    }
    project.ActivityUserCostModes.fill(mode);
    if (CurrentSlot(project)) {
        project.ActivityUserCostMode = mode;
    }
    ApplyUserCostVisibility(project, effects);
}

std::string_view AnalysisTypeQuestion(Int32 type) {
    if (type == kProbabilisticAnalysis) {
        return "Switching to a probabilistic analysis clears the years before the next work "
               "activity of every work activity in every alternative, sets every agency cost "
               "variability to 10%, and sets the discount rate and the traffic growth rate to "
               "a Normal distribution of 2%, 4% and 6%.\n\nSwitch to a probabilistic analysis?";
    }
    return "Switching to a deterministic analysis clears the years before the next work activity "
           "(their distributions and values), the agency cost variability and the required time "
           "variability of every work activity in every alternative, and sets the discount rate "
           "and the traffic growth rate to 4% with no range.\n\nSwitch to a deterministic "
           "analysis?";
}

void SetAnalysisType(Project& project, FormEffects& effects, Int32 previousType, Int32 type) {
    if (type == previousType) {
        return;
    }
    if (!effects.AskYesNo(AnalysisTypeQuestion(type), kAnalysisTypeCaption)) {
        // The form already shows the new button checked; the closing write
        // checks the previous one again.
        project.AnalysisType = previousType;
        return;
    }
    project.AnalysisType = type;
    Apply(project, type == kProbabilisticAnalysis ? kProbabilisticPreset : kDeterministicPreset);
    ShowAllCaptions(project, effects);
    ApplyEnabling(project, effects);
}

} // namespace wexa::forms
