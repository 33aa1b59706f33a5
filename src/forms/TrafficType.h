#pragma once

#include "forms/FormEffects.h"
#include "model/Project.h"

namespace wexa::forms {

// A selection in the "Traffic Type:" list. Rural and Urban show a notice and
// replace the hourly traffic distribution with the built-in table of that
// type; Specific shows a notice and returns true: the distribution dialog is
// to open so that the user enters the table. No selection does nothing.
[[nodiscard]] bool ApplyTrafficType(Project& project, FormEffects& effects);

} // namespace wexa::forms
