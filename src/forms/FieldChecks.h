#pragma once

#include "forms/FormEffects.h"
#include "forms/FormField.h"
#include "model/Project.h"

namespace wexa::forms {

// The checks of the main form's boxes, run when a box loses the keyboard
// focus, and what each box does after its check: store a per-activity value
// in the current slot, recompute the capacities, raise the maximum AADT,
// round the project length, move to the first alternative or activity.
//
// A refused value shows its message (exclamation icon, a caption naming the
// field), the focus goes back to the box, the value becomes the box's fixed
// substitute, and the rest of the handler goes on with the substitute.

// False for the boxes that have no handler: leaving them does nothing, their
// values reach the project whenever any handler reads the form.
[[nodiscard]] bool HasLeaveHandler(FormField box);

// Checks the box's value in the project (as just read from the form) and does
// what follows the check. Nothing for a box without a handler.
void CheckLeftBox(Project& project, FormEffects& effects, FormField box);

} // namespace wexa::forms
