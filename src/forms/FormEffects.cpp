#include "forms/FormEffects.h"

namespace wexa::forms {

void ShowCheckFailure(FormEffects& effects, const CheckFailure& failure) {
    effects.ShowMessage(failure.Message, failure.Caption, MessageIcon::Exclamation);
    if (!failure.FocusField.empty()) {
        effects.MoveFocus(failure.FocusField);
    }
}

} // namespace wexa::forms
