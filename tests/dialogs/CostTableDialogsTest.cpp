#include "dialogs/CostTableDialogs.h"
#include "forms/RecordingEffects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace wexa::forms {
namespace {

constexpr int k55Mph = 11;
constexpr int kCar = 0;
constexpr int kSingleUnit = 1;
constexpr int kCombination = 2;

class AddedTimeCostDialogTest : public ::testing::Test {
protected:
    AddedTimeCostBoxes& Boxes() { return dialog_.Boxes(); }
    void Apply(const char* reference, const char* newer) {
        Boxes().Cpi = {reference, newer};
        dialog_.ApplyCpiEscalation(effects_);
    }

    AddedTimeCostDialog dialog_{AddedTimeCostTable::Defaults()};
    RecordingEffects effects_;
};

TEST_F(AddedTimeCostDialogTest, OpensOnTheTableWithBothCpisAt152_4) {
    EXPECT_EQ(Boxes().AddedTime[kCar][1], "1.02");
    EXPECT_EQ(Boxes().AddedTime[kCombination][16], "69.41");
    EXPECT_EQ(Boxes().AddedCost[kSingleUnit][2], "20.72");
    EXPECT_EQ(Boxes().AddedCost[kCombination][k55Mph], "721.77");
    EXPECT_EQ(Boxes().IdlingCost[kCombination], "0.8248");
    EXPECT_EQ(Boxes().Cpi.ReferenceCpi, "152.4");
    EXPECT_EQ(Boxes().Cpi.NewCpi, "152.4");
}

TEST_F(AddedTimeCostDialogTest, DoubledCpiDoublesTheCostsAndLeavesTheTimes) {
    Apply("152.4", "304.8");
    EXPECT_EQ(Boxes().AddedCost[kCombination][k55Mph], "1443.54");
    EXPECT_EQ(Boxes().AddedCost[kCar][16], "313.7");
    EXPECT_EQ(Boxes().IdlingCost[kCar], "1.3854");
    EXPECT_EQ(Boxes().IdlingCost[kSingleUnit], "1.5362");
    EXPECT_EQ(Boxes().AddedTime[kCombination][k55Mph], "20.72");
    EXPECT_EQ(Boxes().Cpi.ReferenceCpi, "152.4");
    EXPECT_EQ(Boxes().Cpi.NewCpi, "304.8");

    // Each press escalates what is shown once more.
    dialog_.ApplyCpiEscalation(effects_);
    EXPECT_EQ(Boxes().AddedCost[kCombination][k55Mph], "2887.08");
    EXPECT_EQ(Boxes().IdlingCost[kCar], "2.7708");
    EXPECT_EQ(dialog_.Values().AddedTimeCombinationTruck,
              AddedTimeCostTable::Defaults().AddedTimeCombinationTruck);
}

TEST_F(AddedTimeCostDialogTest, EqualCpisOnlyRoundCostsToTwoDecimalsHalvesUp) {
    Boxes().AddedCost[kCar][3] = "15.166";
    Boxes().AddedCost[kSingleUnit][4] = "0.125"; // exactly half a cent: up
    Boxes().AddedTime[kCar][3] = "2.0049";       // hours are not rounded
    Boxes().IdlingCost[kCar] = "0.69274";        // nor idling costs
    Apply("152.4", "152.4");
    EXPECT_EQ(Boxes().AddedCost[kCar][3], "15.17");
    EXPECT_EQ(Boxes().AddedCost[kSingleUnit][4], "0.13");
    EXPECT_EQ(Boxes().AddedTime[kCar][3], "2.0049");
    EXPECT_EQ(Boxes().IdlingCost[kCar], "0.69274");
    // Every other box shows what it showed: the shipped costs have two
    // decimals already.
    AddedTimeCostTable expected = AddedTimeCostTable::Defaults();
    expected.AddedCostPassengerCar[3] = 15.17;
    expected.AddedCostSingleUnitTruck[4] = 0.13;
    expected.AddedTimePassengerCar[3] = 2.0049;
    expected.IdlingCostPassengerCar = 0.69274;
    AddedTimeCostDialog unescalated(expected);
    EXPECT_EQ(Boxes().AddedCost, unescalated.Boxes().AddedCost);
    EXPECT_EQ(Boxes().AddedTime, unescalated.Boxes().AddedTime);
    EXPECT_EQ(Boxes().IdlingCost, unescalated.Boxes().IdlingCost);
    EXPECT_EQ(dialog_.Values().AddedTimePassengerCar, expected.AddedTimePassengerCar);
}

TEST_F(AddedTimeCostDialogTest, ResetRestoresTheShippedTableButKeepsTheCpis) {
    Boxes().AddedTime[kSingleUnit][9] = "99";
    Boxes().IdlingCost[kCombination] = "5";
    Apply("100", "300");
    ASSERT_EQ(Boxes().AddedCost[kCar][1], "8.1");
    dialog_.ResetCostDefaults(effects_);
    EXPECT_EQ(dialog_.Values(), AddedTimeCostTable::Defaults());
    EXPECT_EQ(Boxes().AddedTime[kSingleUnit][9], "6.6");
    EXPECT_EQ(Boxes().Cpi.ReferenceCpi, "100");
    EXPECT_EQ(Boxes().Cpi.NewCpi, "300");
}

// A box holding text is reset like any other, without "Please enter a
// number."; the CPI boxes keep even a text that is no number.
TEST_F(AddedTimeCostDialogTest, ResetReplacesBoxesThatHoldNoNumber) {
    Boxes().AddedCost[kCombination][k55Mph] = "seven";
    Boxes().IdlingCost[kCar] = "";
    Boxes().Cpi.NewCpi = "new";
    dialog_.ResetCostDefaults(effects_);
    EXPECT_TRUE(effects_.TakeMessages().empty());
    EXPECT_TRUE(effects_.Focus.empty());
    EXPECT_EQ(dialog_.Values(), AddedTimeCostTable::Defaults());
    EXPECT_EQ(Boxes().AddedCost[kCombination][k55Mph], "721.77");
    EXPECT_EQ(Boxes().IdlingCost[kCar], "0.6927");
    EXPECT_EQ(Boxes().Cpi.NewCpi, "new");
    // The CPI text is still read, and refused, by the next handler that needs it.
    dialog_.ApplyCpiEscalation(effects_);
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(dialog_.Values(), AddedTimeCostTable::Defaults());
}

TEST_F(AddedTimeCostDialogTest, OkTakesEveryBoxUncheckedAndRefusesAMistypedOne) {
    Boxes().AddedTime[kCombination][0] = "-4";
    Boxes().AddedCost[kSingleUnit][16] = "0";
    Boxes().IdlingCost[kSingleUnit] = "1e3";
    EXPECT_TRUE(dialog_.PressOk(effects_));
    EXPECT_TRUE(effects_.TakeMessages().empty());
    auto project = std::make_unique<Project>();
    dialog_.StoreInto(*project);
    EXPECT_EQ(project->AddedTimeCombinationTruck[0], -4.0);
    EXPECT_EQ(project->AddedCostSingleUnitTruck[16], 0.0);
    EXPECT_EQ(project->IdlingCostSingleUnitTruck, 1000.0);
    EXPECT_EQ(project->AddedCostCombinationTruck[k55Mph], 721.77);

    Boxes().AddedCost[kCar][2] = "8.83$";
    EXPECT_FALSE(dialog_.PressOk(effects_));
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"AddedCostPassengerCar[2]"});
}

