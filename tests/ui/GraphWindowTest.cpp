// "Wexa Graphing Window": opened by every run from the window, its cost
// buttons, printing and saving the chart as a picture.
#include "PrintAnswer.h"
#include "WindowFixture.h"
#include "forms/AlternativeColours.h"
#include "ui/ChartAdapter.h"
#include "ui/ChartLegend.h"
#include "ui/FormButtons.h"
#include "ui/Graph.h"
#include "ui/HelpSections.h"

#include <QAbstractAxis>
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include <functional>
#include <memory>

using wexa::ui::CGraph;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::Window;

namespace {

const QString kChartWindow = QStringLiteral("Wexa Graphing Window");

QPushButton* Button(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

QStringList Legends(QChart& chart) {
    QStringList legends;
    for (QAbstractSeries* series : chart.series()) {
        legends << series->name();
    }
    return legends;
}

QString ValueAxisTitle(QChart& chart) {
    return chart.axes(Qt::Vertical).front()->titleText();
}

// The example as a file of the test's own, deterministic if asked.
QString Example(Window& w, wexa::AnalysisKind kind) {
    auto project = std::make_unique<wexa::Project>();
    if (!wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/urban-freeway.wxa", *project)) {
        return {};
    }
    project->AnalysisType = kind;
    const QString path = w.Path(QStringLiteral("example.wxa"));
    return wexa::WriteProjectFile(path.toStdString(), *project) ? path : QString();
}

// Runs the example with a fixed seed, the export dialog cancelled, and
// hands the chart window that follows to `inspect` before it is closed
// with OK.
void RunAndInspect(Window& w, bool deterministic, const std::function<void(CGraph&)>& inspect,
                   int plotCost = 0) {
    w.Prompts().OpenAnswer =
        Example(w, deterministic ? wexa::kDeterministicAnalysis : wexa::kProbabilisticAnalysis);
    QVERIFY(w.Doc().Open());
    // The plot cost is a list the form keeps hidden.
    w.Find<QComboBox>(wexa::forms::NameOf(wexa::forms::FormField::GraphCostType))
        ->setCurrentIndex(plotCost);
    w.View().SetRunSeed(2027);
    w.Prompts().Clear();
    bool inspected = false;
    w.Prompts().OnDialog = [&](QDialog& dialog) {
        if (auto* graph = qobject_cast<CGraph*>(&dialog)) {
            inspect(*graph);
            inspected = true;
            PressButton(dialog, QStringLiteral("OK"));
        } else {
            dialog.reject();
        }
    };
    w.Run();
    QCOMPARE(w.Prompts().Dialogs,
             (QStringList{"Simulation Complete - Export Formatted Data to Designated File",
                          kChartWindow}));
    QVERIFY(inspected);
}

QColor AlternativeColour(int alternative) {
    const wexa::forms::PageColor colour = wexa::forms::AlternativeColour(alternative);
    return {colour.Red, colour.Green, colour.Blue};
}

// A chart window on results made up for the test: two alternatives,
// deterministic values.
wexa::forms::ResultChartData SmallResults() {
    wexa::forms::ResultChartData data;
    data.NumberOfAlternatives = 2;
    data.Title = "Chart to keep";
    data.AnalysisType = wexa::kDeterministicAnalysis;
    data.Values[0] = {1'250'000, 980'500, 0, 0};
    return data;
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
private slots:
    void probabilisticRunShowsACurvePerAlternative();
    void costButtonsRebuildTheChart();
    void deterministicRunShowsBarsWithoutAllComponents();
    void keyBelowThePlotKeepsEachAlternativesColour();
    void aRunWithNothingValidSaysWhyInThePlot();
    void okLeavesTheResultsAsTheyWere();
    void createGraphButtonOpensTheWindow();
    void saveImageWritesPngAndSvg();
    void failedSaveIsReportedAndWritesNothing();
    void printGraphPrintsThroughThePrintDialog();
    void helpKeysOpenTheChartSectionAndNotes();
    void contentWithoutDataDrawsAnEmptyChart();
};

void GraphWindowTest::probabilisticRunShowsACurvePerAlternative() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [&w](CGraph& graph) {
        QChart& chart = *graph.Chart().Chart();
        QCOMPARE(Legends(chart), (QStringList{"Alternative 1", "Alternative 2", "Alternative 3"}));
        const wexa::Project& p = w.GetProject();
        for (int a = 0; a < 3; ++a) {
            auto* line = qobject_cast<QLineSeries*>(chart.series()[a]);
            QVERIFY(line);
            QCOMPARE(line->count(), 11);
            QCOMPARE(line->at(10).x(), p.AgencyCumulativePercents[a][10]);
            QCOMPARE(line->at(10).y(), double(p.AgencyNpvPercentiles[a][10]));
        }
        QVERIFY(chart.title().contains(QStringLiteral("I-480 urban freeway")));
        QCOMPARE(chart.axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Percentile"));
        QCOMPARE(ValueAxisTitle(chart), QStringLiteral("Agency Costs (NPV, $)"));
        QVERIFY(!Button(graph, QStringLiteral("All Cost Components"))->isHidden());
    });
}

void GraphWindowTest::keyBelowThePlotKeepsEachAlternativesColour() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [](CGraph& graph) {
        const auto& legend = graph.Chart().Legend();
        QCOMPARE(legend.Entries().size(), 3u);
        QVERIFY(!graph.Chart().Chart()->legend()->isVisible());
        PressButton(graph, QStringLiteral("All Cost Components"));
        QChart* chart = graph.Chart().Chart();
        QCOMPARE(legend.Entries().size(), 9u);
        for (int s = 0; s < 9; ++s) {
            const auto& entry = legend.Entries()[static_cast<std::size_t>(s)];
            QCOMPARE(entry.Text, qobject_cast<QLineSeries*>(chart->series()[s])->name());
            QCOMPARE(entry.Pen.color(), AlternativeColour(s / 3 + 1));
            QCOMPARE(qobject_cast<QLineSeries*>(chart->series()[s])->pen().color(),
                     AlternativeColour(s / 3 + 1));
        }
        // Three cost kinds, three different lines.
        QVERIFY(legend.Entries()[0].Pen.dashPattern() != legend.Entries()[1].Pen.dashPattern());
        QCOMPARE(legend.Entries()[2].Pen.style(), Qt::SolidLine);
        // Nine entries take rows below the plot, not its width.
        QVERIFY(chart->plotArea().width() > 0.7 * chart->size().width());
        PressButton(graph, QStringLiteral("Agency Costs"));
        QCOMPARE(qobject_cast<QLineSeries*>(graph.Chart().Chart()->series()[1])->pen().color(),
                 AlternativeColour(2));
    });
}

