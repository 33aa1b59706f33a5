#include "app/WexaApp.h"

int main(int argc, char** argv) {
    wexa::app::CWexaApp app(argc, argv);
    return app.Run();
}
