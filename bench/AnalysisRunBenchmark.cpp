// Times a probabilistic analysis run of the largest project shape: four
// alternatives of ten activities each, every activity priced with and without
// its work zone in each of the 5000 iterations. Two traffic levels: one in
// which every work zone builds a queue, one in which none does.
//
//   build/bench/wexa_run_benchmark [--benchmark_repetitions=5]
//
// "per_activity" is the time of one activity evaluation (the two queue days,
// their pricing and the agency costs).
#include "LargestProject.h"
#include "simulation/AnalysisRun.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using wexa::Project;
using wexa::bench::LargestProject;

constexpr int kActivities = wexa::kActivitiesPerAlternative;

void RunProbabilistic(benchmark::State& state, int baseAadt) {
    const auto run = wexa::bench::TimeRuns(state, *LargestProject(baseAadt), nullptr);
    const double evaluations =
        static_cast<double>(wexa::kProbabilisticIterations) * wexa::kMaxAlternatives * kActivities;
    state.counters["per_activity"] = benchmark::Counter(
        evaluations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["gridlocks"] = run->GridlockCounts[0];
    state.counters["failures"] = run->FailureCounts[0];
}

void BM_RunEveryWorkZoneQueues(benchmark::State& state) {
    RunProbabilistic(state, wexa::bench::kQueueingAadt);
}
void BM_RunNoWorkZoneQueues(benchmark::State& state) {
    RunProbabilistic(state, wexa::bench::kFreeFlowAadt);
}

BENCHMARK(BM_RunEveryWorkZoneQueues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunNoWorkZoneQueues)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
