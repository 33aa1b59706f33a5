#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "cli/Commands.h"
#include "cli/RunOutput.h"
#include "model/AtomicFile.h"
#include "report/FormattedReport.h"
#include "simulation/AnalysisRun.h"

#include <ctime>
#include <memory>

namespace wexa::cli {

int RunCommand(const RunOptions& options, Output output) {
    const auto project = ReadProjectOrReport(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    const auto workspace = std::make_unique<AnalysisWorkspace>();
    if (const auto refusal = RunAnalysis(*project, *workspace, {options.seed, nullptr})) {
        for (const CheckFailure& message : refusal->Messages) {
            ReportRefusal(output, message.Caption, message.Message);
        }
        return kExitRefused;
    }
    if (!options.reportPath.empty()) {
        const FileResult written =
            WriteReport(options.reportPath, *project, workspace->Statuses, std::time(nullptr));
        if (!written) {
            return ReportFileError(output, options.reportPath, written.Message);
        }
    }
    if (!options.jsonPath.empty()) {
        const FileResult written =
            WriteFileAtomically(options.jsonPath, RunToJson(*project, *workspace).dump() + "\n");
        if (!written) {
            return ReportFileError(output, options.jsonPath, written.Message);
        }
    }
    WriteRunSummary(output.out, *project, *workspace);
    return kExitSuccess;
}

} // namespace wexa::cli
