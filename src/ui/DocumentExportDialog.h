#pragma once

#include "results/ComparisonRun.h"
#include "ui/WidgetEffects.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace wexa::forms {
class DocumentJob;
}

namespace wexa::ui {

class BackgroundRun;
class Prompts;

// File > Export Analysis Document...: the document's options (the risk
// percentile of the comparison's choice, the discount rates of the
// sensitivity study), then the file to write, then the study worked off the
// window's thread with a progress bar and Cancel. The document is written
// whole or not at all, never over the project's own file.
class CDocumentExportDialog final : public QDialog {
    Q_OBJECT
public:
    // `run` is the finished run whose results the project shows; it must
    // outlive the dialog. `projectFile` is the open project's file (empty
    // when untitled).
    CDocumentExportDialog(const forms::KeptRun& run, QString projectFile, Prompts& prompts,
                          QWidget* parent = nullptr);
    ~CDocumentExportDialog() override;

    [[nodiscard]] QSpinBox& RiskPercentile() { return *percentile_; }
    [[nodiscard]] QPushButton& ExportButton() { return *export_; }
    [[nodiscard]] QPushButton& CancelButton() { return *cancel_; }

private:
    void Export();
    void Finish();

    const forms::KeptRun& run_;
    QString projectFile_;
    Prompts& prompts_;
    WidgetEffects effects_;
    QSpinBox* percentile_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* step_;
    QProgressBar* progress_;
    QPushButton* export_;
    QPushButton* cancel_;
    std::string target_;
    std::unique_ptr<forms::DocumentJob> job_;
    std::unique_ptr<BackgroundRun> background_;
};

} // namespace wexa::ui