void GraphWindowTest::aRunWithNothingValidSaysWhyInThePlot() {
    wexa::ui::testing::PresetPrompts prompts;
    wexa::forms::ResultChartData data = SmallResults();
    data.AnalysisType = wexa::kProbabilisticAnalysis;
    data.FailureCounts = {5000, 5000, 0, 0};
    CGraph graph(data, prompts);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    bool shown = false;
    for (QGraphicsItem* item : graph.Chart().Chart()->childItems()) {
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
            shown = shown || text->text().startsWith(QStringLiteral("Every iteration failed"));
        }
    }
    QVERIFY(shown);
}

void GraphWindowTest::costButtonsRebuildTheChart() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [&w](CGraph& graph) {
        const wexa::Project& p = w.GetProject();
        PressButton(graph, QStringLiteral("Work Zone User Costs"));
        QChart* chart = graph.Chart().Chart();
        QCOMPARE(ValueAxisTitle(*chart), QStringLiteral("Work Zone User Costs (NPV, $)"));
        QCOMPARE(qobject_cast<QLineSeries*>(chart->series()[1])->at(5).y(),
                 double(p.UserNpvPercentiles[1][5]));
        PressButton(graph, QStringLiteral("Total Costs"));
        chart = graph.Chart().Chart();
        QCOMPARE(ValueAxisTitle(*chart), QStringLiteral("Total Costs (NPV, $)"));
        QCOMPARE(chart->series().size(), 3);
        PressButton(graph, QStringLiteral("All Cost Components"));
        chart = graph.Chart().Chart();
        QCOMPARE(ValueAxisTitle(*chart), QStringLiteral("All Cost Components (NPV, $)"));
        QCOMPARE(chart->series().size(), 9);
        QCOMPARE(Legends(*chart).mid(3, 3),
                 (QStringList{"Alt. 2 (Agency)", "Alt. 2 (WZUC)", "Alt. 2 (Total)"}));
        QCOMPARE(qobject_cast<QLineSeries*>(chart->series()[5])->at(10).y(),
                 double(p.TotalNpvPercentiles[1][10]));
        PressButton(graph, QStringLiteral("Agency Costs"));
        QCOMPARE(graph.Chart().Chart()->series().size(), 3);
        QCOMPARE(graph.Data().CostTypeSelection, 0);
    });
}

