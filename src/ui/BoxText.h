#pragma once

#include <QString>

#include <string>

class QLineEdit;

namespace wexa::ui {

// Texts between the form logic (UTF-8) and the widgets.
[[nodiscard]] inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
[[nodiscard]] inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

// Shows `text` in a box the form logic writes. A box whose whole text was
// selected (the focus went back to it after a refusal) keeps it selected for
// the correction; any other shows the text's beginning.
void ShowBoxText(QLineEdit& box, const QString& text);

} // namespace wexa::ui
