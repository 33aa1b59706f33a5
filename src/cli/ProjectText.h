#pragma once

#include "model/Project.h"

#include <ostream>

namespace wexa::cli {

// The project's inputs as readable text: the general, traffic and cost-rate
// inputs, then every declared alternative with its declared activities.
// Slots beyond the declared counts are saved too but not listed here; the
// JSON form shows every field. Control characters in stored text are shown
// as \xNN escapes, so that each line stays one line on a terminal.
void WriteProjectText(std::ostream& out, const Project& project);

} // namespace wexa::cli
