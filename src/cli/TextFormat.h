#pragma once

#include "model/TextEncoding.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace wexa::cli {

// Numbers as the form shows them: integers in decimal, reals with up to 15
// significant digits.
[[nodiscard]] std::string FormatNumber(double value);
[[nodiscard]] std::string FormatNumber(std::int32_t value);

// A real rounded to `decimals` places (0 to 17), as fixed-point digits: the
// same on every machine and in every locale, however large the value.
[[nodiscard]] std::string FormatFixed(double value, int decimals);

// Right-aligns text in a column of the given width.
[[nodiscard]] std::string PadLeft(std::string_view text, std::size_t width);

// Rows of cells (the heading first) as an aligned table: each column as wide
// as its widest cell, two spaces between columns, the first `leftAligned`
// columns aligned left and the others right. No line ends in spaces.
using TextTable = std::vector<std::vector<std::string>>;
void WriteTable(std::ostream& out, const TextTable& rows, std::size_t leftAligned);

// Text taken from the input and repeated in a message (a key, a number):
// printable as PrintableText (model/TextEncoding.h) makes it, and cut after
// kEchoedCharacters characters, with "..." marking the cut, so that a huge
// name gives a readable line.
inline constexpr std::size_t kEchoedCharacters = 60;
[[nodiscard]] std::string EchoedText(std::string_view text);

} // namespace wexa::cli
