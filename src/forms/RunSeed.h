#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wexa::forms {

// The seed of the window's runs. Without a fixed seed each run takes its
// seed from the clock; with one every run of the project gives the same
// results, so a run seen once can be repeated and its figures checked. The
// window shows the seed each run took and keeps the choice per project file
// in the user's settings, never in the file.

inline constexpr std::string_view kRunOptionsTitle = "Run Options";
inline constexpr std::string_view kClockSeedChoice = "A new seed from the clock for each run";
inline constexpr std::string_view kFixedSeedChoice = "The same seed for every run:";
inline constexpr std::string_view kLastSeedButton = "Last Run's Seed";
// A typed seed is read with ParseUnsigned; one it refuses gets this.
inline constexpr std::string_view kSeedRangeMessage =
    "The seed must be a whole number from 0 to 4294967295.";
inline constexpr std::string_view kSeedErrorCaption = "Seed Error";

// How the seed of a finished probabilistic run is shown, in the graphing
// window and the status bar: "Seed of this run: 2027 (random)" or
// "... (fixed)".
[[nodiscard]] std::string RunSeedText(std::uint32_t seed, bool fixed);

} // namespace wexa::forms
