#include "dialogs/HourlyDistributionDialog.h"
#include "dialogs/HourlyDistributionDialogText.h"
#include "forms/CaseNames.h"
#include "forms/RecordingEffects.h"
#include "model/RoundValue.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

using testing::ByCaseName;
using wexa::testing::ReadText;
using wexa::testing::TempFolder;
using wexa::testing::WriteText;

HourlyTrafficDistribution RuralTable() {
    const auto project = std::make_unique<Project>();
    return HourlyTrafficDistribution::CopyOf(*project);
}

class HourlyDistributionDialogTest : public ::testing::Test {
protected:
    HourlyDistributionBoxes::Row& Row(int hour) { return dialog_.Boxes().Rows[hour]; }

    HourlyDistributionDialog dialog_{RuralTable()};
    RecordingEffects effects_;
};

TEST_F(HourlyDistributionDialogTest, OpensOnTheTableWithTheSumStillEmpty) {
    EXPECT_EQ(Row(0).AADT, "1.8");
    EXPECT_EQ(Row(0).Inbound, "48");
    EXPECT_EQ(Row(0).Outbound, "52");
    EXPECT_EQ(Row(16).AADT, "9.3");
    EXPECT_EQ(Row(23).Outbound, "53");
    EXPECT_EQ(dialog_.Boxes().Total, "");
    EXPECT_EQ(dialog_.Boxes().OffBy, "");
}

struct InboundCase {
    const char* name;
    const char* typed;
    const char* inbound;  // shown after leaving the box
    const char* outbound; // shown after leaving the box
    bool refused;
};

class LeavingInbound : public HourlyDistributionDialogTest,
                       public ::testing::WithParamInterface<InboundCase> {};

TEST_P(LeavingInbound, SetsTheOutboundShareOrRefuses) {
    const InboundCase& c = GetParam();
    Row(7).Inbound = c.typed;
    Row(3).AADT = "2.5"; // another box's edit is kept, not lost
    dialog_.LeaveInbound(7, effects_);
    EXPECT_EQ(Row(7).Inbound, c.inbound);
    EXPECT_EQ(Row(7).Outbound, c.outbound);
    EXPECT_EQ(Row(3).AADT, "2.5");
    EXPECT_EQ(Row(6).Outbound, "43"); // its neighbours stay
    if (c.refused) {
        const auto shown = effects_.TakeMessage("Percent Inbound Error");
        EXPECT_EQ(shown.Text, "The percent inbound must be between 0 and 100.\nPlease Adjust.");
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{"InboundPercent[7]"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    HourlyDistributionDialog, LeavingInbound,
    ::testing::Values(InboundCase{"sixty", "60", "60", "40", false},
                      InboundCase{"above_100", "120", "0", "100", true},
                      InboundCase{"negative", "-0.5", "0", "100", true},
                      InboundCase{"all_inbound", "100", "100", "0", false},
                      InboundCase{"none_inbound", "0", "0", "100", false},
                      InboundCase{"rounded_pair", "33.333", "33.33", "66.67", false},
                      InboundCase{"tiny_becomes_zero", "0.004", "0", "100", false}),
    ByCaseName());

TEST_F(HourlyDistributionDialogTest, InboundOfAnHourOutsideTheDayDoesNothing) {
    dialog_.LeaveInbound(24, effects_);
    dialog_.LeaveInbound(-1, effects_);
    EXPECT_TRUE(effects_.Events.empty());
    EXPECT_EQ(dialog_.Values(), RuralTable());
}

TEST(RoundValueSmallToZero, TwoDecimalsAndNeverANegativeZero) {
    for (const double tiny : {-1e-14, 1e-14, 0.004, -0.004, -0.005, -0.0}) {
        double value = tiny;
        RoundValueSmallToZero(value);
        EXPECT_EQ(value, 0.0) << tiny;
        EXPECT_FALSE(std::signbit(value)) << tiny;
    }
    for (const double kept : {0.05, -0.05, -0.25, 12.5}) {
        double value = kept;
        RoundValueSmallToZero(value);
        EXPECT_EQ(value, Rounded(kept, 1)) << kept;
        EXPECT_NE(value, 0.0) << kept;
    }
    double half = 99.125; // halves go up
    RoundValueSmallToZero(half);
    EXPECT_EQ(half, 99.13);
}

TEST_F(HourlyDistributionDialogTest, SumShowsTotalAndOffBy) {
    Row(0).AADT = "1.3"; // the rural table less 0.5
    dialog_.SumAADT(effects_);
    EXPECT_EQ(dialog_.Boxes().Total, "99.5");
    EXPECT_EQ(dialog_.Boxes().OffBy, "0.5");

    Row(0).AADT = "1.8";
    dialog_.SumAADT(effects_);
    EXPECT_EQ(dialog_.Boxes().Total, "100");
    EXPECT_EQ(dialog_.Boxes().OffBy, "0");

    Row(0).AADT = "2.05";
    dialog_.SumAADT(effects_);
    EXPECT_EQ(dialog_.Boxes().Total, "100.25");
    EXPECT_EQ(dialog_.Boxes().OffBy, "-0.25");
}

// Tables a little off 100 in several places, so that their sums carry the
// rounding errors of real input: the exact sums are 100 + offset.
struct SumCase {
    const char* name;
    double offset;
    bool passes;
};

class OkSum : public HourlyDistributionDialogTest, public ::testing::WithParamInterface<SumCase> {};

TEST_P(OkSum, PassesFrom99_99To100_01) {
    HourlyTrafficDistribution table = RuralTable();
    table.HourlyAADTPercent[5] += GetParam().offset;
    HourlyDistributionDialog dialog(table);
    EXPECT_EQ(dialog.PressOk(effects_), GetParam().passes);
    if (GetParam().passes) {
        EXPECT_EQ(dialog.Values(), table);
    } else {
        EXPECT_EQ(effects_.TakeMessage("Percent AADT Error").Text,
                  "The hourly percent of AADT do not add to 100.\nPlease Adjust.");
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{"AADTPercent[0]"});
    }
}

INSTANTIATE_TEST_SUITE_P(HourlyDistributionDialog, OkSum,
                         ::testing::Values(SumCase{"exact", 0.0, true},
                                           SumCase{"raised_by_0_005", 0.005, true},
                                           SumCase{"lowered_by_0_005", -0.005, true},
                                           SumCase{"raised_by_0_009", 0.009, true},
                                           SumCase{"lowered_by_0_009", -0.009, true},
                                           SumCase{"raised_by_0_02", 0.02, false},
                                           SumCase{"lowered_by_0_02", -0.02, false},
                                           SumCase{"raised_by_0_011", 0.011, false},
                                           SumCase{"lowered_by_0_011", -0.011, false}),
                         ByCaseName());

// An hour that is not a number shows as an empty box, which OK refuses as
// no number before it could sum the table.
TEST_F(HourlyDistributionDialogTest, OkRefusesASumThatIsNotANumber) {
    HourlyTrafficDistribution table = RuralTable();
    table.HourlyAADTPercent[9] = std::numeric_limits<double>::quiet_NaN();
    HourlyDistributionDialog dialog(table);
    EXPECT_EQ(dialog.Boxes().Rows[9].AADT, "");
    EXPECT_FALSE(dialog.PressOk(effects_));
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{HourlyDistributionControl::AADT(9)});
}

