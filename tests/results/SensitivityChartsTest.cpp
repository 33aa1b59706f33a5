// The sensitivity window's charts and data files, from sweeps and tornadoes
// made up for the test: what is drawn where, and that the CSV holds the
// same figures.
#include "results/RateChart.h"
#include "results/SensitivityCsv.h"
#include "results/SensitivityText.h"
#include "results/TornadoChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

RatePoint Point(double rate, std::vector<Int64> totals, IterationStatus third) {
    RatePoint point;
    point.Rate = rate;
    for (std::size_t a = 0; a < totals.size(); ++a) {
        point.Npv[static_cast<std::size_t>(CostKind::Agency)][a] = totals[a] / 2;
        point.Npv[static_cast<std::size_t>(CostKind::Total)][a] = totals[a];
    }
    point.Status[2] = third;
    return point;
}

// Three alternatives over 0..2 %: 1 and 2 swap their totals between 1 and
// 2 %; 3 gridlocks; agency costs never change order.
RateSensitivity Sweep() {
    RateSensitivity s;
    s.Alternatives = 3;
    s.Range = {0.0, 2.0, 1.0};
    const auto gridlock = IterationStatus::Gridlock;
    s.Points = {Point(0.0, {900, 1000, -1}, gridlock), Point(1.0, {950, 980, -1}, gridlock),
                Point(2.0, {990, 960, -1}, gridlock)};
    s.Pairs = {{0, 1, CostKind::Agency, true, {}},
               {0, 1, CostKind::Total, true, {{1.5, 1.5002, 1.5001, false, 0, 1}}},
               {0, 2, CostKind::Total, false, {}}};
    return s;
}

TEST(RateChartTest, DrawsEachValidAlternativeInItsColourAndMarksTheCoresBreakEvens) {
    const ChartContent chart = MakeRateChart(Sweep(), CostKind::Total, "Route 9");
    EXPECT_EQ(chart.Kind, ChartKind::Line);
    EXPECT_EQ(chart.CategoryAxisTitle, "Discount Rate (%)");
    EXPECT_EQ(chart.ValueAxisTitle, "Total Costs (NPV, $)");
    EXPECT_LE(chart.LineAxis.Min, 0.0);
    EXPECT_GE(chart.LineAxis.Max, 2.0);
    ASSERT_EQ(chart.Series.size(), 3u);
    for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(chart.Series[a].Colour, a + 1);
    }
    ASSERT_EQ(chart.Series[1].Points.size(), 3u);
    EXPECT_EQ(chart.Series[1].Points[2].X, 2.0);
    EXPECT_EQ(chart.Series[1].Points[2].Y, 960.0);
    // The gridlock marks are no money: the third has no line, and says why.
    EXPECT_TRUE(chart.Series[2].Points.empty());
    EXPECT_EQ(chart.Series[2].Legend, "Alternative 3 (gridlocks)");
    ASSERT_EQ(chart.Rules.size(), 1u);
    EXPECT_EQ(chart.Rules[0].At, 1.5001);
    EXPECT_EQ(chart.Rules[0].Text, "Alt 1 = Alt 2: 1.5001 %");
    // Agency costs of the same sweep: no change, no rule.
    EXPECT_TRUE(MakeRateChart(Sweep(), CostKind::Agency, "").Rules.empty());
}

TEST(RateChartTest, BreakEvensOfTheShownKindInWords) {
    EXPECT_EQ(BreakEvenLines(Sweep(), CostKind::Total),
              (std::vector<std::string>{
                  "Alt 1 and Alt 2: below 1.5001 % Alt 1 is cheaper, above it Alt 2",
                  "Alt 1 and Alt 3: cannot be compared, Alt 3 gridlocks in the base case"}));
    EXPECT_EQ(BreakEvenLines(Sweep(), CostKind::Agency),
              (std::vector<std::string>{
                  "Alt 1 and Alt 2: Alt 1 is cheaper at every rate from 0 % to 2 %"}));
}

