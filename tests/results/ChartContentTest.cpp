#include "results/ChartContent.h"
#include "results/ChartImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace wexa::forms {
namespace {

struct FormatCase {
    double Value;
    const char* Format;
    const char* Expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesTheValueInTheFormat) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.Value, c.Format), c.Expected) << c.Value << " in " << c.Format;
}

INSTANTIATE_TEST_SUITE_P(
    ThousandsAndDecimals, FormatNumberTest,
    ::testing::Values(
        // "#,##0": whole dollars grouped by thousands.
        FormatCase{0.0, "#,##0", "0"}, FormatCase{999.0, "#,##0", "999"},
        FormatCase{1000.0, "#,##0", "1,000"}, FormatCase{1234567.0, "#,##0", "1,234,567"},
        FormatCase{12345678901.0, "#,##0", "12,345,678,901"},
        FormatCase{-1234567.0, "#,##0", "-1,234,567"},
        // Halves round away from zero, in both directions.
        FormatCase{1234.5, "#,##0", "1,235"}, FormatCase{999.5, "#,##0", "1,000"},
        FormatCase{-2.5, "#,##0", "-3"}, FormatCase{1234.49, "#,##0", "1,234"},
        // Nothing that rounds to zero shows a minus sign.
        FormatCase{-0.4, "#,##0", "0"}, FormatCase{-0.04, "0.0", "0.0"},
        // "0.0": one decimal, no grouping.
        FormatCase{0.0, "0.0", "0.0"}, FormatCase{2.25, "0.0", "2.3"},
        FormatCase{0.04, "0.0", "0.0"}, FormatCase{1234.56, "0.0", "1234.6"},
        FormatCase{9.96, "0.0", "10.0"}, FormatCase{1234.5, "#,##0.00", "1,234.50"},
        FormatCase{std::numeric_limits<double>::quiet_NaN(), "#,##0", "-"},
        FormatCase{std::numeric_limits<double>::infinity(), "0.0", "-"}));

// Every tick a whole multiple of one step, the range covering the data and
// zero, the labels distinct.
void ExpectCovering(const std::vector<AxisTick>& ticks, double low, double high) {
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_LE(ticks.front().Value, std::min(low, 0.0));
    EXPECT_GE(ticks.back().Value, std::max(high, 0.0));
    EXPECT_LE(ticks.size(), 11u);
    const double step = ticks[1].Value - ticks[0].Value;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_DOUBLE_EQ(ticks[i].Value - ticks[i - 1].Value, step);
        EXPECT_NE(ticks[i].Text, ticks[i - 1].Text);
    }
}

TEST(ValueAxisTicksTest, NiceStepsCoverTheDataWithThousandsSeparators) {
    const std::vector<AxisTick> ticks = ValueAxisTicks(312000.0, 1234567.0, "#,##0");
    ExpectCovering(ticks, 312000.0, 1234567.0);
    EXPECT_EQ(ticks.front().Text, "0");
    EXPECT_EQ(ticks[1].Text, "200,000");
    EXPECT_EQ(ticks.back().Text, "1,400,000");
}

TEST(ValueAxisTicksTest, NegativeValuesExtendTheAxisBelowZero) {
    const std::vector<AxisTick> ticks = ValueAxisTicks(-4500.0, 18000.0, "#,##0");
    ExpectCovering(ticks, -4500.0, 18000.0);
    EXPECT_EQ(ticks.front().Text, "-5,000");
}

TEST(ValueAxisTicksTest, NeverFinerThanTheFormatShows) {
    // All zero, or values smaller than the format's last digit: still an
    // axis, and no two labels alike.
    ExpectCovering(ValueAxisTicks(0.0, 0.0, "#,##0"), 0.0, 0.0);
    const std::vector<AxisTick> small = ValueAxisTicks(0.0, 3.0, "#,##0");
    ExpectCovering(small, 0.0, 3.0);
    EXPECT_EQ(small[1].Text, "1");
    const std::vector<AxisTick> queue = ValueAxisTicks(0.0, 0.02, "0.0");
    ExpectCovering(queue, 0.0, 0.02);
    EXPECT_EQ(queue.back().Text, "0.1");
}

TEST(ValueAxisTicksTest, NotANumberIsTakenAsZero) {
    ExpectCovering(ValueAxisTicks(std::nan(""), std::numeric_limits<double>::infinity(), "0.0"),
                   0.0, 0.0);
}

TEST(FitValueAxisTest, LeavesRoomAboveTheHighestLabel) {
    ChartContent chart;
    chart.NumberFormat = "#,##0";
    chart.Series.push_back({"", {{0.0, 1000.0}}});
    FitValueAxis(chart);
    EXPECT_EQ(chart.ValueTicks.back().Value, 1000.0);
    chart.Labels.push_back({0.0, 1000.0, "1,000"});
    FitValueAxis(chart);
    EXPECT_GT(chart.ValueTicks.back().Value, 1000.0);
}

