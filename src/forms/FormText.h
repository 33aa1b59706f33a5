#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wexa::forms {

// How numbers look in the boxes of a form, and which texts count as numbers.
//
// Writing: integers in decimal; reals with up to 15 significant digits, the
// shorter of fixed and exponent notation, as printf's "%.15g" gives them
// ("0.952380952380952", "1e+20"). Both are independent of the C locale, which
// the toolkit sets from the user's environment: a decimal comma must never
// reach a box or be expected from one. A real that is not finite (only a
// project file or an overflowing computation gives one) is written as an
// empty text: no box shows "nan" or "inf", and an empty box holds no number,
// so the form asks for one ("Please enter a number.") when it reads the box.
//
// Reading is strict and safe for any text. Spaces and tabs before and after
// the number are ignored, as the desktop platform's own data exchange ignores
// them; anything else around it refuses the text. A sign may lead ("+5",
// "-0.5"). Refused: an empty text, trailing characters ("12abc", "1e", "5 5"),
// a fraction or exponent in an integer ("5.0", "1e3"), an integer outside 32
// bits, hexadecimal, "inf" and "nan", and a real too large for a double
// ("1e400") or so small that it would become 0 ("1e-400"). A real the writer
// produced always reads back, except the empty text of one that is not
// finite.

[[nodiscard]] std::string FormatInteger(std::int32_t value);
[[nodiscard]] std::string FormatReal(double value);

[[nodiscard]] std::optional<std::int32_t> ParseInteger(std::string_view text);
[[nodiscard]] std::optional<double> ParseReal(std::string_view text);
// A whole number 0..4294967295, read as ParseInteger reads one.
[[nodiscard]] std::optional<std::uint32_t> ParseUnsigned(std::string_view text);

// 1st, 2nd, 3rd, 4th, .., 11th, 12th, 13th, .., 21st, ..: a percentile as it is read
// out in a sentence.
[[nodiscard]] std::string Ordinal(int n);

} // namespace wexa::forms
