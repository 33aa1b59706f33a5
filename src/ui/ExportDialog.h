#pragma once

#include "results/ExportDialog.h"
#include "ui/WidgetEffects.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace wexa::ui {

class Prompts;

// "Simulation Complete - Export Formatted Data to Designated File", shown
// after every completed run: the report's file name, typed or browsed for.
// forms::ExportDialog decides; "Export" closes the dialog only with a name.
class CExportDialog final : public QDialog {
    Q_OBJECT
public:
    CExportDialog(std::string lastFileName, Prompts& prompts, QWidget* parent = nullptr);

    // The confirmed name, after the dialog was accepted.
    [[nodiscard]] const std::string& FileName() const { return logic_.FileName(); }

private:
    void Browse();
    void Export();

    forms::ExportDialog logic_;
    WidgetEffects effects_;
    QLineEdit* name_;
};

} // namespace wexa::ui
