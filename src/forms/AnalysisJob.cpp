#include "forms/AnalysisJob.h"

namespace wexa::forms {

AnalysisJob::AnalysisJob(const Project& project, AnalysisWorkspace& workspace,
                         std::optional<std::uint32_t> seed)
    : project_(project), workspace_(workspace), seed_(seed) {}

void AnalysisJob::Run() {
    refusal_ = RunAnalysis(project_, workspace_, {.Seed = seed_, .Feedback = &feedback_});
}

} // namespace wexa::forms