void GraphWindowTest::deterministicRunShowsBarsWithoutAllComponents() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, true, [&w](CGraph& graph) {
        QVERIFY(Button(graph, QStringLiteral("All Cost Components"))->isHidden());
        QChart& chart = *graph.Chart().Chart();
        QCOMPARE(chart.series().size(), 1);
        auto* bars = qobject_cast<QAbstractBarSeries*>(chart.series()[0]);
        QVERIFY(bars);
        // One set an alternative, in its colour, with its bar in its own slot.
        QCOMPARE(bars->count(), 3);
        for (int a = 0; a < 3; ++a) {
            QBarSet* set = bars->barSets()[a];
            QCOMPARE(set->count(), 3);
            for (int slot = 0; slot < 3; ++slot) {
                QCOMPARE(set->at(slot),
                         slot == a ? double(w.GetProject().AgencyNpvResults[a][0]) : 0.0);
            }
            QCOMPARE(set->color(), AlternativeColour(a + 1));
        }
        QCOMPARE(chart.axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Alternative"));
        PressButton(graph, QStringLiteral("Total Costs"));
        QCOMPARE(graph.Chart().Chart()->series().size(), 1);
        QCOMPARE(ValueAxisTitle(*graph.Chart().Chart()), QStringLiteral("Total Costs (NPV, $)"));
    });
}

void GraphWindowTest::okLeavesTheResultsAsTheyWere() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(
        w, false,
        [](CGraph& graph) {
            QCOMPARE(graph.Data().CostTypeSelection, 1);
            PressButton(graph, QStringLiteral("All Cost Components"));
        },
        1);
    // The window's choice of all components is its own: the page's plot
    // cost, which has no such view, stays as it was.
    QCOMPARE(w.GetProject().GraphCostType, 1);
    QCOMPARE(w.GetProject().NumberOfAlternatives, 3);
}

void GraphWindowTest::createGraphButtonOpensTheWindow() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OnDialog = [](QDialog& dialog) { dialog.reject(); };
    // The form keeps the button hidden; pressed, it opens the window.
    auto* button = w.Find<QPushButton>(wexa::ui::FormButton::CreateGraph);
    button->click();
    QCOMPARE(w.Prompts().Dialogs, QStringList{kChartWindow});
}

void GraphWindowTest::saveImageWritesPngAndSvg() {
    QTemporaryDir folder;
    wexa::ui::testing::PresetPrompts prompts;
    CGraph graph(SmallResults(), prompts);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));

    const QString png = folder.filePath(QStringLiteral("chart.png"));
    prompts.FileAnswer = png;
    PressButton(graph, QStringLiteral("Save Image..."));
    QCOMPARE(prompts.FileRequests.size(), 1u);
    const QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= graph.Chart().width());

    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    prompts.FileAnswer = svg;
    PressButton(graph, QStringLiteral("Save Image..."));
    QSvgRenderer drawing(svg);
    QVERIFY(drawing.isValid());
    QFile text(svg);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().contains("Chart to keep"));
    QVERIFY(prompts.Messages.empty());
}

