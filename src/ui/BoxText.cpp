#include "ui/BoxText.h"

#include <QLineEdit>

namespace wexa::ui {

void ShowBoxText(QLineEdit& box, const QString& text) {
    if (box.text() == text) {
        return;
    }
    const bool allSelected = box.hasSelectedText() && box.selectedText() == box.text();
    box.setText(text);
    if (allSelected) {
        box.selectAll();
    } else {
        box.setCursorPosition(0);
    }
}

} // namespace wexa::ui
