#pragma once

#include <array>

class QAction;
class QWidget;

namespace wexa::app {

// The commands of the main window's menus, toolbar and keys, with their
// texts, keys, status-bar prompts, tooltips and icons. Each action's
// objectName is "action" and the command's name ("actionOpen"), so tests
// can trigger them.
struct FrameActions {
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Print = nullptr;
    QAction* PrintPreview = nullptr;
    QAction* ExportDocument = nullptr;
    std::array<QAction*, 4> RecentFiles{};
    QAction* Exit = nullptr;
    QAction* ToggleToolBar = nullptr;
    QAction* ToggleStatusBar = nullptr;
    QAction* ViewDisclaimer = nullptr;
    QAction* Sensitivity = nullptr;
    QAction* RunOptions = nullptr;
    QAction* HelpTopics = nullptr;
    QAction* About = nullptr;
    QAction* Execute = nullptr;
};

// Makes the actions as children of `frame` (whose style gives the icons the
// desktop theme lacks).
[[nodiscard]] FrameActions CreateFrameActions(QWidget& frame);

} // namespace wexa::app
