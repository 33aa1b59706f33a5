#pragma once

#include "forms/FormEffects.h"
#include "model/Project.h"

#include <string_view>

namespace wexa::forms {

// The two switches of the main form and what they show, hide and grey out:
// the include/exclude work-zone user cost lists (project and activity) and
// the probabilistic/deterministic pair. These work on the project as read
// from the form; the caller brackets them with the form exchange.

// Shows the current activity's work-zone inputs (length, speed limit,
// capacities, lanes, required time and its variability) and the "Work Zone
// Timing and Costs" and "Time Related Costs" buttons when the activity
// includes work-zone user costs; hides them otherwise. Labels stay.
void ApplyUserCostVisibility(const Project& project, FormEffects& effects);

// Greys out what the two modes make meaningless. A deterministic analysis
// (any AnalysisType but 0) draws nothing, so the discount rate, traffic
// growth and years-to-next kind lists and the two variability boxes are
// disabled. A project that excludes work-zone user costs has no use for the
// traffic inputs, the traffic growth, the traffic distribution and cost table
// buttons or the activity's own include/exclude list. The traffic growth list
// is enabled only when both allow it, whichever switch was used last, and the
// whole state follows the project after a file is opened too, so no control
// is left enabled or disabled from the project that was shown before.
void ApplyEnabling(const Project& project, FormEffects& effects);

// The activity's include/exclude list changed: the choice is stored in the
// current slot and the work-zone inputs are shown or hidden.
void SetActivityUserCostMode(Project& project, FormEffects& effects);

// The project's include/exclude list changed: the traffic inputs are enabled
// or disabled and all 40 activity slots, declared or not, take the project's
// choice, overriding each activity's own.
void SetProjectUserCostMode(Project& project, FormEffects& effects);

// A radio button of the "Type of Analysis" pair was clicked; `type` is 0
// (Probabilistic) or 1 (Deterministic). A switch resets every distribution
// and variability to the new mode's starting values, in every slot, so it
// happens only when the type really changes: clicking the button that is
// already checked leaves the schedule the user entered alone. `previousType`
// is the type before the click (read before the form is).
//
// What a switch clears cannot be brought back by switching again, so it is
// asked first (AnalysisTypeQuestion); No keeps the project as it was and the
// previous type checked.
void SetAnalysisType(Project& project, FormEffects& effects, Int32 previousType, Int32 type);

// The question before a switch to `type`: what it clears and sets, in
// words.
[[nodiscard]] std::string_view AnalysisTypeQuestion(Int32 type);

inline constexpr std::string_view kAnalysisTypeCaption = "Type of Analysis";

} // namespace wexa::forms
