#include "ui/QueueGraphDialog.h"

#include "forms/ChartContent.h"
#include "ui/ChartAdapter.h"
#include "ui/ChartOutput.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace wexa::ui {

CQueueGraphDialog::CQueueGraphDialog(forms::QueueGraphContent content, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), chart_(new ChartPanel) {
    setWindowTitle(QStringLiteral("Queue Length Graph"));
    auto* layout = new QVBoxLayout(this);
    chart_->setMinimumSize(760, 480);
    chart_->Show(forms::ToChart(content));
    layout->addWidget(chart_, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
    print->setAutoDefault(false);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    layout->addWidget(buttons);
    connect(print, &QPushButton::clicked, this,
            [this, &prompts] { PrintChart(*chart_, prompts, this); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace wexa::ui
