#pragma once

#include "decision/Sensitivity.h"
#include "model/Project.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>

namespace wexa::cli {

// The sweep and the tornado as one JSON object:
//   "rates": the range, every point's NPVs per alternative and the rates at
//            which a pair's order changes ("breakEven", each with the
//            alternative that is cheaper below it and the one cheaper above
//            it; a pair that never changes order, or cannot be compared, has
//            no entry);
//   "tornado": the pair, the swing, the base case and the inputs in the
//            order the bars are drawn.
// Alternatives are numbered from 1. NPVs are whole dollars; where an
// alternative is not valid its status says why and its figures are null.
[[nodiscard]] nlohmann::ordered_json SensitivityToJson(const Sensitivity& sensitivity);

// The same as a report of aligned tables, headed by the project file and the
// project's description.
void WriteSensitivityText(std::ostream& out, const std::string& projectPath, const Project& project,
                          const Sensitivity& sensitivity);

// A figure of one run of the base case where the alternative is valid there;
// none where the run left its mark instead.
[[nodiscard]] inline std::optional<Int64> ValidNpv(const CaseOutcome& outcome, CostKind kind,
                                                   int alternative) {
    return outcome.Valid(alternative) ? std::optional<Int64>(outcome.Of(kind, alternative))
                                      : std::nullopt;
}

// A tornado input's total NPV of an alternative on one side: none when the
// input was refused (its outcomes were never filled in) or the alternative
// is not valid there.
[[nodiscard]] inline std::optional<Int64> TornadoTotal(const TornadoBar& bar,
                                                       const CaseOutcome& side, int alternative) {
    if (bar.Status == TornadoStatus::Refused) {
        return std::nullopt;
    }
    return ValidNpv(side, CostKind::Total, alternative);
}

} // namespace wexa::cli
