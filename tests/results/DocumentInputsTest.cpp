#include "results/DocumentInputs.h"

#include "forms/FormText.h"
#include "model/ProjectFile.h"
#include "support/ProjectFiles.h"
#include "support/SmallProjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wexa::forms::document_inputs_test {
namespace {

using ::testing::HasSubstr;

// One listed activity: its table and the bid-item table after it, if any.
struct ListedActivity {
    std::string Alternative; // the subheading it is listed under
    const TextTable* Inputs = nullptr;
    const TextTable* BidItems = nullptr;
    std::vector<std::string> Paragraphs; // between its table and the next activity
};

std::vector<ListedActivity> ListedActivities(const DocumentSection& section) {
    std::vector<ListedActivity> listed;
    std::string alternative;
    for (const DocumentBlock& block : section.Blocks) {
        if (block.Kind == BlockKind::Subheading) {
            alternative = block.Text;
        } else if (block.Kind == BlockKind::Table &&
                   block.Table.Title.starts_with("Work Activity ")) {
            listed.push_back({alternative, &block.Table, nullptr, {}});
        } else if (!listed.empty() && block.Kind == BlockKind::Table &&
                   block.Table.Title == "Bid Items") {
            listed.back().BidItems = &block.Table;
        } else if (!listed.empty() && block.Kind == BlockKind::Paragraph) {
            listed.back().Paragraphs.push_back(block.Text);
        }
    }
    return listed;
}

const TextTable* TableTitled(const DocumentSection& section, std::string_view title) {
    for (const DocumentBlock& block : section.Blocks) {
        if (block.Kind == BlockKind::Table && block.Table.Title == title) {
            return &block.Table;
        }
    }
    return nullptr;
}

std::vector<std::string> TextsOf(const DocumentSection& section, BlockKind kind) {
    std::vector<std::string> texts;
    for (const DocumentBlock& block : section.Blocks) {
        if (block.Kind == kind) {
            texts.push_back(block.Text);
        }
    }
    return texts;
}

// The value of a labelled row of a table of one value column.
std::string ValueOf(const TextTable& table, std::string_view label) {
    const auto row = std::find(table.RowNames.begin(), table.RowNames.end(), label);
    if (row == table.RowNames.end()) {
        ADD_FAILURE() << "no row " << label << " in " << table.Title;
        return {};
    }
    return table.Cells[static_cast<std::size_t>(row - table.RowNames.begin())].front();
}

double DollarCell(std::string text) {
    std::erase(text, ',');
    std::erase(text, '$');
    return std::stod(text);
}

// Every text of the section a reader would see, one after the other.
std::string EveryText(const DocumentSection& section) {
    std::string all = section.Title;
    for (const DocumentBlock& block : section.Blocks) {
        all += block.Text;
        const TextTable& t = block.Table;
        all += t.Title + t.Corner;
        for (const auto& texts : {t.Columns, t.RowNames}) {
            for (const std::string& text : texts) {
                all += text;
            }
        }
        for (const auto& row : t.Cells) {
            for (const std::string& cell : row) {
                all += cell;
            }
        }
    }
    return all;
}

void ExpectRectangularTables(const DocumentSection& section) {
    for (const DocumentBlock& block : section.Blocks) {
        if (block.Kind != BlockKind::Table) {
            continue;
        }
        const TextTable& t = block.Table;
        ASSERT_EQ(t.Cells.size(), t.RowNames.size()) << t.Title;
        for (const auto& row : t.Cells) {
            EXPECT_EQ(row.size(), t.Columns.size()) << t.Title;
        }
    }
}

// Every declared alternative and activity, in order, under its own
// alternative; each bid-item table ends in the stored total, which its rows
// add up to.
void ExpectEveryDeclaredActivity(const Project& p, const DocumentSection& section) {
    const std::vector<ListedActivity> listed = ListedActivities(section);
    std::size_t next = 0;
    for (int a = 1; a <= p.NumberOfAlternatives; ++a) {
        const std::string alternative =
            "Alternative " + std::to_string(a) + ": " + p.AlternativeDescriptions[a - 1];
        for (int w = 1; w <= p.AlternativeActivityCount[a - 1]; ++w, ++next) {
            ASSERT_LT(next, listed.size()) << alternative << ", activity " << w;
            const int slot = ActivitySlot(a, w);
            const ListedActivity& activity = listed[next];
            EXPECT_EQ(activity.Alternative, alternative);
            EXPECT_EQ(activity.Inputs->Title,
                      "Work Activity " + std::to_string(w) + ": " + p.ActivityDescriptions[slot]);
            if (p.ActivityBidItemTotal[slot] == 0.0) {
                continue;
            }
            ASSERT_NE(activity.BidItems, nullptr) << activity.Inputs->Title;
            const auto& rows = activity.BidItems->Cells;
            EXPECT_EQ(activity.BidItems->RowNames.back(), "Total");
            EXPECT_NEAR(DollarCell(rows.back().back()), p.ActivityBidItemTotal[slot], 0.005);
            double sum = 0.0;
            for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
                sum += DollarCell(rows[r].back());
            }
            EXPECT_NEAR(sum, p.ActivityBidItemTotal[slot], 0.005 * static_cast<double>(rows.size()))
                << activity.Inputs->Title;
        }
    }
    EXPECT_EQ(next, listed.size()) << "an activity is listed that is not declared";
}

