#pragma once

#include "model/FileIo.h"
#include "model/Project.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace wexa {

// The .wxa project file: the saved fields of ProjectSchema, back to back,
// little-endian, with no header, counts or checksum.

inline constexpr std::string_view kUnexpectedFileFormat = "Unexpected file format.";

// A real project file is under 40 KB; only very long strings make it
// larger. Anything beyond this is not read in (nor written, since it could
// not be opened again).
inline constexpr std::uintmax_t kMaxProjectFileBytes = std::uintmax_t{64} * 1024 * 1024;

[[nodiscard]] std::vector<unsigned char> WriteProjectBytes(const Project& project);

// Reads every saved field into a copy of project, so fields that are not
// saved keep their values, and replaces project only when the whole file was
// read. A file that ends early or holds a malformed string fails with
// kUnexpectedFileFormat and leaves project untouched. Bytes after the last
// field are ignored. Values are taken as they are, without range checks.
[[nodiscard]] FileResult ReadProjectBytes(std::span<const unsigned char> bytes, Project& project);

// The same for a file on disk; every failure names the file
// ("PATH: Unexpected file format." for a short or malformed one).
[[nodiscard]] FileResult ReadProjectFile(const std::filesystem::path& path, Project& project);

// Opens a project file as a project of its own: every field the file does
// not hold (the results, what the form shows beside the saved fields) takes
// a new project's value, so nothing of what `project` held before survives.
// `project` is replaced only when the whole file was read.
[[nodiscard]] FileResult OpenProjectFile(const std::filesystem::path& path, Project& project);

// Writes all or nothing: an existing file is replaced only by a complete
// new one.
[[nodiscard]] FileResult WriteProjectFile(const std::filesystem::path& path,
                                          const Project& project);

} // namespace wexa
