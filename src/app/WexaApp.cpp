#include "app/WexaApp.h"

#include "app/InfoDialogs.h"
#include "app/MainFrame.h"
#include "app/WexaDoc.h"
#include "ui/MessageBoxPrompts.h"

#include <QIcon>
#include <QSettings>

namespace wexa::app {

CWexaApp::CWexaApp(int& argc, char** argv) : QApplication(argc, argv) {
    // QSettings files live under these names.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("Wexa"));
    setApplicationVersion(QStringLiteral(WEXA_VERSION));
    // Installed with the program into the desktop's icon theme.
    setWindowIcon(QIcon::fromTheme(QStringLiteral("wexa")));
    setDesktopFileName(QStringLiteral("wexa"));
}

int CWexaApp::Run() {
    // The recent files and the print preview's page view live here; the
    // frame reads the list, the preview its setting when it opens.
    QSettings settings;

    ui::MessageBoxPrompts prompts;
    CMainFrame frame(prompts, settings);
    prompts.SetParent(&frame);
    ShowMainWindow(frame, prompts, QApplication::arguments().mid(1));
    return exec();
}

void ShowMainWindow(CMainFrame& frame, ui::Prompts& prompts, const QStringList& arguments) {
    {
        CDisclaimerDlg disclaimer;
        prompts.RunDialog(disclaimer);
    }
    if (!arguments.isEmpty()) {
        frame.Document().OpenFile(arguments.first());
    }
    frame.show();
}

} // namespace wexa::app