// A Reference CPI that is not above 0 is refused in both dialogs, and
// nothing changes.
class RefusedReferenceCpi : public ::testing::TestWithParam<const char*> {
protected:
    void ExpectRefusal() {
        const auto shown = effects_.TakeMessage("Cost Escalation Error");
        EXPECT_EQ(shown.Text, "The reference CPI must be greater than 0");
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        EXPECT_EQ(effects_.Focus, std::vector<std::string>{"ReferenceCpi"});
    }
    RecordingEffects effects_;
};

TEST_P(RefusedReferenceCpi, AddedTimeAndCostsStay) {
    AddedTimeCostDialog dialog(AddedTimeCostTable::Defaults());
    dialog.Boxes().Cpi = {GetParam(), "200"};
    dialog.ApplyCpiEscalation(effects_);
    ExpectRefusal();
    EXPECT_EQ(dialog.Values(), AddedTimeCostTable::Defaults());
    EXPECT_EQ(dialog.Boxes().AddedCost[kCombination][k55Mph], "721.77");
    EXPECT_EQ(dialog.Boxes().Cpi.ReferenceCpi, GetParam());
}

TEST_P(RefusedReferenceCpi, DelayRatesStay) {
    DelayCostRatesDialog dialog(DelayCostRates::Defaults());
    dialog.Boxes().Cpi = {GetParam(), "200"};
    dialog.ApplyCpiEscalation(effects_);
    ExpectRefusal();
    EXPECT_EQ(dialog.Values(), DelayCostRates::Defaults());
    EXPECT_EQ(dialog.Boxes().DelayRate[kCar], "11.58");
}

