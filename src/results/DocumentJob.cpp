#include "results/DocumentJob.h"

#include "forms/StoredTimingCheck.h"
#include "model/OutputTarget.h"
#include "model/PathText.h"
#include "model/TextEncoding.h"
#include "results/ComparisonPage.h"

#include <utility>

namespace wexa::forms {
namespace {

std::string RefusalText(const char* what, const RunRefusal& refusal) {
    std::string text = std::string("The ") + what + " could not be worked out";
    return text + (refusal.Messages.empty() ? "." : ": " + refusal.Messages.back().Message);
}

} // namespace

std::optional<std::string> DocumentTargetProblem(const std::string& fileName,
                                                 const std::string& projectFile) {
    if (projectFile.empty() || !SameFile(PathFromText(fileName), PathFromText(projectFile))) {
        return std::nullopt;
    }
    return "Unable to write to " + PrintableText(fileName) +
           ", it is the project file that is open: the document would replace the project. "
           "Please choose another file name.";
}

FileNameRequest DocumentFileRequest(const std::string& initialName) {
    return FileNameRequest{.InitialName = initialName,
                           .Filters = {{"PDF Files", {"*.pdf"}}, {"All Files", {"*"}}},
                           .MustExist = false,
                           .ConfirmOverwrite = true,
                           .DefaultSuffix = "pdf"};
}

DocumentJob::DocumentJob(const KeptRun& run, DocumentRequest request)
    : run_(run), request_(std::move(request)) {}

DocumentJob::~DocumentJob() = default;

void DocumentJob::Run() {
    auto stream = std::make_unique<ExpenditureStream>();
    if (const auto refusal =
            RecordExpenditureStream(run_.Inputs(), run_.Seed(), nullptr, *stream)) {
        streamNotice_ = RefusalText("expenditure stream", *refusal);
    } else {
        stream_ = std::move(stream);
    }
    auto sensitivity = std::make_unique<Sensitivity>();
    if (const auto refusal =
            RunSensitivity(run_.Inputs(), request_.Sensitivity, *sensitivity, &feedback_)) {
        if (refusal->Cancelled) {
            cancelled_ = true;
            return;
        }
        sensitivityNotice_ = RefusalText("sensitivity study", *refusal);
    } else {
        sensitivity_ = std::move(sensitivity);
    }
}

AnalysisDocument DocumentJob::Document() const {
    DocumentSources sources;
    sources.Run = &run_.Inputs();
    sources.Kept = &run_;
    sources.Stream = stream_.get();
    sources.StreamNotice = streamNotice_;
    sources.Sensitivity = sensitivity_.get();
    sources.SensitivityNotice = sensitivityNotice_;
    sources.FileName = request_.FileName;
    sources.Date = request_.Date;
    sources.Version = request_.Version;
    sources.Seed = run_.Seed();
    sources.RiskPercentile = request_.RiskPercentile;
    sources.Warnings = DescribeStaleTimings(FindStaleTimings(run_.Inputs()));
    if (run_.Probabilistic()) {
        const std::string leftOut = LeftOutText(run_.FiguresAt(request_.RiskPercentile).Compared);
        if (!leftOut.empty()) {
            sources.Warnings.push_back(leftOut);
        }
    }
    return MakeAnalysisDocument(sources);
}

} // namespace wexa::forms
