#include "app/WexaApp.h"
#include "model/FileOps.h"

int main(int argc, char** argv) {
    // A report or picture may be written to a FIFO whose reader goes away,
    // or past a file-size limit; the write must then fail with a message,
    // not end the program and take unsaved work with it.
    wexa::TreatFailedWritesAsErrors();
    wexa::app::CWexaApp app(argc, argv);
    return app.Run();
}
