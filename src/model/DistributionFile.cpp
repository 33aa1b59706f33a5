#include "model/DistributionFile.h"

#include "model/AtomicFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <tuple>
#include <vector>

namespace wexa {

namespace {

// The project's columns and a table's, which carry the same names.
template <typename P> auto ProjectColumns(P& project) {
    return std::tie(project.HourlyAADTPercent, project.HourlyInboundPercent,
                    project.HourlyOutboundPercent);
}

// What "%lf" skips between numbers: the C locale's white space.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// "%.2f" without the locale: the C library would write a decimal comma under
// a locale that uses one, and such a file could not be read back.
void AppendTwoDecimals(std::string& text, double value) {
    // The longest double in fixed notation has 309 digits before the point.
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, 2);
    text.append(buffer.data(), written.ptr);
}

// One white-space-delimited word as a finite number, or nothing.
bool ParseNumber(std::string_view word, double& value) {
    // from_chars takes no leading '+', which "%lf" does.
    if (word.size() > 1 && word.front() == '+' && word[1] != '-') {
        word.remove_prefix(1);
    }
    const auto parsed =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::general);
    return parsed.ec == std::errc() && parsed.ptr == word.data() + word.size() &&
           std::isfinite(value);
}

} // namespace

HourlyTrafficDistribution HourlyTrafficDistribution::CopyOf(const Project& project) {
    HourlyTrafficDistribution table;
    ProjectColumns(table) = ProjectColumns(project);
    return table;
}

void HourlyTrafficDistribution::CopyInto(Project& project) const {
    ProjectColumns(project) = ProjectColumns(*this);
}

std::string DistributionFileText(const HourlyTrafficDistribution& table) {
    std::string text;
    for (int h = 0; h < kHours; ++h) {
        AppendTwoDecimals(text, table.HourlyAADTPercent[h]);
        text += '\t';
        AppendTwoDecimals(text, table.HourlyInboundPercent[h]);
        text += '\t';
        AppendTwoDecimals(text, table.HourlyOutboundPercent[h]);
        text += '\n';
    }
    return text;
}

FileResult WriteDistributionFile(const std::filesystem::path& path,
                                 const HourlyTrafficDistribution& table) {
    return WriteFileAtomically(path, DistributionFileText(table));
}

FileResult ParseDistributionText(std::string_view text, HourlyTrafficDistribution& table) {
    constexpr int kNumbers = 3 * kHours;
    std::array<double, kNumbers> numbers{};
    // The first 72 words are the table; whatever follows them (a note, a
    // further number) is not read.
    std::size_t at = 0;
    for (int count = 0; count < kNumbers; ++count) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        if (at == end || !ParseNumber(text.substr(at, end - at), numbers[count])) {
            return FileResult::Failure(std::string(kDistributionNumberCountMessage));
        }
        at = end;
    }
    for (std::size_t h = 0; h < kHours; ++h) {
        table.HourlyAADTPercent[h] = numbers[3 * h];
        table.HourlyInboundPercent[h] = numbers[3 * h + 1];
        table.HourlyOutboundPercent[h] = numbers[3 * h + 2];
    }
    return FileResult::Success();
}

FileResult ReadDistributionFile(const std::filesystem::path& path,
                                HourlyTrafficDistribution& table) {
    std::vector<unsigned char> bytes;
    if (FileResult read = ReadWholeFile(path, kMaxDistributionFileBytes, bytes); !read) {
        return read;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return ParseDistributionText(text, table);
}

} // namespace wexa
