#include "forms/RunSeed.h"

namespace wexa::forms {

std::string RunSeedText(std::uint32_t seed, bool fixed) {
    return "Seed of this run: " + std::to_string(seed) +
           (fixed ? " (fixed in View > Run Options)"
                  : " (from the clock; View > Run Options "
                    "repeats it)");
}

} // namespace wexa::forms
