#include "model/FieldLabels.h"

namespace wexa {

std::string QuotedLabel(std::string_view label) {
    // What closes a label on screen after its colon: a unit sign, "+/-".
    const auto colon = label.rfind(':');
    if (colon != std::string_view::npos &&
        label.find_first_not_of(" $+/-", colon + 1) == std::string_view::npos) {
        label = label.substr(0, colon);
    }
    return "\"" + std::string(label) + "\"";
}

} // namespace wexa
