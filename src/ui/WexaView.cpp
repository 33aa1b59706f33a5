#include "ui/WexaView.h"
#include "results/DocumentJob.h"
#include "ui/DocumentExportDialog.h"

#include "forms/MainFormControls.h"
#include "forms/RunSeed.h"
#include "results/ReportExport.h"
#include "ui/BackgroundRun.h"
#include "ui/BidItemsDialog.h"
#include "ui/BoxText.h"
#include "ui/CostTableDialogs.h"
#include "ui/ExportDialog.h"
#include "ui/FormButtons.h"
#include "ui/Graph.h"
#include "ui/HourlyDistributionDialog.h"
#include "ui/MainFormLayout.h"
#include "ui/Prompts.h"
#include "ui/SensitivityWindow.h"
#include "ui/TimeRelatedCostsDialog.h"
#include "ui/WorkZoneDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QShortcut>

namespace wexa::ui {

namespace {

using F = forms::FormField;

// What a dialog is opened on: the item dialogs take what the form shows
// (FromForm), the table dialogs a copy of one of the project's tables
// (CopyOf).
template <typename Inputs> Inputs CopyForDialog(const Project& project) {
    if constexpr (requires { Inputs::FromForm(project); }) {
        return Inputs::FromForm(project);
    } else {
        return Inputs::CopyOf(project);
    }
}

} // namespace

CWexaView::CWexaView(Prompts& prompts, QWidget* parent)
    : QScrollArea(parent), prompts_(prompts), project_(std::make_unique<Project>()),
      effects_(prompts, [this](std::string_view name) { return controls_.Find(name); }),
      form_(*project_, *this, effects_) {
    setWidget(BuildMainForm(controls_));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // The scroll area itself would be a Tab stop that shows nothing; the
    // form's controls scroll into view as they take the focus.
    setFocusPolicy(Qt::NoFocus);
    WatchControls();
    ConnectLists();
    ConnectButtons();
    form_.Start();
    // Where the window's focus goes when it is first shown.
    controls_.Field(F::ProjectNumber)->setFocus(Qt::OtherFocusReason);
}

CWexaView::~CWexaView() {
    if (Running()) {
        QApplication::restoreOverrideCursor();
    }
    background_.reset(); // cancels a working run and waits for its thread
    // Its run reads nothing of this view, but the window must not outlive
    // the project it would read for the next one.
    delete sensitivity_;
    // The widgets outlive this object's members while QWidget's destructor
    // deletes them; their focus changes must not reach the form any more.
    leaving_.StopAll();
}

void CWexaView::WatchControls() {
    for (const forms::FormFieldInfo& info : forms::FormFields()) {
        QWidget* control = controls_.Field(info.Field);
        leaving_.Watch(control, [this, field = info.Field] {
            form_.LeaveBox(field);
            emit HandlerFinished();
        });
        // A typed text reaches the project only when a handler reads the
        // form; lists and radio buttons run theirs at once.
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            connect(box, &QLineEdit::textEdited, this, &CWexaView::Edited);
            // A description longer than its box can be read whole.
            if (info.Kind == forms::FieldKind::Text) {
                connect(box, &QLineEdit::textChanged, box, &QWidget::setToolTip);
            }
        }
    }
    auto* radios = controls_.Field(F::AnalysisType)->findChild<QButtonGroup*>();
    connect(radios, &QButtonGroup::idClicked, this, [this](int id) {
        form_.ClickAnalysisType(id);
        emit HandlerFinished();
    });
}

void CWexaView::OnList(F field, std::function<void()> handler) {
    auto* list = qobject_cast<QComboBox*>(controls_.Field(field));
    connect(list, &QComboBox::activated, this, [this, handler = std::move(handler)] {
        handler();
        emit HandlerFinished();
    });
}

void CWexaView::OnButton(std::string_view name, std::function<void()> handler) {
    auto* button = qobject_cast<QAbstractButton*>(controls_.Find(name));
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
        handler();
        emit HandlerFinished();
    });
}

void CWexaView::ConnectLists() {
    using forms::Distribution;
    OnList(F::DiscountRateKind,
           [this] { form_.SelectDistributionKind(Distribution::DiscountRate); });
    OnList(F::TrafficGrowthKind,
           [this] { form_.SelectDistributionKind(Distribution::TrafficGrowth); });
    OnList(F::YearsToNextKind, [this] { form_.SelectDistributionKind(Distribution::YearsToNext); });
    OnList(F::TrafficType, [this] { OpenDialog(form_.SelectTrafficType()); });
    OnList(F::Terrain, [this] { form_.SelectTerrain(); });
    OnList(F::ProjectUserCostMode, [this] { form_.SelectProjectUserCostMode(); });
    OnList(F::ActivityUserCostMode, [this] { form_.SelectActivityUserCostMode(); });
}

