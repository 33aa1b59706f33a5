#include "cli/TextFormat.h"

#include <cstdio>

namespace wexa::cli {

std::string FormatNumber(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string FormatNumber(std::int32_t value) {
    return std::to_string(value);
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string padded(text.size() < width ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

} // namespace wexa::cli
