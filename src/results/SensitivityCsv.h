#pragma once

#include "decision/Sensitivity.h"

#include <string>

namespace wexa::forms {

// "Save Data..." of the sensitivity window: the numbers behind each chart
// as CSV, plain digits a spreadsheet reads, every cost kind at once. A
// figure an alternative has no value for (it gridlocks or fails, or its run
// was refused) is its status word or empty, never a number.

// The NPV of every alternative and kind at every rate, then the break-even
// rates of every pair and kind.
[[nodiscard]] std::string RateCsv(const RateSensitivity& rates, const std::string& title);

// One line per input in the tornado's order: its settings, every
// alternative's total NPV at the low and the high setting, the pair's
// differences and the input's status.
[[nodiscard]] std::string TornadoCsv(const Tornado& tornado, const std::string& title);

} // namespace wexa::forms
