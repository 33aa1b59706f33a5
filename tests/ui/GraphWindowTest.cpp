// "Wexa Graphing Window": opened by every run from the window, its cost
// buttons, printing and saving the chart as a picture.
#include "PrintAnswer.h"
#include "WindowFixture.h"
#include "ui/ChartAdapter.h"
#include "ui/ComparisonPanel.h"
#include "ui/FormButtons.h"
#include "ui/Graph.h"
#include "ui/HelpSections.h"
#include "ui/StreamView.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cmath>
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

// What the window's chart shows.
const wexa::forms::ChartContent& Shown(CGraph& graph) {
    return graph.Chart().Content();
}

QStringList Legends(CGraph& graph) {
    QStringList legends;
    for (const wexa::forms::ChartSeries& series : Shown(graph).Series) {
        legends << QString::fromStdString(series.Legend);
    }
    return legends;
}

QString ValueAxisTitle(CGraph& graph) {
    return QString::fromStdString(Shown(graph).ValueAxisTitle);
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

// Each chance is drawn in its row as a bar of the alternative's colour, as
// long as the chance of the bar column's width.
void VerifyChanceBars(QTableWidget& table, const wexa::forms::TextTable& content) {
    const QImage drawn = table.viewport()->grab().toImage();
    for (int row = 0; row < table.rowCount(); ++row) {
        const wexa::forms::CellBar& bar = content.Bars[static_cast<std::size_t>(row)];
        const QRect cell = table.visualRect(table.model()->index(row, content.BarColumn + 1));
        int length = 0;
        for (int x = cell.left(); x <= cell.right(); ++x) {
            length += drawn.pixelColor(x, cell.center().y()) ==
                      QColor(bar.Colour.Red, bar.Colour.Green, bar.Colour.Blue);
        }
        QVERIFY(std::abs(length - bar.Share * (cell.width() - 8)) <= 2.0);
    }
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
    void aRunWithNothingValidSaysWhyInThePlot();
    void okLeavesTheResultsAsTheyWere();
    void createGraphButtonOpensTheWindow();
    void comparisonFollowsTheCostKindAndTheRun();
    void expenditureStreamIsTheRunsAndIsSavedAndPrinted();
    void saveImageWritesPngAndSvg();
    void failedSaveIsReportedAndWritesNothing();
    void printGraphPrintsThroughThePrintDialog();
    void printGraphPrintsTheComparisonAndTheStreamShown();
    void helpKeysOpenTheChartSectionAndNotes();
};

void GraphWindowTest::probabilisticRunShowsACurvePerAlternative() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [&w](CGraph& graph) {
        const wexa::forms::ChartContent& chart = Shown(graph);
        QCOMPARE(chart.Kind, wexa::forms::ChartKind::Line);
        QCOMPARE(Legends(graph), (QStringList{"Alternative 1", "Alternative 2", "Alternative 3"}));
        const wexa::Project& p = w.GetProject();
        for (int a = 0; a < 3; ++a) {
            const auto& line = chart.Series[a].Points;
            QCOMPARE(line.size(), 11u);
            QCOMPARE(line[10].X, p.AgencyCumulativePercents[a][10]);
            QCOMPARE(line[10].Y, double(p.AgencyNpvPercentiles[a][10]));
        }
        QVERIFY(
            QString::fromStdString(chart.Title).contains(QStringLiteral("I-480 urban freeway")));
        QCOMPARE(QString::fromStdString(chart.CategoryAxisTitle), QStringLiteral("Percentile"));
        QCOMPARE(ValueAxisTitle(graph), QStringLiteral("Agency Costs (NPV, $)"));
        QVERIFY(!Button(graph, QStringLiteral("All Cost Components"))->isHidden());
    });
}

