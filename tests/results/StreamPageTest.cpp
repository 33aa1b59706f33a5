#include "results/StreamPage.h"

#include "simulation/AnalysisRun.h"
#include "support/SmallProjects.h"

#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wexa::forms::stream_page_test {
namespace {

constexpr std::uint32_t kStreamSeed = 9;

std::unique_ptr<ExpenditureStream> RecordedStream(const Project& project) {
    auto stream = std::make_unique<ExpenditureStream>();
    const auto refusal = ComputeExpenditureStream(project, kStreamSeed, nullptr, *stream);
    EXPECT_FALSE(refusal.has_value());
    return stream;
}

// Two alternatives worked by hand: the first with a work zone priced in
// year 7 and an activity in year 16 that excludes user costs, closed with a
// salvage credit; the second gridlocks in its closing activity.
std::unique_ptr<Project> WorkedStreamProject() {
    auto p = PlainProject();
    p->NumberOfAlternatives = 2;
    Schedule(*p, 1, {{7, 1000.0}, {9, 300.0}, {25, 800.0}});
    const int zone = ActivitySlot(1, 2);
    p->ActivityUserCostModes[zone] = kIncludeUserCosts;
    p->ActivityRequiredTime[zone] = 16;
    p->ActivityDaysToComplete[zone] = 3;
    p->ActivityWorkZoneSpeed[zone] = 40;
    p->ActivityStartHour[zone] = 8;
    p->ActivityStopHour[zone] = 16;
    p->ActivityHoursInEffect[zone] = 8;
    Schedule(*p, 2, {{10, 1000.0}, {30, 500.0}});
    // Its capacity, not the traffic, is what gridlocks the second: the first
    // work zone's traffic is light enough to pass.
    MakeGridlock(*p, ActivitySlot(2, 2));
    p->BaseYearAADT = 30000;
    return p;
}

double SumOfBars(const StreamPanel& panel) {
    double sum = 0.0;
    for (const StreamBar& bar : panel.Bars) {
        sum += bar.Agency + bar.User;
    }
    return sum;
}

TEST(StreamPageTest, DiagramAndTablesShowEachActivityInItsYear) {
    const auto project = WorkedStreamProject();
    const auto stream = RecordedStream(*project);
    const RecordedAlternative& first = stream->Record.Alternatives[0];
    ASSERT_EQ(first.Status, IterationStatus::Valid);
    ASSERT_TRUE(first.Salvage.has_value());

    const StreamPage paid = MakeStreamPage(*stream, StreamValues::Undiscounted, "Route 9");
    EXPECT_EQ(paid.Basis, "Basis: deterministic run. Discount rate 4 %, analysis period 35 years.");
    ASSERT_EQ(paid.Diagram.Panels.size(), 2u);
    const StreamPanel& panel = paid.Diagram.Panels[0];
    ASSERT_EQ(panel.Bars.size(), 3u);
    EXPECT_EQ(panel.Bars[0].Year, 0);
    EXPECT_EQ(panel.Bars[1].Year, 7);
    EXPECT_EQ(panel.Bars[2].Year, 16);
    EXPECT_GT(panel.Bars[1].User, 0.0);
    // The activity that excludes user costs carries none.
    EXPECT_EQ(panel.Bars[2].User, 0.0);
    EXPECT_EQ(panel.Bars[2].Agency, 800.0);
    EXPECT_EQ(panel.Salvage, -first.Salvage->Amount);

    // In present value the bars, less the credit, come to the total NPV
    // (which the run rounds to the dollar).
    const StreamPage present = MakeStreamPage(*stream, StreamValues::PresentValue, "Route 9");
    EXPECT_NEAR(SumOfBars(present.Diagram.Panels[0]) + present.Diagram.Panels[0].Salvage,
                static_cast<double>(first.TotalNpv), 1.0);
    EXPECT_NE(present.Diagram.Subtitle, paid.Diagram.Subtitle);

    // One scale for every panel, from the deepest credit to the tallest bar.
    for (const StreamPage* page : {&paid, &present}) {
        const auto& ticks = page->Diagram.ValueTicks;
        const StreamBar& tallest = page->Diagram.Panels[0].Bars[1];
        EXPECT_LE(ticks.front().Value, page->Diagram.Panels[0].Salvage);
        EXPECT_GE(ticks.back().Value, tallest.Agency + tallest.User);
    }

    const TextTable& table = paid.Tables[0];
    EXPECT_EQ(table.RowNames, (std::vector<std::string>{"1", "2", "3", table.RowNames[3], "NPV"}));
    EXPECT_EQ(table.RowNames[3].rfind("Salvage (", 0), 0u);
    EXPECT_EQ(table.Cells[3][0], "35"); // the credit sits at the end of the period
    EXPECT_EQ(table.Cells[2][4], "0");  // no user cost for the excluded activity
    EXPECT_EQ(table.Cells[4].back(), FormatNumber(static_cast<double>(first.TotalNpv), "#,##0"));
}

TEST(StreamPageTest, AnAlternativeWithoutNpvShowsItsStatusAndNoMoney) {
    const auto stream = RecordedStream(*WorkedStreamProject());
    const StreamPage page = MakeStreamPage(*stream, StreamValues::Undiscounted, "");
    const StreamPanel& panel = page.Diagram.Panels[1];
    EXPECT_TRUE(panel.Bars.empty());
    EXPECT_EQ(panel.Salvage, 0.0);
    EXPECT_EQ(panel.Notice, "Activity 2 gridlocks: the alternative has no NPV.");

    const TextTable& table = page.Tables[1];
    EXPECT_EQ(table.Title, "Alternative 2: gridlock");
    ASSERT_EQ(table.RowNames.size(), 3u); // no salvage row
    EXPECT_EQ(table.RowNames[1], "2 (gridlock)");
    // Only the year and the bid items the run keeps for it.
    const std::vector<std::string>& gridlock = table.Cells[1];
    EXPECT_EQ(gridlock[0], "10");
    EXPECT_EQ(gridlock[1], "500");
    for (std::size_t c = 2; c < gridlock.size(); ++c) {
        EXPECT_EQ(gridlock[c], "") << c;
    }
    EXPECT_EQ(table.Cells[2].back(), "gridlock");
}

// Every figure of the saved data reads back as the double of the year table.
TEST(StreamPageTest, CsvHoldsTheYearTableExactly) {
    const auto project = WorkedStreamProject();
    const auto stream = RecordedStream(*project);
    std::istringstream csv(StreamCsv(*stream));
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line.rfind("Year,Alt 1 Agency,", 0), 0u);
    EXPECT_EQ(line.find("Alt 2"), std::string::npos); // the gridlocked alternative
    std::size_t year = 0;
    while (std::getline(csv, line)) {
        ASSERT_LT(year, stream->Years.size());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<double> values;
        std::size_t start = line.find(',') + 1;
        while (start != 0) {
            const std::size_t end = line.find(',', start);
            double value = 0.0;
            std::from_chars(line.data() + start,
                            line.data() + (end == std::string::npos ? line.size() : end), value);
            values.push_back(value);
            start = end + 1;
        }
        const auto expected = InColumnOrder(stream->Years[year][0]);
        EXPECT_EQ(values, std::vector<double>(expected.begin(), expected.end())) << year;
        ++year;
    }
    EXPECT_EQ(year, stream->Years.size());
}

