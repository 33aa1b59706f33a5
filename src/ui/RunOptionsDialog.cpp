#include "ui/RunOptionsDialog.h"

#include "forms/FormText.h"
#include "forms/RunSeed.h"
#include "ui/BoxText.h"
#include "ui/ItemsDialogFrame.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wexa::ui {

CRunOptionsDialog::CRunOptionsDialog(std::optional<std::uint32_t> seed,
                                     std::optional<std::uint32_t> lastRun, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), prompts_(prompts), clock_(new QRadioButton(Label(forms::kClockSeedChoice))),
      fixed_(new QRadioButton(Label(forms::kFixedSeedChoice))), seedBox_(new QLineEdit),
      seed_(seed) {
    setWindowTitle(Label(forms::kRunOptionsTitle));
    seedBox_->setObjectName(QStringLiteral("Seed"));
    seedBox_->setText(seed ? QString::number(*seed) : QString());
    (seed ? fixed_ : clock_)->setChecked(true);
    seedBox_->setEnabled(seed.has_value());
    connect(fixed_, &QRadioButton::toggled, seedBox_, &QWidget::setEnabled);

    auto* last = new QPushButton(Label(forms::kLastSeedButton));
    last->setAutoDefault(false);
    last->setEnabled(lastRun.has_value());
    connect(last, &QPushButton::clicked, this, [this, lastRun] {
        fixed_->setChecked(true);
        seedBox_->setText(QString::number(lastRun.value_or(0)));
    });

    auto* grid = new QGridLayout;
    grid->addWidget(clock_, 0, 0, 1, 3);
    grid->addWidget(fixed_, 1, 0);
    grid->addWidget(seedBox_, 1, 1);
    grid->addWidget(last, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CRunOptionsDialog::accept() {
    if (clock_->isChecked()) {
        seed_.reset();
        QDialog::accept();
        return;
    }
    const auto seed = forms::ParseUnsigned(FromQt(seedBox_->text()));
    if (!seed) {
        prompts_.ShowMessage(Label(forms::kSeedRangeMessage), Label(forms::kSeedErrorCaption),
                             forms::MessageIcon::Exclamation);
        seedBox_->setFocus();
        return;
    }
    seed_ = seed;
    QDialog::accept();
}

} // namespace wexa::ui
