#pragma once

#include "forms/DialogBoxes.h"
#include "forms/FormEffects.h"

#include <string_view>

namespace wexa::forms {

// The check of the dialogs' quantity and unit-price boxes: zero passes, a
// negative value is refused with the box's own message and caption.

// What a refused value becomes.
inline constexpr double kNegativeValueSubstitute = 1.0;

// A negative `value` shows the refusal, gives the focus back to `control`
// and becomes 1.0. True when it was replaced.
bool ReplaceNegative(double& value, const MessageText& refusal, std::string_view control,
                     FormEffects& effects);

} // namespace wexa::forms
