#include "ui/HourlyDistributionDialog.h"

#include "dialogs/HourlyDistributionDialogText.h"
#include "ui/BoxText.h"
#include "ui/HelpSections.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace wexa::ui {

namespace {

namespace label = forms::HourlyDistributionLabel;
namespace control = forms::HourlyDistributionControl;

constexpr int kHoursPerGroup = kHours / 2;
constexpr int kNumberChars = 8;

} // namespace

CHourlyDistributionDialog::CHourlyDistributionDialog(const HourlyTrafficDistribution& table,
                                                     Prompts& prompts, QWidget* parent)
    : ItemsDialogFrame(prompts, parent), logic_(table),
      total_(Box(control::Total, kNumberChars, true, true)),
      offBy_(Box(control::OffBy, kNumberChars, true, true)) {
    setWindowTitle(Label(label::Title));
    SetHelpSection(*this, HelpSection::HourlyDistribution,
                   QStringLiteral("The share of the day's traffic (AADT) in each hour and how "
                                  "each hour's traffic splits between the two directions."));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(HoursGroup(label::AmGroup, 0));
    groups->addWidget(HoursGroup(label::PmGroup, kHoursPerGroup));
    layout->addLayout(groups);
    layout->addLayout(SumRow());
    layout->addLayout(FileRow());
    DisplayBoxes();
    rows_[0].AADT->setFocus();
}

QGroupBox* CHourlyDistributionDialog::HoursGroup(std::string_view title, int firstHour) {
    auto* group = new QGroupBox(Label(title));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    const std::string_view columns[] = {label::Hour, label::AADT, label::Inbound, label::Outbound};
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(new QLabel(Label(columns[column])), 0, column);
    }
    for (int hour = firstHour; hour < firstHour + kHoursPerGroup; ++hour) {
        RowControls& r = rows_[hour];
        r.AADT = Box(control::AADT(hour), kNumberChars, true);
        r.AADT->setWhatsThis(QStringLiteral("The share of the AADT that travels in this hour, "
                                            "percent; the 24 hours must add up to 100."));
        r.Inbound = Box(control::Inbound(hour), kNumberChars, true);
        r.Inbound->setWhatsThis(QStringLiteral("The share of this hour's traffic in the inbound "
                                               "direction, 0 to 100 percent."));
        r.Outbound = Box(control::Outbound(hour), kNumberChars, true, true);
        r.Outbound->setWhatsThis(QStringLiteral("The rest of the hour's traffic: 100 less the "
                                                "inbound share."));
        const int row = hour - firstHour + 1;
        grid->addWidget(new QLabel(QString::fromStdString(label::HourRow(hour))), row, 0);
        grid->addWidget(r.AADT, row, 1);
        grid->addWidget(r.Inbound, row, 2);
        grid->addWidget(r.Outbound, row, 3);
        Leaving().Watch(r.Inbound, [this, hour] {
            RunHandler([this, hour] { logic_.LeaveInbound(hour, Effects()); });
        });
    }
    return group;
}

QLayout* CHourlyDistributionDialog::SumRow() {
    auto* row = new QHBoxLayout;
    auto* sum = new QPushButton(Label(label::SumButton));
    sum->setAutoDefault(false);
    sum->setWhatsThis(QStringLiteral("Adds up the 24 hourly shares of the AADT and shows how far "
                                     "the total is from 100 percent."));
    connect(sum, &QPushButton::clicked, this,
            [this] { RunHandler([this] { logic_.SumAADT(Effects()); }); });
    row->addWidget(sum);
    row->addSpacing(12);
    const std::pair<std::string_view, QLineEdit*> results[] = {{label::Total, total_},
                                                               {label::OffBy, offBy_}};
    for (const auto& [text, box] : results) {
        row->addWidget(new QLabel(Label(text)));
        row->addWidget(box);
        row->addWidget(new QLabel(Label(label::Percent)));
        row->addSpacing(12);
    }
    row->addStretch(1);
    return row;
}

QLayout* CHourlyDistributionDialog::FileRow() {
    auto* row = new QHBoxLayout;
    const struct {
        std::string_view Text;
        void (forms::HourlyDistributionDialog::*Handler)(forms::FormEffects&);
        const char* Note;
    } buttons[] = {
        {label::Import, &forms::HourlyDistributionDialog::ImportDistribution,
         "Replaces the table with the 72 numbers of a distribution file (.dst)."},
        {label::Save, &forms::HourlyDistributionDialog::SaveDistribution,
         "Writes the table to a distribution file (.dst), to import it into other projects."},
    };
    for (const auto& button : buttons) {
        auto* push = new QPushButton(Label(button.Text));
        push->setAutoDefault(false);
        push->setWhatsThis(QString::fromLatin1(button.Note));
        connect(push, &QPushButton::clicked, this, [this, handler = button.Handler] {
            RunHandler([this, handler] { (logic_.*handler)(Effects()); });
        });
        row->addWidget(push);
    }
    row->addSpacing(12);
    row->addWidget(new QLabel(Label(label::Reminder)));
    row->addStretch(1);
    row->addWidget(OkCancel([this] { return logic_.PressOk(Effects()); }));
    return row;
}

void CHourlyDistributionDialog::CollectBoxes() {
    for (int hour = 0; hour < kHours; ++hour) {
        auto& b = logic_.Boxes().Rows[hour];
        b.AADT = FromQt(rows_[hour].AADT->text());
        b.Inbound = FromQt(rows_[hour].Inbound->text());
    }
}

void CHourlyDistributionDialog::DisplayBoxes() {
    const forms::HourlyDistributionBoxes& boxes = logic_.Boxes();
    for (int hour = 0; hour < kHours; ++hour) {
        const auto& b = boxes.Rows[hour];
        ShowBoxText(*rows_[hour].AADT, ToQt(b.AADT));
        ShowBoxText(*rows_[hour].Inbound, ToQt(b.Inbound));
        ShowBoxText(*rows_[hour].Outbound, ToQt(b.Outbound));
    }
    ShowBoxText(*total_, ToQt(boxes.Total));
    ShowBoxText(*offBy_, ToQt(boxes.OffBy));
}

} // namespace wexa::ui
