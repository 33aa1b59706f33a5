#include "forms/SensitivityText.h"

#include "forms/ChartContent.h"

#include <string_view>

namespace wexa::forms {
namespace {

// In the order of each enumeration; the assert catches a value added to one.
constexpr std::array<const char*, 3> kStatusVerbs{"is valid", "gridlocks", "fails"};
constexpr std::array<const char*, 3> kStatusNames{"valid", "gridlock", "failure"};
constexpr std::array<const char*, 3> kTornadoStatusNames{"ok", "refused", "gridlock"};

static_assert(static_cast<int>(IterationStatus::Failure) == 2 &&
              static_cast<int>(TornadoStatus::Gridlock) == 2);

} // namespace

std::string AltName(int alternative) {
    return "Alt " + std::to_string(alternative + 1);
}

std::string DifferenceName(const std::array<int, 2>& pair) {
    return AltName(pair[0]) + " minus " + AltName(pair[1]);
}

std::string RateText(double rate) {
    return FormatNumber(rate, "0.0000") + " %";
}

const char* StatusVerb(IterationStatus status) {
    return kStatusVerbs[static_cast<std::size_t>(status)];
}

const char* StatusName(IterationStatus status) {
    return kStatusNames[static_cast<std::size_t>(status)];
}

std::string SettingsText(const TornadoInput& input) {
    const std::string low = CompactNumber(input.Low);
    const std::string high = CompactNumber(input.High);
    const std::string_view unit = input.Unit;
    // A percent goes with each figure, what qualifies it once at the end.
    if (unit.starts_with('%')) {
        return low + " % / " + high + " %" + std::string(unit.substr(1));
    }
    return low + " / " + high + (unit.empty() ? "" : " ") + std::string(unit);
}

const char* StatusName(TornadoStatus status) {
    return kTornadoStatusNames[static_cast<std::size_t>(status)];
}

} // namespace wexa::forms
