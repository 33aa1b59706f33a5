#include "userdelay/UserCostEvaluation.h"

#include "model/Conversions.h"
#include "model/RoundValue.h"

#include <algorithm>

namespace wexa {

namespace {

constexpr double kGridlockMark = -1;

// Runs the chain and prices the day; false when the day gridlocks.
[[nodiscard]] bool PriceDay(QueueDay& scratch, const QueueScenario& scenario, int startHour,
                            int stopHour, const UserCostRates& rates, const UserCostInputs& inputs,
                            CostComponents& components) {
    if (RunQueueChain(scratch, scenario, startHour, stopHour)) {
        return false;
    }
    components = ComputeCostComponents(scratch, rates, inputs);
    return true;
}

// Without a work zone a queue can only form in an hour whose demand exceeds
// the road's normal capacity. When no hour's does, the day without the work
// zone has no queue and nothing passes a work zone, so every one of its costs
// is zero and it need not be simulated.
[[nodiscard]] bool BaselineCannotQueue(const QueueDay& day, double serviceFlowRate) {
    const int normalCapacity = TruncateToInt32(serviceFlowRate);
    // Hour by hour, whether either direction's demand exceeds the capacity:
    // a form the compiler does for several hours at once.
    int exceeds = 0;
    for (int h = 0; h < kHoursPerDay; ++h) {
        exceeds |= static_cast<int>(day.Inbound.Volume[h] > normalCapacity) |
                   static_cast<int>(day.Outbound.Volume[h] > normalCapacity);
    }
    return exceeds == 0;
}

} // namespace

UserCostBreakdown ComputeUserCostBreakdown(const CostComponents& workZone,
                                           const CostComponents& baseline) {
    UserCostBreakdown result;
    CostComponents roundedBaseline = baseline;
    for (double& value : roundedBaseline) {
        RoundValue(value, 0);
    }
    const double roundedBaselineTotal = Rounded(SumCostComponents(baseline), 0);

    for (int i = 0; i < kCostComponentCount; ++i) {
        result.Components[i] = workZone[i] - roundedBaseline[i];
    }
    result.Total = SumCostComponents(workZone) - roundedBaselineTotal;
    if (result.Total > 0) {
        for (int i = 0; i < kCostComponentCount; ++i) {
            result.Percentages[i] = result.Components[i] / result.Total * 100.0;
        }
    }
    for (double& value : result.Components) {
        RoundValue(value, 0);
    }
    RoundValue(result.Total, 0);
    result.TotalPercentage = Rounded(SumCostComponents(result.Percentages), 0);
    for (double& value : result.Percentages) {
        RoundValue(value, 1);
    }
    return result;
}

UserCostBreakdown GridlockBreakdown() {
    UserCostBreakdown result;
    result.Components.fill(kGridlockMark);
    result.Total = kGridlockMark;
    result.Percentages.fill(kGridlockMark);
    result.TotalPercentage = kGridlockMark;
    result.Gridlock = true;
    return result;
}

std::optional<double> FirstUnrepresentableFigure(const UserCostBreakdown& breakdown) {
    for (const auto* figures : {&breakdown.Components, &breakdown.Percentages}) {
        const auto bad = std::find_if_not(figures->begin(), figures->end(), IsExactWholeRange);
        if (bad != figures->end()) {
            return *bad;
        }
    }
    for (const double figure : {breakdown.Total, breakdown.TotalPercentage}) {
        if (!IsExactWholeRange(figure)) {
            return figure;
        }
    }
    return std::nullopt;
}

RunDayCosts PriceRunDays(QueueDay& scratch, const QueueScenario& scenario, int startHour,
                         int stopHour, const UserCostRates& rates, const UserCostInputs& inputs) {
    RunDayCosts costs;
    costs.BaselineFree = BaselineCannotQueue(scratch, scenario.ServiceFlowRate);
    if (RunQueueChain(scratch, scenario, startHour, stopHour)) {
        costs.Gridlock = true;
        return costs;
    }
    costs.WorkZone = ComputeWeightedDailyCosts(scratch, rates, inputs);
    if (costs.BaselineFree) {
        return costs;
    }
    if (RunQueueChain(scratch, scenario, kNoWorkZone, stopHour)) {
        costs.Gridlock = true;
        return costs;
    }
    costs.Baseline = ComputeWeightedDailyCosts(scratch, rates, inputs);
    return costs;
}

RunUserCost RunUserCostOverDays(const RunDayCosts& costs, int days) {
    if (costs.Gridlock) {
        return RunUserCost{true, kGridlockMark};
    }
    // A free baseline costs +0.0 in every component, as if priced, and so
    // +0.0 in all; taking +0.0 from any figure leaves its bits as they are.
    const double workZone = SumCostComponents(CostComponentsOverDays(costs.WorkZone, days));
    const double baseline =
        costs.BaselineFree ? 0.0 : SumCostComponents(CostComponentsOverDays(costs.Baseline, days));
    return RunUserCost{false, Rounded(workZone - baseline, 0)};
}

RunUserCost EvaluateRunUserCost(QueueDay& scratch, const QueueScenario& scenario, int startHour,
                                int stopHour, const UserCostRates& rates,
                                const UserCostInputs& inputs) {
    return RunUserCostOverDays(PriceRunDays(scratch, scenario, startHour, stopHour, rates, inputs),
                               inputs.Days);
}

DialogEvaluation EvaluateDialogUserCost(QueueDay& scratch, const QueueScenario& scenario,
                                        int startHour, int stopHour, const UserCostRates& rates,
                                        const UserCostInputs& inputs) {
    DialogEvaluation result;
    CostComponents workZone{};
    CostComponents baseline{};
    if (!PriceDay(scratch, scenario, startHour, stopHour, rates, inputs, workZone)) {
        result.Breakdown = GridlockBreakdown();
        return result;
    }
    // The baseline run overwrites the lengths, so the graph takes them now.
    result.WorkZoneDayPriced = true;
    result.InboundQueueLength = scratch.Inbound.QueueLength;
    result.OutboundQueueLength = scratch.Outbound.QueueLength;
    if (!PriceDay(scratch, scenario, kNoWorkZone, stopHour, rates, inputs, baseline)) {
        result.Breakdown = GridlockBreakdown();
        return result;
    }
    result.Breakdown = ComputeUserCostBreakdown(workZone, baseline);
    return result;
}

WorkZoneTrial EvaluateWorkZoneOnly(QueueDay& scratch, const QueueScenario& scenario, int startHour,
                                   int stopHour, const UserCostRates& rates,
                                   const UserCostInputs& inputs) {
    CostComponents workZone{};
    if (!PriceDay(scratch, scenario, startHour, stopHour, rates, inputs, workZone)) {
        return WorkZoneTrial{true, kGridlockMark};
    }
    return WorkZoneTrial{false, SumCostComponents(workZone)};
}

} // namespace wexa
