// Compares a probabilistic run as the window does it (on a copy of the
// project, on a thread of its own, while the window's event loop shows its
// progress on a shown bar) with the same run as wexa-cli does it, on the
// calling thread without any. The window's run may be at most a tenth slower.
// Also times the sensitivity window's whole run on the heaviest example, from
// Run to both charts drawn.
//
//   QT_QPA_PLATFORM=offscreen build/bench/wexa_window_run_benchmark
//       --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
#include "HeaviestExample.h"
#include "LargestProject.h"
#include "forms/AnalysisJob.h"
#include "simulation/AnalysisRun.h"
#include "ui/BackgroundRun.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/SensitivityWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void BM_RunWithoutProgress(benchmark::State& state) {
    wexa::bench::TimeRuns(state, *wexa::bench::LargestProject(wexa::bench::kQueueingAadt), nullptr);
}

void BM_RunInTheWindow(benchmark::State& state) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QProgressBar;
    layout->addWidget(bar);
    window.resize(400, 60);
    window.show();
    QApplication::processEvents();
    const auto project = wexa::bench::LargestProject(wexa::bench::kQueueingAadt);
    const auto workspace = std::make_unique<wexa::AnalysisWorkspace>();
    for (auto _ : state) {
        const auto job = std::make_unique<wexa::forms::AnalysisJob>(*project, *workspace, 1u);
        wexa::ui::BackgroundRun run(*job, *bar);
        QEventLoop loop;
        QObject::connect(&run, &wexa::ui::BackgroundRun::Finished, &loop, &QEventLoop::quit);
        run.Start();
        loop.exec();
        if (job->Refusal()) {
            state.SkipWithError("the run was refused");
            break;
        }
        benchmark::DoNotOptimize(job->RanProject().TotalNpvResults[0][0]);
    }
}

void BM_SensitivityInTheWindow(benchmark::State& state) {
    const auto project = wexa::bench::HeaviestExample(state);
    if (!project) {
        return;
    }
    wexa::ui::MessageBoxPrompts prompts;
    wexa::ui::CSensitivityWindow window(
        prompts, [&]() -> const wexa::Project& { return *project; },
        [](std::string_view) -> QWidget* { return nullptr; });
    window.resize(1200, 900);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&window, &wexa::ui::CSensitivityWindow::RunEnded, &loop,
                         &QEventLoop::quit);
        window.Run();
        loop.exec();
        if (window.Form().Result() == nullptr) {
            state.SkipWithError("the sensitivity was refused");
            break;
        }
        QApplication::processEvents(); // the charts painted
    }
}

BENCHMARK(BM_RunWithoutProgress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunInTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SensitivityInTheWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

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