TEST(DocumentInputsExamples, ListEveryDeclaredActivityWithItsStoredBidTotal) {
    for (const std::string& path : {wexa::testing::kUrbanExample, wexa::testing::kRuralExample}) {
        SCOPED_TRACE(path);
        auto project = std::make_unique<Project>();
        ASSERT_TRUE(ReadProjectFile(path, *project));
        const DocumentSection section = InputsSection(*project, {});
        EXPECT_EQ(section.Title, "Inputs");
        ExpectRectangularTables(section);
        ExpectEveryDeclaredActivity(*project, section);
        const TextTable* general = TableTitled(section, "General Project Inputs");
        ASSERT_NE(general, nullptr);
        EXPECT_EQ(ValueOf(*general, "Analysis Period"),
                  std::to_string(project->AnalysisPeriod) + " years");
        const TextTable* traffic = TableTitled(section, "Traffic & Roadway Capacity Inputs");
        ASSERT_NE(traffic, nullptr);
        EXPECT_EQ(ValueOf(*traffic, "Base Year AADT"), std::to_string(project->BaseYearAADT));
        const TextTable* hourly =
            TableTitled(section, "Hourly Traffic Distributions and Directional Split");
        ASSERT_NE(hourly, nullptr);
        ASSERT_EQ(hourly->RowNames.size(), kHours + 1U);
        EXPECT_EQ(hourly->RowNames[17], "17-18");
        EXPECT_EQ(hourly->Cells[17][0], FormatReal(project->HourlyAADTPercent[17]));
        EXPECT_TRUE(TextsOf(section, BlockKind::Subheading).back().starts_with("Alternative"))
            << "no warnings were given";
    }
}

// Two alternatives declared of four, the first with two activities of ten:
// every other slot holds text that must not be listed.
std::unique_ptr<Project> HandBuiltProject() {
    auto p = PlainProject();
    p->NumberOfAlternatives = 2;
    p->NumberOfLanes = 3;
    p->AlternativeDescriptions = {"Concrete", "Asphalt", "UNDECLARED", "UNDECLARED"};
    p->ActivityDescriptions.fill("UNDECLARED");
    Schedule(*p, 1, {{20, 0.0}, {15, 0.0}});
    Schedule(*p, 2, {{12, 0.0}});
    p->ActivityDescriptions[ActivitySlot(1, 1)] = "Mill\x1B[2J and\tfill\n";
    p->ActivityDescriptions[ActivitySlot(1, 2)] = "Diamond grinding";
    p->ActivityDescriptions[ActivitySlot(2, 1)] = "Overlay";

    const int slot = ActivitySlot(1, 1);
    const std::array<std::pair<double, double>, 2> items{{{1200.0, 52.5}, {3.0, 10000.0}}};
    for (int row = 0; row < 2; ++row) {
        const int item = BidItemSlot(slot, row * 4); // rows 1 and 5: a gap between them
        p->BidItemQuantities[item] = items[row].first;
        p->BidItemUnitPrices[item] = items[row].second;
        p->BidItemCosts[item] = items[row].first * items[row].second;
        p->ActivityBidItemTotal[slot] += p->BidItemCosts[item];
    }
    p->BidItemDescriptions[BidItemSlot(slot, 0)] = "PCC pavement\r";
    p->ActivityWorkZoneLanes[slot] = 1;
    p->ActivityRequiredTime[slot] = 40;
    p->ActivityDaysToComplete[slot] = 6;
    p->TimeItemDescriptions[TimeItemSlot(slot, 0)] = "Traffic control";
    p->TimeItemDescriptions[TimeItemSlot(slot, 2)] = "Engineering";
    p->TimeItemUnits[TimeItemSlot(slot, 0)] = kPerHour;
    p->TimeItemUnitPrices[TimeItemSlot(slot, 0)] = 25.0;
    p->TimeItemUnits[TimeItemSlot(slot, 2)] = 2; // the blank entry, priced by the day
    p->TimeItemUnitPrices[TimeItemSlot(slot, 2)] = 100.0;
    p->ActivityUserCostModes[slot] = kIncludeUserCosts;
    p->ActivityWorkZoneUserCost[slot] = 12345.678;
    return p;
}

