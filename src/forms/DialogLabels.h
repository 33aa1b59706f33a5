#pragma once

#include <string_view>

namespace wexa::forms::DialogLabel {

// Labels several dialogs share: the read-only alternative and activity
// numbers at the top of the bid item and time-related cost dialogs (the bid
// item dialog's copy source uses them too) and the closing buttons.
inline constexpr std::string_view Alternative = "Alternative #:";
inline constexpr std::string_view Activity = "Work Activity #:";
inline constexpr std::string_view Ok = "OK";
inline constexpr std::string_view Cancel = "Cancel";

} // namespace wexa::forms::DialogLabel
