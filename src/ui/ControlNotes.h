#pragma once

#include "forms/FormField.h"

#include <QString>

namespace wexa::ui {

// The pop-up note (Shift+F1, What's This) of a main-form control: what the
// value means and what it must be. Empty for the controls the form keeps
// hidden.
[[nodiscard]] QString ControlNote(forms::FormField field);

} // namespace wexa::ui