// The window's stream comes from the inputs and seed of the run it shows.
TEST(StreamPageTest, KeptRunGivesTheStreamOfItsInputsOrSaysWhyNot) {
    const KeptStream none = StreamOfRun(nullptr);
    EXPECT_EQ(MakeStreamPage(none, StreamValues::Undiscounted).Diagram.Notice, kNoStreamNotice);

    auto project = WorkedStreamProject();
    project->DiscountRateKind = kUniform;
    project->DiscountRateMin = 2.0;
    project->DiscountRateMax = 6.0;
    auto workspace = std::make_unique<AnalysisWorkspace>();
    ASSERT_FALSE(RunAnalysis(*project, *workspace, {kStreamSeed, nullptr}).has_value());
    const KeptRun run(*project, *workspace);
    // Edits after the run do not reach the stream of its results.
    project->ActivityBidItemTotal[0] = 99999.0;
    const KeptStream kept = StreamOfRun(&run);
    ASSERT_NE(kept.Stream, nullptr);
    project->ActivityBidItemTotal[0] = 1000.0;
    EXPECT_EQ(StreamCsv(*kept.Stream), StreamCsv(*RecordedStream(*project)));
    EXPECT_EQ(kept.Stream->Record.Alternatives[0].TotalNpv, project->TotalNpvResults[0][0]);
}

} // namespace
} // namespace wexa::forms::stream_page_test