void GraphWindowTest::failedSaveIsReportedAndWritesNothing() {
    QTemporaryDir folder;
    wexa::ui::testing::PresetPrompts prompts;
    CGraph graph(SmallResults(), prompts);
    const QString missing = folder.filePath(QStringLiteral("no-such-folder/chart.png"));
    prompts.FileAnswer = missing;
    PressButton(graph, QStringLiteral("Save Image..."));
    QCOMPARE(prompts.Captions(), QStringList{QStringLiteral("Save Image")});
    QVERIFY(prompts.Messages[0].Text.contains(missing));
    QVERIFY(!QFile::exists(missing));

    // A picture of last week is not replaced when it is read-only.
    const QString locked = folder.filePath(QStringLiteral("locked.png"));
    QFile lockedFile(locked);
    QVERIFY(lockedFile.open(QIODevice::WriteOnly));
    lockedFile.write("kept");
    lockedFile.close();
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner));
    prompts.FileAnswer = locked;
    PressButton(graph, QStringLiteral("Save Image..."));
    QCOMPARE(prompts.Messages.size(), 2u);
    QVERIFY(prompts.Messages[1].Text.contains(QStringLiteral("read-only")));
    QVERIFY(lockedFile.open(QIODevice::ReadOnly));
    QCOMPARE(lockedFile.readAll(), QByteArray("kept"));
    lockedFile.close();

    // A suffix of another picture type is refused before anything is written.
    const QString jpeg = folder.filePath(QStringLiteral("chart.jpg"));
    prompts.FileAnswer = jpeg;
    PressButton(graph, QStringLiteral("Save Image..."));
    QCOMPARE(prompts.Messages.size(), 3u);
    QVERIFY(!QFile::exists(jpeg));

    // Cancelling the file dialog says nothing.
    prompts.FileAnswer.reset();
    PressButton(graph, QStringLiteral("Save Image..."));
    QCOMPARE(prompts.Messages.size(), 3u);
}

void GraphWindowTest::printGraphPrintsThroughThePrintDialog() {
    QTemporaryDir folder;
    wexa::ui::testing::PresetPrompts prompts;
    CGraph graph(SmallResults(), prompts);
    graph.show();
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    wexa::ui::testing::AnswerPrintWithPdf(prompts, pdf);
    PressButton(graph, QStringLiteral("Print Graph"));
    QCOMPARE(prompts.Dialogs.size(), 1);
    QVERIFY(wexa::ui::testing::IsPdf(pdf, 4000));
    QVERIFY(prompts.Messages.empty());
}

// F1 opens the guide at the window's section, which the guide has; every
// button carries a Shift+F1 note.
void GraphWindowTest::helpKeysOpenTheChartSectionAndNotes() {
    wexa::ui::testing::PresetPrompts prompts;
    CGraph graph(SmallResults(), prompts);
    graph.show();
    graph.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&graph));
    QTest::keyClick(Button(graph, QStringLiteral("Total Costs")), Qt::Key_F1);
    QCOMPARE(prompts.HelpSections, QStringList{QStringLiteral("result-chart")});
    for (QPushButton* button : graph.findChildren<QPushButton*>()) {
        QVERIFY2(!button->whatsThis().isEmpty(), qPrintable(button->text()));
    }
    QFile guide(wexa::ui::UserGuideUrl().mid(3));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QByteArray text = guide.readAll();
    QVERIFY(text.contains("<a name=\"result-chart\">"));
    QVERIFY(text.contains("<a name=\"queue-graph\">"));
}

// The adapter draws whatever content it is given, however little: no
// series, no ticks, no categories, a label with nothing to sit on.
void GraphWindowTest::contentWithoutDataDrawsAnEmptyChart() {
    wexa::ui::ChartPanel panel;
    panel.resize(400, 300);
    for (const auto kind : {wexa::forms::ChartKind::Bar, wexa::forms::ChartKind::Line}) {
        wexa::forms::ChartContent content;
        content.Kind = kind;
        content.Labels.push_back({0.0, 0.0, "Gridlock", true});
        panel.Show(content);
        QCOMPARE(panel.Chart()->series().size(), kind == wexa::forms::ChartKind::Bar ? 1 : 0);
        QVERIFY(!panel.grab().isNull());
    }
}

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
