// Compares a probabilistic run as the window does it, with the progress bar
// on a shown window, with the same run as wexa-cli does it, without one. The
// window's run may be at most a tenth slower.
//
//   QT_QPA_PLATFORM=offscreen build/bench/wexa_window_run_benchmark
//       --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
#include "LargestProject.h"
#include "simulation/AnalysisRun.h"
#include "ui/RunProgressBar.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Run(benchmark::State& state, wexa::RunProgress* progress) {
    wexa::bench::TimeRuns(state, *wexa::bench::LargestProject(wexa::bench::kQueueingAadt),
                          progress);
}

void BM_RunWithoutProgress(benchmark::State& state) {
    Run(state, nullptr);
}

void BM_RunWithProgressBar(benchmark::State& state) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QProgressBar;
    layout->addWidget(bar);
    window.resize(400, 60);
    window.show();
    QApplication::processEvents();
    wexa::ui::RunProgressBar progress(*bar);
    Run(state, &progress);
}

BENCHMARK(BM_RunWithoutProgress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunWithProgressBar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
