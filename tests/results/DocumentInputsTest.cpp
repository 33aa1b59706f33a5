#include "results/DocumentInputs.h"

#include "model/ProjectFile.h"
#include "support/ProjectFiles.h"
#include "support/SmallProjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
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

// The texts of the section a reader would see (column headings are fixed
// words), one after the other; every table's rows have a cell for each
// column on the way.
std::string EveryText(const DocumentSection& section) {
    std::string all = section.Title;
    for (const DocumentBlock& block : section.Blocks) {
        const TextTable& t = block.Table;
        all += block.Text + t.Title + t.Corner;
        EXPECT_EQ(t.Cells.size(), t.RowNames.size()) << t.Title;
        for (std::size_t r = 0; r < t.Cells.size(); ++r) {
            EXPECT_EQ(t.Cells[r].size(), t.Columns.size()) << t.Title;
            all += t.RowNames[r];
            for (const std::string& cell : t.Cells[r]) {
                all += cell;
            }
        }
    }
    return all;
}

// Every declared alternative and activity, in order, under its own
// alternative; each bid-item table ends in the stored total.
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
            EXPECT_EQ(activity.BidItems->RowNames.back(), "Total");
            std::string total = activity.BidItems->Cells.back().back();
            std::erase(total, ',');
            EXPECT_NEAR(std::stod(total), p.ActivityBidItemTotal[slot], 0.005);
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
        EveryText(section);
        ExpectEveryDeclaredActivity(*project, section);
        EXPECT_TRUE(TextsOf(section, BlockKind::Subheading).back().starts_with("Alternative"))
            << "no warnings were given";
    }
}

// Two alternatives declared of four, the first with two activities of ten:
// every other slot holds text that must not be listed.
std::unique_ptr<Project> HandBuiltProject() {
    auto p = PlainProject();
    p->NumberOfAlternatives = 2;
    p->AlternativeDescriptions = {"Concrete", "Asphalt", "UNDECLARED", "UNDECLARED"};
    p->ActivityDescriptions.fill("UNDECLARED");
    Schedule(*p, 1, {{20, 0.0}, {15, 0.0}});
    Schedule(*p, 2, {{12, 0.0}});
    p->ActivityDescriptions[ActivitySlot(1, 1)] = "Mill\x1B[2J and\tfill\n";
    p->ActivityDescriptions[ActivitySlot(1, 2)] = "Diamond grinding";
    p->ActivityDescriptions[ActivitySlot(2, 1)] = "Overlay";

    const int slot = ActivitySlot(1, 1);
    // Rows 1 and 5 filled, a gap between them; the stored total, not their
    // sum, is what the run prices.
    p->BidItemDescriptions[BidItemSlot(slot, 0)] = "PCC pavement\r";
    p->BidItemCosts[BidItemSlot(slot, 0)] = 63000.0;
    p->BidItemQuantities[BidItemSlot(slot, 4)] = 3.0;
    p->BidItemCosts[BidItemSlot(slot, 4)] = 30000.0;
    p->ActivityBidItemTotal[slot] = 90000.0;
    p->ActivityRequiredTime[slot] = 40;
    p->ActivityDaysToComplete[slot] = 6;
    p->TimeItemDescriptions[TimeItemSlot(slot, 0)] = "T";
    p->TimeItemDescriptions[TimeItemSlot(slot, 2)] = "E";
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
    EXPECT_THAT(EveryText(section), ::testing::Not(HasSubstr("UNDECLARED")));
    const std::vector<ListedActivity> listed = ListedActivities(section);
    ASSERT_EQ(listed.size(), 3U);
    EXPECT_EQ(listed[2].Alternative, "Alternative 2: Asphalt");

    const ListedActivity& first = listed[0];
    ASSERT_NE(first.BidItems, nullptr);
    EXPECT_EQ(first.BidItems->RowNames, (std::vector<std::string>{"1", "5", "Total"}));
    EXPECT_EQ(first.BidItems->Cells[2].back(), "90,000.00");
    EXPECT_EQ(first.Paragraphs, std::vector<std::string>{"The rows add up to $93,000.00; the "
                                                         "analysis uses the stored total of "
                                                         "$90,000.00."})
        << "and user costs are included";

    // An hourly item is priced by the required hours, the blank unit by the
    // days, as the run prices them.
    const TextTable* time = TableTitled(section, "Costs Dependent on Time of Construction");
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->RowNames, (std::vector<std::string>{"1", "3", "Total"}));
    EXPECT_EQ(time->Cells[0], (std::vector<std::string>{"Hour", "T", "25", "40", "1,000.00"}));
    EXPECT_EQ(time->Cells[1], (std::vector<std::string>{"Day", "E", "100", "6", "600.00"}));

    EXPECT_THAT(listed[1].Paragraphs, ::testing::Contains("No bid items are entered."));
    EXPECT_THAT(listed[1].Paragraphs,
                ::testing::Contains(HasSubstr("excludes work-zone user costs")));
}

TEST(DocumentInputsHandBuilt, EscapesControlCharactersOfStoredText) {
    const auto p = HandBuiltProject();
    const DocumentSection section = InputsSection(*p, {"Timing of \"Mill\x1B\" is stale.", "x"});
    const std::vector<ListedActivity> listed = ListedActivities(section);
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed[0].Inputs->Title, "Work Activity 1: Mill\\x1B[2J and\\x09fill\\x0A");
    EXPECT_EQ(listed[0].BidItems->Cells[0][3], "PCC pavement\\x0D");
    const std::string all = EveryText(section);
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
    EXPECT_EQ(TextsOf(section, BlockKind::Subheading).back(), "Warnings");
    EXPECT_EQ(TextsOf(section, BlockKind::Bullet),
              (std::vector<std::string>{"Timing of \"Mill\\x1B\" is stale.", "x"}));
}

TEST(DocumentInputsRates, NameEachRateThatDiffersFromTheDefaults) {
    auto p = std::make_unique<Project>();
    constexpr std::string_view kChanged = "Cost rates that differ from the defaults";
    EXPECT_EQ(TableTitled(InputsSection(*p, {}), kChanged), nullptr);
    EXPECT_THAT(TextsOf(InputsSection(*p, {}), BlockKind::Paragraph),
                ::testing::Contains(HasSubstr("are the program's defaults")));

    p->DelayRatePassengerCar = 14.25;
    p->AddedCostSingleUnitTruck[5] += 1.0;
    p->IdlingCostCombinationTruck = 0.0;
    const DocumentSection section = InputsSection(*p, {});
    const TextTable* table = TableTitled(section, kChanged);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->RowNames,
              (std::vector<std::string>{"Value of Time ($/Veh-hr), Passenger Car",
                                        "Added Cost ($/1000 Stops), Single Unit Trucks at 25 mph",
                                        "Idling Cost ($/Veh-Hr), Combination Trucks"}));
    EXPECT_EQ(table->Cells[0], (std::vector<std::string>{"14.25", "11.58"}));
}

} // namespace
} // namespace wexa::forms::document_inputs_test
