#include "ui/TimeRelatedCostsDialog.h"

#include "dialogs/TimeRelatedCostsDialogText.h"
#include "ui/BoxText.h"
#include "ui/HelpSections.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace wexa::ui {

namespace {

QStringList UnitEntries(int row) {
    QStringList entries;
    for (const std::string_view unit : forms::TimeItemUnitEntries(row)) {
        entries << Label(unit);
    }
    return entries;
}

} // namespace

CTimeRelatedCostsDialog::CTimeRelatedCostsDialog(forms::TimeRelatedInputs inputs, Prompts& prompts,
                                                 QWidget* parent)
    : ItemsDialogFrame(prompts, parent), logic_(std::move(inputs)),
      alternative_(Box("Alternative", 3, true, true)), activity_(Box("Activity", 3, true, true)) {
    setWindowTitle(Label(forms::TimeRelatedLabel::Title));
    SetHelpSection(*this, HelpSection::TimeRelated,
                   QStringLiteral("Costs priced by how long the work zone stands: per day or per "
                                  "hour of the work."));
    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* top = NumberPair(alternative_, activity_);
    top->addStretch(1);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    const auto& columns = forms::TimeRelatedLabel::Columns;
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        grid->addWidget(new QLabel(Label(columns[column])), 0, column);
    }
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        RowControls& r = rows_[row];
        r.Unit = List(forms::RowControl("Unit", row), UnitEntries(row));
        r.Description = Box(forms::RowControl("Description", row), 0, false);
        r.Description->setMinimumWidth(r.Description->fontMetrics().averageCharWidth() * 40);
        r.UnitPrice = Box(forms::TimeItemUnitPriceControl(row), 10, true);
        grid->addWidget(r.Unit, row + 1, 0);
        grid->addWidget(r.Description, row + 1, 1);
        grid->addWidget(r.UnitPrice, row + 1, 2);
        Leaving().Watch(r.UnitPrice, [this, row] {
            RunHandler([this, row] { logic_.LeaveUnitPrice(row, Effects()); });
        });
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(OkCancel([this] { return logic_.PressOk(Effects()); }));
    DisplayBoxes();
    rows_[0].Unit->setFocus();
}

void CTimeRelatedCostsDialog::CollectBoxes() {
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        auto& b = logic_.Boxes().Rows[row];
        b.Unit = rows_[row].Unit->currentIndex();
        b.Description = FromQt(rows_[row].Description->text());
        b.UnitPrice = FromQt(rows_[row].UnitPrice->text());
    }
}

void CTimeRelatedCostsDialog::DisplayBoxes() {
    const forms::TimeRelatedBoxes& boxes = logic_.Boxes();
    ShowBoxText(*alternative_, ToQt(boxes.Alternative));
    ShowBoxText(*activity_, ToQt(boxes.Activity));
    for (int row = 0; row < kTimeItemsPerActivity; ++row) {
        rows_[row].Unit->setCurrentIndex(boxes.Rows[row].Unit);
        ShowBoxText(*rows_[row].Description, ToQt(boxes.Rows[row].Description));
        ShowBoxText(*rows_[row].UnitPrice, ToQt(boxes.Rows[row].UnitPrice));
    }
}

} // namespace wexa::ui
