#pragma once

#include <QString>

class QLineEdit;

namespace wexa::ui {

// How the boxes of the form and the dialogs look, in one place.

// A box the user only reads: it has the window's background rather than an
// input's, so it reads as a figure, and the Tab key passes it by. A click
// still gives it the focus, so its text can be selected and copied.
void MakeReadOnly(QLineEdit& box);

// A fixed width for `digits` digits.
void SetWidthInDigits(QLineEdit& box, int digits);

// A fixed width that shows `widest` whole, and no less than `digits` digits.
void SetWidthFor(QLineEdit& box, const QString& widest, int digits = 0);

} // namespace wexa::ui