// Two alternatives' totals at 0, 1, 2, ... %, and the changes of order the
// core found between them.
struct OrderCase {
    const char* name;
    std::vector<std::array<Int64, 2>> totals;
    std::vector<BreakEven> changes;
    const char* said;
};

class OrderWording : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderWording, SaysWhichIsCheaperOnEachSide) {
    const OrderCase& c = GetParam();
    RateSensitivity s;
    s.Alternatives = 2;
    s.Range = {0.0, static_cast<double>(c.totals.size() - 1), 1.0};
    for (std::size_t k = 0; k < c.totals.size(); ++k) {
        s.Points.push_back(Point(static_cast<double>(k), {c.totals[k][0], c.totals[k][1]},
                                 IterationStatus::Valid));
    }
    s.Pairs = {{0, 1, CostKind::Total, true, c.changes}};
    EXPECT_EQ(OrderText(s, s.Pairs[0]), c.said);
    // The window's list says the same after the pair's names.
    EXPECT_EQ(BreakEvenLines(s, CostKind::Total),
              std::vector<std::string>{"Alt 1 and Alt 2: " + std::string(c.said)});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, OrderWording, ::testing::Values(
    OrderCase{"SecondCheaperBelow", {{1000, 900}, {1000, 950}, {1000, 1100}},
              {{1.5, 1.5002, 1.5001, false, 1, 0}},
              "below 1.5001 % Alt 2 is cheaper, above it Alt 1"},
    OrderCase{"FirstCheaperBelow", {{900, 1000}, {950, 1000}, {1100, 1000}},
              {{1.5, 1.5002, 1.5001, false, 0, 1}},
              "below 1.5001 % Alt 1 is cheaper, above it Alt 2"},
    OrderCase{"TwoCrossings", {{900, 1000}, {1100, 1000}, {1100, 1000}, {900, 1000}},
              {{0.5, 0.5002, 0.5001, false, 0, 1}, {2.25, 2.25, 2.25, false, 1, 0}},
              "below 0.5001 % Alt 1 is cheaper, from 0.5001 % to 2.2500 % Alt 2, "
              "above 2.2500 % Alt 1"},
    OrderCase{"TiedStretchBetween", {{900, 1000}, {1000, 1000}, {1000, 1000}, {1100, 1000}},
              {{1.0, 2.0, 1.5, true, 0, 1}},
              "below 1.0000 % Alt 1 is cheaper, equal from 1.0000 % to 2.0000 %, "
              "above 2.0000 % Alt 2"},
    OrderCase{"TiedAtOneRateBetween", {{900, 1000}, {1000, 1000}, {1100, 1000}},
              {{1.0, 1.0, 1.0, true, 0, 1}},
              "below 1.0000 % Alt 1 is cheaper, above it Alt 2"},
    OrderCase{"EqualAtTheLastRate", {{900, 1000}, {950, 1000}, {1000, 1000}}, {},
              "from 0.0000 % to 1.0000 % Alt 1 is cheaper, equal at 2.0000 %"},
    OrderCase{"EqualAtTheFirstRatesThenACrossing",
              {{1000, 1000}, {1000, 1000}, {900, 1000}, {1100, 1000}},
              {{2.5, 2.5002, 2.5001, false, 0, 1}},
              "equal from 0.0000 % to 1.0000 %, from 2.0000 % to 2.5001 % Alt 1 is cheaper, "
              "above it Alt 2"},
    OrderCase{"CrossingThenEqualAtTheLastRate", {{900, 1000}, {1100, 1000}, {1000, 1000}},
              {{0.5, 0.5002, 0.5001, false, 0, 1}},
              "below 0.5001 % Alt 1 is cheaper, from 0.5001 % to 1.0000 % Alt 2, "
              "equal at 2.0000 %"},
    OrderCase{"EqualEverywhere", {{1000, 1000}, {1000, 1000}}, {},
              "equal at every rate from 0 % to 1 %"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TornadoBar Bar(const char* name, TornadoStatus status, Int64 low, Int64 high) {
    TornadoBar bar;
    bar.Input = {TornadoInputKind::DiscountRate, 0, name, "%", 2.0, 4.0, 6.0};
    bar.Status = status;
    for (CaseOutcome* side : {&bar.AtLow, &bar.AtHigh}) {
        side->Npv[static_cast<std::size_t>(CostKind::Total)] = {5000, 5000 + low, 0, 0};
    }
    bar.AtHigh.Npv[static_cast<std::size_t>(CostKind::Total)][1] = 5000 + high;
    if (status == TornadoStatus::Ok) {
        bar.DifferenceLow = -low;
        bar.DifferenceHigh = -high;
    }
    return bar;
}

// Alternatives 1 and 2, base difference -100; the core's order.
Tornado TwoAlternatives() {
    Tornado t;
    t.Alternatives = 2;
    t.Pair = std::array{0, 1};
    t.Base.Npv[static_cast<std::size_t>(CostKind::Total)] = {5000, 5100, 0, 0};
    t.BaseDifference = -100;
    t.Bars = {Bar("Discount rate", TornadoStatus::Ok, 300, -200),
              Bar("Traffic growth rate", TornadoStatus::Ok, 150, 50),
              Bar("Base-year AADT", TornadoStatus::Gridlock, 0, 0)};
    t.Bars[2].AtHigh.Status[1] = IterationStatus::Gridlock;
    return t;
}

TEST(TornadoChartTest, RowsInTheCoresOrderAroundTheBaseDifference) {
    const ChartContent chart = MakeTornadoChart(TwoAlternatives(), "Route 9");
    EXPECT_EQ(chart.Kind, ChartKind::RangeBar);
    EXPECT_EQ(chart.ValueAxisTitle, "Total NPV, Alt 1 minus Alt 2 ($)");
    EXPECT_EQ(chart.BarBase, -100.0);
    EXPECT_EQ(chart.Categories, (std::vector<std::string>{"Discount rate (2 % / 6 %)",
                                                          "Traffic growth rate (2 % / 6 %)",
                                                          "Base-year AADT (2 % / 6 %)"}));
    ASSERT_EQ(chart.Series.size(), 2u);
    const std::vector<ChartPoint>& low = chart.Series[0].Points;
    const std::vector<ChartPoint>& high = chart.Series[1].Points;
    ASSERT_EQ(low.size(), 2u);
    ASSERT_EQ(high.size(), 2u);
    EXPECT_EQ(low[0].X, 0.0);
    EXPECT_EQ(low[0].Y, -300.0);
    EXPECT_EQ(high[0].Y, 200.0); // crosses zero: the cheaper one changes
    EXPECT_EQ(low[1].X, 1.0);
    EXPECT_EQ(high[1].Y, -50.0);
    // The gridlocked input keeps its row, with no bar and its status.
    ASSERT_EQ(chart.Labels.size(), 1u);
    EXPECT_EQ(chart.Labels[0].X, 2.0);
    EXPECT_EQ(chart.Labels[0].Text, "gridlock");
    EXPECT_TRUE(chart.Labels[0].Warning);
    ASSERT_EQ(chart.Rules.size(), 2u);
    EXPECT_EQ(chart.Rules[0].At, -100.0);
    EXPECT_EQ(chart.Rules[1].At, 0.0);
    EXPECT_LE(chart.ValueTicks.front().Value, -300.0);
    EXPECT_GE(chart.ValueTicks.back().Value, 200.0);
}

TEST(TornadoChartTest, WithoutAPairTheBarsShowTheOneAlternativesTotal) {
    Tornado t = TwoAlternatives();
    t.Alternatives = 1;
    t.Pair.reset();
    t.BaseDifference.reset();
    const ChartContent chart = MakeTornadoChart(t, "");
    EXPECT_EQ(chart.ValueAxisTitle, "Total NPV of Alt 1 ($)");
    EXPECT_EQ(chart.BarBase, 5000.0);
    EXPECT_EQ(chart.Series[0].Points.front().Y, 5000.0);
    EXPECT_EQ(chart.Rules.size(), 1u);

    // A chosen pair one of which gridlocks in the base case: nothing to draw.
    t = TwoAlternatives();
    t.BaseDifference.reset();
    t.Base.Status[1] = IterationStatus::Gridlock;
    EXPECT_NE(MakeTornadoChart(t, "").Notice.find("Alt 2 gridlocks"), std::string::npos);
}

// An input of an activity of `alternative` (from 0; -1: of the whole
// project) that moves the total of `moved` by `swing` either way.
struct InputCase {
    int alternative;
    TornadoStatus status;
    int moved;
    Int64 swing;
};

struct LeftOutCase {
    const char* name;
    std::optional<std::array<int, 2>> pair;
    std::vector<InputCase> inputs;
    std::size_t rows;
    const char* footnote;
};

Tornado MadeOf(const LeftOutCase& c) {
    Tornado t;
    t.Alternatives = 4;
    t.Pair = c.pair;
    t.Base.Npv[static_cast<std::size_t>(CostKind::Total)] = {5000, 5100, 5200, 5300};
    const auto difference = [&c](const CaseOutcome& side) -> std::optional<Int64> {
        return c.pair ? std::optional(side.Of(CostKind::Total, (*c.pair)[0]) -
                                      side.Of(CostKind::Total, (*c.pair)[1]))
                      : std::nullopt;
    };
    t.BaseDifference = difference(t.Base);
    for (const InputCase& input : c.inputs) {
        TornadoBar bar;
        bar.Input.Kind =
            input.alternative < 0 ? TornadoInputKind::ValueOfTime : TornadoInputKind::RequiredTime;
        bar.Input.Slot = ActivitySlot(std::max(input.alternative, 0) + 1, 1);
        bar.Input.Name = "input " + std::to_string(t.Bars.size());
        bar.Status = input.status;
        bar.AtLow = bar.AtHigh = t.Base;
        const auto moved = static_cast<std::size_t>(input.moved);
        bar.AtLow.Npv[static_cast<std::size_t>(CostKind::Total)][moved] -= input.swing;
        bar.AtHigh.Npv[static_cast<std::size_t>(CostKind::Total)][moved] += input.swing;
        if (input.status == TornadoStatus::Ok) {
            bar.DifferenceLow = difference(bar.AtLow);
            bar.DifferenceHigh = difference(bar.AtHigh);
        }
        t.Bars.push_back(bar);
    }
    return t;
}

class TornadoLeftOutTest : public ::testing::TestWithParam<LeftOutCase> {};

// The activities of alternatives the bars do not measure leave the chart
// for one line under it; every other input keeps its row, numbered anew.
TEST_P(TornadoLeftOutTest, InputsThatCannotMoveTheBarsAreCountedUnderTheChart) {
    const Tornado t = MadeOf(GetParam());
    const ChartContent chart = MakeTornadoChart(t, "Route 9");
    EXPECT_EQ(chart.Categories.size(), GetParam().rows);
    EXPECT_EQ(chart.Footnote, GetParam().footnote);
    for (const ChartPoint& point : chart.Series[0].Points) {
        EXPECT_LT(point.X, static_cast<double>(chart.Categories.size()));
    }
}

constexpr auto kOk = TornadoStatus::Ok;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Tornadoes, TornadoLeftOutTest,
    ::testing::Values(
        LeftOutCase{"AnotherAlternativesActivities", std::array{0, 1},
                    {{0, kOk, 0, 10}, {2, kOk, 2, 30}, {2, kOk, 2, 40}}, 1,
                    "2 inputs of Alt 3 do not change Alt 1 minus Alt 2 and are left out."},
        // A refused or gridlocked input says why in its row; an input of the
        // pair, or of the whole project, that happens not to move it could.
        LeftOutCase{"RowsThatSayWhyOrCouldMove", std::array{0, 1},
                    {{2, TornadoStatus::Refused, 2, 30}, {2, TornadoStatus::Gridlock, 2, 30},
                     {0, kOk, 0, 0}, {-1, kOk, 0, 0}, {2, kOk, 2, 30}}, 4,
                    "1 input of Alt 3 does not change Alt 1 minus Alt 2 and is left out."},
        // Another alternative's input that moves the bars after all is drawn.
        LeftOutCase{"MovedAfterAll", std::array{0, 1}, {{2, kOk, 1, 30}}, 1, ""},
        LeftOutCase{"WithoutAPair", std::nullopt,
                    {{0, kOk, 0, 10}, {1, kOk, 1, 10}, {2, TornadoStatus::Refused, 2, 0},
                     {2, kOk, 2, 10}, {3, kOk, 3, 10}, {3, kOk, 3, 10}}, 2,
                    "1 input of Alt 2, 1 of Alt 3 and 2 of Alt 4 do not change the total NPV of "
                    "Alt 1 and are left out."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The CSV's lines split into fields (the test's figures need no quotes).
std::vector<std::vector<std::string>> Rows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.ends_with('\r')) << line;
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string field; std::getline(cells, field, ',');) {
            fields.push_back(field);
        }
        rows.push_back(fields);
    }
    return rows;
}

