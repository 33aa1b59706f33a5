#include "ui/WorkZoneDialog.h"

#include "forms/DialogBoxes.h"
#include "forms/DialogLabels.h"
#include "forms/WorkZoneDialogText.h"
#include "ui/BoxLook.h"
#include "ui/BoxText.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"
#include "ui/QueueGraphDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wexa::ui {

namespace {

namespace label = forms::WorkZoneLabel;
namespace control = forms::WorkZoneControl;
namespace box = forms::WorkZoneBox;
using Form = forms::WorkZoneDialogForm;

// The Shift+F1 notes of the controls the user works with.
namespace note {
const char* const Dialog = "What the work zone of this activity costs the road users on one "
                           "typical day, priced at the activity's year with the mean traffic "
                           "growth rate, and the daily timing that decides it.";
const char* const Mobilization =
    "Hours of each working day spent setting up and taking down the work zone, in which no "
    "work gets done. 0 or more, and less than the hours in effect (unless the zone stands all "
    "24 hours).";
const char* const StartHour =
    "The hour of the day (0 to 23, 24-hour clock) at which the work zone goes up each day.";
const char* const HoursInEffect =
    "How many hours a day the work zone is in effect, 1 to 24. With 24 the zone stands day and "
    "night.";
const char* const Directions =
    "The share of the working days on which the work zone affects traffic in each direction, in "
    "percent (100 and 100 when both directions are affected every day).";
const char* const CostSummary =
    "The user cost of the whole work activity: the extra cost of the days with the work zone "
    "over the same days without it, by component, in dollars and as a share of the total. -1 "
    "everywhere means the queue never clears (gridlock).";
const char* const FindOptimum =
    "Tries every start hour with the hours in effect shown and keeps the one whose work zone "
    "costs the road users least (the earliest one on a tie).";
const char* const CalculateCosts =
    "Prices the timing shown. Change the start hour, the hours or the directional shares, then "
    "press this to see their cost.";
const char* const GraphQueueLength =
    "A chart of the queue length in each direction over the hours of the day, for the timing "
    "priced last.";
const char* const Ok = "Keeps the timing and the total shown for this activity.";
} // namespace note

QLabel* Caption(std::string_view text) {
    return new QLabel(Label(text));
}

} // namespace

CWorkZoneDialog::CWorkZoneDialog(forms::WorkZoneDialogInputs inputs, Prompts& prompts,
                                 QWidget* parent)
    : ItemsDialogFrame(prompts, parent), form_(std::move(inputs)),
      alternative_(Box(box::Alternative, 3, true, true)),
      activity_(Box(box::Activity, 3, true, true)), year_(Box(box::Year, 0, true, true)),
      aadt_(Box(box::Aadt, 0, true, true)), requiredTime_(Box(box::RequiredTime, 0, true, true)),
      mobilization_(Box(control::MobilizationHours, 4, true)),
      startHour_(Box(control::StartHour, 4, true)),
      hoursInEffect_(Box(control::HoursInEffect, 4, true)),
      stopHour_(Box(box::StopHour, 4, true, true)), days_(Box(box::Days, 0, true, true)),
      inbound_(Box(box::InboundPercent, 0, true)), outbound_(Box(box::OutboundPercent, 0, true)),
      total_(Box(box::Total, 0, true, true)), totalPercent_(Box(box::TotalPercent, 0, true, true)) {
    setWindowTitle(Label(forms::kWorkZoneDialogTitle));
    SetHelpSection(*this, HelpSection::WorkZone, QString::fromLatin1(note::Dialog));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ActivityRows());
    layout->addWidget(TimingGroup());
    layout->addLayout(DirectionRow());
    layout->addWidget(CostGroup());
    layout->addLayout(ClosingRow());
    SizeBoxes();

    WatchBox(mobilization_, &Form::LeaveMobilization);
    WatchBox(startHour_, &Form::LeaveStartHour);
    WatchBox(hoursInEffect_, &Form::LeaveHoursInEffect);
    // The shares have no check; Enter in them only must not close the dialog.
    WatchBox(inbound_, nullptr);
    WatchBox(outbound_, nullptr);
    mobilization_->setWhatsThis(QString::fromLatin1(note::Mobilization));
    startHour_->setWhatsThis(QString::fromLatin1(note::StartHour));
    hoursInEffect_->setWhatsThis(QString::fromLatin1(note::HoursInEffect));
    inbound_->setWhatsThis(QString::fromLatin1(note::Directions));
    outbound_->setWhatsThis(QString::fromLatin1(note::Directions));

    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    startHour_->setFocus();
    // Opening prices the stored timing at once; a gridlock shows its message
    // before the dialog appears, as the -1 values will.
    DisplayBoxes();
    form_.Open(Effects());
    DisplayBoxes();
}

