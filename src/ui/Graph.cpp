#include "ui/Graph.h"

#include "ui/ChartAdapter.h"
#include "ui/ChartOutput.h"
#include "ui/ComparisonPanel.h"
#include "ui/HelpSections.h"
#include "ui/StreamView.h"

#include "results/NpvDistributions.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace wexa::ui {

CGraph::CGraph(forms::ResultChartData data, Prompts& prompts, QWidget* parent,
               const forms::KeptRun* run)
    : QDialog(parent), data_(std::move(data)), prompts_(prompts), run_(run), chart_(new ChartPanel),
      comparison_(new ComparisonPanel(run)), distributions_(new ChartPanel),
      stream_(new StreamView(run, prompts)), views_(new QTabWidget) {
    setWindowTitle(QStringLiteral("Wexa Graphing Window"));
    SetHelpSection(*this, HelpSection::ResultChart,
                   QStringLiteral("The results of the last run: percentile curves of a "
                                  "probabilistic run, one bar per alternative of a "
                                  "deterministic one."));
    AddHelpKeys(*this, prompts);
    auto* layout = new QHBoxLayout(this);
    chart_->setMinimumSize(820, 560);
    views_->addTab(chart_, QStringLiteral("Chart"));
    views_->addTab(comparison_, QStringLiteral("Comparison"));
    views_->addTab(distributions_, QStringLiteral("NPV Distributions"));
    views_->addTab(stream_, QStringLiteral("Expenditure Stream"));
    const QString comparisonNote =
        QStringLiteral("How the alternatives compare, iteration by iteration: the chance of "
                       "each being the cheapest, every pair, EUAC beside NPV and the choice "
                       "at a risk percentile.");
    SetHelpSection(*comparison_, HelpSection::Comparison, comparisonNote);
    SetHelpSection(*distributions_, HelpSection::Comparison,
                   QStringLiteral("The NPVs of every alternative's valid iterations on one axis, "
                                  "in the same bins."));
    SetHelpSection(*stream_, HelpSection::ExpenditureStream,
                   QStringLiteral("What each alternative costs, year by year: each activity's "
                                  "agency and work-zone user cost, undiscounted and in present "
                                  "value, and the salvage credit at the end of the period."));
    connect(views_, &QTabWidget::currentChanged, this, &CGraph::EnableChartButtons);
    layout->addWidget(views_, 1);

    auto* side = new QVBoxLayout;
    QWidget* controls = ControlsGroup();
    side->addWidget(controls);
    runNote_ = new QLabel;
    runNote_->setObjectName(QStringLiteral("RunNote"));
    runNote_->setWordWrap(true);
    runNote_->setMaximumWidth(controls->sizeHint().width());
    // The seed can be copied into Run Options or a command line.
    runNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    runNote_->hide();
    side->addWidget(runNote_);
    side->addStretch(1);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setWhatsThis(QStringLiteral("Closes the window; the project's results stay as they are."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    side->addWidget(buttons);
    layout->addLayout(side);
    Rebuild();
}

QWidget* CGraph::ControlsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Graph Data Controls"));
    auto* column = new QVBoxLayout(group);
    auto add = [this, column](const QString& text, const QString& note, auto handler) {
        auto* button = new QPushButton(text);
        button->setAutoDefault(false);
        button->setWhatsThis(note);
        connect(button, &QPushButton::clicked, this, handler);
        column->addWidget(button);
        return button;
    };
    add(QStringLiteral("Agency Costs"),
        QStringLiteral("Plots the agency costs (NPV): bid items and time-related costs."),
        [this] { Select(forms::kAgencyCosts); });
    add(QStringLiteral("Work Zone User Costs"),
        QStringLiteral("Plots the costs the work zones impose on road users (NPV)."),
        [this] { Select(forms::kWorkZoneUserCosts); });
    add(QStringLiteral("Total Costs"),
        QStringLiteral("Plots agency and work-zone user costs together (NPV)."),
        [this] { Select(forms::kTotalCosts); });
    allComponents_ =
        add(QStringLiteral("All Cost Components"),
            QStringLiteral("Plots the agency, work-zone user and total cost curves of every "
                           "alternative at once. Offered after a probabilistic run."),
            [this] { Select(forms::kAllCostComponents); });
    column->addSpacing(12);
    print_ = add(QStringLiteral("Print Graph"),
                 QStringLiteral("Prints the chart, the comparison or the expenditure stream "
                                "shown, scaled to fit the page."),
                 [this] {
                     if (ChartPanel* chart = ShownChart()) {
                         PrintChart(*chart, prompts_, this);
                     } else if (views_->currentWidget() == stream_) {
                         stream_->Print();
                     } else {
                         comparison_->Print(prompts_);
                     }
                 });
    saveImage_ = add(QStringLiteral("Save Image..."),
                     QStringLiteral("Saves the chart shown as a PNG image or an SVG drawing, for "
                                    "a report or a slide."),
                     [this] {
                         if (ChartPanel* chart = ShownChart()) {
                             SaveChartImage(*chart, prompts_);
                         } else {
                             stream_->SaveImage();
                         }
                     });
    saveTables_ = add(QStringLiteral("Save Tables..."),
                      QStringLiteral("Saves the comparison's tables of the three kinds of cost "
                                     "as one CSV file, for a spreadsheet."),
                      [this] { comparison_->SaveTables(prompts_); });
    saveTables_->setEnabled(comparison_->HasComparison());
    column->addSpacing(12);
    add(QStringLiteral("Sensitivity"),
        QStringLiteral("Opens the Sensitivity window: the base case's NPVs over a range of "
                       "discount rates, and a tornado of the inputs."),
        [this] { emit SensitivityRequested(); });
    return group;
}

void CGraph::ShowRunNote(const QString& note) {
    runNote_->setText(note);
    runNote_->setVisible(!note.isEmpty());
}

void CGraph::Select(int selection) {
    data_.CostTypeSelection = selection;
    Rebuild();
}

void CGraph::Rebuild() {
    allComponents_->setVisible(forms::OffersAllCostComponents(data_));
    chart_->Show(forms::MakeResultChart(data_));
    const CostKind kind = forms::ComparedKind(data_.CostTypeSelection);
    comparison_->ShowKind(kind);
    std::vector<std::vector<double>> npvs;
    for (int a = 0; run_ != nullptr && a < run_->Alternatives(); ++a) {
        npvs.push_back(run_->ValidNpvs(a, kind));
    }
    forms::ChartContent distributions = forms::MakeNpvDistributions(
        npvs, kind, data_.Title, data_.AnalysisType == kProbabilisticAnalysis);
    if (run_ == nullptr) {
        distributions.Notice = forms::kNoRunNotice;
    }
    distributions_->Show(distributions);
}

ChartPanel* CGraph::ShownChart() const {
    QWidget* shown = views_->currentWidget();
    return shown == distributions_ ? distributions_ : shown == chart_ ? chart_ : nullptr;
}

void CGraph::EnableChartButtons() {
    saveImage_->setEnabled(ShownChart() != nullptr || views_->currentWidget() == stream_);
}

} // namespace wexa::ui
