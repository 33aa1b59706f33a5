#pragma once

#include "forms/BackgroundJob.h"
#include "model/Project.h"
#include "simulation/AnalysisRun.h"

#include <cstdint>
#include <optional>

namespace wexa::forms {

// One run of the window's project, worked off the window's thread. It runs on
// a copy of the project taken when it was made, so nothing the window does
// meanwhile (repaint, read the project for a preview) can meet a half-written
// result, and a cancelled or refused run has touched nothing the user sees.
// MainForm::FinishRun hands the results over once the run has ended.
//
// About a megabyte, like the project: make it on the heap.
class AnalysisJob final : public BackgroundJob {
public:
    AnalysisJob(const Project& project, AnalysisWorkspace& workspace,
                std::optional<std::uint32_t> seed);

    void Run() override;
    [[nodiscard]] RunFeedback& Feedback() override { return feedback_; }
    // After Run: the project the run worked on, with its results.
    [[nodiscard]] const Project& RanProject() const { return project_; }
    // After Run: why the run left no results; empty when it finished.
    [[nodiscard]] const std::optional<RunRefusal>& Refusal() const { return refusal_; }

private:
    Project project_;
    AnalysisWorkspace& workspace_;
    std::optional<std::uint32_t> seed_;
    RunFeedback feedback_;
    std::optional<RunRefusal> refusal_;
};

} // namespace wexa::forms
