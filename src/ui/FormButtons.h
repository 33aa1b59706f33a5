#pragma once

#include <string_view>

namespace wexa::ui {

// Names of the main form's buttons and controls that neither show a field
// nor are named by the form logic (forms::MainFormControl names those).
namespace FormButton {
inline constexpr std::string_view NextAlternative = "NextAlternativeButton";
inline constexpr std::string_view NextWorkActivity = "NextWorkActivityButton";
inline constexpr std::string_view CopyWorkActivity = "CopyWorkActivityButton";
inline constexpr std::string_view BidItemCosts = "BidItemCostsButton";
inline constexpr std::string_view RunSimulation = "RunSimulationButton";
inline constexpr std::string_view RunProgress = "RunProgressBar";
inline constexpr std::string_view CancelRun = "CancelRunButton";
inline constexpr std::string_view Export = "ExportButton";
inline constexpr std::string_view GraphIt = "GraphItButton";
inline constexpr std::string_view CreateGraph = "CreateGraphButton";
} // namespace FormButton

} // namespace wexa::ui
