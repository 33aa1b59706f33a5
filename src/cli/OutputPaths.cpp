#include "cli/OutputPaths.h"

#include "cli/CliOutput.h"
#include "model/OutputTarget.h"
#include "model/PathText.h"
#include "model/TextEncoding.h"

namespace wexa::cli {

std::optional<int> CheckOutputPaths(Output output, const std::vector<std::string>& inputs,
                                    const std::vector<std::string>& outputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string& path = outputs[i];
        if (path.empty()) {
            return ReportFileError(output, "an output file name is empty; nothing was written.");
        }
        for (const std::string& input : inputs) {
            if (SameFile(PathFromText(path), PathFromText(input))) {
                // The message is built once, on the way out of the loop.
                // NOLINTNEXTLINE(performance-inefficient-string-concatenation)
                return ReportFileError(output, PrintableText(path) + " is the file being read (" +
                                                   PrintableText(input) +
                                                   "); an output may not replace its input. "
                                                   "Nothing was written.");
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (SameFile(PathFromText(path), PathFromText(outputs[j]))) {
                return ReportFileError(output, PrintableText(path) + " is named for two outputs (" +
                                                   PrintableText(outputs[j]) +
                                                   "). Nothing was written.");
            }
        }
        OutputTarget target;
        if (const FileResult usable = ResolveOutput(PathFromText(path), target); !usable) {
            return ReportNotWritten(output, usable);
        }
    }
    return std::nullopt;
}

} // namespace wexa::cli
