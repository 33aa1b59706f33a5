#pragma once

#include "forms/DistributionDisplay.h"
#include "forms/FormField.h"
#include "ui/FormControls.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string_view>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace wexa::ui {

// Makes the main form's controls, names them and registers them with
// FormControls, so a group's layout code only says where each one goes.
class FormBuilder {
public:
    explicit FormBuilder(FormControls& controls) : controls_(controls) {}

    [[nodiscard]] FormControls& Controls() { return controls_; }

    // A box `chars` digits wide (0: as suits the field's kind); read-only
    // when the user cannot edit the field.
    QLineEdit* Box(forms::FormField field, int chars = 0);
    // A box that takes the room it is given (descriptions).
    QLineEdit* WideBox(forms::FormField field);
    QComboBox* List(forms::FormField field, const QStringList& entries);
    QLabel* Caption(forms::FormField field);
    QPushButton* Button(const QString& text, std::string_view name);

    // "label [box] unit" on `row` of a grid, from `column` on.
    QLineEdit* BoxAt(QGridLayout& grid, int row, int column, const QString& label,
                     forms::FormField field, const QString& unit = {}, int chars = 0);
    // One "label [box] unit" line of BoxColumn.
    struct BoxLine {
        const char* Label;
        forms::FormField Field;
        const char* Unit = "";
        int Chars = 0;
    };
    // Lines of BoxAt one below the other, from `row` on.
    void BoxColumn(QGridLayout& grid, int row, int column, std::initializer_list<BoxLine> lines);

    // A distribution as the form shows it: "title", three captions over
    // three boxes, and the list of kinds headed `listLabel`, on two lines of
    // `grid` from `row`, starting at `column`.
    void Distribution(QGridLayout& grid, int row, int column, const QString& title,
                      forms::Distribution distribution, const QString& listLabel);

private:
    FormControls& controls_;
};

// A group box with a grid inside it.
QGroupBox* GridGroup(const QString& title, QGridLayout*& grid);
// A line of controls side by side, evenly spaced.
QHBoxLayout* Row();
// Fixed text of the form.
QLabel* Text(const QString& text);

} // namespace wexa::ui
