#pragma once

namespace wexa::forms {

struct PageColor {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    friend bool operator==(const PageColor&, const PageColor&) = default;
};

// The one colour of alternative 1..4 wherever results are drawn: the chart
// window's curves and bars in every view, and the printed page's curves and
// key (black, dark red, dark blue, dark green), so an alternative is
// recognised at a glance from one picture to the next. Any other number is
// black.
[[nodiscard]] constexpr PageColor AlternativeColour(int alternative) {
    switch (alternative) {
    case 2:
        return {128, 0, 0};
    case 3:
        return {0, 0, 128};
    case 4:
        return {0, 128, 0};
    default:
        return {0, 0, 0};
    }
}

} // namespace wexa::forms