QLayout* CWorkZoneDialog::ActivityRows() {
    auto* grid = new QGridLayout;
    QHBoxLayout* numbers = NumberPair(alternative_, activity_);
    numbers->addSpacing(12);
    numbers->addWidget(Caption(label::Year));
    numbers->addWidget(year_);
    numbers->addStretch(1);
    grid->addLayout(numbers, 0, 0, 1, 3);
    const std::tuple<std::string_view, QLineEdit*, std::string_view> rows[] = {
        {label::Aadt, aadt_, {}},
        {label::RequiredTime, requiredTime_, label::Hours},
        {label::Mobilization, mobilization_, label::HoursPerDay}};
    int row = 1;
    for (const auto& [text, field, unit] : rows) {
        grid->addWidget(Caption(text), row, 0);
        grid->addWidget(field, row, 1);
        if (!unit.empty()) {
            grid->addWidget(Caption(unit), row, 2);
        }
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return grid;
}

QWidget* CWorkZoneDialog::TimingGroup() {
    auto* group = new QGroupBox(Label(label::TimingGroup));
    auto* layout = new QVBoxLayout(group);
    auto* hours = new QGridLayout;
    const std::pair<std::string_view, QLineEdit*> columns[] = {
        {label::StartHour, startHour_},
        {label::HoursInEffect, hoursInEffect_},
        {label::StopHour, stopHour_}};
    int column = 0;
    for (const auto& [text, field] : columns) {
        hours->addWidget(Caption(text), 0, column, Qt::AlignHCenter);
        hours->addWidget(field, 1, column, Qt::AlignHCenter);
        ++column;
    }
    hours->setHorizontalSpacing(24);
    hours->setColumnStretch(column, 1);
    layout->addLayout(hours);

    auto* days = new QHBoxLayout;
    days->addWidget(Caption(label::Days));
    days->addWidget(days_);
    days->addStretch(1);
    layout->addLayout(days);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button(label::FindOptimum, note::FindOptimum,
                              [this] { RunHandler([this] { form_.FindOptimum(Effects()); }); }));
    buttons->addWidget(Button(label::CalculateCosts, note::CalculateCosts,
                              [this] { RunHandler([this] { form_.CalculateCosts(Effects()); }); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return group;
}

QLayout* CWorkZoneDialog::DirectionRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(Caption(label::Directions));
    row->addSpacing(8);
    row->addWidget(Caption(label::Inbound));
    row->addWidget(inbound_);
    row->addSpacing(8);
    row->addWidget(Caption(label::Outbound));
    row->addWidget(outbound_);
    row->addStretch(1);
    return row;
}

QWidget* CWorkZoneDialog::CostGroup() {
    auto* group = new QGroupBox(Label(label::CostGroup));
    group->setWhatsThis(QString::fromLatin1(note::CostSummary));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    grid->addWidget(Caption(label::ComponentColumn), 0, 0);
    grid->addWidget(Caption(label::CostColumn), 0, 1, Qt::AlignHCenter);
    grid->addWidget(Caption(label::PercentColumn), 0, 2, Qt::AlignHCenter);
    for (int row = 0; row < kCostComponentCount; ++row) {
        costs_[row] = Box(box::Cost(row), 0, true, true);
        percents_[row] = Box(box::Percent(row), 0, true, true);
        grid->addWidget(Caption(label::Components[row]), row + 1, 0);
        grid->addWidget(costs_[row], row + 1, 1, Qt::AlignHCenter);
        grid->addWidget(percents_[row], row + 1, 2, Qt::AlignHCenter);
    }
    auto* total = Caption(label::Total);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(total, kCostComponentCount + 1, 0);
    grid->addWidget(total_, kCostComponentCount + 1, 1, Qt::AlignHCenter);
    grid->addWidget(totalPercent_, kCostComponentCount + 1, 2, Qt::AlignHCenter);
    outOfDate_ = new QLabel(Label(label::FiguresOutOfDate));
    outOfDate_->setObjectName(QStringLiteral("FiguresOutOfDate"));
    outOfDate_->setWordWrap(true);
    // The dialog keeps its size whether the note shows or not.
    QSizePolicy policy = outOfDate_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    outOfDate_->setSizePolicy(policy);
    outOfDate_->hide();
    grid->addWidget(outOfDate_, kCostComponentCount + 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return group;
}

QLayout* CWorkZoneDialog::ClosingRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(
        Button(label::GraphQueueLength, note::GraphQueueLength, [this] { GraphQueueLength(); }));
    row->addStretch(1);
    QDialogButtonBox* closing = OkCancel([this] { return form_.PressOk(Effects()); });
    closing->buttons().constFirst()->setWhatsThis(QString::fromLatin1(note::Ok));
    row->addWidget(closing);
    return row;
}

void CWorkZoneDialog::SizeBoxes() {
    for (QLineEdit* field : {year_, aadt_, requiredTime_, days_}) {
        SetWidthFor(*field, Label(forms::kWidestInteger));
    }
    for (QLineEdit* field : {total_, totalPercent_}) {
        SetWidthFor(*field, Label(forms::kWidestFigure));
    }
    for (int row = 0; row < kCostComponentCount; ++row) {
        SetWidthFor(*costs_[row], Label(forms::kWidestFigure));
        SetWidthFor(*percents_[row], Label(forms::kWidestFigure));
    }
    // The shares have no check: any real the user types is kept.
    for (QLineEdit* field : {inbound_, outbound_}) {
        SetWidthFor(*field, Label(forms::kWidestReal));
    }
}

QPushButton* CWorkZoneDialog::Button(std::string_view text, const char* whatsThis,
                                     std::function<void()> act) {
    auto* button = new QPushButton(Label(text));
    button->setWhatsThis(QString::fromLatin1(whatsThis));
    connect(button, &QPushButton::clicked, this, std::move(act));
    return button;
}

void CWorkZoneDialog::WatchBox(QLineEdit* field, Leave leave) {
    const auto check = [this, leave] {
        if (leave != nullptr) {
            RunHandler([this, leave] { (form_.*leave)(Effects()); });
        }
    };
    Leaving().Watch(field, check);
    connect(field, &QLineEdit::returnPressed, this, check);
    // The figures stop being those of the timing shown as soon as it is typed.
    connect(field, &QLineEdit::textEdited, this, [this] { ShowFiguresOutOfDate(true); });
}

void CWorkZoneDialog::ShowFiguresOutOfDate(bool outOfDate) {
    outOfDate_->setVisible(outOfDate);
    for (int row = 0; row < kCostComponentCount; ++row) {
        costs_[row]->setEnabled(!outOfDate);
        percents_[row]->setEnabled(!outOfDate);
    }
    total_->setEnabled(!outOfDate);
    totalPercent_->setEnabled(!outOfDate);
}

void CWorkZoneDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        ItemsDialogFrame::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    }
    event->accept();
}

