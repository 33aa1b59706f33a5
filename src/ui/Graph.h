#pragma once

#include "forms/ResultChart.h"

#include <QDialog>

class QPushButton;

namespace wexa::ui {

class ChartPanel;
class Prompts;

// "Wexa Graphing Window", opened after every run: the percentile curves or
// the bars of the run's results, the cost to plot chosen with the buttons of
// "Graph Data Controls". It works on copies (forms::ResultChartData); the
// opener copies them back on OK.
class CGraph final : public QDialog {
    Q_OBJECT
public:
    CGraph(forms::ResultChartData data, Prompts& prompts, QWidget* parent = nullptr);

    [[nodiscard]] const forms::ResultChartData& Data() const { return data_; }
    [[nodiscard]] ChartPanel& Chart() { return *chart_; }

private:
    QWidget* ControlsGroup();
    // A cost button: sets the selection and rebuilds the whole chart.
    void Select(int selection);
    void Rebuild();

    forms::ResultChartData data_;
    Prompts& prompts_;
    ChartPanel* chart_;
    QPushButton* allComponents_ = nullptr;
};

} // namespace wexa::ui