TEST(QueueChartTest, TwoLinesOfTwentyFourHoursWithOneDecimal) {
    PerHour<double> inbound{};
    PerHour<double> outbound{};
    inbound[8] = 1.26;
    outbound[17] = 3.0;
    const ChartContent chart = ToChart(MakeQueueGraph("Route 9", 1, 2, inbound, outbound));
    EXPECT_EQ(chart.Kind, ChartKind::Line);
    EXPECT_EQ(chart.Title, "Route 9");
    EXPECT_EQ(chart.Subtitle, "Alt 1 - WZ 2");
    EXPECT_EQ(chart.CategoryAxisTitle, "Hour of Day");
    EXPECT_EQ(chart.ValueAxisTitle, "Queue Length, miles");
    ASSERT_EQ(chart.Series.size(), 2u);
    EXPECT_EQ(chart.Series[0].Legend, "Inbound");
    EXPECT_EQ(chart.Series[1].Legend, "Outbound");
    for (const ChartSeries& series : chart.Series) {
        ASSERT_EQ(series.Points.size(), 24u);
        EXPECT_EQ(series.Points.front().X, 0.0);
        EXPECT_EQ(series.Points.back().X, 23.0);
    }
    EXPECT_EQ(chart.Series[0].Points[8].Y, 1.26);
    EXPECT_EQ(chart.Series[1].Points[17].Y, 3.0);
    EXPECT_LE(chart.LineAxis.Min, 0.0);
    EXPECT_GE(chart.LineAxis.Max, 23.0);
    EXPECT_EQ(chart.ValueTicks.front().Text, "0.0");
    EXPECT_EQ(chart.ValueTicks.back().Text, "3.0");
}

// The ends are whole steps that cover the range, the labels as fine as the
// step, even where a quotient lands a rounding error off a whole number.
TEST(NumericAxisOverTest, WholeStepsCoverTheRange) {
    const NumericAxis percent = NumericAxisOver(0.0, 10.0);
    EXPECT_EQ(percent.Min, 0.0);
    EXPECT_EQ(percent.Max, 10.0);
    EXPECT_EQ(percent.TickCount, 11);
    EXPECT_EQ(percent.Decimals, 0);
    const NumericAxis narrow = NumericAxisOver(2.5, 3.5);
    EXPECT_DOUBLE_EQ(narrow.Min, 2.5);
    EXPECT_DOUBLE_EQ(narrow.Max, 3.5);
    EXPECT_EQ(narrow.TickCount, 11);
    EXPECT_EQ(narrow.Decimals, 1);
    const NumericAxis single = NumericAxisOver(4.0, 4.0);
    EXPECT_LT(single.Min, 4.0);
    EXPECT_GT(single.Max, 4.0);
}

TEST(CompactNumberTest, GroupsThousandsAndDropsTrailingZeros) {
    EXPECT_EQ(CompactNumber(51200.0), "51,200");
    EXPECT_EQ(CompactNumber(6.5), "6.5");
    EXPECT_EQ(CompactNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(CompactNumber(-2.0), "-2");
}

TEST(ChartImageTest, SuffixDecidesTheFormat) {
    EXPECT_EQ(ChartImageTarget("/tmp/a.png")->Format, ImageFormat::Png);
    EXPECT_EQ(ChartImageTarget("/tmp/a.SVG")->Format, ImageFormat::Svg);
    EXPECT_EQ(ChartImageTarget("/tmp/a.SVG")->FileName, "/tmp/a.SVG");
    const auto bare = ChartImageTarget("/tmp/chart");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->FileName, "/tmp/chart.png");
    EXPECT_EQ(bare->Format, ImageFormat::Png);
    // A name whose suffix promises another picture type, or no file name.
    EXPECT_FALSE(ChartImageTarget("/tmp/a.jpg"));
    EXPECT_FALSE(ChartImageTarget("/tmp/"));
    EXPECT_FALSE(ChartImageTarget(""));
}

TEST(ChartImageTest, DialogOffersBothFormatsAndAsksBeforeReplacing) {
    const FileNameRequest request = ChartImageRequest();
    EXPECT_FALSE(request.MustExist);
    EXPECT_TRUE(request.ConfirmOverwrite);
    ASSERT_GE(request.Filters.size(), 2u);
    EXPECT_EQ(request.Filters[0].Patterns, std::vector<std::string>{"*.png"});
    EXPECT_EQ(request.Filters[1].Patterns, std::vector<std::string>{"*.svg"});
    EXPECT_NE(ImageNotWrittenMessage("/x/a.png", "No such file").find("/x/a.png"),
              std::string::npos);
    // A chosen name is shown with its control characters escaped.
    for (const std::string& message : {ImageNotWrittenMessage("/x/a\x1B[2J.png", "No such file"),
                                       ImageSuffixMessage("/x/a\x1B[2J.gif")}) {
        EXPECT_EQ(message.find('\x1B'), std::string::npos) << message;
        EXPECT_NE(message.find("/x/a\\x1B[2J."), std::string::npos) << message;
    }
}

} // namespace
} // namespace wexa::forms