// The dialog edits copies of the project's arrays, taken after the form was
// read; OK hands them back, Cancel drops them.
template <typename Dialog, typename Inputs> void CWexaView::OpenItemsDialog() {
    form_.CollectForm();
    Dialog dialog(CopyForDialog<Inputs>(*project_), prompts_, this);
    if (prompts_.RunDialog(dialog) == QDialog::Accepted) {
        dialog.Logic().StoreInto(*project_);
    }
    form_.ShowForm();
}

void CWexaView::ConnectButtons() {
    namespace control = forms::MainFormControl;
    OnButton(FormButton::NextAlternative, [this] { form_.NextAlternative(); });
    OnButton(FormButton::NextWorkActivity, [this] { form_.NextWorkActivity(); });
    OnButton(FormButton::CopyWorkActivity, [this] { OpenDialog(form_.CopyAnotherWorkActivity()); });
    OnButton(control::WorkZoneTimingButton, [this] {
        if (form_.CheckWorkZoneDialog()) {
            OpenDialog(forms::FormRequest::OpenWorkZoneDialog);
        }
    });
    OnButton(FormButton::RunSimulation, [this] { RunSimulation(); });
    OnButton(FormButton::CancelRun, [this] { CancelRun(); });
    // Esc at once, not through the button's animated click, which would let
    // a short run finish before the cancel arrives.
    cancelKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelKey_->setEnabled(false);
    connect(cancelKey_, &QShortcut::activated, this, &CWexaView::CancelRun);
    OnButton(FormButton::CreateGraph, [this] { ShowResultChart(); });
    OnButton(FormButton::GraphIt, [this] { emit PreviewRequested(); });
    OnButton(FormButton::BidItemCosts,
             [this] { OpenItemsDialog<CBidItemsDialog, forms::BidItemsInputs>(); });
    OnButton(control::TimeRelatedCostsButton,
             [this] { OpenItemsDialog<CTimeRelatedCostsDialog, forms::TimeRelatedInputs>(); });
    OnButton(control::AddedTimeCostsButton,
             [this] { OpenItemsDialog<CAddedTimeCostDialog, AddedTimeCostTable>(); });
    OnButton(control::DelayCostRatesButton,
             [this] { OpenItemsDialog<CDelayCostRatesDialog, DelayCostRates>(); });
    OnButton(control::TrafficDistributionButton,
             [this] { OpenDialog(forms::FormRequest::OpenHourlyDistributionDialog); });
}

void CWexaView::OpenDialog(forms::FormRequest request) {
    switch (request) {
    case forms::FormRequest::None:
        break;
    case forms::FormRequest::OpenWorkZoneDialog:
        OpenItemsDialog<CWorkZoneDialog, forms::WorkZoneDialogInputs>();
        break;
    case forms::FormRequest::OpenHourlyDistributionDialog:
        OpenItemsDialog<CHourlyDistributionDialog, HourlyTrafficDistribution>();
        break;
    }
}

