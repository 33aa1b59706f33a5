#include "cli/NumericOption.h"

#include "cli/CliOutput.h"
#include "cli/TextFormat.h"
#include "forms/FormText.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace wexa::cli {
namespace {

template <typename Number> std::optional<Number> Parse(std::string_view text) {
    if constexpr (std::is_same_v<Number, std::int32_t>) {
        return forms::ParseInteger(text);
    } else if constexpr (std::is_same_v<Number, std::uint32_t>) {
        return forms::ParseUnsigned(text);
    } else {
        return forms::ParseReal(text);
    }
}

// What the option takes, as the message says it.
template <typename Number> const char* Wanted() {
    if constexpr (std::is_same_v<Number, std::int32_t>) {
        return "a whole number such as 2";
    } else if constexpr (std::is_same_v<Number, std::uint32_t>) {
        return "a whole number from 0 to 4294967295";
    } else {
        return "a number such as 2.5";
    }
}

} // namespace

template <typename Number>
std::optional<Number> ReadNumericOption(Output output, std::string_view option,
                                        std::string_view text) {
    if (auto value = Parse<Number>(text)) {
        return value;
    }
    ReportFileError(output, std::string(option) + " takes " + Wanted<Number>() + ", not \"" +
                                EchoedText(text) + "\".");
    return std::nullopt;
}

template std::optional<std::int32_t> ReadNumericOption(Output, std::string_view, std::string_view);
template std::optional<std::uint32_t> ReadNumericOption(Output, std::string_view, std::string_view);
template std::optional<double> ReadNumericOption(Output, std::string_view, std::string_view);

} // namespace wexa::cli
