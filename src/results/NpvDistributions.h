#pragma once

#include "decision/Comparison.h"
#include "results/ChartContent.h"

#include <string>
#include <vector>

namespace wexa::forms {

// The NPVs of every alternative's valid iterations (one list per
// alternative, in iteration order) as histograms on one axis: the same bins
// for all, each alternative's share of its own valid iterations per bin
// drawn as a step line in its colour, so that overlapping distributions stay
// readable. A deterministic run has no distribution: the chart says so.
[[nodiscard]] ChartContent MakeNpvDistributions(const std::vector<std::vector<double>>& npvs,
                                                CostKind kind, const std::string& title,
                                                bool probabilistic);

} // namespace wexa::forms
