#pragma once

#include <QDialog>

class QTextBrowser;

namespace wexa::ui {

// The user guide in a window of its own, opened at a section.
class CHelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    void ShowSection(const QString& section);

private:
    QTextBrowser* browser_;
};

} // namespace wexa::ui
