#include "cli/CliOutput.h"

namespace wexa::cli {

int ReportRefusal(Output output, std::string_view caption, std::string_view message) {
    output.err << caption << ": " << message << '\n';
    return kExitRefused;
}

int ReportFileError(Output output, std::string_view message) {
    output.err << "wexa-cli: " << message << '\n';
    return kExitFileError;
}

} // namespace wexa::cli
