// The groups of the main form about the whole project: general inputs,
// traffic and capacity, the run, and the results area the form keeps hidden.
#include "forms/MainFormControls.h"
#include "model/FieldLabels.h"
#include "ui/FormBuilder.h"
#include "ui/FormButtons.h"
#include "ui/FormLists.h"
#include "ui/HelpSections.h"
#include "ui/MainFormLayout.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wexa::ui {

namespace {

using F = forms::FormField;
namespace label = FieldLabel;

QGroupBox* AnalysisTypeGroup(FormControls& controls) {
    auto* group = new QGroupBox(QString::fromLatin1(label::AnalysisType));
    auto* layout = new QHBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    const QString texts[] = {QStringLiteral("Probabilistic"), QStringLiteral("Deterministic")};
    for (int id = 0; id < 2; ++id) {
        auto* radio = new QRadioButton(texts[id]);
        radio->setObjectName(QStringLiteral("AnalysisType%1").arg(id));
        buttons->addButton(radio, id);
        layout->addWidget(radio);
    }
    controls.BindRadios(F::AnalysisType, group, buttons);
    return group;
}

} // namespace

QWidget* GeneralProjectGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = GridGroup(QStringLiteral("General Project Inputs"), grid);
    SetHelpSection(*group, HelpSection::General,
                   QStringLiteral("The project as a whole: its number and description, the type of "
                                  "analysis, the analysis period, the road, its speed limit, the "
                                  "number of design alternatives and the discount rate."));
    grid->addWidget(Text(QStringLiteral("Project Number:")), 0, 0);
    grid->addWidget(build.Box(F::ProjectNumber, 12), 0, 1, 1, 2);
    grid->addWidget(AnalysisTypeGroup(build.Controls()), 0, 3, 2, 3, Qt::AlignRight);
    grid->addWidget(Text(QStringLiteral("General Project Description:")), 1, 0, 1, 3,
                    Qt::AlignBottom);
    grid->addWidget(build.WideBox(F::ProjectDescription), 3, 0, 1, 6);
    build.BoxColumn(*grid, 4, 0,
                    {{label::AnalysisPeriod, F::AnalysisPeriod, "years"},
                     {label::ProjectLength, F::ProjectLength, "miles"},
                     {label::NumberOfLanes, F::NumberOfLanes, "(each direction)"},
                     {label::PostedSpeedLimit, F::PostedSpeedLimit, "mph"},
                     {label::NumberOfAlternatives, F::NumberOfAlternatives, "(maximum 4)"}});

    auto* rates = new QGridLayout;
    build.Distribution(*rates, 0, 0, QString::fromLatin1(label::DiscountRate),
                       forms::Distribution::DiscountRate, QStringLiteral("Distribution"));
    rates->setColumnStretch(5, 1);
    grid->addLayout(rates, 9, 0, 1, 6);

    grid->addWidget(
        build.Button(
            QStringLiteral("View and/or Modify Added Time, Vehicle Running and Idling Costs"),
            forms::MainFormControl::AddedTimeCostsButton),
        10, 0, 1, 6);
    grid->addWidget(build.Button(QStringLiteral("View and/or Modify Delay Cost Rates"),
                                 forms::MainFormControl::DelayCostRatesButton),
                    11, 0, 1, 6);
    grid->setColumnStretch(5, 1);
    return group;
}

