// Times the whole sensitivity the window computes: the default sweep of the
// discount rate (0 % to 10 % by 0.1, with the break-even bisections) and the
// tornado, on the heaviest example and on the largest project shape. Each
// case also counts the runs it made.
//
//   build/bench/wexa_sensitivity_benchmark [--benchmark_repetitions=5]
#include "HeaviestExample.h"
#include "LargestProject.h"
#include "decision/Sensitivity.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void TimeSensitivity(benchmark::State& state, const wexa::Project& project) {
    for (auto _ : state) {
        wexa::Sensitivity sensitivity;
        if (const auto refusal = wexa::RunSensitivity(project, {}, sensitivity)) {
            state.SkipWithError(refusal->Messages.back().Message.c_str());
            return;
        }
        benchmark::DoNotOptimize(sensitivity.Tornado.Bars.data());
        state.counters["points"] = static_cast<double>(sensitivity.Rates.Points.size());
        state.counters["inputs"] = static_cast<double>(sensitivity.Tornado.Bars.size());
    }
}

void BM_SensitivityOfTheHeaviestExample(benchmark::State& state) {
    const auto project = wexa::bench::HeaviestExample(state);
    if (!project) {
        return;
    }
    TimeSensitivity(state, *project);
}

void BM_SensitivityOfTheLargestProject(benchmark::State& state) {
    TimeSensitivity(state, *wexa::bench::LargestProject(wexa::bench::kQueueingAadt));
}

BENCHMARK(BM_SensitivityOfTheHeaviestExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SensitivityOfTheLargestProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
