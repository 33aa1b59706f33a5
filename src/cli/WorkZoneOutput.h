#pragma once

#include "forms/FormEffects.h"
#include "forms/NoticeCollector.h"
#include "forms/WorkZoneTiming.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace wexa::cli {

// What `workzone --json` prints: the figures of the dialog, under fixed keys in
// a fixed order. Doubles keep every bit (nlohmann writes the shortest text
// that reads back to the same value).
[[nodiscard]] nlohmann::ordered_json WorkZoneToJson(const forms::WorkZoneTimingDialog& dialog);

// The same figures as a readable table under the dialog's labels, followed by
// the notices the dialog would have shown in message boxes.
void WriteWorkZoneText(std::ostream& out, const forms::WorkZoneTimingDialog& dialog,
                       const forms::NoticeCollector& notices);

} // namespace wexa::cli
