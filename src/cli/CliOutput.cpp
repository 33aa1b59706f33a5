#include "cli/CliOutput.h"

#include "cli/TextFormat.h"
#include "model/PathText.h"

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
    // Messages name a file as DisplayPath shows it.
    const std::string shown = PrintableText(path);
    if (message.find(shown) != std::string_view::npos) {
        return ReportFileError(output, message);
    }
    output.err << "wexa-cli: " << shown << ": " << message << '\n';
    return kExitFileError;
}

int ReportNotWritten(Output output, const FileResult& failure) {
    return ReportNotWritten(output, failure, {});
}

int ReportNotWritten(Output output, const FileResult& failure,
                     const std::vector<std::filesystem::path>& finished) {
    output.err << "wexa-cli: " << failure.Message;
    if (finished.empty()) {
        output.err << " Nothing was written.\n";
        return kExitFileError;
    }
    for (std::size_t i = 0; i < finished.size(); ++i) {
        output.err << (i == 0 ? " " : " and ") << DisplayPath(finished[i]);
    }
    output.err << (finished.size() == 1 ? " was" : " were") << " written; nothing else was.\n";
    return kExitFileError;
}

} // namespace wexa::cli
