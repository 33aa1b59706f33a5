// Times the comparison of the alternatives after the heavy run: four
// alternatives of ten activities, 5000 iterations, every work zone queueing.
// The run itself is done once, before the timing.
//
//   build/bench/wexa_comparison_benchmark [--benchmark_repetitions=5]
#include "LargestProject.h"
#include "decision/Comparison.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_CompareAfterTheLargestRun(benchmark::State& state) {
    auto project = wexa::bench::LargestProject(wexa::bench::kQueueingAadt);
    auto workspace = std::make_unique<wexa::AnalysisWorkspace>();
    if (const auto refusal = wexa::RunAnalysis(*project, *workspace, {1u, nullptr})) {
        state.SkipWithError(refusal->Messages.back().Message.c_str());
        return;
    }
    for (auto _ : state) {
        const wexa::Comparison comparison = wexa::CompareAlternatives(*project, *workspace, 90);
        benchmark::DoNotOptimize(comparison.Kinds[2].RiskChoice);
    }
    state.counters["compared"] = wexa::CompareAlternatives(*project, *workspace).ComparedIterations;
}

BENCHMARK(BM_CompareAfterTheLargestRun)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
