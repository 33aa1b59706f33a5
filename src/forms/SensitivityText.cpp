#include "forms/SensitivityText.h"

#include "forms/ChartContent.h"

#include <string_view>

namespace wexa::forms {

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
    switch (status) {
    case IterationStatus::Gridlock:
        return "gridlocks";
    case IterationStatus::Failure:
        return "fails";
    case IterationStatus::Valid:
        break;
    }
    return "is valid";
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
    switch (status) {
    case TornadoStatus::Refused:
        return "refused";
    case TornadoStatus::Gridlock:
        return "gridlock";
    case TornadoStatus::Ok:
        break;
    }
    return "ok";
}

} // namespace wexa::forms
