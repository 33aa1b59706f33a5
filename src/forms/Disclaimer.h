#pragma once

#include <array>

namespace wexa::forms {

// The disclaimer the program shows at its start and prints at the end of
// the analysis document: its first paragraph is the heading.
inline constexpr std::array<const char*, 3> kDisclaimer{
    "Wexa is provided \"as is\".",
    "There are no warranties of any kind, express or implied, including any warranty that the "
    "program is fit for a particular purpose or that its results are correct. You use the "
    "program and its results at your own risk.",
    "Neither the authors nor any agency that distributes Wexa accept any liability for any "
    "damage or loss, direct or indirect, that arises from using it or from decisions based on "
    "its results."};

} // namespace wexa::forms
