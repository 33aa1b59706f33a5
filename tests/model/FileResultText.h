#pragma once

#include "model/FileIo.h"
#include "model/PathText.h"

#include <filesystem>
#include <string>

namespace wexa::testing {

// Whether a file operation's message names the path.
inline bool Mentions(const FileResult& result, const std::filesystem::path& path) {
    return result.Message.find(TextFromPath(path)) != std::string::npos;
}

} // namespace wexa::testing
