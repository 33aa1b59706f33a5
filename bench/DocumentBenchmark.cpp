// Times the analysis document after a run, as File > Export Analysis
// Document and wexa --export-document make it: the expenditure stream, the
// default sensitivity study, the document's contents and its PDF, on the
// heaviest example and on the largest project shape. The run itself is made
// once, before the timing.
//
//   QT_QPA_PLATFORM=offscreen build/bench/wexa_document_benchmark
#include "HeaviestExample.h"
#include "LargestProject.h"
#include "results/DocumentJob.h"
#include "simulation/AnalysisRun.h"
#include "ui/DocumentPdf.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void TimeDocument(benchmark::State& state, wexa::Project& project) {
    auto workspace = std::make_unique<wexa::AnalysisWorkspace>();
    if (const auto refusal = wexa::RunAnalysis(project, *workspace, {2027u, nullptr})) {
        state.SkipWithError("the run was refused");
        return;
    }
    const wexa::forms::KeptRun run(project, *workspace);
    for (auto _ : state) {
        wexa::forms::DocumentJob job(run, {});
        job.Run();
        const QByteArray pdf = wexa::ui::DocumentPdf(job.Document());
        benchmark::DoNotOptimize(pdf.data());
        state.counters["bytes"] = static_cast<double>(pdf.size());
    }
}

void BM_DocumentOfTheHeaviestExample(benchmark::State& state) {
    if (const auto project = wexa::bench::HeaviestExample(state)) {
        TimeDocument(state, *project);
    }
}

void BM_DocumentOfTheLargestProject(benchmark::State& state) {
    TimeDocument(state, *wexa::bench::LargestProject(wexa::bench::kQueueingAadt));
}

BENCHMARK(BM_DocumentOfTheHeaviestExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentOfTheLargestProject)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The charts are laid out by the window's own widgets.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
