#pragma once

// The run of the largest project shape, timed.
#include "simulation/AnalysisRun.h"
#include "support/LargestProject.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace wexa::bench {

// Times the run of `project`, watched through `feedback` when given, one run per
// benchmark iteration, on a copy and a workspace kept for the whole loop.
// Returns the copy as the last run left it.
inline std::unique_ptr<Project> TimeRuns(benchmark::State& state, const Project& project,
                                         RunFeedback* feedback) {
    auto run = std::make_unique<Project>(project);
    auto workspace = std::make_unique<AnalysisWorkspace>();
    for (auto _ : state) {
        const auto refusal = RunAnalysis(*run, *workspace, {1u, feedback});
        if (refusal) {
            state.SkipWithError(refusal->Messages.back().Message.c_str());
            break;
        }
        benchmark::DoNotOptimize(run->TotalNpvResults[0][0]);
    }
    return run;
}

} // namespace wexa::bench
