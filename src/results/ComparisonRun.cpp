#include "results/ComparisonRun.h"

#include <algorithm>

namespace wexa::forms {

KeptRun::KeptRun(const Project& project, const AnalysisWorkspace& workspace)
    : project_(project), workspace_(std::make_unique<AnalysisWorkspace>()) {
    // Only the tables the comparison reads; the queue day is the run's own
    // scratch.
    workspace_->Seed = workspace.Seed;
    workspace_->DiscountRates = workspace.DiscountRates;
    workspace_->Statuses = workspace.Statuses;
    workspace_->AgencyInIterationOrder = workspace.AgencyInIterationOrder;
    workspace_->UserInIterationOrder = workspace.UserInIterationOrder;
    workspace_->TotalInIterationOrder = workspace.TotalInIterationOrder;
    for (const CostKind kind : kAllCostKinds) {
        for (int a = 0; a < Alternatives(); ++a) {
            std::vector<double> npvs = ValidNpvs(a, kind);
            npv_[static_cast<std::size_t>(kind)][a] = SummarizeInPlace(npvs);
        }
    }
}

bool KeptRun::BelongsTo(const Project& project) const {
    return project.NumberOfAlternatives == project_.NumberOfAlternatives &&
           project.IterationCount == project_.IterationCount &&
           project.AnalysisType == project_.AnalysisType &&
           project.AgencyNpvResults == project_.AgencyNpvResults &&
           project.UserNpvResults == project_.UserNpvResults &&
           project.TotalNpvResults == project_.TotalNpvResults;
}

ComparisonFigures KeptRun::FiguresAt(int riskPercentile) const {
    return {CompareAlternatives(project_, *workspace_, riskPercentile), npv_};
}

std::vector<double> KeptRun::ValidNpvs(int alternative, CostKind kind) const {
    std::vector<double> npvs;
    if (alternative < 0 || alternative >= Alternatives()) {
        return npvs;
    }
    const auto a = static_cast<std::size_t>(alternative);
    const auto& row = NpvsInIterationOrder(*workspace_, kind)[a];
    const int iterations = std::clamp(project_.IterationCount, 0, kProbabilisticIterations);
    for (int i = 0; i < iterations; ++i) {
        if (workspace_->Statuses[a][static_cast<std::size_t>(i)] == IterationStatus::Valid) {
            npvs.push_back(static_cast<double>(row[static_cast<std::size_t>(i)]));
        }
    }
    return npvs;
}

int KeptRun::Alternatives() const {
    return std::clamp(project_.NumberOfAlternatives, 0, kMaxAlternatives);
}

bool KeptRun::Probabilistic() const {
    return project_.AnalysisType == kProbabilisticAnalysis;
}

} // namespace wexa::forms
