#include "forms/Navigation.h"

#include "forms/ActivityFields.h"
#include "forms/DistributionDisplay.h"
#include "forms/FormField.h"
#include "forms/ModeSwitches.h"
#include "model/Conversions.h"

#include <algorithm>
#include <cstdint>

namespace wexa::forms {

namespace {

// Moves the current activity and recomputes its slot; numbers from a file can
// be far outside the slots, so the slot is formed in 64 bits (an out-of-range
// result names no slot and loads nothing).
void SetCurrentActivity(Project& p, Int32 activity) {
    p.CurrentActivity = activity;
    const std::int64_t slot = (std::int64_t{p.CurrentAlternative} - 1) * kActivitiesPerAlternative +
                              (std::int64_t{activity} - 1);
    p.CurrentActivityIndex = SaturateToInt32(slot);
}

// How many of something the form moves through: the declared count, within
// 1..`capacity`.
Int32 Limit(Int32 declared, int capacity) {
    return std::clamp(declared, Int32{1}, Int32{capacity});
}

// The number after `current` within 1..limit; past the last, or from a
// number outside the range, the first.
Int32 Following(Int32 current, Int32 declared, int capacity) {
    return current >= 1 && current < Limit(declared, capacity) ? current + 1 : 1;
}

// Shows `alternative` (1..4) with `activity`, kept within its activities.
void EnterAlternative(Project& p, FormEffects& effects, Int32 alternative, Int32 activity = 1) {
    p.CurrentAlternative = p.ActivityAlternative = alternative;
    p.NumberOfActivities = p.AlternativeActivityCount[alternative - 1];
    p.AlternativeDescription = p.AlternativeDescriptions[alternative - 1];
    SetCurrentActivity(
        p, std::clamp(activity, Int32{1}, Limit(p.NumberOfActivities, kActivitiesPerAlternative)));
    ShowActivity(p, effects);
}

void RefuseCopySource(FormEffects& effects, Int32& number, std::string_view message,
                      std::string_view caption, FormField box) {
    ShowCheckFailure(effects,
                     {std::string(message), std::string(caption), std::string(NameOf(box))});
    number = 1;
}

} // namespace

void ShowActivity(Project& p, FormEffects& effects, bool singleBlankPlusMinus) {
    LoadActivityFields(p);
    ApplyUserCostVisibility(p, effects);
    ShowCaptions(p, effects, Distribution::YearsToNext,
                 {.ZeroHiddenValues = false, .SingleBlankPlusMinus = singleBlankPlusMinus});
}

void NextAlternative(Project& p, FormEffects& effects) {
    const Int32 next = Following(p.CurrentAlternative, p.NumberOfAlternatives, kMaxAlternatives);
    p.ResultAlternative = next;
    EnterAlternative(p, effects, next);
}

void NextWorkActivity(Project& p, FormEffects& effects) {
    const Int32 next =
        Following(p.CurrentActivity, p.NumberOfActivities, kActivitiesPerAlternative);
    SetCurrentActivity(p, next);
    const auto slot = CurrentSlot(p);
    if (next > 1 && slot) {
        // The previous activity is slot - 1 of the same alternative. A year
        // and an interval typed near the 32-bit limits must not overflow.
        const int previous = *slot - 1;
        p.ActivityYears[*slot] = SaturateToInt32(std::int64_t{p.ActivityYearsExpected[previous]} +
                                                 p.ActivityYears[previous]);
    }
    ShowActivity(p, effects, /*singleBlankPlusMinus=*/true);
}

void ShowStoredPosition(Project& p, FormEffects& effects) {
    const Int32 alternatives = Limit(p.NumberOfAlternatives, kMaxAlternatives);
    EnterAlternative(p, effects, std::clamp(p.CurrentAlternative, Int32{1}, alternatives),
                     p.CurrentActivity);
}

void ShowFirstAlternative(Project& p, FormEffects& effects) {
    EnterAlternative(p, effects, 1);
    if (p.YearsToNextKind == kDeterministic) {
        p.YearsToNextMin = p.YearsToNextMax = 0;
    }
}

void ShowFirstActivity(Project& p, FormEffects& effects) {
    if (const auto alternative = CurrentAlternativeIndex(p)) {
        p.AlternativeActivityCount[*alternative] = p.NumberOfActivities;
    }
    SetCurrentActivity(p, 1);
    ShowActivity(p, effects);
}

bool CopyAnotherWorkActivity(Project& p, FormEffects& effects) {
    const Int32 a = p.CopyFromAlternative;
    if (a < 1 || a > p.NumberOfAlternatives || a > kMaxAlternatives) {
        RefuseCopySource(effects, p.CopyFromAlternative,
                         "The alternative number is not within the\nnumber of alternatives "
                         "specified for the project",
                         "Alternative Error", FormField::CopyFromAlternative);
        return false;
    }
    const Int32 w = p.CopyFromActivity;
    if (w < 1 || w > p.AlternativeActivityCount[a - 1] || w > kActivitiesPerAlternative) {
        RefuseCopySource(effects, p.CopyFromActivity,
                         "The work activity number is not within the\nnumber of work "
                         "activities for this alternative",
                         "Work Activity Error", FormField::CopyFromActivity);
        return false;
    }
    const auto target = CurrentSlot(p);
    if (!target) {
        return false;
    }
    CopyActivitySlot(p, ActivitySlot(a, w), *target);
    LoadActivityFields(p);
    return true;
}

} // namespace wexa::forms
