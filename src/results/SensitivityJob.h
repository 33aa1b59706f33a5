#pragma once

#include "decision/Sensitivity.h"
#include "forms/BackgroundJob.h"
#include "model/Project.h"

#include <memory>
#include <optional>
#include <string>

namespace wexa::forms {

// One sensitivity run of the project as the main window held it when Run
// was pressed: a copy, so the user may go on editing meanwhile, and a
// cancelled or refused run leaves nothing half made.
class SensitivityJob final : public BackgroundJob {
public:
    SensitivityJob(const Project& project, const SensitivityOptions& options);

    void Run() override;
    [[nodiscard]] RunFeedback& Feedback() override { return feedback_; }

    // After Run: why it left no result; empty when it finished.
    [[nodiscard]] const std::optional<RunRefusal>& Refusal() const { return refusal_; }
    // After a finished Run: what it found.
    [[nodiscard]] Sensitivity& Result() { return *result_; }
    // The project's description, the charts' title.
    [[nodiscard]] const std::string& Title() const { return project_->ProjectDescription; }

private:
    std::unique_ptr<Project> project_;
    SensitivityOptions options_;
    std::unique_ptr<Sensitivity> result_;
    RunFeedback feedback_;
    std::optional<RunRefusal> refusal_;
};

} // namespace wexa::forms