void GraphWindowTest::aRunWithNothingValidSaysWhyInThePlot() {
    wexa::ui::testing::PresetPrompts prompts;
    wexa::forms::ResultChartData data = SmallResults();
    data.AnalysisType = wexa::kProbabilisticAnalysis;
    data.FailureCounts = {5000, 5000, 0, 0};
    CGraph graph(data, prompts);
    QVERIFY(QString::fromStdString(Shown(graph).Notice)
                .startsWith(QStringLiteral("Every iteration failed")));
}

void GraphWindowTest::costButtonsRebuildTheChart() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [&w](CGraph& graph) {
        const wexa::Project& p = w.GetProject();
        PressButton(graph, QStringLiteral("Work Zone User Costs"));
        QCOMPARE(ValueAxisTitle(graph), QStringLiteral("Work Zone User Costs (NPV, $)"));
        QCOMPARE(Shown(graph).Series[1].Points[5].Y, double(p.UserNpvPercentiles[1][5]));
        PressButton(graph, QStringLiteral("Total Costs"));
        QCOMPARE(ValueAxisTitle(graph), QStringLiteral("Total Costs (NPV, $)"));
        QCOMPARE(Shown(graph).Series.size(), 3u);
        PressButton(graph, QStringLiteral("All Cost Components"));
        QCOMPARE(ValueAxisTitle(graph), QStringLiteral("All Cost Components (NPV, $)"));
        QCOMPARE(Shown(graph).Series.size(), 9u);
        QCOMPARE(Legends(graph).mid(3, 3),
                 (QStringList{"Alt. 2 (Agency)", "Alt. 2 (WZUC)", "Alt. 2 (Total)"}));
        QCOMPARE(Shown(graph).Series[5].Points[10].Y, double(p.TotalNpvPercentiles[1][10]));
        PressButton(graph, QStringLiteral("Agency Costs"));
        QCOMPARE(Shown(graph).Series.size(), 3u);
        QCOMPARE(graph.Data().CostTypeSelection, 0);
    });
}

