#pragma once

#include "results/ComparisonPage.h"

#include <QWidget>

#include <optional>

class QLabel;
class QSpinBox;
class QTableWidget;

namespace wexa::ui {

class Prompts;

// The comparison view of the graphing window: the tables of
// forms::MakeComparisonPage for the kind of cost chosen, and the risk
// percentile of the choice. It holds the kept run only while the window is
// open; without one it says why there is nothing to show.
class ComparisonPanel final : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonPanel(const forms::KeptRun* run, QWidget* parent = nullptr);

    void ShowKind(CostKind kind);
    // "Save Tables...": asks for a name and writes every table of the three
    // kinds of cost as CSV, whole or not at all; only a failure is reported.
    void SaveTables(Prompts& prompts);

    // Print Graph on the comparison: the project's title and the tables shown,
    // on as many sheets as they need.
    void Print(Prompts& prompts);

    [[nodiscard]] bool HasComparison() const { return figures_.has_value(); }
    // What is shown, for the window's tests.
    [[nodiscard]] const forms::ComparisonPage& Page() const { return page_; }
    [[nodiscard]] const QLabel& Summary() const { return *summary_; }
    [[nodiscard]] QSpinBox& RiskPercentile() { return *percentile_; }

private:
    void Recompute();
    void Fill();

    const forms::KeptRun* run_;
    std::optional<forms::ComparisonFigures> figures_;
    CostKind kind_ = CostKind::Total;
    forms::ComparisonPage page_;
    QLabel* heading_;
    QLabel* summary_;
    QLabel* notice_;
    QLabel* counts_;
    QSpinBox* percentile_;
    QLabel* choice_;
    QWidget* comparing_; // everything that needs two alternatives
    std::array<QLabel*, 4> titles_{};
    std::array<QTableWidget*, 4> tables_{};
};

} // namespace wexa::ui
