#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wexa::cli {

// Numbers as the form shows them: integers in decimal, reals with up to 15
// significant digits.
[[nodiscard]] std::string FormatNumber(double value);
[[nodiscard]] std::string FormatNumber(std::int32_t value);

// Right-aligns text in a column of the given width.
[[nodiscard]] std::string PadLeft(std::string_view text, std::size_t width);

} // namespace wexa::cli
