#pragma once

#include "cli/Commands.h"

#include <optional>
#include <string>
#include <vector>

namespace wexa::cli {

// Checks a command's outputs before it does any work: each must be a path
// that can be written (not empty, not a folder, not read-only, …), none may
// be the same file as an input, and no two may be the same file. Returns
// nothing when all is well, or the exit status once the reason, naming the
// file, has gone to standard error.
[[nodiscard]] std::optional<int> CheckOutputPaths(Output output,
                                                  const std::vector<std::string>& inputs,
                                                  const std::vector<std::string>& outputs);

} // namespace wexa::cli
