#pragma once

#include "forms/FormEffects.h"
#include "forms/FormField.h"
#include "model/Project.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace wexa::forms {

// What the main form's controls hold, one entry per FormField: a text for
// Integer, Real and Text fields, a position for list and radio fields.
class FormState {
public:
    [[nodiscard]] const std::string& Text(FormField field) const {
        return texts_[static_cast<int>(field)];
    }
    void SetText(FormField field, std::string text) {
        texts_[static_cast<int>(field)] = std::move(text);
    }
    [[nodiscard]] int Position(FormField field) const {
        return positions_[static_cast<int>(field)];
    }
    void SetPosition(FormField field, int position) {
        positions_[static_cast<int>(field)] = position;
    }

private:
    std::array<std::string, kFormFieldCount> texts_{};
    std::array<int, kFormFieldCount> positions_{};
};

// Whether the control of `field` holds the same in both states.
[[nodiscard]] inline bool SameValue(const FormState& a, const FormState& b, FormField field) {
    return a.Text(field) == b.Text(field) && a.Position(field) == b.Position(field);
}

// The window's side of the exchange. It only moves values: Collect copies
// what every control shows into the state (texts as typed, list positions,
// the checked radio button), Display puts every value of the state into its
// control. Neither looks at what the values mean.
class FormFieldView {
public:
    virtual ~FormFieldView() = default;
    virtual void Collect(FormState& state) = 0;
    virtual void Display(const FormState& state) = 0;
};

// The title of the message boxes the exchange shows: they belong to no
// field, so they carry the program's name.
inline constexpr std::string_view kExchangeMessageCaption = "Wexa";
inline constexpr std::string_view kNotAnInteger = "Please enter an integer.";
inline constexpr std::string_view kNotANumber = "Please enter a number.";

// Project -> form: integers in decimal, reals with 15 significant digits,
// texts as they are, positions as they are (a list shows no entry for a
// position outside it).
void WriteFormFields(const Project& project, FormState& state);

// Form -> project, field by field in exchange order. The first text of a
// field the user can edit that does not parse stops the read: the fields
// before it have been read, it and the fields after it keep their values, and
// that field is returned. A read-only or hidden field can only hold what the
// form wrote, so a text of its that does not parse (the empty text of a value
// that is not finite) leaves its value alone and the read goes on: a value
// the user cannot retype must not block every field after it.
[[nodiscard]] std::optional<FormField> ReadFormFields(const FormState& state, Project& project);

// ReadFormFields, and when it stops the refusal the user sees: "Please enter
// an integer." or "Please enter a number." with an exclamation icon, and the
// focus on the box. True when every field was read.
bool ReadForm(const FormState& state, Project& project, FormEffects& effects);

} // namespace wexa::forms
