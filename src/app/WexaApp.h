#pragma once

#include <QApplication>
#include <QStringList>

namespace wexa::ui {
class Prompts;
}

namespace wexa::app {

class CMainFrame;

// The application object: the settings store's names, then the start-up in
// order (settings, the main window with the form and its project, the
// disclaimer before the window is shown, an optional project file from the
// command line).
class CWexaApp final : public QApplication {
    Q_OBJECT
public:
    CWexaApp(int& argc, char** argv);

    // Starts the program and runs it to the end; the exit status.
    int Run();
};

// The last steps of start-up, once the main window and its project exist:
// the disclaimer, before the window is shown; the project file named first
// among `arguments`, if any (a file that cannot be read is reported and the
// window starts untitled); then the window.
void ShowMainWindow(CMainFrame& frame, ui::Prompts& prompts, const QStringList& arguments);

} // namespace wexa::app
