#pragma once

#include "decision/Comparison.h"
#include "model/Project.h"
#include "simulation/AnalysisRun.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace wexa::forms {

// What the comparison view shows at one risk percentile: the comparison
// itself and, beside each alternative's EUAC, the spread of its NPV over its
// valid iterations.
struct ComparisonFigures {
    Comparison Compared;
    std::array<PerAlternative<std::optional<Spread>>, kCostKinds> Npv{};
};

// A finished run, kept so that its alternatives can be compared as long as
// its results are the ones shown. The run's workspace is scratch for the
// next run and the project's inputs may be edited after it, so this holds
// copies of what the comparison reads, as the run left them.
class KeptRun {
public:
    KeptRun(const Project& project, const AnalysisWorkspace& workspace);

    // Whether the results `project` holds now are this run's: after another
    // file was opened they are not, and the comparison would describe
    // figures that are no longer on the screen.
    [[nodiscard]] bool BelongsTo(const Project& project) const;

    // The comparison at a risk percentile (clamped to 1..100); a couple of
    // milliseconds for the largest run, so it is worked out again whenever
    // the percentile changes.
    [[nodiscard]] ComparisonFigures FiguresAt(int riskPercentile) const;

    // One alternative's NPVs of its valid iterations, in iteration order.
    [[nodiscard]] std::vector<double> ValidNpvs(int alternative, CostKind kind) const;

    [[nodiscard]] int Alternatives() const;
    [[nodiscard]] bool Probabilistic() const;
    [[nodiscard]] const std::string& Title() const { return project_.ProjectDescription; }
    [[nodiscard]] std::uint32_t Seed() const { return workspace_->Seed; }
    // The project as it was run: its inputs, whatever was edited since.
    [[nodiscard]] const Project& Inputs() const { return project_; }

private:
    Project project_;
    std::unique_ptr<AnalysisWorkspace> workspace_;
    std::array<PerAlternative<std::optional<Spread>>, kCostKinds> npv_{};
};

} // namespace wexa::forms
