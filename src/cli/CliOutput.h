#pragma once

#include "cli/Commands.h"
#include "model/FileIo.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wexa::cli {

// A refused value: caption and message as the window would show them.
[[nodiscard]] std::string RefusalText(std::string_view caption, std::string_view message);
int ReportRefusal(Output output, std::string_view caption, std::string_view message);

// A usage or file error; the message names the file.
int ReportFileError(Output output, std::string_view message);

// An option's value outside what it allows, a usage error: "--step must be
// greater than 0, not 0." `value` is echoed as typed.
int ReportOutOfRange(Output output, std::string_view option, std::string_view allowed,
                     std::string_view value);

// A file error whose message may not name the file yet ("Unexpected file
// format."): the file name is put in front unless the message holds it.
int ReportFileError(Output output, std::string_view path, std::string_view message);

// A refused or failed write: its message names the file; the user is told
// that no output was written.
int ReportNotWritten(Output output, const FileResult& failure);
// The same for a write that stopped after some outputs were written whole:
// the user is told which (nothing, when `finished` is empty).
int ReportNotWritten(Output output, const FileResult& failure,
                     const std::vector<std::filesystem::path>& finished);

} // namespace wexa::cli
