#include "cli/CliProject.h"

#include "cli/CliOutput.h"
#include "model/PathText.h"
#include "model/ProjectFile.h"

namespace wexa::cli {

std::unique_ptr<Project> ReadProjectOrReport(const std::string& path, Output output) {
    auto project = std::make_unique<Project>();
    const FileResult read = ReadProjectFile(PathFromText(path), *project);
    if (!read) {
        ReportFileError(output, path, read.Message);
        return nullptr;
    }
    return project;
}

} // namespace wexa::cli
