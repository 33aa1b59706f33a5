#include "decision/BaseCase.h"

#include <algorithm>

namespace wexa {
namespace {

// Any seed gives the same base-case figures; a fixed one keeps the
// workspace the same too.
constexpr std::uint32_t kBaseCaseSeed = 1;

} // namespace

void MakeBaseCase(Project& p) {
    p.AnalysisType = kDeterministicAnalysis;
    p.DiscountRateKind = kDeterministic;
    p.TrafficGrowthKind = kDeterministic;
    p.ActivityYearsKind.fill(kDeterministic);
    p.ActivityAgencyCostVariability.fill(0.0);
    p.ActivityTimeVariability.fill(0.0);
    p.YearsToNextKind = kDeterministic;
    p.AgencyCostVariability = 0.0;
    p.RequiredTimeVariability = 0.0;
}

BaseCaseRunner::BaseCaseRunner(const Project& project, RunFeedback* feedback)
    : base_(std::make_unique<Project>(project)), workspace_(std::make_unique<AnalysisWorkspace>()),
      feedback_(feedback) {
    MakeBaseCase(*base_);
    case_ = std::make_unique<Project>(*base_);
}

int BaseCaseRunner::Alternatives() const {
    return std::clamp(base_->NumberOfAlternatives, 0, kMaxAlternatives);
}

std::optional<RunRefusal> BaseCaseRunner::Run(CaseOutcome& outcome, bool counted) {
    if (Cancelled()) {
        return CancelledRefusal();
    }
    auto refusal = RunAnalysis(*case_, *workspace_, {kBaseCaseSeed, nullptr});
    if (counted && feedback_ != nullptr) {
        ++done_;
        feedback_->SetProgress(done_, std::max(planned_, done_));
    }
    if (refusal) {
        return refusal;
    }
    for (int a = 0; a < Alternatives(); ++a) {
        outcome.Status[a] = workspace_->Statuses[a][0];
        for (const CostKind kind : kAllCostKinds) {
            outcome.Npv[static_cast<std::size_t>(kind)][a] =
                NpvsInIterationOrder(*workspace_, kind)[a][0];
        }
    }
    return std::nullopt;
}

} // namespace wexa
