#include "ui/DocumentExportDialog.h"

#include "results/DocumentJob.h"
#include "results/SensitivityForm.h"
#include "ui/BackgroundRun.h"
#include "ui/DocumentPdf.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace wexa::ui {
namespace {

QLineEdit* RateBox(const std::string& text, const char* name) {
    auto* box = new QLineEdit(QString::fromStdString(text));
    box->setObjectName(QLatin1String(name));
    return box;
}

// The document's name as the file dialog first offers it: the project's,
// as a PDF.
std::string InitialName(const QString& projectFile) {
    const QString base = QFileInfo(projectFile).completeBaseName();
    return (base.isEmpty() ? QStringLiteral("analysis") : base).toStdString() + ".pdf";
}

} // namespace

CDocumentExportDialog::CDocumentExportDialog(const forms::KeptRun& run, QString projectFile,
                                             Prompts& prompts, QWidget* parent)
    : QDialog(parent), run_(run), projectFile_(std::move(projectFile)), prompts_(prompts),
      effects_(prompts, ChildFinder(*this)), percentile_(new QSpinBox),
      progress_(new QProgressBar) {
    setWindowTitle(QString::fromLatin1(forms::kExportDocumentCaption));
    SetHelpSection(*this, HelpSection::AnalysisDocument,
                   QStringLiteral("Writes the whole analysis as one PDF to file with the "
                                  "project: inputs, expenditure stream, results, comparison, "
                                  "sensitivity and notes."));
    AddHelpKeys(*this, prompts);
    const forms::SensitivityEntries defaults = forms::SensitivityEntries::Defaults();
    from_ = RateBox(defaults.From, forms::SensitivityControl::From);
    to_ = RateBox(defaults.To, forms::SensitivityControl::To);
    step_ = RateBox(defaults.Step, forms::SensitivityControl::Step);
    percentile_->setRange(1, 100);
    percentile_->setValue(kDefaultRiskPercentile);
    percentile_->setWhatsThis(QStringLiteral(
        "The percentile at which the comparison chooses an alternative: 50 compares the "
        "medians."));

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Risk percentile:"), percentile_);
    form->addRow(QStringLiteral("Discount rates &from (%):"), from_);
    form->addRow(QStringLiteral("&to (%):"), to_);
    form->addRow(QStringLiteral("in &steps of (%):"), step_);
    layout->addLayout(form);
    auto* note = new QLabel(QStringLiteral(
        "The sensitivity study runs the base case at every rate and for every input of the "
        "tornado; Cancel stops it and writes nothing."));
    note->setWordWrap(true);
    layout->addWidget(note);
    progress_->setObjectName(QStringLiteral("DocumentProgress"));
    layout->addWidget(progress_);
    auto* buttons = new QDialogButtonBox;
    export_ = buttons->addButton(QStringLiteral("&Export..."), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    export_->setDefault(true);
    export_->setWhatsThis(QStringLiteral("Asks for the file, then writes the document."));
    cancel_->setWhatsThis(
        QStringLiteral("Closes the window; while the document is made, stops it."));
    layout->addWidget(buttons);
    connect(export_, &QPushButton::clicked, this, &CDocumentExportDialog::Export);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (background_) {
            background_->Cancel();
        } else {
            reject();
        }
    });
}

CDocumentExportDialog::~CDocumentExportDialog() = default;

void CDocumentExportDialog::Export() {
    forms::SensitivityEntries entries = forms::SensitivityEntries::Defaults();
    entries.From = from_->text().toStdString();
    entries.To = to_->text().toStdString();
    entries.Step = step_->text().toStdString();
    const std::optional<SensitivityOptions> options =
        forms::ReadSensitivityOptions(entries, run_.Alternatives(), effects_);
    if (!options) {
        return;
    }
    const std::optional<QString> chosen =
        prompts_.AskFileName(forms::DocumentFileRequest(InitialName(projectFile_)));
    if (!chosen) {
        return;
    }
    target_ = chosen->toStdString();
    if (const auto problem = forms::DocumentTargetProblem(target_, projectFile_.toStdString())) {
        effects_.ShowMessage(*problem, forms::kExportDocumentCaption,
                             forms::MessageIcon::Exclamation);
        return;
    }
    forms::DocumentRequest request = MakeDocumentRequest(projectFile_, percentile_->value());
    request.Sensitivity = *options;
    job_ = std::make_unique<forms::DocumentJob>(run_, std::move(request));
    background_ = std::make_unique<BackgroundRun>(*job_, *progress_);
    connect(background_.get(), &BackgroundRun::Finished, this, &CDocumentExportDialog::Finish);
    export_->setEnabled(false);
    background_->Start();
}

void CDocumentExportDialog::Finish() {
    background_.reset();
    const std::unique_ptr<forms::DocumentJob> job = std::move(job_);
    export_->setEnabled(true);
    progress_->setValue(0);
    if (job->Cancelled()) {
        return;
    }
    if (const FileResult written = WriteDocumentPdf(job->Document(), target_); !written.Ok) {
        effects_.ShowMessage(written.Message, forms::kExportDocumentCaption,
                             forms::MessageIcon::Exclamation);
        return;
    }
    accept();
}

} // namespace wexa::ui
