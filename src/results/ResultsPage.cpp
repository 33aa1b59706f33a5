#include "results/ResultsPage.h"

#include "model/Conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace wexa::forms {

namespace {

using page::kAxisFromBottom;
using page::kPlotTop;
using page::kSeparatorY;
using page::kValueAxisX;

constexpr int kMargin = 20;
constexpr int kFrameBottomMargin = 40;
constexpr int kTitleX = 220;
constexpr int kTitleY = 70;
constexpr int kDescriptionX = 520;
constexpr int kProjectDescriptionX = 1020;
constexpr int kKeyLineStartX = 200;
constexpr int kKeyLineEndX = 120;
constexpr int kLabelX = 170;
constexpr int kCaptionX = 820;
constexpr int kCaptionY = 920;
constexpr int kTickEndX = 470;
// The category axis ends this far from the right edge of the page; the
// deterministic slots are laid out as if it started as far from the left.
constexpr int kAxisEndFromRight = 320;
constexpr int kCurveNumberX = 530;
constexpr int kCurveNumberDrop = 10;
constexpr int kNumberAfterCaptionX = 1020;
constexpr int kNumberAfterLongCaptionX = 1220;
constexpr int kBarWidth = 50;
constexpr int kDeterministicSlots = 4;
constexpr int kValueLabels = 21;
constexpr int kLastPoint = kPercentilePoints - 1;

// Pages beyond these are not paper; keeping within them keeps every sum of
// the layout inside an int.
constexpr int kLargestPage = 1'000'000;
constexpr int kLargestLine = 10'000;

class PageBuilder {
public:
    void Line(PagePen pen, PagePoint from, PagePoint to) {
        commands_.push_back({PageShape::Line, pen, {from, to}, {}});
    }
    void Rectangle(PagePoint corner, PagePoint opposite) {
        commands_.push_back({PageShape::Rectangle, kThinPen, {corner, opposite}, {}});
    }
    void Bar(PagePoint corner, PagePoint opposite) {
        commands_.push_back({PageShape::Bar, kThinPen, {corner, opposite}, {}});
    }
    void Polyline(PagePen pen, std::vector<PagePoint> points) {
        commands_.push_back({PageShape::Polyline, pen, std::move(points), {}});
    }
    void Text(int x, int y, std::string text) {
        commands_.push_back({PageShape::Text, kThinPen, {{x, y}}, std::move(text)});
    }

    [[nodiscard]] std::vector<PageCommand> Take() { return std::move(commands_); }

private:
    std::vector<PageCommand> commands_;
};

// The three tables that hold one kind of cost.
struct CostTables {
    const NpvResultTable& Results;
    const PercentileTable<Int64>& Percentiles;
    const PercentileTable<double>& Cumulative;
};

CostTables TablesOf(const Project& p, Int32 costType) {
    switch (costType) {
    case 1:
        return {p.UserNpvResults, p.UserNpvPercentiles, p.UserCumulativePercents};
    case 2:
        return {p.TotalNpvResults, p.TotalNpvPercentiles, p.TotalCumulativePercents};
    default:
        return {p.AgencyNpvResults, p.AgencyNpvPercentiles, p.AgencyCumulativePercents};
    }
}

const char* CaptionOf(Int32 costType, bool oneAlternative) {
    constexpr std::array kAll{"Agency Costs - All Alternatives",
                              "Work Zone User Costs - All Alternatives",
                              "Total Costs - All Alternatives"};
    constexpr std::array kOne{"Agency Costs - Alternative:", "Work Zone User Costs - Alternative:",
                              "Total Costs - Alternative:"};
    const std::size_t row = costType == 1 || costType == 2 ? static_cast<std::size_t>(costType) : 0;
    return oneAlternative ? kOne[row] : kAll[row];
}

int AlternativeCount(const Project& p) {
    return std::clamp(p.NumberOfAlternatives, 0, kMaxAlternatives);
}

// Why a deterministic result is not a value. After a deterministic run the
// counts of the one iteration tell (a valid NPV may be negative, even -1);
// before one, column 0 holds whatever is there and only the marks can tell.
std::optional<std::string> DeterministicMark(const Project& p, int alternative, Int64 value) {
    const bool deterministicRun = p.IterationCount == 1;
    if (deterministicRun ? p.GridlockCounts[alternative] > 0 : value == -1) {
        return "Gridlock";
    }
    if (deterministicRun ? p.FailureCounts[alternative] > 0 : value == -2) {
        return "Failure";
    }
    return std::nullopt;
}

// Whether a probabilistic run left the alternative any valid NPV to plot.
// The statuses tell, not the tables: a share of valid iterations that rounds
// to 0 percent still has percentiles. Before any run the (empty) tables are
// drawn as they are.
bool HasValidIteration(const Project& p, int alternative) {
    return p.IterationCount <= 0 || p.ValidCounts[alternative] > 0;
}

// Heights on the value axis: the largest value reaches the top of the plot.
class ValueScale {
public:
    ValueScale(double max, int axisY, int plotHeight)
        : max_(max), axisY_(axisY), plotHeight_(plotHeight) {}

