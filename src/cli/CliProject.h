#pragma once

#include "cli/Commands.h"
#include "model/Project.h"

#include <memory>
#include <string>

namespace wexa::cli {

// Reads a project file into a fresh project; after a failure the error,
// naming the file, has gone to standard error and the result is null.
[[nodiscard]] std::unique_ptr<Project> ReadProjectOrReport(const std::string& path, Output output);

} // namespace wexa::cli
