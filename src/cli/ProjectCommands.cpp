#include "cli/CliOutput.h"
#include "cli/CliProject.h"
#include "cli/Commands.h"
#include "cli/OutputPaths.h"
#include "cli/ProjectJson.h"
#include "cli/ProjectText.h"
#include "model/FileIo.h"
#include "model/ProjectFile.h"

#include <memory>
#include <string>
#include <vector>

namespace wexa::cli {
namespace {

// JSON sources are small text; anything this large is not one.
constexpr std::uintmax_t kMaxJsonBytes = 256 * 1024 * 1024;

} // namespace

int NewCommand(const std::string& projectPath, Output output) {
    if (const auto refused = CheckOutputPaths(output, {}, {projectPath})) {
        return *refused;
    }
    const auto project = std::make_unique<Project>();
    const FileResult written = WriteProjectFile(projectPath, *project);
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
    const FileResult read = ReadWholeFile(jsonPath, kMaxJsonBytes, bytes);
    if (!read) {
        return ReportFileError(output, read.Message);
    }
    const nlohmann::json json = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr,
                                                      /*allow_exceptions=*/false);
    if (json.is_discarded()) {
        return ReportFileError(output, jsonPath + ": not valid JSON (or not UTF-8 text).");
    }
    auto project = std::make_unique<Project>();
    std::string error;
    if (!ProjectFromJson(json, *project, error)) {
        return ReportFileError(output, jsonPath + ": " + error + "; nothing was written.");
    }
    const FileResult written = WriteProjectFile(projectPath, *project);
    if (!written) {
        return ReportNotWritten(output, written);
    }
    return kExitSuccess;
}

} // namespace wexa::cli
