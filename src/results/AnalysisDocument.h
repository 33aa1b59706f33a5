#pragma once

#include "decision/ExpenditureStream.h"
#include "decision/Sensitivity.h"
#include "model/Project.h"
#include "results/ComparisonRun.h"
#include "results/DocumentContent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wexa::forms {

// What the analysis document is made from: a finished run and what was
// worked out on top of it. Every pointer may be null where that part is
// missing; the notices then say why, and the section says so.
struct DocumentSources {
    // The project as run, with its results.
    const Project* Run = nullptr;
    // The run's iterations, for the comparison of a probabilistic run.
    const KeptRun* Kept = nullptr;
    const ExpenditureStream* Stream = nullptr;
    std::string StreamNotice;
    const wexa::Sensitivity* Sensitivity = nullptr;
    std::string SensitivityNotice;

    std::string FileName;
    std::string Date;
    std::string Version;
    std::uint32_t Seed = 0;
    int RiskPercentile = kDefaultRiskPercentile;
    // Warnings of the run (stale work-zone timings, left-out iterations),
    // listed with the inputs.
    std::vector<std::string> Warnings;
};

// The whole document: title page, inputs, expenditure stream, results,
// comparison, sensitivity and notes, in that order.
[[nodiscard]] AnalysisDocument MakeAnalysisDocument(const DocumentSources& sources);

// The few sentences of the title page that say what the results come to:
// the cheapest alternative, its chance of being the cheapest, the choice at
// the risk percentile and whether the discount rate changes it.
[[nodiscard]] std::vector<std::string> SummarySentences(const DocumentSources& sources);

// "There are no results to export yet.": File > Export Analysis Document
// before a run.
inline constexpr char kNoResultsToExport[] = "There are no results to export yet.";

} // namespace wexa::forms
