#include "ui/QueueGraphDialog.h"

#include "results/ChartContent.h"
#include "ui/ChartAdapter.h"
#include "ui/ChartOutput.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace wexa::ui {

CQueueGraphDialog::CQueueGraphDialog(const forms::QueueGraphContent& content, Prompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), chart_(new ChartPanel) {
    setWindowTitle(QStringLiteral("Queue Length Graph"));
    SetHelpSection(*this, HelpSection::QueueGraph,
                   QStringLiteral("The queue length in each direction at every hour of the "
                                  "work-zone day last priced."));
    AddHelpKeys(*this, prompts);
    auto* layout = new QVBoxLayout(this);
    chart_->setMinimumSize(760, 480);
    chart_->Show(forms::ToChart(content));
    layout->addWidget(chart_, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
    print->setAutoDefault(false);
    print->setWhatsThis(QStringLiteral("Prints the graph, scaled to fit the page."));
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setWhatsThis(QStringLiteral("Goes back to the work-zone window; nothing changes."));
    layout->addWidget(buttons);
    connect(print, &QPushButton::clicked, this,
            [this, &prompts] { PrintChart(*chart_, prompts, this); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace wexa::ui
