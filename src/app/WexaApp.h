#pragma once

#include <QApplication>

namespace wexa::app {

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

    // The print preview's page count from the settings store, for printing.
    [[nodiscard]] int PreviewPages() const { return previewPages_; }

private:
    int previewPages_ = 0;
};

} // namespace wexa::app
