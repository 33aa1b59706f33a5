#include "results/SensitivityText.h"

#include "results/ChartContent.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace wexa::forms {
namespace {

// In the order of each enumeration; the assert catches a value added to one.
constexpr std::array<const char*, 3> kStatusVerbs{"is valid", "gridlocks", "fails"};
constexpr std::array<const char*, 3> kStatusNames{"valid", "gridlock", "failure"};
constexpr std::array<const char*, 3> kTornadoStatusNames{"ok", "refused", "gridlock"};

static_assert(static_cast<int>(IterationStatus::Failure) == 2 &&
              static_cast<int>(TornadoStatus::Gridlock) == 2);

// Where a stretch of rates with one cheaper alternative ends: at a change
// of order (the rate between, beyond which the other is cheaper), or at a
// rate of the sweep at which the two still differ.
struct StretchEnd {
    double Rate = 0.0;
    bool AtChange = false;
};

// The rates at the ends of a change: a stretch of ties spans its bracket,
// a change found by bisection is one rate.
double StartOf(const BreakEven& change) {
    return change.Tie ? change.Low : change.Rate;
}

double EndOf(const BreakEven& change) {
    return change.Tie ? change.High : change.Rate;
}

bool TiesOverAStretch(const BreakEven& change) {
    return change.Tie && change.Low != change.High;
}

// "equal at 0.0000 %" or "equal from 0.0000 % to 0.2000 %".
std::string EqualText(double low, double high) {
    return low == high ? "equal at " + RateText(low)
                       : "equal from " + RateText(low) + " to " + RateText(high);
}

// Where a stretch lies, between a change of order or an end of the range
// on each side; none when it spans the whole range.
std::string StretchText(const StretchEnd& start, const StretchEnd& end, bool rangeStart,
                        bool rangeEnd) {
    if (rangeStart && end.AtChange) {
        return "below " + RateText(end.Rate);
    }
    if (rangeEnd && start.AtChange) {
        return "above " + RateText(start.Rate);
    }
    return "from " + RateText(start.Rate) + " to " + RateText(end.Rate);
}

} // namespace

std::string RangeText(const RateRange& range) {
    return CompactNumber(range.From) + " % to " + CompactNumber(range.To) + " %";
}

std::string OrderText(const RateSensitivity& rates, const PairBreakEvens& pair) {
    const std::vector<RatePoint>& points = rates.Points;
    const auto differ = [&](const RatePoint& p) {
        return p.Of(pair.Kind, pair.A) != p.Of(pair.Kind, pair.B);
    };
    const auto first = std::find_if(points.begin(), points.end(), differ);
    if (first == points.end()) {
        return "equal at every rate from " + RangeText(rates.Range);
    }
    const auto last = std::find_if(points.rbegin(), points.rend(), differ);
    const bool tiesAtStart = first != points.begin();
    const bool tiesAtEnd = last != points.rbegin();
    const std::vector<BreakEven>& changes = pair.Changes;
    const auto cheaperAtFirst = [&] {
        return first->Of(pair.Kind, pair.A) < first->Of(pair.Kind, pair.B) ? pair.A : pair.B;
    };
    if (changes.empty() && !tiesAtStart && !tiesAtEnd) {
        return AltName(cheaperAtFirst()) + " is cheaper at every rate from " +
               RangeText(rates.Range);
    }

    std::string text;
    const auto add = [&text](const std::string& part) {
        text += (text.empty() ? "" : ", ") + part;
    };
    if (tiesAtStart) {
        add(EqualText(points.front().Rate, std::prev(first)->Rate));
    }
    // One stretch before each change and one after the last.
    for (std::size_t k = 0; k <= changes.size(); ++k) {
        const bool rangeStart = k == 0 && !tiesAtStart;
        const bool rangeEnd = k == changes.size() && !tiesAtEnd;
        const StretchEnd start =
            k == 0 ? StretchEnd{first->Rate, false} : StretchEnd{EndOf(changes[k - 1]), true};
        const StretchEnd end = k == changes.size() ? StretchEnd{last->Rate, false}
                                                   : StretchEnd{StartOf(changes[k]), true};
        // After a single rate of change, "it" is the rate just named.
        const bool afterOneRate =
            changes.size() == 1 && k == 1 && rangeEnd && !TiesOverAStretch(changes[0]);
        const std::string where =
            afterOneRate ? "above it" : StretchText(start, end, rangeStart, rangeEnd);
        const int cheaper = k == 0 ? (changes.empty() ? cheaperAtFirst() : changes[0].CheaperBelow)
                                   : changes[k - 1].CheaperAbove;
        add(where + " " + AltName(cheaper) + (k == 0 ? " is cheaper" : ""));
        if (k < changes.size() && TiesOverAStretch(changes[k])) {
            add(EqualText(changes[k].Low, changes[k].High));
        }
    }
    if (tiesAtEnd) {
        add(EqualText(last.base()->Rate, points.back().Rate));
    }
    return text;
}

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