TEST(SensitivityCsvTest, RateTableAndBreakEvensReadBackAsTheSweepsFigures) {
    const RateSensitivity sweep = Sweep();
    const auto rows = Rows(RateCsv(sweep, "Route 9"));
    ASSERT_GE(rows.size(), 11u);
    EXPECT_EQ(rows[2][0], "Rate (%)");
    EXPECT_EQ(rows[2][3], "Alt 1 Total Costs");
    for (std::size_t k = 0; k < 3; ++k) {
        const std::vector<std::string>& row = rows[3 + k];
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(std::stod(row[0]), sweep.Points[k].Rate);
        EXPECT_EQ(std::stoll(row[1]), sweep.Points[k].Of(CostKind::Agency, 0));
        EXPECT_EQ(std::stoll(row[6]), sweep.Points[k].Of(CostKind::Total, 1));
        EXPECT_EQ(row[9], "gridlock");
    }
    EXPECT_EQ(rows[8][0], "Cost");
    EXPECT_EQ(rows[10][0], "Total Costs");
    EXPECT_EQ(std::stod(rows[10][2]), 1.5001);
    EXPECT_EQ(std::stod(rows[10][3]), 1.5);
    // Which of the pair is cheaper on each side of the change.
    EXPECT_EQ(rows[10][5], "Alt 1");
    EXPECT_EQ(rows[10][6], "Alt 2");
}

TEST(SensitivityCsvTest, TornadoRowsKeepEveryInputWithItsDifferencesAndStatus) {
    const Tornado t = TwoAlternatives();
    const auto rows = Rows(TornadoCsv(t, "Route 9"));
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(std::stoll(rows[4][1]), -100);
    const std::vector<std::string>& first = rows[8];
    EXPECT_EQ(first[0], "Discount rate");
    EXPECT_EQ(std::stod(first[2]), 2.0);
    EXPECT_EQ(std::stod(first[4]), 6.0);
    EXPECT_EQ(std::stoll(first[8]), 5000 - 200); // Alt 2 at high
    EXPECT_EQ(std::stoll(first[9]), -300);       // difference at low
    EXPECT_EQ(std::stoll(first[10]), 200);       // at high
    EXPECT_EQ(first[11], "ok");
    EXPECT_EQ(rows[10][8], "gridlock");
    EXPECT_EQ(rows[10][11], "gridlock");
}

} // namespace
} // namespace wexa::forms
