#include "forms/ActivityFields.h"

#include <algorithm>
#include <array>

namespace wexa::forms {

namespace {

struct ActivityBinding {
    FormField Field;
    // False for what stays the target's own when another activity is copied.
    bool CopiedWithActivity;
    void (*Store)(Project&, int slot);
    void (*Load)(Project&, int slot);
    void (*CopySlot)(Project&, int from, int to);
};

template <auto Copy, auto Slots> void StoreCopy(Project& p, int slot) {
    (p.*Slots)[slot] = p.*Copy;
}
template <auto Copy, auto Slots> void LoadCopy(Project& p, int slot) {
    p.*Copy = (p.*Slots)[slot];
}

// Copies `rows` consecutive elements of every listed array.
template <auto... Arrays> void CopyRows(Project& p, int from, int to, int rows = 1) {
    for (int row = 0; row < rows; ++row) {
        (((p.*Arrays)[to + row] = (p.*Arrays)[from + row]), ...);
    }
}

template <auto Slots> void CopySlotValue(Project& p, int from, int to) {
    CopyRows<Slots>(p, from, to);
}

template <auto Copy, auto Slots> constexpr ActivityBinding Bind(FormField field, bool copied) {
    return {field, copied, &StoreCopy<Copy, Slots>, &LoadCopy<Copy, Slots>, &CopySlotValue<Slots>};
}

constexpr bool kCopied = true;
constexpr bool kOwn = false;

using F = FormField;
using P = Project;

// clang-format off
constexpr std::array kBindings{
    Bind<&P::ActivityDescription, &P::ActivityDescriptions>(F::ActivityDescription, kCopied),
    Bind<&P::ActivityUserCostMode, &P::ActivityUserCostModes>(F::ActivityUserCostMode, kOwn),
    Bind<&P::WorkZoneLength, &P::ActivityWorkZoneLength>(F::WorkZoneLength, kCopied),
    Bind<&P::WorkZoneSpeedLimit, &P::ActivityWorkZoneSpeed>(F::WorkZoneSpeedLimit, kCopied),
    Bind<&P::WorkZoneDissipationCapacity, &P::ActivityDissipationCapacity>(F::WorkZoneDissipationCapacity, kCopied),
    Bind<&P::WorkZoneCapacity, &P::ActivityWorkZoneCapacity>(F::WorkZoneCapacity, kCopied),
    Bind<&P::WorkZoneLanes, &P::ActivityWorkZoneLanes>(F::WorkZoneLanes, kCopied),
    Bind<&P::RequiredTime, &P::ActivityRequiredTime>(F::RequiredTime, kCopied),
    Bind<&P::RequiredTimeVariability, &P::ActivityTimeVariability>(F::RequiredTimeVariability, kCopied),
    Bind<&P::ActivityYear, &P::ActivityYears>(F::ActivityYear, kOwn),
    Bind<&P::YearsToNextKind, &P::ActivityYearsKind>(F::YearsToNextKind, kCopied),
    Bind<&P::YearsToNextMin, &P::ActivityYearsMin>(F::YearsToNextMin, kCopied),
    Bind<&P::YearsToNextExpected, &P::ActivityYearsExpected>(F::YearsToNextExpected, kCopied),
    Bind<&P::YearsToNextMax, &P::ActivityYearsMax>(F::YearsToNextMax, kCopied),
    Bind<&P::AgencyCostVariability, &P::ActivityAgencyCostVariability>(F::AgencyCostVariability, kCopied),
};
// clang-format on

const ActivityBinding* BindingOf(FormField field) {
    const auto it = std::find_if(kBindings.begin(), kBindings.end(),
                                 [field](const ActivityBinding& b) { return b.Field == field; });
    return it == kBindings.end() ? nullptr : &*it;
}

} // namespace

std::optional<int> CurrentSlot(const Project& project) {
    const int slot = project.CurrentActivityIndex;
    return slot >= 0 && slot < kActivitySlots ? std::optional<int>(slot) : std::nullopt;
}

std::optional<int> CurrentAlternativeIndex(const Project& project) {
    const int index = project.CurrentAlternative - 1;
    return index >= 0 && index < kMaxAlternatives ? std::optional<int>(index) : std::nullopt;
}

void StoreActivityField(Project& project, FormField field) {
    const auto slot = CurrentSlot(project);
    const ActivityBinding* binding = BindingOf(field);
    if (slot && binding) {
        binding->Store(project, *slot);
    }
}

void LoadActivityFields(Project& project) {
    if (const auto slot = CurrentSlot(project)) {
        for (const ActivityBinding& binding : kBindings) {
            binding.Load(project, *slot);
        }
    }
}

void StoreActivityFields(Project& project) {
    if (const auto slot = CurrentSlot(project)) {
        for (const ActivityBinding& binding : kBindings) {
            binding.Store(project, *slot);
        }
    }
}

void CopyActivitySlot(Project& p, int from, int to) {
    for (const ActivityBinding& binding : kBindings) {
        if (binding.CopiedWithActivity) {
            binding.CopySlot(p, from, to);
        }
    }
    CopyRows<&P::ActivityStartHour, &P::ActivityHoursInEffect, &P::ActivityStopHour,
             &P::ActivityInboundPercent, &P::ActivityOutboundPercent, &P::ActivityMobilizationHours,
             &P::ActivityDaysToComplete, &P::ActivityBidItemTotal>(p, from, to);
    CopyRows<&P::BidItemQuantities, &P::BidItemUnitPrices, &P::BidItemCosts, &P::BidItemUnits,
             &P::BidItemDescriptions, &P::BidItemCodes>(p, BidItemSlot(from, 0), BidItemSlot(to, 0),
                                                        kBidItemsPerActivity);
    CopyRows<&P::TimeItemUnitPrices, &P::TimeItemUnits, &P::TimeItemDescriptions>(
        p, TimeItemSlot(from, 0), TimeItemSlot(to, 0), kTimeItemsPerActivity);
}

} // namespace wexa::forms