INSTANTIATE_TEST_SUITE_P(CostTableDialogs, RefusedReferenceCpi,
                         ::testing::Values("0", "-0", "-152.4"),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(DelayCostRatesDialog, DoubledCpiDoublesAndRoundsEachRate) {
    RecordingEffects effects;
    DelayCostRatesDialog dialog(DelayCostRates::Defaults());
    EXPECT_EQ(dialog.Boxes().DelayRate[kSingleUnit], "18.54");
    EXPECT_EQ(dialog.Boxes().Cpi.ReferenceCpi, "152.4");
    dialog.Boxes().Cpi.NewCpi = "304.8";
    dialog.ApplyCpiEscalation(effects);
    EXPECT_EQ(dialog.Boxes().DelayRate[kCar], "23.16");
    EXPECT_EQ(dialog.Boxes().DelayRate[kSingleUnit], "37.08");
    EXPECT_EQ(dialog.Boxes().DelayRate[kCombination], "44.62");
    dialog.ApplyCpiEscalation(effects);
    EXPECT_EQ(dialog.Boxes().DelayRate[kCar], "46.32");

    // Half as much again: 11.58 x 1.5 = 17.37. 22.31 x 1.5 would be 33.465,
    // but 22.31 is stored a hair below itself and the rounding decides on
    // the first dropped digit alone: 33.46.
    dialog.ResetCostDefaults(effects);
    dialog.Boxes().Cpi = {"200", "300"};
    dialog.ApplyCpiEscalation(effects);
    EXPECT_EQ(dialog.Boxes().DelayRate[kCar], "17.37");
    EXPECT_EQ(dialog.Boxes().DelayRate[kCombination], "33.46");
}

TEST(DelayCostRatesDialog, OkHandsBackTheTypedRates) {
    RecordingEffects effects;
    DelayCostRatesDialog dialog(DelayCostRates{1.0, 2.0, 3.0});
    dialog.Boxes().DelayRate[kCombination] = "-7.5";
    ASSERT_TRUE(dialog.PressOk(effects));
    auto project = std::make_unique<Project>();
    dialog.StoreInto(*project);
    EXPECT_EQ(project->DelayRatePassengerCar, 1.0);
    EXPECT_EQ(project->DelayRateSingleUnitTruck, 2.0);
    EXPECT_EQ(project->DelayRateCombinationTruck, -7.5);

    dialog.Boxes().DelayRate[kCar] = "";
    EXPECT_FALSE(dialog.PressOk(effects));
    EXPECT_EQ(effects.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(effects.Focus, std::vector<std::string>{"DelayRatePassengerCar"});
}

} // namespace
} // namespace wexa::forms
