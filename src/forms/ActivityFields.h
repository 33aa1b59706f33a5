#pragma once

#include "forms/FormField.h"
#include "model/Project.h"

#include <optional>

namespace wexa::forms {

// The form shows copies of the current activity's values; the slot arrays are
// the data. These operations keep the two in step. Each takes the slot from
// CurrentActivityIndex and does nothing when it names no slot (a project
// file can hold any number there), so nothing reads or writes outside the
// arrays.

// The current activity's slot, when CurrentActivityIndex names one.
[[nodiscard]] std::optional<int> CurrentSlot(const Project& project);

// The current alternative's index into the per-alternative arrays, when
// CurrentAlternative names one.
[[nodiscard]] std::optional<int> CurrentAlternativeIndex(const Project& project);

// Writes one copy into its array at the current slot.
void StoreActivityField(Project& project, FormField field);

// Loads every copy, the expected year included, from the current slot.
void LoadActivityFields(Project& project);

// Writes every copy, the expected year included, into the current slot.
void StoreActivityFields(Project& project);

// What "Copy Another Work Activity" takes from slot `from` into slot `to`:
// the values the form shows (description, work zone, required time and its
// variability, years to the next activity, agency cost variability), the
// work-zone timing, the ten bid items with their total and the three
// time-related items. The include/exclude choice, the expected year and the
// last work-zone user cost stay the target's own. Both slots must exist.
void CopyActivitySlot(Project& project, int from, int to);

} // namespace wexa::forms
