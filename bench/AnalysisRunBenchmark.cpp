// Times a probabilistic analysis run of the largest project shape: four
// alternatives of ten activities each, every activity priced with and without
// its work zone in each of the 5000 iterations. Two traffic levels: one in
// which every work zone builds a queue, one in which none does.
//
//   build/bench/wexa_run_benchmark [--benchmark_repetitions=5]
//
// "per_activity" is the time of one activity evaluation (the two queue days,
// their pricing and the agency costs).
#include "simulation/AnalysisRun.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using wexa::Project;

constexpr int kActivities = wexa::kActivitiesPerAlternative;

// Ten activities three years apart over a 30-year period: the tenth closes
// each alternative, so every activity is evaluated in every iteration.
std::unique_ptr<Project> LargestProject(int baseAadt) {
    auto p = std::make_unique<Project>();
    p->AnalysisPeriod = 30;
    p->NumberOfAlternatives = wexa::kMaxAlternatives;
    p->NumberOfLanes = 2;
    p->MaxServiceFlowRate = 2300.0;
    p->ServiceFlowRate = 4381.0;
    p->BaseYearAADT = baseAadt;
    p->MaximumAADT = 60000;
    wexa::LoadBuiltInHourlyTable(*p, 1); // urban: sharp peaks
    p->TrafficType = 1;
    p->DiscountRateKind = wexa::kTriangular;
    p->TrafficGrowthKind = wexa::kUniform;
    for (int a = 0; a < wexa::kMaxAlternatives; ++a) {
        p->AlternativeActivityCount[a] = kActivities;
        for (int j = 0; j < kActivities; ++j) {
            const int slot = a * kActivities + j;
            p->ActivityYearsKind[slot] = wexa::kDeterministic;
            p->ActivityYearsExpected[slot] = 3;
            p->ActivityBidItemTotal[slot] = 250000.0 + 10000.0 * j;
            p->ActivityRequiredTime[slot] = 120 + 8 * a;
            p->ActivityTimeVariability[slot] = 20.0;
            p->ActivityStartHour[slot] = 6 + a;
            p->ActivityHoursInEffect[slot] = 10;
            p->ActivityStopHour[slot] = 16 + a;
            p->ActivityMobilizationHours[slot] = 1;
            p->ActivityWorkZoneLength[slot] = 2.0;
            p->ActivityWorkZoneSpeed[slot] = 45;
            p->TimeItemUnitPrices[slot * 3] = 1500.0;
        }
    }
    return p;
}

void RunProbabilistic(benchmark::State& state, int baseAadt) {
    const auto project = LargestProject(baseAadt);
    auto run = std::make_unique<Project>(*project);
    auto workspace = std::make_unique<wexa::AnalysisWorkspace>();
    for (auto _ : state) {
        const auto refusal = wexa::RunAnalysis(*run, *workspace, {1u, nullptr});
        if (refusal) {
            state.SkipWithError(refusal->Messages.back().Message.c_str());
            return;
        }
        benchmark::DoNotOptimize(run->TotalNpvResults[0][0]);
    }
    const double evaluations =
        static_cast<double>(wexa::kProbabilisticIterations) * wexa::kMaxAlternatives * kActivities;
    state.counters["per_activity"] = benchmark::Counter(
        evaluations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["gridlocks"] = run->GridlockCounts[0];
    state.counters["failures"] = run->FailureCounts[0];
}

void BM_RunEveryWorkZoneQueues(benchmark::State& state) {
    RunProbabilistic(state, 30000);
}
void BM_RunNoWorkZoneQueues(benchmark::State& state) {
    RunProbabilistic(state, 3000);
}

BENCHMARK(BM_RunEveryWorkZoneQueues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunNoWorkZoneQueues)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
