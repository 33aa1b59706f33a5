#pragma once

#include "model/FileIo.h"
#include "model/Project.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace wexa {

// The hourly traffic distribution of a project: per hour (0 = 0:00 to 1:00)
// the share of the AADT, and the inbound and outbound shares of that hour's
// traffic, all in percent.
struct HourlyTrafficDistribution {
    HourlyTable HourlyAADTPercent{};
    HourlyTable HourlyInboundPercent{};
    HourlyTable HourlyOutboundPercent{};

    [[nodiscard]] static HourlyTrafficDistribution CopyOf(const Project& project);
    void CopyInto(Project& project) const;

    friend bool operator==(const HourlyTrafficDistribution&,
                           const HourlyTrafficDistribution&) = default;
};

// A distribution file (.dst) is text: 24 lines, one per hour, each
// "AADT%<tab>inbound%<tab>outbound%" with two decimals and a line feed.
// Reading takes 72 numbers in that order separated by any white space, so
// line breaks carry no meaning.

// The caption of every refused read.
inline constexpr std::string_view kDistributionImportCaption = "Import Error";
inline constexpr std::string_view kDistributionNumberCountMessage =
    "The distribution file could not be read: it must hold 72 numbers.";

// 72 numbers need a few hundred bytes; a larger file is no distribution and
// is refused before it is read whole.
inline constexpr std::uintmax_t kMaxDistributionFileBytes = std::uintmax_t{64} * 1024;

// The file's text. The decimal point is always '.', whatever the locale.
[[nodiscard]] std::string DistributionFileText(const HourlyTrafficDistribution& table);

// Writes the file whole or not at all (WriteFileAtomically); on failure the
// message names the file.
[[nodiscard]] FileResult WriteDistributionFile(const std::filesystem::path& path,
                                               const HourlyTrafficDistribution& table);

// Parses a file's text into `table`. Accepted: a text whose first 72 words
// are finite decimal numbers (an optional sign, digits with an optional '.',
// an optional exponent) separated by white space; whatever follows the 72nd
// number (more numbers, a note) is not read. A text without 72 such numbers
// (fewer numbers, or among the first 72 a word, a number glued to other
// characters as in "5,0", "nan" or "inf", a value beyond the range of a
// double) is refused with kDistributionNumberCountMessage and `table` keeps
// what it held.
[[nodiscard]] FileResult ParseDistributionText(std::string_view text,
                                               HourlyTrafficDistribution& table);

// Reads a file (at most kMaxDistributionFileBytes) and parses it. A file
// that cannot be opened or read is refused with a message naming it.
[[nodiscard]] FileResult ReadDistributionFile(const std::filesystem::path& path,
                                              HourlyTrafficDistribution& table);

} // namespace wexa
