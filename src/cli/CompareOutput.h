#pragma once

#include "decision/Comparison.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <ostream>

namespace wexa::cli {

// The comparison as one JSON object: the run's type, iteration count and
// seed, the risk percentile, whether there is anything to compare, and per
// kind of cost ("agency", "user", "total") the compared and left-out
// iterations, each alternative's chance of being the cheapest, every ordered
// pair, each alternative's EUAC and the choice at the risk percentile.
// Alternatives are numbered from 1; a figure without an iteration to stand
// on is null.
[[nodiscard]] nlohmann::ordered_json ComparisonToJson(const Comparison& comparison,
                                                      std::uint32_t seed);

// The same as aligned tables, a section per kind of cost; "n/a" for a
// figure without an iteration to stand on.
void WriteComparisonText(std::ostream& out, const Comparison& comparison, std::uint32_t seed);

} // namespace wexa::cli
