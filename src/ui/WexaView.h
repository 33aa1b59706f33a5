#pragma once

#include "forms/FormEffects.h"
#include "forms/FormExchange.h"
#include "forms/MainForm.h"
#include "model/Project.h"
#include "results/ComparisonRun.h"
#include "ui/FocusOutWatcher.h"
#include "ui/FormControls.h"
#include "ui/WidgetEffects.h"

#include <QScrollArea>

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QProgressBar;
class QShortcut;

namespace wexa {
struct AnalysisWorkspace;
}

namespace wexa::ui {

class BackgroundRun;
class CSensitivityWindow;
class Prompts;

// The main input form. It owns the Project for the life of the program and
// the form's widgets; forms::MainForm decides everything. The view only
// moves texts between the widgets and the form logic (FormFieldView), has
// what the logic asks of the screen carried out on its controls
// (WidgetEffects), and turns widget events into calls of the logic:
//
//     widgets --- focus out, activated, clicked ---> CWexaView ---> MainForm
//        ^                                              |              |
//        +------ Display / effects (focus, show) -------+<-------------+
//                                                       |
//     message boxes <------------ Prompts <-------------+
class CWexaView final : public QScrollArea, public forms::FormFieldView {
    Q_OBJECT
public:
    explicit CWexaView(Prompts& prompts, QWidget* parent = nullptr);
    ~CWexaView() override;

    [[nodiscard]] Project& GetProject() { return *project_; }
    [[nodiscard]] forms::MainForm& Form() { return form_; }
    // The control of a field or button by its name; null for none.
    [[nodiscard]] QWidget* Control(std::string_view name) const { return controls_.Find(name); }

    // "Run Simulation", also the toolbar's execute command: the run starts
    // and works off the window's thread; what follows it (the report, the
    // charts) comes when it ends. Nothing while a run works.
    void RunSimulation();
    // The form's Cancel button and Esc during a run: the run stops after the
    // iteration at hand and leaves the results as they were.
    void CancelRun();
    // Cancels a working run and waits for it to stop, then ends it as
    // cancelled, at once: for closing the window.
    void StopRun();
    // While held, a run that ends is not carried on to its report and
    // charts: it waits, and RunEndHeld is emitted, so that a question about
    // closing the window is not buried under them. Released, a run that
    // ended meanwhile waits on for StopRun; RunEndedWhileHeld tells.
    void HoldRunEnd(bool hold) { holdRunEnd_ = hold; }
    [[nodiscard]] bool RunEndedWhileHeld() const { return runEndedWhileHeld_; }
    // The chart window on the results of the last run: after every run,
    // and from the form's hidden "Create Graph" button.
    void ShowResultChart();
    // The sensitivity window on the project, made once: shown, or raised
    // when it is open.
    void ShowSensitivity();
    // File > Export Analysis Document...: the export dialog on the last
    // run, when the results shown are its; before a run, a message says
    // there is nothing to export.
    void ExportAnalysisDocument();
    // The window once made; null before.
    [[nodiscard]] CSensitivityWindow* Sensitivity() const { return sensitivity_; }
    // True while a run works: everything on the form that could change the
    // project is disabled then, but for Cancel.
    [[nodiscard]] bool Running() const { return background_ != nullptr; }

    // forms::FormFieldView
    void Collect(forms::FormState& state) override;
    void Display(const forms::FormState& state) override;

    // Runs with a fixed seed from now on, so a run can be repeated; without
    // one the clock seeds each run.
    void SetRunSeed(std::optional<std::uint32_t> seed) { runSeed_ = seed; }
    [[nodiscard]] std::optional<std::uint32_t> RunSeed() const { return runSeed_; }
    // The seed of the probabilistic run whose results the project holds;
    // none when they are not such a run's of this session.
    [[nodiscard]] std::optional<std::uint32_t> ShownRunSeed() const;
    // ShownRunSeed as the graphing window and the status bar say it; empty
    // without one.
    [[nodiscard]] QString ShownRunSeedText() const;

    // The file the project was opened from or saved to (empty when
    // untitled): the report may not be exported over it.
    // A path other than the last one means another project: the
    // sensitivity window lets go of the last one's results.
    void SetProjectFile(const QString& path);

signals:
    // The user typed into a box: the project on screen differs from the one
    // last saved, though no handler has read it yet.
    void Edited();
    // A handler of the form has run; it may have changed the project.
    void HandlerFinished();
    // A run started working; the window's commands that touch the project
    // wait until RunEnded.
    void RunStarted();
    // The run ended while its end was held (HoldRunEnd).
    void RunEndHeld();
    // The run ended (after its report and charts, when it finished); it was
    // cancelled, or ran its course (finished or refused).
    void RunEnded(bool cancelled);
    // The form's hidden "Graph It" button: the print preview of the results
    // page, which the main window shows.
    void PreviewRequested();

private:
    void WatchControls();
    void ConnectLists();
    void ConnectButtons();
    // Runs `handler` on the event, then tells that a handler ran.
    void OnButton(std::string_view name, std::function<void()> handler);
    void OnList(forms::FormField field, std::function<void()> handler);
    void OpenDialog(forms::FormRequest request);
    template <typename Dialog, typename Inputs> void OpenItemsDialog();
    // The run's thread has ended: its results or messages, then the export
    // and the charts of a finished run.
    void EndRun();
    // Out of the running state, the run's thread gone: the cursor and the
    // controls back as before it; returns the job it worked.
    std::unique_ptr<forms::AnalysisJob> LeaveRun();
    // Disables, or enables again, every group of the form but the run's, and
    // the Run and Cancel buttons the other way round.
    void SetRunControls(bool running);
    // After a completed run: the export dialog, then the report; at its end,
    // also after Cancel, the progress bar back to 0 and the form shown.
    void ExportReport(std::time_t analysisTime);
    [[nodiscard]] QProgressBar* ProgressBar() const;

    Prompts& prompts_;
    std::unique_ptr<Project> project_;
    FormControls controls_;
    WidgetEffects effects_;
    forms::MainForm form_;
    FocusOutWatcher leaving_;
    std::optional<std::uint32_t> runSeed_;
    // Whether the kept run's seed was fixed rather than the clock's.
    bool keptRunSeedFixed_ = false;
    bool holdRunEnd_ = false;
    bool runEndedWhileHeld_ = false;
    QString projectFile_;
    QShortcut* cancelKey_ = nullptr;
    std::unique_ptr<AnalysisWorkspace> workspace_;
    // The last finished run, for the graphing window's comparison: the
    // workspace is only the run's until the next one starts.
    std::unique_ptr<forms::KeptRun> keptRun_;
    // While a run works; the thread goes before the job it works on.
    std::unique_ptr<forms::AnalysisJob> job_;
    std::unique_ptr<BackgroundRun> background_;
    CSensitivityWindow* sensitivity_ = nullptr; // a child window
};

} // namespace wexa::ui
