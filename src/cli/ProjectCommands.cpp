#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "cli/Commands.h"
#include "cli/JsonInput.h"
#include "cli/OutputPaths.h"
#include "cli/ProjectJson.h"
#include "cli/ProjectText.h"
#include "model/FileIo.h"
#include "model/PathText.h"
#include "model/ProjectFile.h"

#include <memory>
#include <string>
#include <vector>

namespace wexa::cli {

int NewCommand(const std::string& projectPath, Output output) {
    if (const auto refused = CheckOutputPaths(output, {}, {projectPath})) {
        return *refused;
    }
    const auto project = std::make_unique<Project>();
    const FileResult written = WriteProjectFile(PathFromText(projectPath), *project);
    if (!written) {
        return ReportNotWritten(output, written);
    }
    return kExitSuccess;
}

int ShowCommand(const std::string& projectPath, bool json, Output output) {
    const auto project = ReadProjectOrReport(projectPath, output);
    if (!project) {
        return kExitFileError;
    }
    if (json) {
        output.out << ProjectToJson(*project).dump(2) << '\n';
    } else {
        WriteProjectText(output.out, *project);
    }
    return kExitSuccess;
}

int ImportCommand(const std::string& jsonPath, const std::string& projectPath, Output output) {
    if (const auto refused = CheckOutputPaths(output, {jsonPath}, {projectPath})) {
        return *refused;
    }
    std::vector<unsigned char> bytes;
    const FileResult read = ReadWholeFile(PathFromText(jsonPath), kMaxProjectJsonBytes, bytes);
    if (!read) {
        return ReportFileError(output, JsonReadErrorMessage(jsonPath, read));
    }
    std::string error;
    const auto project = ProjectFromJsonBytes(bytes, jsonPath, error);
    if (!project) {
        return ReportFileError(output, error);
    }
    const FileResult written = WriteProjectFile(PathFromText(projectPath), *project);
    if (!written) {
        return ReportNotWritten(output, written);
    }
    return kExitSuccess;
}

} // namespace wexa::cli
