#include "cli/TextFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace wexa::cli {
namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::string FormatNumber(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string FormatNumber(std::int32_t value) {
    return std::to_string(value);
}

std::string FormatFixed(double value, int decimals) {
    // The largest double has 309 digits before the point.
    std::array<char, 340> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, std::clamp(decimals, 0, 17));
    return {buffer.data(), result.ptr};
}

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string padded(text.size() < width ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

void WriteTable(std::ostream& out, const TextTable& rows, std::size_t leftAligned) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            out << (c == 0 ? "" : "  ");
            if (c >= leftAligned) {
                out << PadLeft(row[c], widths[c]);
            } else {
                out << row[c];
                if (c + 1 < row.size()) {
                    out << std::string(widths[c] - row[c].size(), ' ');
                }
            }
        }
        out << '\n';
    }
}

std::string EchoedText(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(static_cast<unsigned char>(text[i]))) {
            continue;
        }
        if (characters == kEchoedCharacters) {
            return PrintableText(text.substr(0, i)) + "...";
        }
        ++characters;
    }
    return PrintableText(text);
}

} // namespace wexa::cli
