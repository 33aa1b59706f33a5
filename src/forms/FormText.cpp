#include "forms/FormText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace wexa::forms {

namespace {

constexpr int kSignificantDigits = 15;

// The number itself, without the blanks around it and without a leading
// plus sign (std::from_chars takes a minus sign only). nullopt when the text
// holds nothing to parse or a second sign follows the plus.
std::optional<std::string_view> NumberPart(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+') {
            return std::nullopt;
        }
    }
    return text;
}

// Parses the whole of `text`: a partial parse is a refusal.
template <typename Number, typename... Options>
std::optional<Number> ParseWhole(std::string_view text, Options... options) {
    const auto number = NumberPart(text);
    if (!number) {
        return std::nullopt;
    }
    Number value{};
    const char* end = number->data() + number->size();
    const auto [stop, error] = std::from_chars(number->data(), end, value, options...);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

template <typename Number, typename... Options>
std::string ToText(Number value, Options... options) {
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, options...);
    // 64 characters hold every int32 and every double at 15 digits.
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}

} // namespace

std::string FormatInteger(std::int32_t value) {
    return ToText(value);
}

std::string FormatReal(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    return ToText(value, std::chars_format::general, kSignificantDigits);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    return ParseWhole<std::int32_t>(text);
}

std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
    return ParseWhole<std::uint32_t>(text);
}

std::optional<double> ParseReal(std::string_view text) {
    // from_chars also reads "inf", "infinity" and "nan"; none is a number a
    // form can compute with, so they are refused like any other word.
    const auto value = ParseWhole<double>(text, std::chars_format::general);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::string Ordinal(int n) {
    const int lastTwo = std::abs(n % 100);
    const int last = lastTwo % 10;
    const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                         : last == 1                      ? "st"
                         : last == 2                      ? "nd"
                         : last == 3                      ? "rd"
                                                          : "th";
    return std::to_string(n) + suffix;
}

} // namespace wexa::forms
