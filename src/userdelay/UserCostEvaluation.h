#pragma once

#include "userdelay/QueueDay.h"
#include "userdelay/QueueModel.h"
#include "userdelay/UserCostComponents.h"

#include <array>
#include <optional>

namespace wexa {

// A work zone's user cost is what its day costs beyond the same day without it
// (the baseline): queues the road would have anyway are not charged. The
// evaluations below run the queue chain on the volumes already in `scratch`,
// first with the work zone, then (except EvaluateWorkZoneOnly) without it;
// the volumes are left as they were and the other arrays hold the last run.
// A gridlock in either run stops the evaluation: nothing is priced.

// What the work-zone dialog shows: the seven differences, their total and
// their shares of it. After a gridlock every value is -1.
struct UserCostBreakdown {
    CostComponents Components{};
    double Total = 0;
    std::array<double, kCostComponentCount> Percentages{};
    double TotalPercentage = 0;
    bool Gridlock = false;
};

// The dialog's difference. The baseline is rounded to whole dollars before it
// is subtracted; percentages come from the unrounded differences and are shown
// to two decimals; the total percentage is summed before its parts are
// rounded. A total of 0 or less (the work zone saves time) gives no
// percentages.
[[nodiscard]] UserCostBreakdown ComputeUserCostBreakdown(const CostComponents& workZone,
                                                         const CostComponents& baseline);

// The breakdown shown when either run gridlocks.
[[nodiscard]] UserCostBreakdown GridlockBreakdown();

// The first figure of the breakdown (the components, their percentages, then
// the total and the total percentage) that is not a number below 2^53 in
// magnitude, where whole dollars are exact (IsExactWholeRange), and so cannot
// be shown as a result; nullopt when every one can.
[[nodiscard]] std::optional<double> FirstUnrepresentableFigure(const UserCostBreakdown& breakdown);

// The analysis run's figure: the unrounded difference of the two totals,
// rounded to whole dollars. UserCost is -1 after a gridlock, but Gridlock is
// what tells it apart from a real cost.
struct RunUserCost {
    bool Gridlock = false;
    double UserCost = 0;
};

// EvaluateRunUserCost in two steps. A run's work zone at one traffic level
// is the same day however many days it lasts, and the days enter only at the
// end: the first step runs the queue chain and sums the day, the second
// turns those sums into the figure for a number of days. The same operations
// in the same order as the one-step evaluation, so the same bits.
struct RunDayCosts {
    bool Gridlock = false;
    bool BaselineFree = false; // no hour's demand exceeds the normal capacity
    WeightedDailyCosts WorkZone{};
    WeightedDailyCosts Baseline{}; // unset when BaselineFree
};
[[nodiscard]] RunDayCosts PriceRunDays(QueueDay& scratch, const QueueScenario& scenario,
                                       int startHour, int stopHour, const UserCostRates& rates,
                                       const UserCostInputs& inputs);
[[nodiscard]] RunUserCost RunUserCostOverDays(const RunDayCosts& costs, int days);

[[nodiscard]] RunUserCost EvaluateRunUserCost(QueueDay& scratch, const QueueScenario& scenario,
                                              int startHour, int stopHour,
                                              const UserCostRates& rates,
                                              const UserCostInputs& inputs);

// The dialog's evaluation, with the queue lengths of the work-zone run for its
// queue graph. When the work-zone run gridlocks no length is computed and the
// series are all 0 (a caller that wants to keep showing the previous series
// keeps its own copy); when only the baseline gridlocks they hold the
// work-zone run's lengths.
struct DialogEvaluation {
    UserCostBreakdown Breakdown;
    bool WorkZoneDayPriced = false; // the work-zone run settled and its lengths are here
    PerHour<double> InboundQueueLength{};
    PerHour<double> OutboundQueueLength{};
};

[[nodiscard]] DialogEvaluation EvaluateDialogUserCost(QueueDay& scratch,
                                                      const QueueScenario& scenario, int startHour,
                                                      int stopHour, const UserCostRates& rates,
                                                      const UserCostInputs& inputs);

// One trial of the start-hour search: the work-zone run alone. The baseline
// does not depend on the start hour, so the cheapest work-zone total is also
// the cheapest difference. Total is -1 after a gridlock.
struct WorkZoneTrial {
    bool Gridlock = false;
    double Total = 0;
};

[[nodiscard]] WorkZoneTrial EvaluateWorkZoneOnly(QueueDay& scratch, const QueueScenario& scenario,
                                                 int startHour, int stopHour,
                                                 const UserCostRates& rates,
                                                 const UserCostInputs& inputs);

} // namespace wexa
