#include "app/WexaApp.h"

#include <csignal>

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A report or picture may be written to a FIFO whose reader goes away;
    // the write must then fail with a message, not end the program and take
    // unsaved work with it.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    wexa::app::CWexaApp app(argc, argv);
    return app.Run();
}
