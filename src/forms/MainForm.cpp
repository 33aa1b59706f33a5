#include "forms/MainForm.h"

#include "forms/CapacityFields.h"
#include "forms/FieldChecks.h"
#include "forms/ModeSwitches.h"
#include "forms/Navigation.h"
#include "forms/StoredTimingCheck.h"
#include "forms/TrafficType.h"
#include "forms/WorkZoneDialogChecks.h"
#include "simulation/AnalysisChecks.h"

#include <cstddef>

#include <string>
#include <type_traits>
#include <vector>

namespace wexa::forms {

MainForm::MainForm(Project& project, FormFieldView& view, FormEffects& effects)
    : project_(project), view_(view), effects_(effects) {}

template <typename Body> auto MainForm::Guarded(Body&& body) {
    using Result = std::invoke_result_t<Body&>;
    if (busy_) {
        return Result();
    }
    struct Release {
        bool& Busy;
        ~Release() { Busy = false; }
    } release{busy_};
    busy_ = true;
    return body();
}

template <typename Body> auto MainForm::Exchanged(Body&& body) {
    return Guarded([&] {
        Read();
        if constexpr (std::is_void_v<std::invoke_result_t<Body&>>) {
            body();
            Write();
        } else {
            auto result = body();
            Write();
            return result;
        }
    });
}

void MainForm::Collect() {
    view_.Collect(state_);
    for (const FormFieldInfo& info : FormFields()) {
        if (!SameValue(state_, shown_, info.Field)) {
            typed_.set(static_cast<std::size_t>(info.Field));
        }
    }
}

bool MainForm::Read() {
    Collect();
    const bool read = ReadForm(state_, project_, effects_);
    CheckTypedBoxes();
    return read;
}

bool MainForm::CheckTypedBoxes() {
    bool checked = false;
    for (const FormFieldInfo& info : FormFields()) {
        const auto bit = static_cast<std::size_t>(info.Field);
        if (typed_.test(bit) && HasLeaveHandler(info.Field)) {
            typed_.reset(bit);
            CheckLeftBox(project_, effects_, info.Field);
            checked = true;
        }
    }
    return checked;
}

void MainForm::Write() {
    WriteFormFields(project_, state_);
    view_.Display(state_);
    // What the controls hold now, which for a position a list does not have
    // is not what was written.
    view_.Collect(shown_);
}

void MainForm::Start() {
    Guarded([this] {
        ApplyEnabling(project_, effects_);
        ApplyUserCostVisibility(project_, effects_);
        ShowAllCaptions(project_, effects_, {.ZeroHiddenValues = false});
        Write();
    });
}

bool MainForm::CollectForm() {
    return Guarded([this] {
        Collect();
        const bool read = ReadForm(state_, project_, effects_);
        // What a check substituted shows at once, whatever the caller does next.
        if (CheckTypedBoxes()) {
            Write();
        }
        return read;
    });
}

void MainForm::ShowForm() {
    Guarded([this] { Write(); });
}

void MainForm::ShowAfterFile() {
    ApplyUserCostVisibility(project_, effects_);
    Write();
    for (const Distribution d :
         {Distribution::YearsToNext, Distribution::TrafficGrowth, Distribution::DiscountRate}) {
        Read();
        ShowCaptions(project_, effects_, d);
        Write();
    }
}

void MainForm::AfterSave() {
    Guarded([this] { ShowAfterFile(); });
}

void MainForm::AfterLoad() {
    // Results are not saved with a project: those of the last run belong to
    // the project that was on screen, and must not be printed or charted
    // under the one just opened.
    project_.IterationCount = 0;
    Guarded([this] {
        // Whatever was typed on the form belonged to the project before.
        typed_.reset();
        ApplyEnabling(project_, effects_);
        ShowStoredPosition(project_, effects_);
        ShowAfterFile();
    });
}

bool MainForm::PassesWorkZoneChecks() {
    const auto refused = CheckBeforeWorkZoneDialog(project_);
    if (refused) {
        ShowCheckFailure(effects_, *refused);
    }
    return !refused;
}

void MainForm::LeaveBox(FormField box) {
    if (!HasLeaveHandler(box)) {
        return;
    }
    Guarded([&] {
        // A box left as the form showed it, with nothing typed into it since,
        // is no edit: its value was checked and stored when it was shown.
        Collect();
        if (typed_.test(static_cast<std::size_t>(box))) {
            Read();
            Write();
        }
    });
}

void MainForm::SelectDistributionKind(Distribution distribution) {
    Exchanged([&] { ShowCaptions(project_, effects_, distribution); });
}

FormRequest MainForm::SelectTrafficType() {
    return Exchanged([this] {
        return ApplyTrafficType(project_, effects_) ? FormRequest::OpenHourlyDistributionDialog
                                                    : FormRequest::None;
    });
}

void MainForm::SelectTerrain() {
    Exchanged([this] { ApplyTerrain(project_); });
}

void MainForm::SelectProjectUserCostMode() {
    Exchanged([this] { SetProjectUserCostMode(project_, effects_); });
}

void MainForm::SelectActivityUserCostMode() {
    Exchanged([this] { SetActivityUserCostMode(project_, effects_); });
}

void MainForm::ClickAnalysisType(Int32 type) {
    // The type before the click: the read below already sees the new button
    // checked.
    const Int32 previous = project_.AnalysisType;
    Exchanged([&] { SetAnalysisType(project_, effects_, previous, type); });
}

void MainForm::NextAlternative() {
    Exchanged([this] { forms::NextAlternative(project_, effects_); });
}

void MainForm::NextWorkActivity() {
    Exchanged([this] { forms::NextWorkActivity(project_, effects_); });
}

FormRequest MainForm::CopyAnotherWorkActivity() {
    return Exchanged([this] {
        if (!forms::CopyAnotherWorkActivity(project_, effects_)) {
            return FormRequest::None;
        }
        // The user sees the copied values behind the notice.
        Write();
        effects_.ShowMessage(kCopyNotice, kCopyNoticeCaption, MessageIcon::Information);
        const bool open = PassesWorkZoneChecks();
        ShowCaptions(project_, effects_, Distribution::YearsToNext, {.ZeroHiddenValues = false});
        return open ? FormRequest::OpenWorkZoneDialog : FormRequest::None;
    });
}

bool MainForm::CheckWorkZoneDialog() {
    return Exchanged([this] { return PassesWorkZoneChecks(); });
}

bool MainForm::ConfirmRun() {
    return Exchanged([&] {
        // A project the run refuses gets the run's own message, not a
        // question whose Yes leads to that refusal.
        if (CheckAnalysisInputs(project_)) {
            return true;
        }
        const std::vector<StaleTiming> stale = FindStaleTimings(project_);
        return stale.empty() || effects_.AskYesNo(StaleTimingQuestion(stale), kStaleTimingCaption);
    });
}

std::unique_ptr<AnalysisJob> MainForm::StartRun(AnalysisWorkspace& workspace,
                                                std::optional<std::uint32_t> seed) {
    return Exchanged([&] { return std::make_unique<AnalysisJob>(project_, workspace, seed); });
}

RunEnd MainForm::FinishRun(const AnalysisJob& job) {
    return Guarded([&] {
        const std::optional<RunRefusal>& refusal = job.Refusal();
        if (!refusal) {
            CopyRunResults(job.RanProject(), project_);
            Write();
            return RunEnd::Finished;
        }
        ShowRunRefusal(effects_, *refusal);
        Write();
        return refusal->Cancelled ? RunEnd::Cancelled : RunEnd::Refused;
    });
}

} // namespace wexa::forms
