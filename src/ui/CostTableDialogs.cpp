#include "ui/CostTableDialogs.h"

#include "dialogs/CostTableDialogsText.h"
#include "ui/BoxText.h"
#include "ui/HelpSections.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace wexa::ui {

namespace {

namespace label = forms::CostTableLabel;
namespace control = forms::CostTableControl;

constexpr int kNumberChars = 9;

// The grid of the added time and cost table. The two groups are drawn
// behind the boxes in the same grid, so that every speed's row lines up
// across both groups:
//   column 0 the speeds; 1 and 5 the time group's inner margins, 2..4 its
//   boxes; 6 the gap; 7 and 11 the cost group's margins, 8..10 its boxes.
//   Row 0 holds the group titles, 1 the column headers, 2..18 the speeds,
//   19 the groups' bottom margins and 20 the idling costs.
constexpr int kTimeColumn = 2;
constexpr int kCostColumn = 8;
constexpr int kFirstSpeedRow = 2;
constexpr int kIdlingRow = kFirstSpeedRow + kSpeedRows + 1;

QLabel* Header(std::string_view text) {
    auto* header = new QLabel(Label(text));
    header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return header;
}

// Every box of the added time and cost table as wide as the widest class
// name above it, so that the headers stand on one line and the columns are
// even.
void FitColumnWidth(QLineEdit& box) {
    const QFontMetrics metrics = box.fontMetrics();
    int widest = 0;
    for (const std::string_view name : label::Classes) {
        widest = std::max(widest, metrics.horizontalAdvance(Label(name)));
    }
    box.setFixedWidth(widest + 8);
}

void MarginColumns(QGridLayout& grid, std::initializer_list<int> columns, int width) {
    for (const int column : columns) {
        grid.setColumnMinimumWidth(column, width);
    }
}

} // namespace

CAddedTimeCostDialog::CAddedTimeCostDialog(const AddedTimeCostTable& table, Prompts& prompts,
                                           QWidget* parent)
    : CostTableFrame(prompts, parent), logic_(table) {
    setWindowTitle(Label(forms::AddedTimeCostLabel::Title));
    SetHelpSection(*this, HelpSection::AddedTimeCosts,
                   QStringLiteral("The time and running cost a stop-and-go cycle adds, by the "
                                  "speed before it, and the cost of an idling vehicle."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TableGrid());
    layout->addWidget(EscalationGroup([this] { logic_.ApplyCpiEscalation(Effects()); }));
    layout->addLayout(ClosingRow([this] { logic_.ResetCostDefaults(Effects()); },
                                 [this] { return logic_.PressOk(Effects()); }));
    DisplayBoxes();
    times_[0][0]->setFocus();
}

QWidget* CAddedTimeCostDialog::TableGrid() {
    namespace text = forms::AddedTimeCostLabel;
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    // The groups first: widgets added later are drawn over them.
    grid->addWidget(new QGroupBox(Label(text::TimeGroup)), 0, kTimeColumn - 1, kIdlingRow, 5);
    grid->addWidget(new QGroupBox(Label(text::CostGroup)), 0, kCostColumn - 1, kIdlingRow, 5);
    const int titleHeight = area->fontMetrics().height() + 8;
    grid->setRowMinimumHeight(0, titleHeight);
    grid->setRowMinimumHeight(kIdlingRow - 1, 6);
    MarginColumns(*grid, {kTimeColumn - 1, kTimeColumn + 3, kCostColumn - 1, kCostColumn + 3}, 2);
    grid->setColumnMinimumWidth(kCostColumn - 2, 8);

    grid->addWidget(Header(text::Speed), 1, 0);
    for (int c = 0; c < 3; ++c) {
        grid->addWidget(Header(label::Classes[c]), 1, kTimeColumn + c);
        grid->addWidget(Header(label::Classes[c]), 1, kCostColumn + c);
    }
    for (int k = 0; k < kSpeedRows; ++k) {
        auto* speed = new QLabel(QString::number(5 * k));
        speed->setAlignment(Qt::AlignCenter);
        grid->addWidget(speed, kFirstSpeedRow + k, 0);
        for (int c = 0; c < 3; ++c) {
            times_[c][k] = Box(control::AddedTime(c, k), kNumberChars, true);
            costs_[c][k] = Box(control::AddedCost(c, k), kNumberChars, true);
            FitColumnWidth(*times_[c][k]);
            FitColumnWidth(*costs_[c][k]);
            grid->addWidget(times_[c][k], kFirstSpeedRow + k, kTimeColumn + c);
            grid->addWidget(costs_[c][k], kFirstSpeedRow + k, kCostColumn + c);
        }
    }
    auto* idling = new QLabel(Label(text::Idling));
    idling->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(idling, kIdlingRow, 0, 1, kCostColumn - 1);
    for (int c = 0; c < 3; ++c) {
        idling_[c] = Box(control::IdlingCost(c), kNumberChars, true);
        FitColumnWidth(*idling_[c]);
        grid->addWidget(idling_[c], kIdlingRow, kCostColumn + c);
    }
    for (const Column& column : times_) {
        for (QLineEdit* box : column) {
            box->setWhatsThis(QStringLiteral("Hours a speed-change cycle adds per 1000 stops, "
                                             "by the speed before it."));
        }
    }
    for (const Column& column : costs_) {
        for (QLineEdit* box : column) {
            box->setWhatsThis(QStringLiteral("Running cost in dollars a speed-change cycle adds "
                                             "per 1000 stops, by the speed before it."));
        }
    }
    for (QLineEdit* box : idling_) {
        box->setWhatsThis(QStringLiteral("Dollars an idling vehicle costs per hour in a queue."));
    }
    return area;
}

void CAddedTimeCostDialog::CollectBoxes() {
    forms::AddedTimeCostBoxes& boxes = logic_.Boxes();
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < kSpeedRows; ++k) {
            boxes.AddedTime[c][k] = FromQt(times_[c][k]->text());
            boxes.AddedCost[c][k] = FromQt(costs_[c][k]->text());
        }
        boxes.IdlingCost[c] = FromQt(idling_[c]->text());
    }
    CollectCpi(boxes.Cpi);
}

