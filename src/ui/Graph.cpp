#include "ui/Graph.h"

#include "ui/ChartAdapter.h"
#include "ui/ChartOutput.h"
#include "ui/HelpSections.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace wexa::ui {

CGraph::CGraph(forms::ResultChartData data, Prompts& prompts, QWidget* parent)
    : QDialog(parent), data_(std::move(data)), prompts_(prompts), chart_(new ChartPanel) {
    setWindowTitle(QStringLiteral("Wexa Graphing Window"));
    SetHelpSection(*this, HelpSection::ResultChart,
                   QStringLiteral("The results of the last run: percentile curves of a "
                                  "probabilistic run, one bar per alternative of a "
                                  "deterministic one."));
    AddHelpKeys(*this, prompts);
    auto* layout = new QHBoxLayout(this);
    chart_->setMinimumSize(820, 560);
    layout->addWidget(chart_, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(ControlsGroup());
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
    add(QStringLiteral("Print Graph"), QStringLiteral("Prints the chart, scaled to fit the page."),
        [this] { PrintChart(*chart_, prompts_, this); });
    add(QStringLiteral("Save Image..."),
        QStringLiteral("Saves the chart as a PNG image or an SVG drawing, for a report or a "
                       "slide."),
        [this] { SaveChartImage(*chart_, prompts_); });
    return group;
}

void CGraph::Select(int selection) {
    data_.CostTypeSelection = selection;
    Rebuild();
}

void CGraph::Rebuild() {
    allComponents_->setVisible(forms::OffersAllCostComponents(data_));
    chart_->Show(forms::MakeResultChart(data_));
}

} // namespace wexa::ui