void GraphWindowTest::deterministicRunShowsBarsWithoutAllComponents() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, true, [&w](CGraph& graph) {
        QVERIFY(Button(graph, QStringLiteral("All Cost Components"))->isHidden());
        const wexa::forms::ChartContent& chart = Shown(graph);
        QCOMPARE(chart.Kind, wexa::forms::ChartKind::Bar);
        // One bar an alternative, in its colour and its own slot.
        QCOMPARE(chart.Series.size(), 3u);
        for (int a = 0; a < 3; ++a) {
            const wexa::forms::ChartSeries& bar = chart.Series[a];
            QCOMPARE(bar.Points.size(), 1u);
            QCOMPARE(bar.Points[0].X, double(a));
            QCOMPARE(bar.Points[0].Y, double(w.GetProject().AgencyNpvResults[a][0]));
            QCOMPARE(bar.Colour, a + 1);
        }
        QCOMPARE(QString::fromStdString(chart.CategoryAxisTitle), QStringLiteral("Alternative"));
        PressButton(graph, QStringLiteral("Total Costs"));
        QCOMPARE(Shown(graph).Kind, wexa::forms::ChartKind::Bar);
        QCOMPARE(ValueAxisTitle(graph), QStringLiteral("Total Costs (NPV, $)"));
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

// After a run the comparison and the distributions follow the cost buttons
// and the risk percentile; on another file's results they are not offered.
void GraphWindowTest::comparisonFollowsTheCostKindAndTheRun() {
    Window w;
    QVERIFY(w.Active);
    RunAndInspect(w, false, [&w](CGraph& graph) {
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        graph.Views().setCurrentWidget(&graph.Comparison());
        const wexa::forms::ComparisonPage& page = graph.Comparison().Page();
        QVERIFY(QString::fromStdString(page.Heading).startsWith("Agency Costs: probabilistic"));
        QCOMPARE(page.Cheapest.RowNames.size(), 3u);
        // The sentence that opens the tab, and the table, show what the page
        // says.
        QVERIFY(graph.Comparison().Summary().isVisible());
        QCOMPARE(graph.Comparison().Summary().text(), QString::fromStdString(page.Summary));
        QVERIFY(graph.Comparison().Summary().text().startsWith("On agency costs, alternative"));
        auto* table = graph.Comparison().findChildren<QTableWidget*>().front();
        QCOMPARE(table->item(1, 1)->text(), QString::fromStdString(page.Cheapest.Cells[1][0]));
        VerifyChanceBars(*table, page.Cheapest);
        QVERIFY(!Button(graph, QStringLiteral("Save Image..."))->isEnabled());

        const std::string atMedian = page.Choice;
        graph.Comparison().RiskPercentile().setValue(90);
        QVERIFY(QString::fromStdString(page.Choice).startsWith("Choice at the 90th percentile"));
        QVERIFY(page.Choice != atMedian);

        PressButton(graph, QStringLiteral("Total Costs"));
        QVERIFY(QString::fromStdString(page.Heading).startsWith("Total Costs"));
        // F1 on any of its controls opens its section of the guide.
        QCOMPARE(wexa::ui::HelpSectionOf(&graph.Comparison().RiskPercentile()),
                 QStringLiteral("comparison"));

        // The tables go to a file through the same seam as every file name.
        w.Prompts().FileAnswer = w.Path(QStringLiteral("comparison.csv"));
        PressButton(graph, QStringLiteral("Save Tables..."));
        QFile csv(w.Path(QStringLiteral("comparison.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("Total Costs - Chance of being the cheapest"));
        QCOMPARE(graph.Distributions().Content().Series.size(), 3u);
        QCOMPARE(graph.Distributions().Content().CategoryAxisTitle,
                 std::string("Total Costs (NPV, $1,000)"));
    });

    // Another file's results: the kept run is not theirs.
    w.Prompts().OpenAnswer = Example(w, wexa::kDeterministicAnalysis);
    QVERIFY(w.Doc().Open());
    bool inspected = false;
    w.Prompts().OnDialog = [&inspected](QDialog& dialog) {
        auto& graph = dynamic_cast<CGraph&>(dialog);
        QCOMPARE(graph.Comparison().Page().Notice, std::string(wexa::forms::kNoRunNotice));
        QCOMPARE(graph.Stream().Page().Diagram.Notice, std::string(wexa::forms::kNoStreamNotice));
        QVERIFY(!Button(graph, QStringLiteral("Save Tables..."))->isEnabled());
        inspected = true;
        dialog.reject();
    };
    w.Find<QPushButton>(wexa::ui::FormButton::CreateGraph)->click();
    QVERIFY(inspected);
}

// The tab shows the stream of the run just made (its NPVs are the run's),
// switches to present value, and saves its data, its picture and its page.
void GraphWindowTest::expenditureStreamIsTheRunsAndIsSavedAndPrinted() {
    Window w;
    RunAndInspect(w, true, [&w](CGraph& graph) {
        wexa::ui::StreamView& view = graph.Stream();
        graph.Views().setCurrentWidget(&view);
        QVERIFY(Button(graph, QStringLiteral("Save Image..."))->isEnabled());
        const wexa::Project& project = w.GetProject();
        const auto& tables = view.Page().Tables;
        QCOMPARE(tables.size(), static_cast<std::size_t>(project.NumberOfAlternatives));
        for (std::size_t a = 0; a < tables.size(); ++a) {
            QCOMPARE(tables[a].RowNames.back(), std::string("NPV"));
            QCOMPARE(tables[a].Cells.back().back(),
                     wexa::forms::FormatNumber(static_cast<double>(project.TotalNpvResults[a][0]),
                                               "#,##0"));
        }
        const std::string undiscounted = view.Page().Diagram.Subtitle;
        view.PresentValues().click();
        QVERIFY(view.Page().Diagram.Subtitle != undiscounted);

        auto stream = std::make_unique<wexa::ExpenditureStream>();
        QVERIFY(!wexa::ComputeExpenditureStream(project, 2027, nullptr, *stream));
        w.Prompts().FileAnswer = w.Path(QStringLiteral("stream.csv"));
        PressButton(graph, QStringLiteral("Save &Data..."));
        QFile csv(w.Path(QStringLiteral("stream.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().toStdString(), wexa::forms::StreamCsv(*stream));

        w.Prompts().FileAnswer = w.Path(QStringLiteral("stream.png"));
        PressButton(graph, QStringLiteral("Save Image..."));
        QVERIFY(QImage(w.Path(QStringLiteral("stream.png"))).width() >= 800);
    });
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
}

void GraphWindowTest::failedSaveIsReportedAndWritesNothing() {
    QTemporaryDir folder;
    wexa::ui::testing::PresetPrompts prompts;
    CGraph graph(SmallResults(), prompts);
    const QString missing = folder.filePath(QStringLiteral("no-such-folder/chart.png"));
    prompts.FileAnswer = missing;
    PressButton(graph, QStringLiteral("Save Image..."));
    QVERIFY(prompts.TakeMessage(QStringLiteral("Save Image")).Text.contains(missing));
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
    QVERIFY(prompts.TakeMessage(QStringLiteral("Save Image")).Text.contains("read-only"));
    QVERIFY(lockedFile.open(QIODevice::ReadOnly));
    QCOMPARE(lockedFile.readAll(), QByteArray("kept"));
    lockedFile.close();

    // A suffix of another picture type is refused before anything is written.
    const QString jpeg = folder.filePath(QStringLiteral("chart.jpg"));
    prompts.FileAnswer = jpeg;
    PressButton(graph, QStringLiteral("Save Image..."));
    prompts.TakeMessage(QStringLiteral("Save Image"));
    QVERIFY(!QFile::exists(jpeg));

    // Cancelling the file dialog says nothing.
    prompts.FileAnswer.reset();
    PressButton(graph, QStringLiteral("Save Image..."));
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
}

void GraphWindowTest::printGraphPrintsTheComparisonAndTheStreamShown() {
    QTemporaryDir folder;
    wexa::ui::testing::PresetPrompts prompts;
    auto project = std::make_unique<wexa::Project>();
    QVERIFY(wexa::ReadProjectFile(WEXA_EXAMPLES_DIR "/rural-two-lane.wxa", *project));
    project->AnalysisType = wexa::kDeterministicAnalysis;
    auto workspace = std::make_unique<wexa::AnalysisWorkspace>();
    QVERIFY(!wexa::RunAnalysis(*project, *workspace, {2027u, nullptr}));
    const wexa::forms::KeptRun run(*project, *workspace);
    CGraph graph(SmallResults(), prompts, nullptr, &run);
    graph.show();
    graph.Views().setCurrentWidget(&graph.Comparison());
    const QString pdf = folder.filePath(QStringLiteral("comparison.pdf"));
    wexa::ui::testing::AnswerPrintWithPdf(prompts, pdf);
    PressButton(graph, QStringLiteral("Print Graph"));
    QCOMPARE(prompts.Dialogs.size(), 1);
    QVERIFY(wexa::ui::testing::IsPdf(pdf, 4000));

    // The expenditure stream prints its diagram, then its tables.
    QVERIFY(graph.Stream().HasStream());
    graph.Views().setCurrentWidget(&graph.Stream());
    const QString stream = folder.filePath(QStringLiteral("stream.pdf"));
    wexa::ui::testing::AnswerPrintWithPdf(prompts, stream);
    PressButton(graph, QStringLiteral("Print Graph"));
    QCOMPARE(prompts.Dialogs.size(), 2);
    QVERIFY(wexa::ui::testing::IsPdf(stream, 4000));
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
    QVERIFY(text.contains("<a name=\"comparison\">"));
    QVERIFY(text.contains("<a name=\"expenditure-stream\">"));
}

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