void CAddedTimeCostDialog::DisplayBoxes() {
    const forms::AddedTimeCostBoxes& boxes = logic_.Boxes();
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < kSpeedRows; ++k) {
            ShowBoxText(*times_[c][k], ToQt(boxes.AddedTime[c][k]));
            ShowBoxText(*costs_[c][k], ToQt(boxes.AddedCost[c][k]));
        }
        ShowBoxText(*idling_[c], ToQt(boxes.IdlingCost[c]));
    }
    DisplayCpi(boxes.Cpi);
}

CDelayCostRatesDialog::CDelayCostRatesDialog(const DelayCostRates& rates, Prompts& prompts,
                                             QWidget* parent)
    : CostTableFrame(prompts, parent), logic_(rates) {
    namespace text = forms::DelayCostRatesLabel;
    setWindowTitle(Label(text::Title));
    SetHelpSection(*this, HelpSection::DelayCostRates,
                   QStringLiteral("What an hour of a road user's time is worth, by vehicle "
                                  "class: it prices the delays in and before the work zone."));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(Label(text::Classification));
    auto* grid = new QGridLayout(group);
    grid->addWidget(Header(text::Value), 0, 1);
    for (int c = 0; c < 3; ++c) {
        rates_[c] = Box(control::DelayRate(c), kNumberChars, true);
        rates_[c]->setWhatsThis(QStringLiteral("Dollars one hour of delay costs this class of "
                                               "vehicle, its occupants and its cargo."));
        grid->addWidget(new QLabel(Label(text::Rows[c])), c + 1, 0);
        grid->addWidget(rates_[c], c + 1, 1, Qt::AlignHCenter);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(group);
    layout->addWidget(EscalationGroup([this] { logic_.ApplyCpiEscalation(Effects()); }));
    layout->addLayout(ClosingRow([this] { logic_.ResetCostDefaults(Effects()); },
                                 [this] { return logic_.PressOk(Effects()); }));
    DisplayBoxes();
    rates_[0]->setFocus();
}

void CDelayCostRatesDialog::CollectBoxes() {
    for (int c = 0; c < 3; ++c) {
        logic_.Boxes().DelayRate[c] = FromQt(rates_[c]->text());
    }
    CollectCpi(logic_.Boxes().Cpi);
}

void CDelayCostRatesDialog::DisplayBoxes() {
    for (int c = 0; c < 3; ++c) {
        ShowBoxText(*rates_[c], ToQt(logic_.Boxes().DelayRate[c]));
    }
    DisplayCpi(logic_.Boxes().Cpi);
}

} // namespace wexa::ui
