#pragma once

#include "results/ComparisonRun.h"
#include "results/ResultChart.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;

namespace wexa::ui {

class ChartPanel;
class ComparisonPanel;
class Prompts;
class StreamView;

// "Wexa Graphing Window", opened after every run: the percentile curves or
// the bars of the run's results, the cost to plot chosen with the buttons of
// "Graph Data Controls". It works on copies (forms::ResultChartData); the
// opener copies them back on OK. Beside the chart, the comparison of the
// alternatives and their NPV distributions, from the run kept with the
// results (`run`, which must outlive the window; null when the results
// shown are not a run's of this session).
class CGraph final : public QDialog {
    Q_OBJECT
public:
    CGraph(forms::ResultChartData data, Prompts& prompts, QWidget* parent = nullptr,
           const forms::KeptRun* run = nullptr);

    [[nodiscard]] const forms::ResultChartData& Data() const { return data_; }
    [[nodiscard]] ChartPanel& Chart() { return *chart_; }
    [[nodiscard]] ComparisonPanel& Comparison() { return *comparison_; }
    [[nodiscard]] ChartPanel& Distributions() { return *distributions_; }
    [[nodiscard]] StreamView& Stream() { return *stream_; }
    [[nodiscard]] QTabWidget& Views() { return *views_; }
    // A line under the controls about the run shown (its seed); none when
    // empty.
    void ShowRunNote(const QString& note);

signals:
    // "Sensitivity": the sensitivity window on the project, which the main
    // window owns.
    void SensitivityRequested();

private:
    QWidget* ControlsGroup();
    // A cost button: sets the selection and rebuilds the whole chart.
    void Select(int selection);
    void Rebuild();
    // The chart of the view shown, which Print Graph and Save Image act on;
    // null on the comparison and the expenditure stream, which print and
    // save themselves.
    [[nodiscard]] ChartPanel* ShownChart() const;
    void EnableChartButtons();

    forms::ResultChartData data_;
    Prompts& prompts_;
    const forms::KeptRun* run_;
    ChartPanel* chart_;
    ComparisonPanel* comparison_;
    ChartPanel* distributions_;
    StreamView* stream_;
    QTabWidget* views_;
    QLabel* runNote_ = nullptr;
    QPushButton* allComponents_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* saveTables_ = nullptr;
};

} // namespace wexa::ui
