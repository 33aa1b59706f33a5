#include "cli/CliOutput.h"

// new, show and import: being written.
namespace wexa::cli {
int NewCommand(const std::string&, Output output) { return ReportFileError(output, "new: not built yet"); }
int ShowCommand(const std::string&, bool, Output output) { return ReportFileError(output, "show: not built yet"); }
int ImportCommand(const std::string&, const std::string&, Output output) { return ReportFileError(output, "import: not built yet"); }
} // namespace wexa::cli
