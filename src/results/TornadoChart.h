#pragma once

#include "decision/Tornado.h"
#include "results/ChartContent.h"

#include <string>

namespace wexa::forms {

// The sensitivity window's second tab: which input, if it is wrong, moves the
// answer most. One row per input in the tornado's order (largest swing on
// top, those that did not run through last), named as the user knows it
// with its two settings; two bars from the base case to the pair's
// total-NPV difference at the input's low and at its high setting. Without
// a pair the bars show the total NPV of the one valid alternative. A row
// whose runs were refused or gridlocked has no bar and says so. The
// activities of an alternative the bars do not measure cannot move them:
// rather than rows without a bar, they are counted in the footnote ("9
// inputs of Alt 3 do not change Alt 1 minus Alt 2 and are left out."); the
// data file keeps them.
[[nodiscard]] ChartContent MakeTornadoChart(const Tornado& tornado, const std::string& title);

} // namespace wexa::forms
