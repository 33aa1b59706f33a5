#pragma once

#include "model/FileIo.h"
#include "model/Project.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace wexa::cli {

// The largest JSON form import reads, the same as the largest project file.
// A real project's JSON form is tens of kilobytes; a larger file is refused
// before it is parsed, as parsing costs many times its size in memory.
inline constexpr std::uintmax_t kMaxProjectJsonBytes = std::uintmax_t{64} * 1024 * 1024;

// The message for a failed read of the JSON form at path: a file over the
// limit is refused saying what the limit is; any other read failure keeps
// its message.
[[nodiscard]] std::string JsonReadErrorMessage(const std::string& path, const FileResult& read);

// The project described by the bytes of a JSON form (as show --json prints
// it) read from path: every key sets its field, and fields left out keep
// their defaults. Refused are text that is not JSON, anything but one object,
// a key that names no field or names one twice, a number beyond the range of
// a double, and a value of the wrong type or shape. Then the result is null
// and error is the whole message for the user, naming the file.
[[nodiscard]] std::unique_ptr<Project> ProjectFromJsonBytes(std::span<const unsigned char> bytes,
                                                            const std::string& path,
                                                            std::string& error);

} // namespace wexa::cli
