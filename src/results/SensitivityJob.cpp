#include "results/SensitivityJob.h"

namespace wexa::forms {

SensitivityJob::SensitivityJob(const Project& project, const SensitivityOptions& options)
    : project_(std::make_unique<Project>(project)), options_(options),
      result_(std::make_unique<Sensitivity>()) {}

void SensitivityJob::Run() {
    refusal_ = RunSensitivity(*project_, options_, *result_, &feedback_);
}

} // namespace wexa::forms