TEST(DocumentInputsHandBuilt, ListsOnlyDeclaredSlotsWithTheirItems) {
    const auto p = HandBuiltProject();
    const DocumentSection section = InputsSection(*p, {});
    ExpectRectangularTables(section);
    EXPECT_THAT(EveryText(section), ::testing::Not(HasSubstr("UNDECLARED")));
    const std::vector<ListedActivity> listed = ListedActivities(section);
    ASSERT_EQ(listed.size(), 3U);
    EXPECT_EQ(listed[2].Inputs->Title, "Work Activity 1: Overlay");
    EXPECT_EQ(listed[2].Alternative, "Alternative 2: Asphalt");

    const ListedActivity& first = listed[0];
    ASSERT_NE(first.BidItems, nullptr);
    EXPECT_EQ(first.BidItems->RowNames, (std::vector<std::string>{"1", "5", "Total"}));
    EXPECT_EQ(first.BidItems->Cells[0].back(), "63,000.00");
    EXPECT_EQ(first.BidItems->Cells[2].back(), "93,000.00");
    EXPECT_EQ(first.Paragraphs, std::vector<std::string>{})
        << "rows and total agree, user costs included";
    EXPECT_EQ(ValueOf(*first.Inputs, "Number of Work Zone Lanes"),
              "1 open in each direction, 2 of 3 closed");
    EXPECT_EQ(ValueOf(*first.Inputs, "Work Zone User Costs, as last calculated"), "$12,345.68");
    EXPECT_EQ(ValueOf(*first.Inputs, "Number of Years before Next Scheduled Work Activity"),
              "Deterministic: 20");

    // An hourly item is priced by the required hours; the blank unit by the
    // days, as the run prices it.
    const TextTable* time = TableTitled(section, "Costs Dependent on Time of Construction");
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->RowNames, (std::vector<std::string>{"1", "3", "Total"}));
    EXPECT_EQ(time->Cells[0],
              (std::vector<std::string>{"Hour", "Traffic control", "25", "40", "1,000.00"}));
    EXPECT_EQ(time->Cells[1],
              (std::vector<std::string>{"Day", "Engineering", "100", "6", "600.00"}));
    EXPECT_EQ(time->Cells[2].back(), "1,600.00");

    // The activities without bid items or time items say so.
    EXPECT_THAT(listed[1].Paragraphs, ::testing::Contains("No bid items are entered."));
    EXPECT_THAT(listed[1].Paragraphs,
                ::testing::Contains(HasSubstr("excludes work-zone user costs")));
}

TEST(DocumentInputsHandBuilt, EscapesControlCharactersOfStoredText) {
    const auto p = HandBuiltProject();
    const DocumentSection section =
        InputsSection(*p, {"Timing of \"Mill\x1B\" is out of date.", "Left out: 3"});
    const std::vector<ListedActivity> listed = ListedActivities(section);
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed[0].Inputs->Title, "Work Activity 1: Mill\\x1B[2J and\\x09fill\\x0A");
    ASSERT_NE(listed[0].BidItems, nullptr);
    EXPECT_EQ(listed[0].BidItems->Cells[0][3], "PCC pavement\\x0D");
    const std::string all = EveryText(section);
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    }));
    EXPECT_EQ(TextsOf(section, BlockKind::Bullet),
              (std::vector<std::string>{"Timing of \"Mill\\x1B\" is out of date.", "Left out: 3"}));
    EXPECT_EQ(TextsOf(section, BlockKind::Subheading).back(), "Warnings");
}

