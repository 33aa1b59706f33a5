#include "app/StartOptions.h"
#include "app/WexaApp.h"
#include "model/FileOps.h"

#include <iostream>

int main(int argc, char** argv) {
    if (const auto text = wexa::app::StartOptionText(argc, argv)) {
        std::cout << *text << std::flush;
        return std::cout ? 0 : 1;
    }
    // A report or picture may be written to a FIFO whose reader goes away,
    // or past a file-size limit; the write must then fail with a message,
    // not end the program and take unsaved work with it.
    wexa::TreatFailedWritesAsErrors();
    wexa::app::CWexaApp app(argc, argv);
    return app.Run();
}
