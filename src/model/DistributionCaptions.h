#pragma once

#include "model/Project.h"

#include <optional>

namespace wexa {

// The captions the form shows above the first, middle and third value of a
// distribution of the given kind. A kind outside the list has none.
[[nodiscard]] inline std::optional<Captions> CaptionsForKind(Int32 kind) {
    switch (kind) {
    case kNormal:
        return Captions{"Min", "Mean", "Max"};
    case kTruncatedNormal:
        return Captions{"Stdev", "Expected", "  +/-"};
    case kUniform:
        return Captions{"Min", "Default", "Max"};
    case kTriangular:
        return Captions{"Min", "Most Likely", "Max"};
    case kDeterministic:
        return Captions{"", "", ""};
    default:
        return std::nullopt;
    }
}

} // namespace wexa
