#include "app/DocumentExport.h"
#include "app/StartOptions.h"
#include "app/WexaApp.h"
#include "model/FileOps.h"

#include <QStringList>

#include <cstring>
#include <iostream>

namespace {

// Whether the command line asks for a document rather than the window; read
// before Qt starts, since without a display it must start offscreen.
bool ExportsDocument(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--export-document") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto text = wexa::app::StartOptionText(argc, argv)) {
        std::cout << *text << std::flush;
        return std::cout ? 0 : 1;
    }
    // A report or picture may be written to a FIFO whose reader goes away,
    // or past a file-size limit; the write must then fail with a message,
    // not end the program and take unsaved work with it.
    wexa::TreatFailedWritesAsErrors();
    const bool exporting = ExportsDocument(argc, argv);
    if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    wexa::app::CWexaApp app(argc, argv);
    if (exporting) {
        return wexa::app::ExportDocument(QApplication::arguments().mid(1));
    }
    return app.Run();
}
