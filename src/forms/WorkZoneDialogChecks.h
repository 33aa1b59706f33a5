#pragma once

#include "model/Project.h"
#include "simulation/CheckFailure.h"

#include <optional>

namespace wexa::forms {

// The checks the main form runs before it opens the work-zone timing dialog
// on the current activity, in order; the first that fails is returned (the
// dialog is then not opened). They read the form's fields and compare reals
// exactly as stored; equal values pass.
//   1 the single-unit and combination truck shares add up to the truck share;
//   2 the work zone is no longer than the project;
//   3 its speed limit is not above the posted one;
//   4 the dissipation capacity fits in the service flow rate per lane and is
//     not below the work-zone capacity;
//   5 it has no more lanes than the project.
[[nodiscard]] std::optional<CheckFailure> CheckBeforeWorkZoneDialog(const Project& project);

} // namespace wexa::forms
