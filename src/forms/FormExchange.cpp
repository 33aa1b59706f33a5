#include "forms/FormExchange.h"

#include "forms/FormText.h"

#include <type_traits>

namespace wexa::forms {

void WriteFormFields(const Project& project, FormState& state) {
    for (const FormFieldInfo& info : FormFields()) {
        const ConstFieldTarget target = TargetOf(project, info.Field);
        switch (info.Kind) {
        case FieldKind::Integer:
            state.SetText(info.Field, FormatInteger(*std::get<const Int32*>(target)));
            break;
        case FieldKind::Real:
            state.SetText(info.Field, FormatReal(*std::get<const double*>(target)));
            break;
        case FieldKind::Text:
            state.SetText(info.Field, *std::get<const std::string*>(target));
            break;
        case FieldKind::ListPosition:
        case FieldKind::RadioIndex:
            state.SetPosition(info.Field, *std::get<const Int32*>(target));
            break;
        }
    }
}

namespace {

// Reads one field; false when its text does not parse.
bool ReadField(const FormFieldInfo& info, const FormState& state, Project& project) {
    const FieldTarget target = TargetOf(project, info.Field);
    switch (info.Kind) {
    case FieldKind::Integer:
        if (const auto value = ParseInteger(state.Text(info.Field))) {
            *std::get<Int32*>(target) = *value;
            return true;
        }
        return false;
    case FieldKind::Real:
        if (const auto value = ParseReal(state.Text(info.Field))) {
            *std::get<double*>(target) = *value;
            return true;
        }
        return false;
    case FieldKind::Text:
        *std::get<std::string*>(target) = state.Text(info.Field);
        return true;
    case FieldKind::ListPosition:
    case FieldKind::RadioIndex:
        *std::get<Int32*>(target) = state.Position(info.Field);
        return true;
    }
    return true;
}

} // namespace

std::optional<FormField> ReadFormFields(const FormState& state, Project& project) {
    for (const FormFieldInfo& info : FormFields()) {
        if (!ReadField(info, state, project) && info.UserEditable) {
            return info.Field;
        }
    }
    return std::nullopt;
}

bool ReadForm(const FormState& state, Project& project, FormEffects& effects) {
    const auto refused = ReadFormFields(state, project);
    if (!refused) {
        return true;
    }
    const FormFieldInfo& info = InfoOf(*refused);
    effects.ShowMessage(info.Kind == FieldKind::Integer ? kNotAnInteger : kNotANumber,
                        kExchangeMessageCaption, MessageIcon::Exclamation);
    effects.MoveFocus(info.Name);
    return false;
}

} // namespace wexa::forms
