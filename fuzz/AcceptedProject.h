#pragma once

#include "model/Project.h"

namespace wexa::fuzz {

// Uses a project a reader accepted as a user would: every work zone the
// analysis prices evaluated as the work-zone dialog evaluates it (the first
// one also searched for its cheapest start hour), then a deterministic run.
// Aborts when either calls a figure a result that is not one (not finite, or
// beyond the 64-bit range it is stored in), or when a refused run changes the
// results the project held.
void ExerciseAcceptedProject(const Project& project);

} // namespace wexa::fuzz