// Enter is the boxes' own (keyPressEvent), so no button may look like the
// one Enter presses; the button box makes OK the default as it is shown.
void CWorkZoneDialog::showEvent(QShowEvent* event) {
    ItemsDialogFrame::showEvent(event);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setDefault(false);
    }
}

void CWorkZoneDialog::GraphQueueLength() {
    std::optional<forms::QueueGraphContent> content;
    RunHandler([this, &content] { content = form_.GraphQueueLength(Effects()); });
    if (content) {
        CQueueGraphDialog graph(*content, Asking(), this);
        Asking().RunDialog(graph);
    }
}

void CWorkZoneDialog::CollectBoxes() {
    forms::WorkZoneDialogBoxes& b = form_.Boxes();
    b.MobilizationHours = FromQt(mobilization_->text());
    b.StartHour = FromQt(startHour_->text());
    b.HoursInEffect = FromQt(hoursInEffect_->text());
    b.InboundPercent = FromQt(inbound_->text());
    b.OutboundPercent = FromQt(outbound_->text());
}

void CWorkZoneDialog::DisplayBoxes() {
    const forms::WorkZoneDialogBoxes& b = form_.Boxes();
    const std::pair<QLineEdit*, const std::string*> shown[] = {
        {alternative_, &b.Alternative},
        {activity_, &b.Activity},
        {year_, &b.Year},
        {aadt_, &b.Aadt},
        {requiredTime_, &b.RequiredTime},
        {mobilization_, &b.MobilizationHours},
        {startHour_, &b.StartHour},
        {hoursInEffect_, &b.HoursInEffect},
        {stopHour_, &b.StopHour},
        {days_, &b.Days},
        {inbound_, &b.InboundPercent},
        {outbound_, &b.OutboundPercent},
        {total_, &b.Total},
        {totalPercent_, &b.TotalPercent}};
    for (const auto& [field, text] : shown) {
        ShowBoxText(*field, ToQt(*text));
    }
    for (int row = 0; row < kCostComponentCount; ++row) {
        ShowBoxText(*costs_[row], ToQt(b.Costs[row]));
        ShowBoxText(*percents_[row], ToQt(b.Percents[row]));
    }
    ShowFiguresOutOfDate(b.FiguresOutOfDate);
}

} // namespace wexa::ui