    [[nodiscard]] int Y(double value) const {
        if (!(max_ > 0) || plotHeight_ <= 0) {
            return axisY_;
        }
        const double perPixel = max_ / plotHeight_;
        const int height = std::clamp(TruncateToInt32(value / perPixel), 0, plotHeight_);
        return axisY_ - height;
    }

private:
    double max_;
    int axisY_;
    int plotHeight_;
};

class ResultsPage {
public:
    ResultsPage(const Project& project, PageSize size)
        : p_(project), w_(std::clamp(size.Width, 0, kLargestPage)),
          h_(std::clamp(size.Height, 0, kLargestPage)),
          l_(std::clamp(size.LineHeight, 0, kLargestLine)), axisY_(h_ - kAxisFromBottom),
          plotHeight_(axisY_ - kPlotTop), tables_(TablesOf(project, project.GraphCostType)),
          deterministic_(project.AnalysisType != kProbabilisticAnalysis),
          oneAlternative_(!deterministic_ && project.GraphPlotMode == 1) {}

    std::vector<PageCommand> Draw() {
        page_.Rectangle({kMargin, kMargin}, {w_ - kMargin, h_ - kFrameBottomMargin});
        DrawTitleBlock();
        page_.Line(kThinPen, {kMargin, kSeparatorY}, {w_ - kMargin, kSeparatorY});
        DrawAxes();
        if (deterministic_) {
            DrawDeterministic();
        } else if (oneAlternative_) {
            DrawOneAlternative();
        } else {
            DrawAllAlternatives();
        }
        return page_.Take();
    }

private:
    void DrawTitleBlock() {
        page_.Text(kTitleX, kTitleY, "Wexa");
        page_.Text(kTitleX, kTitleY + l_, p_.ExportFileName);
        page_.Text(kTitleX, kTitleY + 2 * l_, "Project Description:");
        page_.Text(kProjectDescriptionX, kTitleY + 2 * l_, p_.ProjectDescription);
        page_.Text(kTitleX, kTitleY + 4 * l_, "Alt");
        page_.Text(kDescriptionX, kTitleY + 4 * l_, "Description");
        for (int n = 1; n <= AlternativeCount(p_); ++n) {
            const int y = kTitleY + (n + 4) * l_;
            page_.Text(kTitleX, y, std::to_string(n));
            std::string description = p_.AlternativeDescriptions[n - 1];
            if (!deterministic_ && !HasValidIteration(p_, n - 1)) {
                description += " (no valid iteration)";
            }
            page_.Text(kDescriptionX, y, std::move(description));
            page_.Line(AlternativePen(n), {kKeyLineStartX, y + l_ / 2}, {kKeyLineEndX, y + l_ / 2});
        }
    }

    void DrawAxes() {
        page_.Line(kThinPen, {kValueAxisX, axisY_}, {kValueAxisX, kPlotTop});
        page_.Line(kThinPen, {kValueAxisX, axisY_}, {w_ - kAxisEndFromRight, axisY_});
        page_.Text(kLabelX, kCaptionY, "NPV ($)");
        page_.Text(kCaptionX, kCaptionY, CaptionOf(p_.GraphCostType, oneAlternative_));
        if (deterministic_) {
            const int s = SlotWidth();
            for (int n = 1; n <= kDeterministicSlots; ++n) {
                page_.Text(n * s - s / 2 + kAxisEndFromRight, axisY_ + l_, std::to_string(n));
            }
            page_.Text(2 * s - s / 2 + kAxisEndFromRight, axisY_ + 3 * l_, "Alternatives");
        } else {
            const int s = AxisLength() / 10;
            for (int k = 0; k <= 10; ++k) {
                page_.Text(kValueAxisX + k * s, axisY_ + l_, std::to_string(k * 10));
            }
            page_.Text(kValueAxisX + 2 * s - s / 2, axisY_ + 3 * l_, "Cumulative Percentage (%)");
        }
    }

    [[nodiscard]] int SlotWidth() const {
        return (w_ - 2 * kAxisEndFromRight) / kDeterministicSlots;
    }
    // W - 840: the category axis from the value axis to its end.
    [[nodiscard]] int AxisLength() const { return w_ - kAxisEndFromRight - kValueAxisX; }

