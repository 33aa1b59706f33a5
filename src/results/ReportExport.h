#pragma once

#include "forms/FormEffects.h"
#include "model/Project.h"
#include "simulation/ResultStatistics.h"

#include <ctime>
#include <string>

namespace wexa::forms {

// The export step after the export dialog closed with "Export": the name
// becomes the project's ExportFileName (the next dialog starts with it, also
// after a failed write), the report is written whole or not at all
// (WriteReport), and the outcome is shown. Success, and only a completed
// write, shows "Data has been exported to designated file" (information
// icon); a failure shows the reason, naming the file, with an exclamation
// icon. A name that is the open project's own file (projectFile, empty for
// an untitled project) is refused before anything is written: the report
// would replace the project. True when the report was written.
bool ExportReportFile(Project& project, const std::string& fileName, const std::string& projectFile,
                      const IterationStatusTable& statuses, std::time_t analysisTime,
                      FormEffects& effects);

} // namespace wexa::forms
