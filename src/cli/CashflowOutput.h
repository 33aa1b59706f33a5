#pragma once

#include "decision/ExpenditureStream.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace wexa::cli {

// The stream as JSON: its basis, rate and period, each alternative's rows,
// salvage credit and NPVs (null where the alternative is not valid), then the
// year-by-year table of the valid alternatives. Every cost is the double the
// run held.
[[nodiscard]] nlohmann::ordered_json CashflowToJson(const ExpenditureStream& stream);

// A line saying which run the figures come from, a table per alternative and
// the year-by-year table.
void WriteCashflowText(std::ostream& out, const std::string& projectPath,
                       const ExpenditureStream& stream);

} // namespace wexa::cli
