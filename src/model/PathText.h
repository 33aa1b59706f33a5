#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wexa {

// File names as the program holds them (UTF-8 text: typed, read from a
// project, given on the command line) and as the system takes them. A POSIX
// name is bytes and passes unchanged either way. A Windows name is UTF-16: a
// std::string given to std::filesystem::path there is read in the code page
// of the C library (byte by byte in MinGW-w64's), so every name crossing
// between text and path goes through these two.

// On Windows a byte that is not part of well-formed UTF-8 becomes '?', which
// no Windows name may hold: such a name is refused by the system rather than
// taken for another file.
[[nodiscard]] std::filesystem::path PathFromText(std::string_view text);

// On Windows, UTF-8 whatever the code page (a lone surrogate becomes '?').
[[nodiscard]] std::string TextFromPath(const std::filesystem::path& path);

// A name as a message shows it: its text with every control character
// escaped (PrintableText), so that a name holding a terminal's escape
// sequence or a line break cannot change the screen or forge a line.
[[nodiscard]] std::string DisplayPath(const std::filesystem::path& path);

} // namespace wexa
