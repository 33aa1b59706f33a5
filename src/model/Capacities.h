#pragma once

namespace wexa {

// Fixed capacities of a project. Every container is allocated at these sizes
// once; the numbers the user declares only limit which slots are looked at.
inline constexpr int kMaxAlternatives = 4;
inline constexpr int kActivitiesPerAlternative = 10;
inline constexpr int kActivitySlots = kMaxAlternatives * kActivitiesPerAlternative; // 40
inline constexpr int kBidItemsPerActivity = 10;
inline constexpr int kBidItemSlots = kActivitySlots * kBidItemsPerActivity; // 400
inline constexpr int kTimeItemsPerActivity = 3;
inline constexpr int kTimeItemSlots = kActivitySlots * kTimeItemsPerActivity; // 120
inline constexpr int kHours = 24;
inline constexpr int kSpeedRows = 17; // 0, 5, .., 80 mph
inline constexpr int kProbabilisticIterations = 5000;
inline constexpr int kPercentilePoints = 11;

// Flat slot indices. Alternatives and activities are numbered from 1 on the
// form; storage is 0-based.
[[nodiscard]] constexpr int ActivitySlot(int alternative, int activity) {
    return (alternative - 1) * kActivitiesPerAlternative + (activity - 1);
}
[[nodiscard]] constexpr int BidItemSlot(int activitySlot, int row) {
    return activitySlot * kBidItemsPerActivity + row;
}
[[nodiscard]] constexpr int TimeItemSlot(int activitySlot, int row) {
    return activitySlot * kTimeItemsPerActivity + row;
}

// True when the 1-based numbers name a slot that exists.
[[nodiscard]] constexpr bool IsValidActivity(int alternative, int activity) {
    return alternative >= 1 && alternative <= kMaxAlternatives && activity >= 1 &&
           activity <= kActivitiesPerAlternative;
}

} // namespace wexa