TEST_F(HourlyDistributionDialogTest, OkTakesTheTypedValuesButNotAMistypedOne) {
    Row(0).AADT = "1.3";
    Row(1).AADT = "2";
    Row(1).Inbound = "70"; // the split is not checked by OK
    EXPECT_TRUE(dialog_.PressOk(effects_));
    EXPECT_EQ(dialog_.Values().HourlyAADTPercent[1], 2.0);
    EXPECT_EQ(dialog_.Values().HourlyInboundPercent[1], 70.0);
    EXPECT_EQ(dialog_.Values().HourlyOutboundPercent[1], 52.0);

    Row(2).AADT = "1,3";
    EXPECT_FALSE(dialog_.PressOk(effects_));
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(Row(2).AADT, "1.3");

    auto project = std::make_unique<Project>();
    dialog_.StoreInto(*project);
    EXPECT_EQ(project->HourlyInboundPercent[1], 70.0);
    EXPECT_EQ(project->HourlyAADTPercent[0], 1.3);
}

TEST(HourlyDistributionFileRequest, StartsWithDstFilesAndAddsNoExtension) {
    for (const bool importing : {false, true}) {
        const FileNameRequest request = HourlyDistributionDialog::FileRequest(importing);
        EXPECT_EQ(request.InitialName, "*.dst");
        ASSERT_EQ(request.Filters.size(), 2U);
        EXPECT_EQ(request.Filters[0].Label, "Distribution Files");
        EXPECT_EQ(request.Filters[0].Patterns, std::vector<std::string>{"*.dst"});
        EXPECT_EQ(request.Filters[1].Label, "All Files");
        EXPECT_EQ(request.Filters[1].Patterns, std::vector<std::string>{"*"});
        EXPECT_EQ(request.DefaultSuffix, "");
        EXPECT_EQ(request.MustExist, importing);
        EXPECT_EQ(request.ConfirmOverwrite, !importing);
    }
}

