#pragma once

#include "forms/AnalysisJob.h"
#include "forms/DistributionDisplay.h"
#include "forms/FormEffects.h"
#include "forms/FormExchange.h"
#include "forms/FormField.h"
#include "model/Project.h"
#include "simulation/AnalysisRun.h"

#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>

namespace wexa::forms {

// How a run of the window ended. A run that ends while another handler still
// runs counts as cancelled: its results are dropped rather than written under
// that handler.
enum class RunEnd { Cancelled, Refused, Finished };

// What the window must do after a handler, beyond showing the form again.
enum class FormRequest {
    None,
    // Open the work-zone timing dialog on WorkZoneDialogInputs::FromForm.
    OpenWorkZoneDialog,
    // Open the hourly traffic distribution dialog, as its button does.
    OpenHourlyDistributionDialog,
};

// The main input form's logic: one method per control event. The window owns
// the Project, the controls (behind FormFieldView) and the effects; this
// object decides.
//
// Who owns what:
//
//     window --- owns ---> Project, widgets, FormEffects implementation
//        |                    ^            ^
//        | calls handlers     | reads and  | Collect / Display
//        v                    | writes     |
//     MainForm ---------------+------------+  (holds references only)
//
// Every handler follows one pattern: read the whole form into the project
// (a text that does not parse is refused and stops the read, see
// ReadFormFields), apply its rule, then write the whole project back onto the
// form, so a refused text is replaced by the field's last accepted value.
// Messages, focus moves, showing, hiding and greying out go through
// FormEffects while the handler runs.
//
// Re-entrancy: a message box a handler shows takes the keyboard focus, and
// when it closes the handler moves the focus back to the refused box; the
// window sees both as boxes losing the focus. Those events arrive while the
// handler is still running (the box is modal inside it), so every method
// returns at once, doing nothing, while another one runs (Busy()). The
// window therefore calls LeaveBox straight from the focus-out event, never
// deferred to after the handler, and should also ignore focus-outs caused by
// another window becoming active (the message box or a dialog appearing),
// which are not the user leaving a box.
class MainForm {
public:
    MainForm(Project& project, FormFieldView& view, FormEffects& effects);

    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    [[nodiscard]] bool Busy() const { return busy_; }

    // --- Showing the project ---

    // First display, and after "New": the greying out by the analysis type
    // and the user-cost mode, the current activity's work-zone inputs, the
    // distributions' boxes and captions by their kinds (values kept), then
    // the whole form.
    void Start();
    // Reads the form into the project, with the check of a box typed into
    // and not yet left: before saving or opening a file and before a table
    // dialog takes its copies. False when a text was refused.
    bool CollectForm();
    // Shows the project on the form: after a dialog's OK and at the end of a
    // run's export.
    void ShowForm();
    // After the project was written to a file: the work-zone inputs shown or
    // hidden, the form written, then the captions of the years, growth and
    // discount distributions (each with its own read and write; a
    // Deterministic one gets its first and third values set to 0).
    void AfterSave();
    // After a project was read from a file: the greying out by both modes,
    // then as AfterSave. The form is not read first, so nothing the form
    // showed before overwrites what the file held.
    void AfterLoad();

    // --- Boxes and lists ---

    // A box lost the keyboard focus: its check (message, focus back,
    // substitute) and what follows it, for example the write-through of a
    // per-activity value, "Maximum AADT" never below the base year AADT, or
    // the required time variability kept within 0..100 and stored. The
    // years-to-next kind list stores its kind when it loses the focus too.
    // Controls without a handler do nothing.
    void LeaveBox(FormField box);
    // A kind was picked in a distribution's list: its captions and boxes.
    void SelectDistributionKind(Distribution distribution);
    // The "Traffic Type:" list: a notice, then the built-in rural or urban
    // hourly table; "Specific" asks for the distribution dialog instead.
    FormRequest SelectTrafficType();
    // The "Terrain:" list: the truck equivalency factor and the capacities.
    void SelectTerrain();
    void SelectProjectUserCostMode();
    void SelectActivityUserCostMode();
    // The "Probabilistic" (0) or "Deterministic" (1) button was clicked.
    void ClickAnalysisType(Int32 type);

    // --- Buttons ---

    void NextAlternative();
    void NextWorkActivity();
    // Copies the source activity onto the current one, shows the copy
    // notice, then runs the checks of "Work Zone Timing and Costs".
    FormRequest CopyAnotherWorkActivity();
    // "Work Zone Timing and Costs": true when the checks pass and the window
    // should open the dialog (on OK it stores the dialog's result and calls
    // ShowForm).
    bool CheckWorkZoneDialog();
    // Before "Run Simulation" and the toolbar's execute command: reads the
    // form and, when an included activity's stored days or work-zone user
    // cost are not what the work-zone dialog computes for it
    // (FindStaleTimings), names each such activity and asks whether to run
    // anyway. True to run: there was nothing to ask, or the answer was Yes.
    bool ConfirmRun();
    // "Run Simulation" and the toolbar's execute command, in two halves so
    // that the run can work off the window's thread. StartRun reads the form
    // and returns the run, on a copy of the project; null while another
    // handler runs. Once the job's Run has returned, FinishRun shows a refused
    // run's messages and moves the focus to the control the last one names,
    // or hands a finished run's results to the project; a cancelled run shows
    // nothing. Only a finished run changes a result: the window then goes on
    // with the export and the charts, and calls ShowForm.
    [[nodiscard]] std::unique_ptr<AnalysisJob> StartRun(AnalysisWorkspace& workspace,
                                                        std::optional<std::uint32_t> seed);
    RunEnd FinishRun(const AnalysisJob& job);

private:
    // Runs `body` unless a handler is running already; returns body's result
    // or a default-constructed one.
    template <typename Body> auto Guarded(Body&& body);
    // Guarded, bracketed by a read and a write of the form.
    template <typename Body> auto Exchanged(Body&& body);
    // Copies what the controls hold into state_, and notes every field whose
    // control no longer holds what the form last showed there.
    void Collect();
    // Collect, then the form into the project; then the check of every box
    // typed into and not yet left (a toolbar button or a menu command does
    // not take the focus from it), as leaving it would. False when a text
    // was refused.
    bool Read();
    // True when a box was checked.
    bool CheckTypedBoxes();
    void Write();
    // What follows writing or reading a file, without the guard.
    void ShowAfterFile();
    // The checks before the work-zone dialog, a refusal shown.
    bool PassesWorkZoneChecks();

    Project& project_;
    FormFieldView& view_;
    FormEffects& effects_;
    FormState state_;
    // What the form last put into the controls.
    FormState shown_;
    // The fields typed into (or picked) since they were last left or the
    // project was opened: leaving one of them runs its check, leaving any
    // other is no edit.
    std::bitset<kFormFieldCount> typed_;
    bool busy_ = false;
};

} // namespace wexa::forms
