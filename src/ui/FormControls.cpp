#include "ui/FormControls.h"

#include "ui/BoxText.h"
#include "ui/ControlNotes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace wexa::ui {

namespace {

using forms::FieldKind;
using forms::FormField;

QString TextOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    return {};
}

void SetTextOf(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        ShowBoxText(*edit, text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

void CheckRadio(QButtonGroup& group, int id) {
    if (QAbstractButton* button = group.button(id)) {
        button->setChecked(true);
        return;
    }
    // A position no button has: none is checked, as the file asked.
    group.setExclusive(false);
    for (QAbstractButton* each : group.buttons()) {
        each->setChecked(false);
    }
    group.setExclusive(true);
}

} // namespace

void FormControls::BindField(FormField field, QWidget* control) {
    control->setObjectName(QString::fromUtf8(forms::NameOf(field)));
    control->setWhatsThis(ControlNote(field));
    fields_[static_cast<int>(field)] = control;
}

void FormControls::BindRadios(FormField field, QWidget* box, QButtonGroup* buttons) {
    BindField(field, box);
    radios_[field] = buttons;
}

void FormControls::BindNamed(std::string_view name, QWidget* control) {
    control->setObjectName(QString::fromUtf8(name));
    named_.insert_or_assign(std::string(name), control);
}

QWidget* FormControls::Find(std::string_view name) const {
    if (const auto field = forms::FindFormField(name)) {
        return Field(*field);
    }
    const auto it = named_.find(name);
    return it == named_.end() ? nullptr : it->second;
}

void FormControls::Collect(forms::FormState& state) const {
    for (const forms::FormFieldInfo& info : forms::FormFields()) {
        QWidget* control = Field(info.Field);
        switch (info.Kind) {
        case FieldKind::Integer:
        case FieldKind::Real:
        case FieldKind::Text:
            state.SetText(info.Field, FromQt(TextOf(control)));
            break;
        case FieldKind::ListPosition:
            state.SetPosition(info.Field, qobject_cast<QComboBox*>(control)->currentIndex());
            break;
        case FieldKind::RadioIndex:
            state.SetPosition(info.Field, radios_.at(info.Field)->checkedId());
            break;
        }
    }
}

void FormControls::Display(const forms::FormState& state) const {
    for (const forms::FormFieldInfo& info : forms::FormFields()) {
        QWidget* control = Field(info.Field);
        switch (info.Kind) {
        case FieldKind::Integer:
        case FieldKind::Real:
        case FieldKind::Text:
            SetTextOf(control, ToQt(state.Text(info.Field)));
            break;
        case FieldKind::ListPosition: {
            auto* list = qobject_cast<QComboBox*>(control);
            const int position = state.Position(info.Field);
            // A position outside the list selects no entry.
            list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
            break;
        }
        case FieldKind::RadioIndex:
            CheckRadio(*radios_.at(info.Field), state.Position(info.Field));
            break;
        }
    }
}

} // namespace wexa::ui
