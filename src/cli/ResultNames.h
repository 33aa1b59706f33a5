#pragma once

#include "decision/Comparison.h"
#include "decision/Tornado.h"
#include "simulation/ResultStatistics.h"

namespace wexa::cli {

// An iteration's status as the JSON outputs name it: "valid", "gridlock" or
// "failure".
[[nodiscard]] const char* StatusName(IterationStatus status);

// How a tornado input ran: "ok", "refused" or "gridlock".
[[nodiscard]] const char* TornadoStatusName(TornadoStatus status);

// A kind of cost as the JSON outputs key it ("agency", "user", "total") and as
// the text tables title it, after the run's summary ("Agency", "WZ User",
// "Total").
[[nodiscard]] const char* CostKindKey(CostKind kind);
[[nodiscard]] const char* CostKindTitle(CostKind kind);

} // namespace wexa::cli
