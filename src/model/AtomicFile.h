#pragma once

#include "model/FileIo.h"
#include "model/FileOps.h"

#include <filesystem>
#include <span>
#include <string_view>

namespace wexa {

// Writes a whole file so that the target either keeps its previous content
// or has all of the new one, never a part (OutputFiles with one file). On
// any failure the target is left as it was and the message names it.
//
// An existing target keeps its permissions. A target that is a symbolic link
// stays a link: the file it points to is replaced. A FIFO or a character
// device is written as it is, never replaced by a regular file; a folder, a
// read-only file and a link that leads nowhere are refused.
[[nodiscard]] FileResult WriteFileAtomically(const std::filesystem::path& target,
                                             std::span<const unsigned char> bytes,
                                             FileOps& ops = SystemFileOps());
[[nodiscard]] FileResult WriteFileAtomically(const std::filesystem::path& target,
                                             std::string_view text, FileOps& ops = SystemFileOps());

} // namespace wexa
