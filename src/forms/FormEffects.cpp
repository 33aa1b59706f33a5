#include "forms/FormEffects.h"

namespace wexa::forms {

void ShowCheckFailure(FormEffects& effects, const CheckFailure& failure) {
    effects.ShowMessage(failure.Message, failure.Caption, MessageIcon::Exclamation);
    if (!failure.FocusField.empty()) {
        effects.MoveFocus(failure.FocusField);
    }
}

void ShowRunRefusal(FormEffects& effects, const RunRefusal& refusal) {
    for (const CheckFailure& failure : refusal.Messages) {
        effects.ShowMessage(failure.Message, failure.Caption, MessageIcon::Exclamation);
    }
    if (!refusal.Messages.empty() && !refusal.Messages.back().FocusField.empty()) {
        effects.MoveFocus(refusal.Messages.back().FocusField);
    }
}

} // namespace wexa::forms
