#pragma once

#include "decision/Sensitivity.h"
#include "decision/Tornado.h"
#include "simulation/ResultStatistics.h"

#include <array>
#include <string>

namespace wexa::forms {

// How the sensitivity window, its charts and its data files, and the command
// line's outputs, name things.

// "Alt 2": an alternative (from 0).
[[nodiscard]] std::string AltName(int alternative);

// "Alt 1 minus Alt 2": what a tornado of the pair measures.
[[nodiscard]] std::string DifferenceName(const std::array<int, 2>& pair);

// A rate to the sweep's precision: "5.0300 %".
[[nodiscard]] std::string RateText(double rate);

// "0 % to 10 %": the rates a sweep covers.
[[nodiscard]] std::string RangeText(const RateRange& range);

// Which alternative of a comparable pair is cheaper where, over the sweep:
//   "below 3.1191 % Alt 2 is cheaper, above it Alt 1" (one change of order),
//   "below 2.0000 % Alt 1 is cheaper, from 2.0000 % to 6.5000 % Alt 2,
//    above 6.5000 % Alt 1" (two),
//   "below 4.9000 % Alt 1 is cheaper, equal from 4.9000 % to 5.1000 %,
//    above 5.1000 % Alt 2" (a stretch of rates at which the two tie),
//   "Alt 1 is cheaper at every rate from 0 % to 10 %" (none),
//   "equal at every rate from 0 % to 10 %".
// Rates at the ends of the range at which the two are equal are said apart
// ("equal from 9.9000 % to 10.0000 %"), and the stretch next to them then
// runs from the last rate at which they differ.
[[nodiscard]] std::string OrderText(const RateSensitivity& rates, const PairBreakEvens& pair);

// "gridlocks" or "fails": what an alternative that is not valid does.
[[nodiscard]] const char* StatusVerb(IterationStatus status);

// "valid", "gridlock" or "failure": a status as the data files and the
// command line's outputs name it.
[[nodiscard]] const char* StatusName(IterationStatus status);

// An input's low and high settings with their unit: "2 % / 6 %",
// "80 % / 120 % of expected", "12 / 20 years".
[[nodiscard]] std::string SettingsText(const TornadoInput& input);

// "ok", "refused" or "gridlock".
[[nodiscard]] const char* StatusName(TornadoStatus status);

} // namespace wexa::forms
