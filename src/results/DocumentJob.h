#pragma once

#include "decision/ExpenditureStream.h"
#include "decision/Sensitivity.h"
#include "results/AnalysisDocument.h"
#include "results/ComparisonRun.h"
#include "simulation/RunFeedback.h"

#include <memory>
#include <optional>
#include <string>

namespace wexa::forms {

// What the document is asked for beside the run: the choices of its export
// dialog or command line, and what its title page says of itself.
struct DocumentRequest {
    int RiskPercentile = kDefaultRiskPercentile;
    SensitivityOptions Sensitivity{};
    std::string FileName;
    std::string Date;
    std::string Version;
};

// Works out what the document needs beyond a finished run (its expenditure
// stream and the sensitivity study) and makes the document from them. The
// window runs Prepare off its thread, with a progress bar and Cancel; the
// command line runs it directly.
class DocumentJob {
public:
    // `run` must outlive the job.
    DocumentJob(const KeptRun& run, DocumentRequest request);
    ~DocumentJob();
    DocumentJob(const DocumentJob&) = delete;
    DocumentJob& operator=(const DocumentJob&) = delete;

    // The stream and the sensitivity study, reporting the study's progress;
    // a refused stream or study is no failure (the document says why), a
    // cancel is: it gives a cancelled refusal.
    [[nodiscard]] std::optional<RunRefusal> Prepare(RunFeedback* feedback);

    [[nodiscard]] AnalysisDocument Document() const;

private:
    const KeptRun& run_;
    DocumentRequest request_;
    std::unique_ptr<ExpenditureStream> stream_;
    std::string streamNotice_;
    std::unique_ptr<Sensitivity> sensitivity_;
    std::string sensitivityNotice_;
};

} // namespace wexa::forms
