#include "cli/CliOutput.h"

#include "cli/TextFormat.h"

#include <string>

namespace wexa::cli {

std::string RefusalText(std::string_view caption, std::string_view message) {
    return std::string(caption) + ": " + std::string(message);
}

int ReportRefusal(Output output, std::string_view caption, std::string_view message) {
    output.err << RefusalText(caption, message) << '\n';
    return kExitRefused;
}

int ReportFileError(Output output, std::string_view message) {
    output.err << "wexa-cli: " << message << '\n';
    return kExitFileError;
}

int ReportOutOfRange(Output output, std::string_view option, std::string_view allowed,
                     std::string_view value) {
    return ReportFileError(output, std::string(option) + " must be " + std::string(allowed) +
                                       ", not " + EchoedText(value) + ".");
}

int ReportFileError(Output output, std::string_view path, std::string_view message) {
    if (message.find(path) != std::string_view::npos) {
        return ReportFileError(output, message);
    }
    output.err << "wexa-cli: " << path << ": " << message << '\n';
    return kExitFileError;
}

int ReportNotWritten(Output output, const FileResult& failure) {
    output.err << "wexa-cli: " << failure.Message << " Nothing was written.\n";
    return kExitFileError;
}

} // namespace wexa::cli
