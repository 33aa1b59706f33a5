#pragma once

#include <string_view>

namespace wexa::forms {

// Names of the main form's controls that show no Project field. A control
// that shows a field is named by the field (NameOf in FormField.h).
namespace MainFormControl {
inline constexpr std::string_view WorkZoneTimingButton = "WorkZoneTimingButton";
inline constexpr std::string_view TimeRelatedCostsButton = "TimeRelatedCostsButton";
inline constexpr std::string_view TrafficDistributionButton = "TrafficDistributionButton";
inline constexpr std::string_view AddedTimeCostsButton = "AddedTimeCostsButton";
inline constexpr std::string_view DelayCostRatesButton = "DelayCostRatesButton";
} // namespace MainFormControl

} // namespace wexa::forms