QWidget* TrafficGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    // The doubled ampersand shows as one.
    QGroupBox* group = GridGroup(QStringLiteral("Traffic  && Roadway Capacity Inputs"), grid);
    SetHelpSection(
        *group, HelpSection::Traffic,
        QStringLiteral(
            "The traffic on the road and its capacity: traffic type and terrain, AADT, trucks, the "
            "capacity factors and the traffic growth rate. They decide the work-zone user costs."));
    QHBoxLayout* lists = Row();
    lists->addWidget(Text(QString::fromLatin1(label::TrafficType)));
    lists->addWidget(build.List(F::TrafficType, TrafficTypeEntries()));
    lists->addSpacing(12);
    lists->addWidget(Text(QString::fromLatin1(label::Terrain)));
    lists->addWidget(build.List(F::Terrain, TerrainEntries()));
    lists->addSpacing(12);
    lists->addWidget(build.List(F::ProjectUserCostMode, UserCostModeEntries()));
    lists->addStretch(1);
    grid->addLayout(lists, 0, 0, 1, 6);

    build.BoxColumn(*grid, 2, 0,
                    {{label::BaseYearAADT, F::BaseYearAADT},
                     {label::MaximumAADT, F::MaximumAADT},
                     {label::PercentTrucks, F::PercentTrucks},
                     {label::PercentSUTrucks, F::PercentSUTrucks},
                     {label::PercentCUTrucks, F::PercentCUTrucks}});
    // The heavy vehicle factor's box is wide enough for all 15 digits of the
    // computed factor.
    build.BoxColumn(*grid, 2, 3,
                    {{label::TruckEquivalencyFactor, F::TruckEquivalencyFactor},
                     {label::RecreationalVehicleFactor, F::RecreationalVehicleFactor},
                     {label::HeavyVehicleFactor, F::HeavyVehicleFactor, "", 17},
                     {label::LaneWidthFactor, F::LaneWidthFactor},
                     {label::MaxServiceFlowRate, F::MaxServiceFlowRate, "pcphpl"},
                     {label::ServiceFlowRate, F::ServiceFlowRate, "vph"}});
    grid->addWidget(build.Button(QStringLiteral("View and/or Modify Traffic Distribution"),
                                 forms::MainFormControl::TrafficDistributionButton),
                    8, 0, 1, 6);

    auto* growth = new QGridLayout;
    build.Distribution(*growth, 0, 0, QString::fromLatin1(label::TrafficGrowthRate),
                       forms::Distribution::TrafficGrowth, QStringLiteral("Distribution:"));
    growth->setColumnStretch(5, 1);
    grid->addLayout(growth, 9, 0, 1, 6);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(5, 1);
    return group;
}

QWidget* ExecuteGroup(FormBuilder& build) {
    QGridLayout* grid = nullptr;
    QGroupBox* group = GridGroup(QStringLiteral("Execute Analysis"), grid);
    SetHelpSection(
        *group, HelpSection::Execute,
        QStringLiteral(
            "Runs the analysis on the project as shown, asks where to write the report, then "
            "shows the results in the graphing window."));
    grid->addWidget(build.Button(QStringLiteral("Run Simulation"), FormButton::RunSimulation), 0,
                    0);
    auto* progress = new QProgressBar;
    progress->setTextVisible(false);
    build.Controls().BindNamed(FormButton::RunProgress, progress);
    grid->addWidget(progress, 0, 1);
    QPushButton* cancel = build.Button(QStringLiteral("Cancel"), FormButton::CancelRun);
    cancel->setToolTip(QStringLiteral("Stops the run (Esc); the results stay as they were."));
    cancel->setEnabled(false);
    grid->addWidget(cancel, 0, 2);
    QLineEdit* status = build.WideBox(F::ProgressText);
    status->hide();
    grid->addWidget(status, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* HiddenResultsArea(FormBuilder& build) {
    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    for (const F field : {F::ResultAlternative, F::ResultBidItemCost, F::ResultTimeRelatedCost,
                          F::ResultWorkZoneUserCost, F::ResultTotalCost, F::ResultBidItemPercent,
                          F::ResultTimeRelatedPercent, F::ResultWorkZoneUserPercent,
                          F::ResultTotalPercent, F::GraphAlternative}) {
        layout->addWidget(build.Box(field));
    }
    layout->addWidget(build.List(F::GraphPlotMode, GraphPlotModeEntries()));
    layout->addWidget(build.List(F::GraphCostType, GraphCostTypeEntries()));
    layout->addWidget(build.Button(QStringLiteral("Export"), FormButton::Export));
    layout->addWidget(build.Button(QStringLiteral("Graph It"), FormButton::GraphIt));
    layout->addWidget(build.Button(QStringLiteral("Create Graph"), FormButton::CreateGraph));
    // Created and exchanged, never shown.
    area->hide();
    return area;
}

} // namespace wexa::ui
