#pragma once

// The heaviest example project, as the benchmarks that time a whole
// sensitivity read it.
#include "model/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace wexa::bench {

// The project of examples/urban-freeway.wxa; null, with the benchmark
// skipped, when it cannot be read.
inline std::unique_ptr<Project> HeaviestExample(benchmark::State& state) {
    auto project = std::make_unique<Project>();
    const std::string path = std::string(WEXA_EXAMPLES_DIR) + "/urban-freeway.wxa";
    if (!ReadProjectFile(path, *project).Ok) {
        state.SkipWithError(("cannot read " + path).c_str());
        return nullptr;
    }
    return project;
}

} // namespace wexa::bench
