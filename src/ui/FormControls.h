#pragma once

#include "forms/FormExchange.h"
#include "forms/FormField.h"

#include <QString>

#include <array>
#include <map>
#include <string>
#include <string_view>

class QButtonGroup;
class QWidget;

namespace wexa::ui {

// The main form's controls by name, and the exchange of their contents with
// the form logic's FormState.
//
// Every field of forms::FormFields() has one control: a line edit (boxes,
// read-only or not), a label (the distribution captions), a drop-down list,
// or for the radio pair the group box that holds the two buttons. Buttons
// and other controls that show no field are registered under the names of
// forms::MainFormControl. Each control's objectName is its name, so tests
// and the effects find the same widget.
class FormControls {
public:
    void BindField(forms::FormField field, QWidget* control);
    // The radio pair of `field`: the group box that holds it, and the group
    // whose button ids are the positions.
    void BindRadios(forms::FormField field, QWidget* box, QButtonGroup* buttons);
    void BindNamed(std::string_view name, QWidget* control);

    // The control of a field or of a named control; null for an unknown name.
    [[nodiscard]] QWidget* Find(std::string_view name) const;
    [[nodiscard]] QWidget* Field(forms::FormField field) const {
        return fields_[static_cast<int>(field)];
    }

    // Texts as shown (UTF-8), list positions, the checked radio's id.
    void Collect(forms::FormState& state) const;
    void Display(const forms::FormState& state) const;

private:
    std::array<QWidget*, forms::kFormFieldCount> fields_{};
    std::map<forms::FormField, QButtonGroup*> radios_;
    std::map<std::string, QWidget*, std::less<>> named_;
};

} // namespace wexa::ui