TEST_F(HourlyDistributionDialogTest, SaveWritesTheBoxesAsTheyAreWithoutExtension) {
    TempFolder folder;
    effects_.FileAnswer = folder.File("evening");
    Row(0).AADT = "3.456"; // typed, not left; the sum is no longer 100
    dialog_.SaveDistribution(effects_);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"evening"});
    const std::string text = ReadText(folder / "evening");
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "3.46\t48.00\t52.00\n");
    EXPECT_EQ(text.substr(text.size() - 17), "2.30\t47.00\t53.00\n");
    EXPECT_EQ(Row(0).AADT, "3.456");
}

TEST_F(HourlyDistributionDialogTest, SaveCancelledWritesNothingAndFailedSaveNamesTheFile) {
    TempFolder folder;
    dialog_.SaveDistribution(effects_);
    EXPECT_EQ(effects_.FileRequests.size(), 1U);
    EXPECT_TRUE(effects_.TakeMessages().empty());
    EXPECT_TRUE(folder.Entries().empty());

    const std::string target = folder.File("missing/table.dst");
    effects_.FileAnswer = target;
    dialog_.SaveDistribution(effects_);
    EXPECT_NE(effects_.TakeMessage("Save Error").Text.find(target), std::string::npos);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(HourlyDistributionDialogTest, MistypedBoxStopsSaveBeforeTheFileIsAskedFor) {
    Row(4).Inbound = "fifty";
    dialog_.SaveDistribution(effects_);
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_TRUE(effects_.FileRequests.empty());
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"InboundPercent[4]"});
}

TEST_F(HourlyDistributionDialogTest, ImportTakesTheFilesValuesAsTheyAre) {
    TempFolder folder;
    std::string text;
    for (int h = 0; h < kHours; ++h) {
        // The three numbers of an hour over three lines; the outbound share
        // does not match the inbound one and is kept as it is.
        text += (h == 0 ? "4.25" : "4") + std::string("\n") + "60\n\n  10\r\n";
    }
    WriteText(folder / "spread.dst", text);
    effects_.FileAnswer = folder.File("spread.dst");
    dialog_.SumAADT(effects_);
    dialog_.ImportDistribution(effects_);
    EXPECT_TRUE(effects_.TakeMessages().empty());
    // The sum shown before was of the replaced table.
    EXPECT_EQ(dialog_.Boxes().Total, "");
    EXPECT_EQ(dialog_.Boxes().OffBy, "");
    EXPECT_TRUE(effects_.FileRequests.at(0).MustExist);
    EXPECT_EQ(Row(0).AADT, "4.25");
    EXPECT_EQ(Row(23).AADT, "4");
    EXPECT_EQ(Row(12).Inbound, "60");
    EXPECT_EQ(Row(12).Outbound, "10");
    // Not checked on import: OK refuses the sum of 96.25.
    EXPECT_FALSE(dialog_.PressOk(effects_));
    EXPECT_EQ(effects_.TakeCaptions(), std::vector<std::string>{"Percent AADT Error"});
}

TEST_F(HourlyDistributionDialogTest, RefusedImportLeavesTheTable) {
    TempFolder folder;
    WriteText(folder / "short.dst", "1.80\t48.00\t52.00\n");
    Row(0).AADT = "2.2"; // typed before the import: read, and kept
    effects_.FileAnswer = folder.File("short.dst");
    dialog_.ImportDistribution(effects_);
    EXPECT_EQ(effects_.TakeMessage("Import Error").Text,
              "The distribution file could not be read: it must hold 72 numbers.");
    EXPECT_EQ(Row(0).AADT, "2.2");
    EXPECT_EQ(Row(1).AADT, "1.5");

    effects_.Clear();
    effects_.FileAnswer = folder.File("absent.dst");
    dialog_.ImportDistribution(effects_);
    EXPECT_NE(effects_.TakeMessage("Import Error").Text.find(folder.File("absent.dst")),
              std::string::npos);

    effects_.Clear();
    effects_.FileAnswer.reset();
    dialog_.ImportDistribution(effects_);
    HourlyTrafficDistribution expected = RuralTable();
    expected.HourlyAADTPercent[0] = 2.2;
    EXPECT_EQ(dialog_.Values(), expected);
}

TEST_F(HourlyDistributionDialogTest, SavedFileImportsBackToTheSameBoxes) {
    TempFolder folder;
    effects_.FileAnswer = folder.File("round-trip.dst");
    dialog_.SaveDistribution(effects_);
    HourlyTrafficDistribution other = RuralTable();
    other.HourlyAADTPercent.fill(0.0);
    HourlyDistributionDialog second(other);
    second.ImportDistribution(effects_);
    EXPECT_EQ(second.Values(), RuralTable());
}

} // namespace
} // namespace wexa::forms
