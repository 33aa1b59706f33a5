#include "model/FieldLabels.h"

namespace wexa {

std::string BareLabel(std::string_view label) {
    // What closes a label on screen after its colon: a unit sign, "+/-".
    const auto colon = label.rfind(':');
    if (colon != std::string_view::npos &&
        label.find_first_not_of(" $+/-", colon + 1) == std::string_view::npos) {
        label = label.substr(0, colon);
    }
    return std::string(label);
}

std::string QuotedLabel(std::string_view label) {
    return "\"" + BareLabel(label) + "\"";
}

std::string ListEntry(std::span<const std::string_view> entries, int position) {
    if (position >= 0 && static_cast<std::size_t>(position) < entries.size()) {
        return std::string(entries[static_cast<std::size_t>(position)]);
    }
    return "(entry " + std::to_string(position) + ")";
}

std::string HourRange(int hour) {
    return std::to_string(hour) + "-" + std::to_string(hour + 1);
}

} // namespace wexa
