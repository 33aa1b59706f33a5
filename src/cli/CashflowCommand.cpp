#include "cli/CashflowOutput.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "cli/OutputPaths.h"
#include "cli/ProjectRun.h"
#include "decision/ExpenditureStream.h"
#include "model/OutputFiles.h"
#include "model/PathText.h"
#include "results/StreamPage.h"

#include <memory>
#include <string>
#include <vector>

namespace wexa::cli {

int CashflowCommand(const CashflowOptions& options, Output output, RunFeedback* feedback) {
    std::vector<std::string> outputs;
    if (options.csvPath) {
        outputs.push_back(*options.csvPath);
    }
    if (const auto refused = CheckOutputPaths(output, {options.projectPath}, outputs)) {
        return *refused;
    }
    const auto project = ReadProjectToRun(options.projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    auto stream = std::make_unique<ExpenditureStream>();
    if (const auto refusal = ComputeExpenditureStream(*project, options.seed, feedback, *stream)) {
        return ReportRunRefusal(output, *refusal);
    }
    // A Ctrl+C after the run still stops the command whole.
    if (feedback != nullptr && feedback->Cancelled()) {
        return ReportCancelled(output);
    }
    if (options.csvPath) {
        OutputFiles files;
        if (const FileResult staged =
                files.Add(PathFromText(*options.csvPath), forms::StreamCsv(*stream));
            !staged) {
            return ReportNotWritten(output, staged);
        }
        if (const FileResult written = files.Commit(); !written) {
            return ReportNotWritten(output, written, files.Finished());
        }
    }
    if (options.json) {
        output.out << CashflowToJson(*stream).dump(2) << '\n';
    } else {
        WriteCashflowText(output.out, options.projectPath, *stream);
    }
    return kExitSuccess;
}

} // namespace wexa::cli
