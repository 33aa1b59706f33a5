#include "cli/CliOutput.h"

// workzone and optimize: being written.
namespace wexa::cli {
int WorkZoneCommand(const WorkZoneOptions&, Output output) { return ReportFileError(output, "workzone: not built yet"); }
int OptimizeCommand(const std::string&, const std::string&, Output output) { return ReportFileError(output, "optimize: not built yet"); }
} // namespace wexa::cli
