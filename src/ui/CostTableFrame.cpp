#include "ui/CostTableFrame.h"

#include "dialogs/CostTableDialogsText.h"
#include "ui/BoxText.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wexa::ui {

namespace {

namespace label = forms::CostTableLabel;
namespace control = forms::CostTableControl;

// A button that Enter in a box does not press.
QPushButton* Button(std::string_view text, const char* note) {
    auto* button = new QPushButton(Label(text));
    button->setAutoDefault(false);
    button->setWhatsThis(QString::fromLatin1(note));
    return button;
}

} // namespace

CostTableFrame::CostTableFrame(Prompts& prompts, QWidget* parent)
    : ItemsDialogFrame(prompts, parent), referenceCpi_(Box(control::ReferenceCpi, 8, true)),
      newCpi_(Box(control::NewCpi, 8, true)) {
    referenceCpi_->setWhatsThis(
        QStringLiteral("The consumer price index of the year the costs are in; greater than 0."));
    newCpi_->setWhatsThis(QStringLiteral("The consumer price index of the year to bring the "
                                         "costs to."));
}

QGroupBox* CostTableFrame::EscalationGroup(std::function<void()> apply) {
    auto* group = new QGroupBox(Label(label::EscalationGroup));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(Label(label::ReferenceCpi)));
    row->addWidget(referenceCpi_);
    row->addSpacing(12);
    row->addWidget(new QLabel(Label(label::NewCpi)));
    row->addWidget(newCpi_);
    row->addSpacing(12);
    QPushButton* button = Button(label::Apply, "Multiplies the costs by New CPI / Reference CPI, "
                                               "once more with every press.");
    connect(button, &QPushButton::clicked, this,
            [this, apply = std::move(apply)] { RunHandler(apply); });
    row->addWidget(button);
    row->addStretch(1);
    return group;
}

QLayout* CostTableFrame::ClosingRow(std::function<void()> reset, std::function<bool()> confirm) {
    auto* row = new QHBoxLayout;
    QPushButton* button =
        Button(label::Reset, "Puts back every value the program ships with; the CPIs stay.");
    connect(button, &QPushButton::clicked, this,
            [this, reset = std::move(reset)] { RunHandler(reset); });
    row->addWidget(button);
    row->addStretch(1);
    row->addWidget(OkCancel(std::move(confirm)));
    return row;
}

void CostTableFrame::CollectCpi(forms::CpiBoxes& boxes) const {
    boxes.ReferenceCpi = FromQt(referenceCpi_->text());
    boxes.NewCpi = FromQt(newCpi_->text());
}

void CostTableFrame::DisplayCpi(const forms::CpiBoxes& boxes) {
    ShowBoxText(*referenceCpi_, ToQt(boxes.ReferenceCpi));
    ShowBoxText(*newCpi_, ToQt(boxes.NewCpi));
}

} // namespace wexa::ui
