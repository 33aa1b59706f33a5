#pragma once

#include "decision/ExpenditureStream.h"
#include "decision/Sensitivity.h"
#include "forms/BackgroundJob.h"
#include "forms/FileNameRequest.h"
#include "results/AnalysisDocument.h"
#include "results/ComparisonRun.h"
#include "simulation/RunFeedback.h"

#include <memory>
#include <optional>
#include <string>

namespace wexa::forms {

// Why the document may not be written to `fileName`: it is the project's
// own file (`projectFile`, empty for none). None when it may.
[[nodiscard]] std::optional<std::string> DocumentTargetProblem(const std::string& fileName,
                                                               const std::string& projectFile);

// The file dialog of the export: a new or existing PDF file.
[[nodiscard]] FileNameRequest DocumentFileRequest(const std::string& initialName);

inline constexpr char kExportDocumentCaption[] = "Export Analysis Document";

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
// window works it off its thread, with a progress bar and Cancel; the
// command line runs it directly.
class DocumentJob final : public BackgroundJob {
public:
    // `run` must outlive the job.
    DocumentJob(const KeptRun& run, DocumentRequest request);
    ~DocumentJob() override;

    // The stream and the sensitivity study, reporting the study's progress.
    // A refused stream or study is no failure (the document says why).
    void Run() override;
    [[nodiscard]] RunFeedback& Feedback() override { return feedback_; }
    // After Run: whether it was cancelled before it finished.
    [[nodiscard]] bool Cancelled() const { return cancelled_; }

    // After a Run that was not cancelled.
    [[nodiscard]] AnalysisDocument Document() const;

private:
    const KeptRun& run_;
    DocumentRequest request_;
    std::unique_ptr<ExpenditureStream> stream_;
    std::string streamNotice_;
    std::unique_ptr<Sensitivity> sensitivity_;
    std::string sensitivityNotice_;
    RunFeedback feedback_;
    bool cancelled_ = false;
};

} // namespace wexa::forms