void CWexaView::RunSimulation() {
    if (Running() || !form_.ConfirmRun()) {
        return;
    }
    if (!workspace_) {
        workspace_ = std::make_unique<AnalysisWorkspace>();
    }
    job_ = form_.StartRun(*workspace_, runSeed_);
    if (!job_) {
        return;
    }
    background_ = std::make_unique<BackgroundRun>(*job_, *ProgressBar());
    connect(background_.get(), &BackgroundRun::Finished, this, [this] {
        if (!holdRunEnd_) {
            EndRun();
            return;
        }
        runEndedWhileHeld_ = true;
        emit RunEndHeld();
    });
    SetRunControls(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    emit RunStarted();
    background_->Start();
}

void CWexaView::CancelRun() {
    if (background_) {
        background_->Cancel();
    }
}

void CWexaView::StopRun() {
    if (!background_) {
        return;
    }
    background_->Cancel();
    background_->Wait();
    // Whether the run saw the cancel or had just finished, the user asked it
    // to stop: nothing of it reaches the project.
    LeaveRun();
    ProgressBar()->setValue(0);
    emit RunEnded(true);
}

std::unique_ptr<forms::AnalysisJob> CWexaView::LeaveRun() {
    background_.reset();
    runEndedWhileHeld_ = false;
    QApplication::restoreOverrideCursor();
    SetRunControls(false);
    return std::move(job_);
}

void CWexaView::EndRun() {
    const std::unique_ptr<forms::AnalysisJob> job = LeaveRun();
    const forms::RunEnd end = form_.FinishRun(*job);
    if (end == forms::RunEnd::Finished) {
        keptRun_ = std::make_unique<forms::KeptRun>(*project_, *workspace_);
        keptRunSeedFixed_ = runSeed_.has_value();
        ExportReport(std::time(nullptr));
        ShowResultChart();
    }
    ProgressBar()->setValue(0); // also after a run refused or cancelled part way
    form_.ShowForm();
    emit HandlerFinished();
    emit RunEnded(end == forms::RunEnd::Cancelled);
}

void CWexaView::SetRunControls(bool running) {
    QWidget* run = controls_.Find(FormButton::RunSimulation);
    QWidget* cancel = controls_.Find(FormButton::CancelRun);
    // The focus moves first, as a click on the button would move it: a box
    // being left is checked before its group is disabled.
    QWidget* next = running ? cancel : run;
    next->setEnabled(true);
    next->setFocus(Qt::OtherFocusReason);
    for (auto* group : widget()->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        // Disabling the group keeps what the form greyed out inside it.
        if (!group->isAncestorOf(cancel)) {
            group->setEnabled(!running);
        }
    }
    (running ? run : cancel)->setEnabled(false);
    cancelKey_->setEnabled(running);
}

QProgressBar* CWexaView::ProgressBar() const {
    return qobject_cast<QProgressBar*>(controls_.Find(FormButton::RunProgress));
}

void CWexaView::ExportReport(std::time_t analysisTime) {
    form_.CollectForm();
    // A report that could not be written is offered again, under the name
    // that failed, until it is written or the user cancels: the run's
    // results are not lost with it.
    for (bool done = false; !done;) {
        CExportDialog dialog(project_->ExportFileName, prompts_, this);
        done = prompts_.RunDialog(dialog) != QDialog::Accepted ||
               forms::ExportReportFile(*project_, dialog.FileName(), projectFile_.toStdString(),
                                       workspace_->Statuses, analysisTime, effects_);
    }
    // Exported or not, the run is over: the bar empties before the charts
    // open.
    ProgressBar()->setValue(0);
    form_.ShowForm();
}

// The window works on copies of the results; OK hands them back. The form is
// read first and shown again after, as around every dialog of the window.
// The comparison comes only with the results of the run it was made from:
// "Create Graph" after opening another file shows that file's results.
void CWexaView::ShowResultChart() {
    form_.CollectForm();
    const forms::KeptRun* run =
        keptRun_ && keptRun_->BelongsTo(*project_) ? keptRun_.get() : nullptr;
    CGraph graph(forms::ReadResultChart(*project_), prompts_, this, run);
    graph.ShowRunNote(ShownRunSeedText());
    connect(&graph, &CGraph::SensitivityRequested, this, &CWexaView::ShowSensitivity);
    if (prompts_.RunDialog(graph) == QDialog::Accepted) {
        forms::StoreResultChart(graph.Data(), *project_);
    }
    form_.ShowForm();
}

// The window reads the project as the form shows it, as a run does, when
// its Run is pressed.
void CWexaView::ShowSensitivity() {
    if (sensitivity_ == nullptr) {
        sensitivity_ = new CSensitivityWindow(
            prompts_,
            [this]() -> const Project& {
                form_.CollectForm();
                form_.ShowForm();
                return *project_;
            },
            [this](std::string_view name) { return controls_.Find(name); }, this);
    }
    sensitivity_->Open();
}

void CWexaView::ExportAnalysisDocument() {
    form_.CollectForm();
    if (!keptRun_ || !keptRun_->BelongsTo(*project_)) {
        effects_.ShowMessage(forms::kNoResultsToExport, forms::kExportDocumentCaption,
                             forms::MessageIcon::Exclamation);
        return;
    }
    CDocumentExportDialog dialog(*keptRun_, projectFile_, prompts_, this);
    prompts_.RunDialog(dialog);
}

std::optional<std::uint32_t> CWexaView::ShownRunSeed() const {
    if (keptRun_ && keptRun_->BelongsTo(*project_) && keptRun_->Probabilistic()) {
        return keptRun_->Seed();
    }
    return std::nullopt;
}

QString CWexaView::ShownRunSeedText() const {
    const auto seed = ShownRunSeed();
    return seed ? ToQt(forms::RunSeedText(*seed, keptRunSeedFixed_)) : QString();
}

void CWexaView::SetProjectFile(const QString& path) {
    if (path != projectFile_ && sensitivity_ != nullptr) {
        sensitivity_->ProjectReplaced();
    }
    projectFile_ = path;
}

void CWexaView::Collect(forms::FormState& state) {
    controls_.Collect(state);
}

void CWexaView::Display(const forms::FormState& state) {
    controls_.Display(state);
}

} // namespace wexa::ui
