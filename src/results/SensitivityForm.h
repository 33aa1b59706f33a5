#pragma once

#include "decision/Sensitivity.h"
#include "forms/FormEffects.h"
#include "model/Project.h"
#include "results/ChartContent.h"
#include "results/SensitivityJob.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wexa::forms {

// Names of the sensitivity window's controls, as FormEffects takes them.
namespace SensitivityControl {
inline constexpr char From[] = "SensitivityFrom";
inline constexpr char To[] = "SensitivityTo";
inline constexpr char Step[] = "SensitivityStep";
inline constexpr char Swing[] = "SensitivitySwing";
inline constexpr char PairFirst[] = "SensitivityPairFirst";
inline constexpr char PairSecond[] = "SensitivityPairSecond";
inline constexpr char Run[] = "SensitivityRun";
inline constexpr char Cancel[] = "SensitivityCancel";
inline constexpr char SaveImage[] = "SensitivitySaveImage";
inline constexpr char SaveData[] = "SensitivitySaveData";
inline constexpr char Print[] = "SensitivityPrint";
} // namespace SensitivityControl

// What the window's boxes and lists hold: the texts as typed, the lists'
// choices by their index.
struct SensitivityEntries {
    // The run's own defaults, as a box shows them.
    static SensitivityEntries Defaults();

    std::string From;
    std::string To;
    std::string Step;
    std::string Swing;
    // 0: the two cheapest alternatives; k: alternative k (from 1), against
    // PairSecond.
    int PairFirst = 0;
    int PairSecond = 1; // an alternative, from 0
};

// The entries of the pair's two lists and of the cost list.
[[nodiscard]] std::vector<std::string> PairFirstChoices(int alternatives);
[[nodiscard]] std::vector<std::string> PairSecondChoices(int alternatives);
[[nodiscard]] std::vector<std::string> CostKindChoices();

// The entries as the run's options, checked as the run checks them: a text
// that is no number, a range or an option the run would refuse shows the
// run's own message and caption, moves the focus to the box or list at
// fault, and gives nothing.
[[nodiscard]] std::optional<SensitivityOptions>
ReadSensitivityOptions(const SensitivityEntries& entries, int alternatives, FormEffects& effects);

// The sensitivity window's logic. The window owns the controls and the
// background thread; this decides what a run starts from, what its end
// leaves, what the charts and the data files hold, and which controls can
// be used when.
//
//     Run ---> StartRun (entries, project copy) ---> job on a thread
//     job ended ---> FinishRun: result kept, or the refusal shown
//     charts, break-even list, CSV <--- RateChart, TornadoChart, ...
class SensitivityForm {
public:
    explicit SensitivityForm(FormEffects& effects);

    // The controls as the window opens: nothing run, nothing to save.
    void Start();
    // The pair's first list changed: the second counts only for a chosen
    // pair.
    void ChoosePairFirst(int first);
    // Run: the options from the entries and a job on a copy of `project`;
    // null when an entry is refused or a run works already.
    [[nodiscard]] std::unique_ptr<SensitivityJob> StartRun(const SensitivityEntries& entries,
                                                           const Project& project);
    // Cancel and Esc: the run's end is dropped however it ends, since the
    // user asked to stop; the last result stays.
    void CancelRun();
    // Another project was opened: the last result, and a run's end, belong
    // to the one before and are dropped.
    void ProjectReplaced();
    // The job's Run has returned. A finished run's result replaces the last;
    // a refused run shows its messages as the main window would and leaves
    // nothing to draw.
    void FinishRun(SensitivityJob& job);
    // The cost list: the rate chart and the break-evens of that kind.
    void ChooseKind(CostKind kind) { kind_ = kind; }

    [[nodiscard]] bool Running() const { return running_; }
    [[nodiscard]] const Sensitivity* Result() const { return result_.get(); }

    [[nodiscard]] ChartContent RateChart() const;
    [[nodiscard]] std::vector<std::string> BreakEvens() const;
    [[nodiscard]] ChartContent TornadoChart() const;
    [[nodiscard]] std::string RateCsv() const;
    [[nodiscard]] std::string TornadoCsv() const;

private:
    void EnableControls();

    FormEffects& effects_;
    bool running_ = false;
    bool cancelAsked_ = false;
    bool pairChosen_ = false;
    CostKind kind_ = CostKind::Total;
    std::unique_ptr<Sensitivity> result_;
    std::string title_;
    // Why there is nothing to draw.
    std::string notice_;
};

} // namespace wexa::forms
