#pragma once

#include "simulation/ResultStatistics.h"
#include "simulation/Tornado.h"

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
