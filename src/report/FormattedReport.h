#pragma once

#include "model/FileIo.h"
#include "model/Project.h"
#include "simulation/ResultStatistics.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace wexa {

// The tab-separated report written after every analysis run, for a
// spreadsheet to open: the project's inputs and the results of the last run.
// Nothing reads it back.
//
// The text is 8-bit Windows-1252 (a character it cannot hold becomes '?')
// and every line feed, also one inside a description, is written as CR LF.
// `fileName` is printed on the "Filename:" line as given. The date line shows
// the local time of `analysisTime` in the classic ctime form.
//
// Which deterministic alternative gridlocked is read from `statuses` (column
// 0), never from the stored value, so a valid NPV of -1 prints as a number.
// An alternative without a valid probabilistic iteration prints "n/a" for
// each of its NPV percentiles. Counts outside the fixed capacities are
// clamped to them, so no value of the project reads outside its arrays.
[[nodiscard]] std::string FormatReport(const Project& project, const IterationStatusTable& statuses,
                                       std::string_view fileName, std::time_t analysisTime);

// Formats the report with `path` as its file name and writes it whole or not
// at all: an existing file is replaced; on failure the previous file (if any)
// is untouched, nothing else is left behind and the message names the file.
[[nodiscard]] FileResult WriteReport(const std::filesystem::path& path, const Project& project,
                                     const IterationStatusTable& statuses,
                                     std::time_t analysisTime);

} // namespace wexa
