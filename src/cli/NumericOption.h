#pragma once

#include "cli/Commands.h"

#include <optional>
#include <string_view>

namespace wexa::cli {

// The value of a numeric option of wexa-cli, read from the text typed: plain
// decimal only, as the form's boxes read it (an optional sign, digits and,
// for a real, a decimal point and an exponent; blanks around it are
// ignored). Empty text, hexadecimal ("0x10"), words ("inf", "nan"), anything
// after the number and a number outside the type (a fraction for a whole
// number, a seed past 32 bits) are a usage error: the message names the
// option and the text, on standard error, and the result is empty.
//
// Number is std::int32_t, std::uint32_t or double. Every numeric option
// goes through here, so each takes and refuses the same text.
template <typename Number>
[[nodiscard]] std::optional<Number> ReadNumericOption(Output output, std::string_view option,
                                                      std::string_view text);

} // namespace wexa::cli
