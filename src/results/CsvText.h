#pragma once

#include "forms/FileNameRequest.h"

#include <ostream>
#include <string>
#include <vector>

namespace wexa::forms {

// The CSV files the windows save ("Save Tables...", "Save Data..."): fields
// quoted only where they must be, lines ended by CR LF as spreadsheets on
// every desktop read them.

// `text` as one field: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line break.
[[nodiscard]] std::string CsvField(const std::string& text);

// One line of fields: `first`, then `rest`.
void WriteCsvLine(std::ostream& out, const std::string& first,
                  const std::vector<std::string>& rest = {});

// What the file dialog is asked for: a new or existing CSV file, starting
// with `initialName`.
[[nodiscard]] FileNameRequest CsvFileRequest(const std::string& initialName);

} // namespace wexa::forms
