#include "ui/BidItemsDialog.h"

#include "dialogs/BidItemsDialogText.h"
#include "ui/BoxText.h"
#include "ui/HelpSections.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wexa::ui {

namespace {

namespace label = forms::BidItemsLabel;
namespace control = forms::BidItemsControl;

QStringList UnitEntries() {
    QStringList entries;
    for (const std::string_view unit : label::Units) {
        entries << Label(unit);
    }
    return entries;
}

} // namespace

CBidItemsDialog::CBidItemsDialog(forms::BidItemsInputs inputs, Prompts& prompts, QWidget* parent)
    : ItemsDialogFrame(prompts, parent), logic_(std::move(inputs)),
      alternative_(Box("Alternative", 3, true, true)), activity_(Box("Activity", 3, true, true)),
      total_(Box("Total", 14, true, true)),
      copyAlternative_(Box(control::CopyAlternative, 3, true)),
      copyActivity_(Box(control::CopyActivity, 3, true)) {
    setWindowTitle(Label(label::Title));
    SetHelpSection(*this, HelpSection::BidItems,
                   QStringLiteral("The ten bid items of the activity: quantity times unit price "
                                  "gives each row's cost, and the rows add up to the total."));
    auto* layout = new QVBoxLayout(this);

    QHBoxLayout* top = NumberPair(alternative_, activity_);
    top->addStretch(1);
    top->addWidget(new QLabel(Label(label::Total)));
    top->addWidget(total_);
    layout->addLayout(top);
    layout->addWidget(RowsGroup());

    auto* bottom = new QHBoxLayout;
    auto* copy = new QPushButton(Label(label::CopyButton));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this,
            [this] { RunHandler([this] { logic_.CopyBidItemsFrom(Effects()); }); });
    bottom->addWidget(copy);
    bottom->addSpacing(12);
    bottom->addLayout(NumberPair(copyAlternative_, copyActivity_));
    bottom->addStretch(1);
    bottom->addWidget(OkCancel([this] { return logic_.PressOk(Effects()); }));
    layout->addLayout(bottom);
    DisplayBoxes();
    rows_[0].Quantity->setFocus();
}

QWidget* CBidItemsDialog::RowsGroup() {
    auto* group = new QGroupBox(Label(label::RowsGroup));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    for (int column = 0; column < static_cast<int>(label::Columns.size()); ++column) {
        grid->addWidget(new QLabel(Label(label::Columns[column])), 0, column);
    }
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        RowControls& r = rows_[row];
        r.Quantity = Box(control::Quantity(row), 10, true);
        r.Unit = List(forms::RowControl("Unit", row), UnitEntries());
        r.Code = Box(control::Code(row), 8, true);
        r.Description = Box(forms::RowControl("Description", row), 0, false);
        r.Description->setMinimumWidth(r.Description->fontMetrics().averageCharWidth() * 40);
        r.UnitPrice = Box(control::UnitPrice(row), 10, true);
        r.Cost = Box(forms::RowControl("Cost", row), 14, true, true);
        QWidget* const cells[] = {r.Quantity, r.Unit, r.Code, r.Description, r.UnitPrice, r.Cost};
        for (int column = 0; column < 6; ++column) {
            grid->addWidget(cells[column], row + 1, column);
        }
        Leaving().Watch(r.Quantity, [this, row] {
            RunHandler([this, row] { logic_.LeaveQuantity(row, Effects()); });
        });
        Leaving().Watch(r.UnitPrice, [this, row] {
            RunHandler([this, row] { logic_.LeaveUnitPrice(row, Effects()); });
        });
    }
    grid->setColumnStretch(3, 1);
    return group;
}

void CBidItemsDialog::CollectBoxes() {
    forms::BidItemsBoxes& boxes = logic_.Boxes();
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        const RowControls& r = rows_[row];
        auto& b = boxes.Rows[row];
        b.Quantity = FromQt(r.Quantity->text());
        b.Unit = r.Unit->currentIndex();
        b.Code = FromQt(r.Code->text());
        b.Description = FromQt(r.Description->text());
        b.UnitPrice = FromQt(r.UnitPrice->text());
    }
    boxes.CopyAlternative = FromQt(copyAlternative_->text());
    boxes.CopyActivity = FromQt(copyActivity_->text());
}

void CBidItemsDialog::DisplayBoxes() {
    const forms::BidItemsBoxes& boxes = logic_.Boxes();
    ShowBoxText(*alternative_, ToQt(boxes.Alternative));
    ShowBoxText(*activity_, ToQt(boxes.Activity));
    ShowBoxText(*total_, ToQt(boxes.Total));
    for (int row = 0; row < kBidItemsPerActivity; ++row) {
        const RowControls& r = rows_[row];
        const auto& b = boxes.Rows[row];
        ShowBoxText(*r.Quantity, ToQt(b.Quantity));
        r.Unit->setCurrentIndex(b.Unit);
        ShowBoxText(*r.Code, ToQt(b.Code));
        ShowBoxText(*r.Description, ToQt(b.Description));
        ShowBoxText(*r.UnitPrice, ToQt(b.UnitPrice));
        ShowBoxText(*r.Cost, ToQt(b.Cost));
    }
    ShowBoxText(*copyAlternative_, ToQt(boxes.CopyAlternative));
    ShowBoxText(*copyActivity_, ToQt(boxes.CopyActivity));
}

} // namespace wexa::ui
