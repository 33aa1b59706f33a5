#pragma once

#include "model/FileIo.h"

#include <filesystem>
#include <span>
#include <string_view>

namespace wexa {

// Writes a whole file so that the target either keeps its previous content
// or has all of the new one, never a part. The bytes go to a temporary file
// in the target's folder (so the final rename stays on one file system),
// which is flushed, closed and then renamed over the target. On any failure
// the temporary file is removed, the target is left as it was, and the
// message names the target.
//
// An existing target keeps its permissions. A target that is a symbolic link
// stays a link: the file it points to is replaced.
[[nodiscard]] FileResult WriteFileAtomically(const std::filesystem::path& target,
                                             std::span<const unsigned char> bytes);
[[nodiscard]] FileResult WriteFileAtomically(const std::filesystem::path& target,
                                             std::string_view text);

} // namespace wexa
