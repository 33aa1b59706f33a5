// Pictures of the main window for the user guide and the README, made by the
// program's own widgets on the offscreen platform:
//   wexa_screenshot FOLDER
// writes main-window.png (the default project, probabilistic),
// main-window-deterministic.png, main-window-excluded.png (an activity
// that excludes work-zone user costs), bid-items.png and
// time-related-costs.png (the dialogs on an example project), work-zone.png
// and work-zone-gridlock.png, the chart windows' pictures (chart-*.png,
// comparison.png, comparison-distributions.png) and the sensitivity
// window's two tabs (sensitivity-rate.png, sensitivity-tornado.png) and the
// expenditure stream of each example (stream-*.png) into FOLDER.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"
#include "ui/ChartAdapter.h"
#include "ui/ComparisonPanel.h"
#include "ui/FormButtons.h"
#include "ui/Graph.h"
#include "ui/QueueGraphDialog.h"
#include "ui/SensitivityWindow.h"
#include "ui/StreamView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using wexa::forms::FormField;
using wexa::ui::testing::Window;

// A 1366 x 768 screen less a desktop panel.
constexpr int kWidth = 1366;
constexpr int kHeight = 728;

bool Save(QWidget& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The comparison of the probabilistic run, total costs, and the NPV
// distributions beside it.
void SaveComparisonPictures(QDialog& dialog, const QDir& folder, bool& ok) {
    auto& graph = dynamic_cast<wexa::ui::CGraph&>(dialog);
    wexa::ui::testing::PressButton(dialog, QStringLiteral("Total Costs"));
    graph.Views().setCurrentWidget(&graph.Comparison());
    ok = Save(dialog, folder, "comparison.png") && ok;
    graph.Views().setCurrentWidget(&graph.Distributions());
    ok = Save(dialog, folder, "comparison-distributions.png") && ok;
}

// The chart windows on the urban freeway example: the result chart after a
// probabilistic run (agency costs, then all cost components), after a
// deterministic one, and the queue length graph of the first activity whose
// work zone builds a queue.
bool SaveChartPictures(const QDir& folder) {
    bool ok = true;
    for (const wexa::AnalysisKind kind :
         {wexa::kProbabilisticAnalysis, wexa::kDeterministicAnalysis}) {
        Window w;
        auto project = std::make_unique<wexa::Project>();
        const QString path = w.Path(QStringLiteral("example.wxa"));
        ok = wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *project).Ok && ok;
        project->AnalysisType = kind;
        ok = wexa::WriteProjectFile(path.toStdString(), *project).Ok && ok;
        w.Prompts().OpenAnswer = path;
        ok = w.Doc().Open() && ok;
        w.View().SetRunSeed(2027);
        w.Prompts().OnDialog = [&](QDialog& dialog) {
            if (dialog.windowTitle() == QStringLiteral("Wexa Graphing Window")) {
                dialog.resize(1200, 680);
                dialog.show();
                if (kind == wexa::kDeterministicAnalysis) {
                    ok = Save(dialog, folder, "chart-deterministic.png") && ok;
                    // The same stream in present value: the bars add up to
                    // the NPVs of the chart.
                    auto& graph = dynamic_cast<wexa::ui::CGraph&>(dialog);
                    graph.Views().setCurrentWidget(&graph.Stream());
                    graph.Stream().PresentValues().click();
                    ok = Save(dialog, folder, "stream-deterministic.png") && ok;
                } else {
                    ok = Save(dialog, folder, "chart-probabilistic.png") && ok;
                    wexa::ui::testing::PressButton(dialog, QStringLiteral("All Cost Components"));
                    ok = Save(dialog, folder, "chart-all-components.png") && ok;
                    SaveComparisonPictures(dialog, folder, ok);
                }
            }
            dialog.reject();
        };
        w.Run();
        ok = w.Prompts().Dialogs.size() == 2 && ok;
    }

    auto project = std::make_unique<wexa::Project>();
    ok = wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *project).Ok && ok;
    for (int alternative = 1; alternative <= project->NumberOfAlternatives; ++alternative) {
        for (int activity = 1; activity <= wexa::kActivitiesPerAlternative; ++activity) {
            wexa::forms::WorkZoneTimingDialog timing(
                wexa::forms::WorkZoneDialogInputs::FromStoredActivity(*project, alternative,
                                                                      activity));
            wexa::forms::NoticeCollector effects;
            timing.Open(effects);
            const wexa::forms::QueueGraphContent graph = timing.QueueGraph();
            const auto& inbound = graph.Series[0].Miles;
            if (timing.Gridlock() || *std::max_element(inbound.begin(), inbound.end()) <= 0.0) {
                continue;
            }
            wexa::ui::testing::PresetPrompts prompts;
            wexa::ui::CQueueGraphDialog dialog(graph, prompts);
            dialog.resize(900, 600);
            dialog.show();
            return Save(dialog, folder, "queue-graph.png") && ok;
        }
    }
    std::fprintf(stderr, "no activity of the example builds a queue\n");
    return false;
}

// The expenditure stream tab after a run of each example, in the year's
// dollars.
bool SaveStreamPictures(const QDir& folder) {
    bool ok = true;
    for (const char* example : {"urban-freeway", "rural-two-lane"}) {
        Window w;
        w.Prompts().OpenAnswer =
            QStringLiteral(WEXA_EXAMPLES_DIR "/%1.wxa").arg(QLatin1String(example));
        ok = w.Doc().Open() && ok;
        w.View().SetRunSeed(2027);
        w.Prompts().OnDialog = [&](QDialog& dialog) {
            if (auto* graph = dynamic_cast<wexa::ui::CGraph*>(&dialog)) {
                graph->resize(1200, kHeight);
                graph->show();
                graph->Views().setCurrentWidget(&graph->Stream());
                const std::string name = std::string("stream-") + example + ".png";
                ok = Save(dialog, folder, name.c_str()) && ok;
            }
            dialog.reject();
        };
        w.Run();
        ok = w.Prompts().Dialogs.size() == 2 && ok;
    }
    return ok;
}

