#pragma once

#include "results/SensitivityForm.h"
#include "ui/WidgetEffects.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace wexa {
struct Project;
}

namespace wexa::ui {

class BackgroundRun;
class ChartPanel;
class Prompts;

// "Sensitivity": how the ranking of the alternatives depends on the discount
// rate, and which input moves it most, for the project as the main window
// holds it. Not modal, so the user can change the project and run again;
// forms::SensitivityForm decides, the window lays out the controls and works
// the run off its thread with a progress bar and Cancel.
//
//     main window's project --(copy on Run)--> SensitivityJob on a thread
//     job ended --> form --> the two charts, the break-even list
class CSensitivityWindow final : public QDialog {
    Q_OBJECT
public:
    // The project as the main window shows it, read when Run is pressed.
    using ProjectSource = std::function<const Project&()>;

    // `projectControls` finds the main window's control that a refused
    // run's message names.
    CSensitivityWindow(Prompts& prompts, ProjectSource project,
                       WidgetEffects::Finder projectControls, QWidget* parent = nullptr);
    ~CSensitivityWindow() override;

    // Shows the window, or raises it when it is open; a window that opens
    // runs at once. Over a modal window (the graphing window) it is modal
    // itself, since it could not be used otherwise.
    void Open();
    // Run: the entries checked, then the run on a copy of the project.
    void Run();
    // Cancel and Esc while a run works.
    void Cancel();
    // Another project was opened in the main window: what the window shows
    // is of the one before, and goes.
    void ProjectReplaced();

    [[nodiscard]] bool Running() const { return background_ != nullptr; }
    [[nodiscard]] const forms::SensitivityForm& Form() const { return form_; }
    [[nodiscard]] ChartPanel& RateChart() { return *rateChart_; }
    [[nodiscard]] ChartPanel& TornadoChart() { return *tornadoChart_; }
    [[nodiscard]] QTabWidget& Views() { return *views_; }
    [[nodiscard]] QString BreakEvenText() const;

signals:
    // A run has ended, whether it finished, was refused or was cancelled.
    void RunEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* EntriesRow();
    QWidget* RatePage();
    QWidget* OutputRow();
    void EndRun();
    void Redraw();
    // The pair's lists offer the alternatives of a project of this many,
    // keeping the choices that are still there and the defaults for the
    // others.
    void OfferAlternatives(int alternatives);
    [[nodiscard]] forms::SensitivityEntries Entries() const;
    [[nodiscard]] ChartPanel& ShownChart() const;
    void SaveData();

    Prompts& prompts_;
    ProjectSource project_;
    WidgetEffects effects_;
    forms::SensitivityForm form_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* step_;
    QLineEdit* swing_;
    QComboBox* pairFirst_;
    QComboBox* pairSecond_;
    QComboBox* kind_;
    QPushButton* run_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QTabWidget* views_;
    ChartPanel* rateChart_;
    ChartPanel* tornadoChart_;
    QLabel* breakEvens_;
    // While a run works; the thread goes before the job it works on.
    std::unique_ptr<forms::SensitivityJob> job_;
    std::unique_ptr<BackgroundRun> background_;
};

} // namespace wexa::ui