TEST(DocumentInputsHandBuilt, AStoredTotalUnlikeItsRowsIsPointedOut) {
    auto p = HandBuiltProject();
    p->ActivityBidItemTotal[ActivitySlot(1, 1)] = 90000.0;
    const std::vector<ListedActivity> listed = ListedActivities(InputsSection(*p, {}));
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed[0].BidItems->Cells.back().back(), "90,000.00");
    EXPECT_THAT(listed[0].Paragraphs, ::testing::Contains(HasSubstr("$93,000.00")));
}

TEST(DocumentInputsHandBuilt, CountsOutsideTheSlotsListNothing) {
    auto p = HandBuiltProject();
    p->AlternativeActivityCount[1] = 11;
    DocumentSection section = InputsSection(*p, {});
    EXPECT_EQ(ListedActivities(section).size(), 2U);
    EXPECT_THAT(TextsOf(section, BlockKind::Paragraph),
                ::testing::Contains(HasSubstr("work activities, 11, is outside 1 to 10")));
    p->NumberOfAlternatives = 5;
    section = InputsSection(*p, {});
    EXPECT_TRUE(ListedActivities(section).empty());
    EXPECT_THAT(TextsOf(section, BlockKind::Paragraph),
                ::testing::Contains(HasSubstr("alternatives, 5, is outside 1 to 4")));
}

TEST(DocumentInputsRates, DistributionsInTheFormsCaptions) {
    auto p = HandBuiltProject();
    p->DiscountRateKind = kTruncatedNormal;
    p->DiscountRateMin = 1.0;
    p->DiscountRateMean = 4.5;
    p->DiscountRateMax = 2.0;
    p->TrafficGrowthKind = kTriangular;
    p->TrafficGrowthMin = 1.0;
    p->TrafficGrowthMean = 2.0;
    p->TrafficGrowthMax = 3.0;
    const DocumentSection section = InputsSection(*p, {});
    EXPECT_EQ(ValueOf(*TableTitled(section, "General Project Inputs"), "Discount Rate (%)"),
              "Truncated Normal: Stdev 1, Expected 4.5, +/- 2");
    EXPECT_EQ(ValueOf(*TableTitled(section, "Traffic & Roadway Capacity Inputs"),
                      "Traffic Growth Rate (%)"),
              "Triangular: Min 1, Most Likely 2, Max 3");
}

// The rows of the table of changed rates, or none when there is no table.
std::vector<std::string> ChangedRateRows(const Project& p) {
    const DocumentSection section = InputsSection(p, {});
    const TextTable* table = TableTitled(section, "Cost rates that differ from the defaults");
    return table ? table->RowNames : std::vector<std::string>{};
}

TEST(DocumentInputsRates, NameEachRateThatDiffersFromTheDefaults) {
    auto p = std::make_unique<Project>();
    EXPECT_TRUE(ChangedRateRows(*p).empty());
    EXPECT_THAT(TextsOf(InputsSection(*p, {}), BlockKind::Paragraph),
                ::testing::Contains(HasSubstr("are the program's defaults")));

    p->DelayRatePassengerCar = 14.25;
    p->AddedCostSingleUnitTruck[5] += 1.0;
    p->IdlingCostCombinationTruck = 0.0;
    EXPECT_EQ(ChangedRateRows(*p),
              (std::vector<std::string>{"Value of Time ($/Veh-hr), Passenger Car",
                                        "Added Cost ($/1000 Stops), Single Unit Trucks at 25 mph",
                                        "Idling Cost ($/Veh-Hr), Combination Trucks"}));
    const DocumentSection section = InputsSection(*p, {});
    const TextTable* table = TableTitled(section, "Cost rates that differ from the defaults");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Cells[0], (std::vector<std::string>{"14.25", "11.58"}));
    EXPECT_THAT(TextsOf(section, BlockKind::Paragraph),
                ::testing::Not(::testing::Contains(HasSubstr("are the program's defaults"))));

    // A rate put back to its default is no longer named.
    LoadDefaultDelayCostRates(*p);
    EXPECT_EQ(ChangedRateRows(*p).size(), 2U);
}

} // namespace
} // namespace wexa::forms::document_inputs_test
