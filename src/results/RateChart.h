#pragma once

#include "decision/Sensitivity.h"
#include "results/ChartContent.h"

#include <string>
#include <vector>

namespace wexa::forms {

// The sensitivity window's first tab: the base case's NPV of one kind of
// cost against the discount rate, and where the alternatives change order.

// One line per alternative in its colour, over the rates of the sweep; an
// alternative that is not valid has no point to draw (the rate changes no
// status, so it has none at all) and its legend says why. A rule marks each
// rate at which a pair of that kind changes order.
[[nodiscard]] ChartContent MakeRateChart(const RateSensitivity& rates, CostKind kind,
                                         const std::string& title);

// The same pairs in words, one line each: "Alt 1 and Alt 2: below 5.0300 %
// Alt 2 is cheaper, above it Alt 1", as OrderText words it, or why the pair
// cannot be compared.
[[nodiscard]] std::vector<std::string> BreakEvenLines(const RateSensitivity& rates, CostKind kind);

// What one of those lines says after the pair's names.
[[nodiscard]] std::string BreakEvenText(const RateSensitivity& rates, const PairBreakEvens& pair);

} // namespace wexa::forms
