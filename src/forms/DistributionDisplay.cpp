#include "forms/DistributionDisplay.h"

#include "forms/FormField.h"
#include "model/DistributionCaptions.h"

#include <array>

namespace wexa::forms {

namespace {

struct DistributionFields {
    Int32 Project::*Kind;
    Captions Project::*CaptionTexts;
    FormField First;
    FormField Third;
    void (*ZeroOuterValues)(Project&);
};

template <auto First, auto Third> void ZeroOuter(Project& p) {
    p.*First = 0;
    p.*Third = 0;
}

using P = Project;

// Indexed by Distribution.
const std::array<DistributionFields, 3> kDistributions{{
    {&P::DiscountRateKind, &P::DiscountRateCaptions, FormField::DiscountRateMin,
     FormField::DiscountRateMax, &ZeroOuter<&P::DiscountRateMin, &P::DiscountRateMax>},
    {&P::TrafficGrowthKind, &P::TrafficGrowthCaptions, FormField::TrafficGrowthMin,
     FormField::TrafficGrowthMax, &ZeroOuter<&P::TrafficGrowthMin, &P::TrafficGrowthMax>},
    {&P::YearsToNextKind, &P::YearsToNextCaptions, FormField::YearsToNextMin,
     FormField::YearsToNextMax, &ZeroOuter<&P::YearsToNextMin, &P::YearsToNextMax>},
}};

} // namespace

void ShowCaptions(Project& project, FormEffects& effects, Distribution distribution,
                  CaptionStyle style) {
    const DistributionFields& d = kDistributions[static_cast<int>(distribution)];
    const Int32 kind = project.*d.Kind;
    auto captions = CaptionsForKind(kind);
    if (!captions) {
        return;
    }
    if (kind == kTruncatedNormal && style.SingleBlankPlusMinus) {
        (*captions)[2] = " +/-";
    }
    project.*d.CaptionTexts = *captions;
    const bool outerShown = kind != kDeterministic;
    effects.ShowControl(NameOf(d.First), outerShown);
    effects.ShowControl(NameOf(d.Third), outerShown);
    if (!outerShown && style.ZeroHiddenValues) {
        d.ZeroOuterValues(project);
    }
}

void ShowAllCaptions(Project& project, FormEffects& effects, CaptionStyle style) {
    for (const Distribution d :
         {Distribution::YearsToNext, Distribution::TrafficGrowth, Distribution::DiscountRate}) {
        ShowCaptions(project, effects, d, style);
    }
}

} // namespace wexa::forms
