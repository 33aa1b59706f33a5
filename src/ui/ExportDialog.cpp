#include "ui/ExportDialog.h"

#include "forms/DialogLabels.h"
#include "results/ExportDialogText.h"
#include "ui/HelpSections.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wexa::ui {

namespace {

QString Label(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CExportDialog::CExportDialog(std::string lastFileName, Prompts& prompts, QWidget* parent)
    : QDialog(parent), logic_(std::move(lastFileName)), effects_(prompts, ChildFinder(*this)),
      name_(new QLineEdit) {
    const forms::ExportDialogLabels& text = forms::kExportLabels;
    setWindowTitle(Label(text.Title));
    SetHelpSection(*this, HelpSection::Export,
                   QStringLiteral("Where to write the report of the run just completed."));
    AddHelpKeys(*this, prompts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Label(text.Prompt)));

    auto* nameRow = new QHBoxLayout;
    name_->setObjectName(Label(forms::kExportFileNameControl));
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60);
    name_->setText(QString::fromStdString(logic_.FileName()));
    nameRow->addWidget(name_, 1);
    auto* browse = new QPushButton(Label(text.Browse));
    browse->setAutoDefault(false);
    nameRow->addWidget(browse);
    layout->addLayout(nameRow);

    auto* note = new QLabel(Label(text.Note).trimmed());
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox;
    QPushButton* exportButton =
        buttons->addButton(Label(text.Export), QDialogButtonBox::AcceptRole);
    exportButton->setDefault(true);
    buttons->addButton(Label(forms::DialogLabel::Cancel), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, &CExportDialog::Browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExportDialog::Export);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CExportDialog::Browse() {
    logic_.FileName() = name_->text().toStdString();
    logic_.Browse(effects_);
    name_->setText(QString::fromStdString(logic_.FileName()));
}

void CExportDialog::Export() {
    logic_.FileName() = name_->text().toStdString();
    if (logic_.PressExport(effects_)) {
        accept();
    }
}

} // namespace wexa::ui