    // `labelValue(k)` is the value written at the k-th of the 21 ticks.
    template <typename LabelValue> void DrawValueLabels(LabelValue labelValue) {
        const int tick = plotHeight_ / 20;
        for (int k = 0; k < kValueLabels; ++k) {
            const int y = axisY_ - k * tick;
            page_.Text(kLabelX, y, ValueLabelText(labelValue(k)));
            page_.Line(kThinPen, {kValueAxisX, y}, {kTickEndX, y});
        }
    }

    // The largest value plotted, starting from 0, at the top; labels in
    // twentieths of it.
    void DrawValueLabelsUpTo(double max) {
        const double step = max * 0.05;
        DrawValueLabels([step](int k) { return k * step; });
    }

    void DrawDeterministic() {
        const int count = AlternativeCount(p_);
        double max = 0;
        for (int a = 0; a < count; ++a) {
            const Int64 value = tables_.Results[a][0];
            if (!DeterministicMark(p_, a, value)) {
                max = std::max(max, static_cast<double>(value));
            }
        }
        DrawValueLabelsUpTo(max);
        const ValueScale scale(max, axisY_, plotHeight_);
        const int s = SlotWidth();
        for (int a = 0; a < count; ++a) {
            const int x = s / 2 + kAxisEndFromRight + a * s;
            const Int64 value = tables_.Results[a][0];
            if (const auto mark = DeterministicMark(p_, a, value)) {
                page_.Text(x, axisY_ - l_, *mark);
            } else {
                page_.Bar({x, scale.Y(static_cast<double>(value))}, {x + kBarWidth, axisY_});
            }
        }
    }

    [[nodiscard]] std::vector<PagePoint> Curve(int alternative, const ValueScale& scale) const {
        std::vector<PagePoint> points;
        points.reserve(kPercentilePoints);
        for (int j = 0; j < kPercentilePoints; ++j) {
            const double share = tables_.Cumulative[alternative][j];
            const int x = kValueAxisX + TruncateToInt32(AxisLength() * share * 0.01);
            points.push_back(
                {x, scale.Y(static_cast<double>(tables_.Percentiles[alternative][j]))});
        }
        return points;
    }

    void DrawAllAlternatives() {
        const int count = AlternativeCount(p_);
        double max = 0;
        for (int a = 0; a < count; ++a) {
            if (HasValidIteration(p_, a)) {
                for (const Int64 value : tables_.Percentiles[a]) {
                    max = std::max(max, static_cast<double>(value));
                }
            }
        }
        DrawValueLabelsUpTo(max);
        const ValueScale scale(max, axisY_, plotHeight_);
        for (int a = 0; a < count; ++a) {
            if (!HasValidIteration(p_, a)) {
                continue;
            }
            std::vector<PagePoint> points = Curve(a, scale);
            const int firstY = points.front().Y;
            page_.Polyline(AlternativePen(a + 1), std::move(points));
            page_.Text(kCurveNumberX, firstY + kCurveNumberDrop, std::to_string(a + 1));
        }
    }

    void DrawOneAlternative() {
        const int alternative = p_.GraphAlternative;
        if (alternative < 1 || alternative > AlternativeCount(p_)) {
            DrawValueLabelsUpTo(0);
            return;
        }
        const int a = alternative - 1;
        const Int64 max = std::max<Int64>(tables_.Percentiles[a][kLastPoint], 0);
        const Int64 step = max / 20;
        DrawValueLabels([step](int k) { return static_cast<double>(k * step); });
        if (HasValidIteration(p_, a)) {
            page_.Polyline(kThinPen,
                           Curve(a, ValueScale(static_cast<double>(max), axisY_, plotHeight_)));
        }
        const int numberX = p_.GraphCostType == 1 ? kNumberAfterLongCaptionX : kNumberAfterCaptionX;
        page_.Text(numberX, kCaptionY + l_, std::to_string(alternative));
    }

    const Project& p_;
    int w_;
    int h_;
    int l_;
    int axisY_;
    int plotHeight_;
    CostTables tables_;
    bool deterministic_;
    bool oneAlternative_;
    PageBuilder page_;
};

} // namespace

PagePen AlternativePen(int alternative) {
    constexpr int kWide = 8;
    if (alternative < 1 || alternative > kMaxAlternatives) {
        return kThinPen;
    }
    return {kWide, AlternativeColour(alternative)};
}

std::vector<PageCommand> MakeResultsPage(const Project& project, PageSize size) {
    return ResultsPage(project, size).Draw();
}

std::string ValueLabelText(double value) {
    // to_chars, unlike printf, ignores the locale the window sets.
    std::array<char, 32> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 2);
    return {text.data(), result.ptr};
}

} // namespace wexa::forms
