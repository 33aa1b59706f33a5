#pragma once

// The base case of a project: one deterministic iteration with every input at
// its middle value and no variability, the figure every sensitivity compares
// against. Nothing is drawn: with every distribution fixed and every
// variability 0 the run's uniforms multiply zeros, and the results are the
// same for any seed.

#include "decision/Comparison.h"
#include "model/Project.h"
#include "simulation/AnalysisChecks.h"
#include "simulation/AnalysisRun.h"
#include "simulation/ResultStatistics.h"
#include "simulation/RunFeedback.h"

#include <array>
#include <memory>
#include <optional>

namespace wexa {

// Turns a project into its base case: a deterministic analysis; the discount
// rate, the traffic growth rate and every activity's years to the next
// activity fixed at their middle values (Mean, Expected), and every agency
// cost and required time variability 0. The form's copies of the current
// activity follow their slot. Nothing else changes.
void MakeBaseCase(Project& project);

// What one run of a base case gives each alternative.
struct CaseOutcome {
    PerAlternative<IterationStatus> Status{};
    // Indexed [kind][alternative]; the run's marks where the status is not
    // valid.
    std::array<PerAlternative<Int64>, kCostKinds> Npv{};
    [[nodiscard]] Int64 Of(CostKind kind, int alternative) const {
        return Npv[static_cast<std::size_t>(kind)][static_cast<std::size_t>(alternative)];
    }
    [[nodiscard]] bool Valid(int alternative) const {
        return Status[static_cast<std::size_t>(alternative)] == IterationStatus::Valid;
    }
};

// Runs a project's base case again and again, each time with whatever the
// caller has changed in it, in one workspace. Counts its runs against a plan
// on the feedback, and stops at the next run once the feedback is cancelled.
class BaseCaseRunner {
public:
    BaseCaseRunner(const Project& project, RunFeedback* feedback);

    // The base case as built, never changed.
    [[nodiscard]] const Project& Base() const { return *base_; }
    // The copy each run runs; change it, run, and put it back.
    [[nodiscard]] Project& Case() { return *case_; }
    [[nodiscard]] int Alternatives() const;

    // Adds runs to the progress total.
    void Plan(int runs) { planned_ += runs; }
    // Runs the case. A counted run moves the progress on by one.
    [[nodiscard]] std::optional<RunRefusal> Run(CaseOutcome& outcome, bool counted);
    [[nodiscard]] bool Cancelled() const { return feedback_ != nullptr && feedback_->Cancelled(); }

private:
    std::unique_ptr<Project> base_;
    std::unique_ptr<Project> case_;
    std::unique_ptr<AnalysisWorkspace> workspace_;
    RunFeedback* feedback_;
    int planned_ = 0;
    int done_ = 0;
};

[[nodiscard]] inline RunRefusal CancelledRefusal() {
    return RunRefusal{.Messages = {}, .Cancelled = true};
}

} // namespace wexa
