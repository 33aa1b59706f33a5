#pragma once

#include "model/FieldLabels.h"
#include "model/Project.h"

#include <optional>
#include <string>
#include <string_view>

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

// A distribution in words: its kind and its three values, each after the
// caption the form shows above it ("Normal: Min 2, Mean 4, Max 6"); a
// deterministic one gives its middle value alone. The values come formatted,
// so that each listing keeps its own way of writing numbers.
[[nodiscard]] inline std::string DistributionText(Int32 kind, const std::string& first,
                                                  const std::string& middle,
                                                  const std::string& third) {
    const std::string name = ListEntry(FieldLabel::DistributionKinds, kind);
    if (kind == kDeterministic) {
        return name + ": " + middle;
    }
    // Some captions are padded with blanks to line up on the form.
    const auto caption = [](std::string_view text) {
        const auto start = text.find_first_not_of(' ');
        return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
    };
    const Captions captions = CaptionsForKind(kind).value_or(Captions{"first", "middle", "third"});
    return name + ": " + caption(captions[0]) + " " + first + ", " + caption(captions[1]) + " " +
           middle + ", " + caption(captions[2]) + " " + third;
}

} // namespace wexa
