#pragma once

#include "forms/FormExchange.h"

#include <string>

namespace wexa::forms {

// A form whose controls are plain memory, which the form-logic tests drive:
// typing into a box is setting its text.
class MemoryFormView final : public FormFieldView {
public:
    void Collect(FormState& state) override { state = Shown; }
    void Display(const FormState& state) override { Shown = state; }

    void Type(FormField field, std::string text) { Shown.SetText(field, std::move(text)); }
    void Select(FormField field, int position) { Shown.SetPosition(field, position); }
    [[nodiscard]] const std::string& Text(FormField field) const { return Shown.Text(field); }
    [[nodiscard]] int Position(FormField field) const { return Shown.Position(field); }

    FormState Shown;
};

} // namespace wexa::forms
