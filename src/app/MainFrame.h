#pragma once

#include "app/FrameActions.h"
#include "app/RecentFiles.h"

#include <QMainWindow>

class QMenu;
class QSettings;

namespace wexa::ui {
class CWexaView;
class Prompts;
} // namespace wexa::ui

namespace wexa::app {

class CWexaDoc;

// The main window: the menus, the toolbar and the status bar around the main
// form, and the commands that act on the document.
//
//     CMainFrame --- owns ---> CWexaView (the form, owns the Project)
//         |      --- owns ---> CWexaDoc (file name, modified mark)
//         |      --- owns ---> RecentFiles (in the settings store)
//         +--- uses ---> Prompts (every modal box), QSettings
class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(ui::Prompts& prompts, QSettings& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    [[nodiscard]] ui::CWexaView& View() { return *view_; }
    [[nodiscard]] CWexaDoc& Document() { return *doc_; }
    [[nodiscard]] const RecentFiles& Recent() const { return recent_; }
    [[nodiscard]] const FrameActions& Actions() const { return actions_; }

protected:
    // Closing with unsaved changes asks first; Cancel keeps the window.
    void closeEvent(QCloseEvent* event) override;

private:
    // View > Run Options: the seed of the next runs, kept with the file.
    void ChooseRunSeed();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCommands();
    // The commands that read or replace the project, off while a run works.
    void SetProjectCommandsEnabled(bool enabled);
    void UpdateTitle();
    void UpdateRecentMenu();
    // Opens entry `index` of the recent-file list. A file that is no longer
    // there is offered for removal from the list instead.
    void OpenRecent(int index);
    void FitToScreen();
    // Print and Print Preview read the form first, so the page shows what it shows.
    void PrintPage();
    void PreviewPage();

    ui::Prompts& prompts_;
    QSettings& settings_;
    ui::CWexaView* view_;
    CWexaDoc* doc_;
    RecentFiles recent_;
    FrameActions actions_;
    QToolBar* toolBar_ = nullptr;
};

} // namespace wexa::app