// The sensitivity window on the urban freeway example, as it opens from the
// View menu: the NPV over the discount rates, then the tornado.
bool SaveSensitivityPictures(const QDir& folder) {
    Window w;
    w.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    if (!w.Doc().Open()) {
        return false;
    }
    w.Frame().Actions().Sensitivity->trigger();
    wexa::ui::CSensitivityWindow* window = w.View().Sensitivity();
    QSignalSpy ended(window, &wexa::ui::CSensitivityWindow::RunEnded);
    if (!ended.wait(30000)) {
        return false;
    }
    window->resize(kWidth - 100, kHeight);
    bool ok = Save(*window, folder, "sensitivity-rate.png");
    // The tornado's axis and key head its rows: at the same size they are in
    // sight, the rows that move the pair most with them.
    window->Views().setCurrentIndex(1);
    return Save(*window, folder, "sensitivity-tornado.png") && ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wexa_screenshot FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Window w;
    w.Frame().resize(kWidth, kHeight);
    w.Enter(FormField::ProjectNumber, QStringLiteral("STP-0042(17)"));
    w.Enter(FormField::ProjectDescription,
            QStringLiteral("Route 9 pavement rehabilitation, MP 12.4 to MP 18.1"));
    w.Enter(FormField::AlternativeDescription, QStringLiteral("Mill and overlay"));
    w.Enter(FormField::ActivityDescription, QStringLiteral("Initial construction"));
    w.Find(wexa::ui::FormButton::RunSimulation)->setFocus();
    bool ok = Save(w.Frame(), folder, "main-window.png");

    Window excluded;
    excluded.Frame().resize(kWidth, kHeight);
    excluded.Enter(FormField::NumberOfActivities, QStringLiteral("3"));
    excluded.Enter(FormField::ActivityDescription, QStringLiteral("Crack sealing"));
    excluded.Pick(FormField::ActivityUserCostMode, 1);
    ok = Save(excluded.Frame(), folder, "main-window-excluded.png") && ok;

    Window deterministic;
    deterministic.Frame().resize(kWidth, kHeight);
    deterministic.View().findChild<QRadioButton*>(QStringLiteral("AnalysisType1"))->click();
    ok = Save(deterministic.Frame(), folder, "main-window-deterministic.png") && ok;

    // The cost dialogs of the example's first activity, as they open.
    Window example;
    example.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    ok = example.Doc().Open() && ok;
    example.Prompts().OnDialog = [&](QDialog& dialog) {
        dialog.show();
        const char* name =
            dialog.windowTitle() == "Bid Items" ? "bid-items.png" : "time-related-costs.png";
        ok = Save(dialog, folder, name) && ok;
        dialog.reject();
    };
    example.Click(wexa::ui::FormButton::BidItemCosts);
    example.Click(wexa::forms::MainFormControl::TimeRelatedCostsButton);

    // The work-zone dialog on the urban example's daytime closures, and on
    // traffic that no timing gets through.
    Window urban;
    urban.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/urban-freeway.wxa");
    ok = urban.Doc().Open() && ok;
    urban.Click(wexa::ui::FormButton::NextWorkActivity);
    urban.Click(wexa::ui::FormButton::NextWorkActivity);
    const char* workZone = "work-zone.png";
    urban.Prompts().OnDialog = [&](QDialog& dialog) {
        dialog.show();
        ok = Save(dialog, folder, workZone) && ok;
        dialog.reject();
    };
    urban.Click(wexa::forms::MainFormControl::WorkZoneTimingButton);
    urban.Enter(FormField::MaximumAADT, QStringLiteral("900000"));
    urban.Enter(FormField::BaseYearAADT, QStringLiteral("400000"));
    workZone = "work-zone-gridlock.png";
    urban.Click(wexa::forms::MainFormControl::WorkZoneTimingButton);
    ok = ok && urban.Prompts().Dialogs.size() == 2;

    ok = SaveChartPictures(folder) && ok;
    ok = SaveSensitivityPictures(folder) && ok;
    ok = SaveStreamPictures(folder) && ok;
    // The table dialogs of the rural example, the distribution with its sum.
    Window tables;
    tables.Prompts().OpenAnswer = QStringLiteral(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa");
    ok = tables.Doc().Open() && ok;
    tables.Prompts().OnDialog = [&](QDialog& dialog) {
        dialog.show();
        const QString title = dialog.windowTitle();
        const char* name = "hourly-distribution.png";
        if (title == QStringLiteral("Delay Cost Rates")) {
            name = "delay-cost-rates.png";
        } else if (title.startsWith(QStringLiteral("Added Time"))) {
            name = "added-time-costs.png";
        } else {
            wexa::ui::testing::PressButton(dialog, QStringLiteral("Sum AADT"));
        }
        ok = Save(dialog, folder, name) && ok;
        dialog.reject();
    };
    tables.Click(wexa::forms::MainFormControl::TrafficDistributionButton);
    tables.Click(wexa::forms::MainFormControl::AddedTimeCostsButton);
    tables.Click(wexa::forms::MainFormControl::DelayCostRatesButton);
    ok = ok && tables.Prompts().Dialogs.size() == 3;

    return ok && example.Prompts().Dialogs.size() == 2 ? 0 : 1;
}
