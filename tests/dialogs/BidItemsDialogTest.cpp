#include "dialogs/BidItemsDialog.h"
#include "forms/CaseNames.h"
#include "forms/FormText.h"
#include "forms/RecordingEffects.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace wexa::forms {
namespace {

using testing::ByCaseName;

constexpr int kShownSlot = 1;   // alternative 1, activity 2
constexpr int kSourceSlot = 12; // alternative 2, activity 3

// A project with two alternatives (two and three activities) whose form
// shows activity 2 of alternative 1. The stored rows of two activities have
// costs that are not quantity x unit price, as a loaded file may hold them.
class BidItemsDialogTest : public ::testing::Test {
protected:
    BidItemsDialogTest() {
        StoreRows(kShownSlot, 10.0);
        StoreRows(kSourceSlot, 500.0);
        project_->ActivityBidItemTotal[kShownSlot] = -7.0; // stale: the dialog sums the rows
        project_->NumberOfAlternatives = 2;
        project_->AlternativeActivityCount = {2, 3, 1, 1};
        project_->CurrentAlternative = 1;
        project_->CurrentActivity = 2;
    }

    void StoreRows(int slot, double base) {
        Project& p = *project_;
        for (int r = 0; r < kBidItemsPerActivity; ++r) {
            const int item = BidItemSlot(slot, r);
            p.BidItemQuantities[item] = base + r;
            p.BidItemUnitPrices[item] = 2.0 + r;
            p.BidItemCosts[item] = (base + r) * (2.0 + r) + 0.5;
            p.BidItemUnits[item] = r % 6;
            p.BidItemCodes[item] = static_cast<Int32>(base) + r;
            p.BidItemDescriptions[item] = "item " + std::to_string(item);
        }
    }

    BidItemsDialog& Open() {
        dialog_ = std::make_unique<BidItemsDialog>(BidItemsInputs::FromForm(*project_));
        return *dialog_;
    }

    // The sum of a slot's stored costs in row order, with `row` costing
    // `rowCost` instead when given.
    double StoredSum(int slot, int row = -1, double rowCost = 0.0) const {
        double sum = 0.0;
        for (int r = 0; r < kBidItemsPerActivity; ++r) {
            sum += r == row ? rowCost : project_->BidItemCosts[BidItemSlot(slot, r)];
        }
        return sum;
    }

    BidItemRow StoredRow(int slot, int r) const {
        const Project& p = *project_;
        const int item = BidItemSlot(slot, r);
        return {p.BidItemQuantities[item],   p.BidItemUnits[item],      p.BidItemCodes[item],
                p.BidItemDescriptions[item], p.BidItemUnitPrices[item], p.BidItemCosts[item]};
    }

    BidItemsBoxes::Row& Box(int row) { return dialog_->Boxes().Rows[row]; }

    std::unique_ptr<Project> project_ = std::make_unique<Project>();
    RecordingEffects effects_;
    std::unique_ptr<BidItemsDialog> dialog_;
};

TEST_F(BidItemsDialogTest, OpensOnTheShownActivityWithCostsAsStored) {
    const BidItemsDialog& dialog = Open();

    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        EXPECT_EQ(dialog.Rows()[r], StoredRow(kShownSlot, r)) << r;
    }
    EXPECT_EQ(dialog.Total(), StoredSum(kShownSlot));
    const BidItemsBoxes& boxes = dialog.Boxes();
    EXPECT_EQ(boxes.Alternative + boxes.Activity + boxes.CopyAlternative + boxes.CopyActivity,
              "1211");
    // Row 3: quantity 13, unit price 5, stored cost 65.5.
    EXPECT_EQ(boxes.Rows[3].Quantity + " " + boxes.Rows[3].UnitPrice + " " + boxes.Rows[3].Cost,
              "13 5 65.5");
    EXPECT_EQ(boxes.Total, "1030"); // (10 x 2 + .. + 19 x 11) + 10 x 0.5
}

struct RowEditCase {
    std::string name;
    bool quantityBox; // else the unit-price box
    std::string typed;
    std::string message; // "" when accepted
    std::string caption;
    double quantity;
    double unitPrice;
    double cost;
};

class BidItemRowEditTest : public BidItemsDialogTest,
                           public ::testing::WithParamInterface<RowEditCase> {};

const std::string kQuantityMessage = "Quantities must be greater than or equal to zero";
const std::string kUnitPriceMessage = "Unit prices must be greater than or equal to zero";

// Row 3 stores quantity 13 and unit price 5.
INSTANTIATE_TEST_SUITE_P(
    Cases, BidItemRowEditTest,
    ::testing::Values(RowEditCase{"zero_quantity", true, "0", "", "", 0.0, 5.0, 0.0},
                      RowEditCase{"zero_unit_price", false, "0", "", "", 13.0, 0.0, 0.0},
                      RowEditCase{"negative_quantity", true, "-5", kQuantityMessage,
                                  "Quantity Error", 1.0, 5.0, 5.0},
                      RowEditCase{"tiny_negative_quantity", true, "-1e-300", kQuantityMessage,
                                  "Quantity Error", 1.0, 5.0, 5.0},
                      RowEditCase{"negative_unit_price", false, "-0.25", kUnitPriceMessage,
                                  "Unit Price Error", 13.0, 1.0, 13.0}),
    ByCaseName());

TEST_P(BidItemRowEditTest, ZeroPassesANegativeValueBecomesOne) {
    const RowEditCase& c = GetParam();
    Open();
    if (c.quantityBox) {
        Box(3).Quantity = c.typed;
        dialog_->LeaveQuantity(3, effects_);
    } else {
        Box(3).UnitPrice = c.typed;
        dialog_->LeaveUnitPrice(3, effects_);
    }

    if (c.message.empty()) {
        EXPECT_TRUE(effects_.Events.empty());
    } else {
        const auto shown = effects_.TakeMessage(c.caption);
        EXPECT_EQ(shown.Text, c.message);
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation);
        const std::string box = c.quantityBox ? "Quantity[3]" : "UnitPrice[3]";
        EXPECT_EQ(effects_.Events,
                  (std::vector<std::string>{"message:" + c.caption, "focus:" + box}));
    }
    const BidItemRow& row = dialog_->Rows()[3];
    EXPECT_EQ(row.Quantity, c.quantity);
    EXPECT_EQ(row.UnitPrice, c.unitPrice);
    EXPECT_EQ(row.Cost, c.cost);
    EXPECT_EQ(Box(3).Quantity, FormatReal(c.quantity));
    // The other rows keep their stored costs, which still disagree.
    EXPECT_EQ(dialog_->Rows()[4], StoredRow(kShownSlot, 4));
    EXPECT_EQ(dialog_->Total(), StoredSum(kShownSlot, 3, c.cost));
}

TEST_F(BidItemsDialogTest, ATextThatIsNotANumberIsRefusedBeforeTheCheck) {
    Open();
    Box(0).Code = "7x";         // refused: the first box that does not parse
    Box(1).Quantity = "abc";    // refused too, without a second message
    Box(2).Description = "new"; // read all the same
    Box(3).Quantity = "-5";     // the box left: still checked
    dialog_->LeaveQuantity(3, effects_);

    EXPECT_EQ(effects_.Events,
              (std::vector<std::string>{"message:Wexa", "focus:Code[0]", "message:Quantity Error",
                                        "focus:Quantity[3]"}));
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter an integer.");
    effects_.TakeMessage("Quantity Error");
    EXPECT_EQ(Box(0).Code + " " + Box(1).Quantity, "10 11");
    EXPECT_EQ(dialog_->Rows()[2].Description, "new");
    EXPECT_EQ(dialog_->Rows()[3].Cost, 5.0);
}

TEST_F(BidItemsDialogTest, OkAndCopyWaitForEveryTextToParse) {
    Open();
    Box(5).UnitPrice = "five";
    EXPECT_FALSE(dialog_->PressOk(effects_)); // the dialog stays open
    EXPECT_EQ(effects_.Events, (std::vector<std::string>{"message:Wexa", "focus:UnitPrice[5]"}));
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter a number.");
    EXPECT_EQ(dialog_->Arrays().Costs, project_->BidItemCosts);

    effects_.Clear();
    dialog_->Boxes().CopyAlternative = "2";
    dialog_->Boxes().CopyActivity = "3x"; // not a copy from the activity last shown there
    dialog_->CopyBidItemsFrom(effects_);
    EXPECT_EQ(effects_.TakeMessage("Wexa").Text, "Please enter an integer.");
    EXPECT_EQ(effects_.Focus, std::vector<std::string>{"CopyFromActivity"});
    EXPECT_EQ(dialog_->Rows()[0], StoredRow(kShownSlot, 0));
}

TEST_F(BidItemsDialogTest, AValueNotRetypedKeepsEveryBit) {
    const double third = 0.1 + 0.2; // shown as "0.3", which reads back as another number
    project_->BidItemQuantities[BidItemSlot(kShownSlot, 0)] = third;
    Open();
    ASSERT_EQ(Box(0).Quantity, "0.3");
    ASSERT_TRUE(dialog_->PressOk(effects_));
    EXPECT_EQ(dialog_->Arrays().Quantities[BidItemSlot(kShownSlot, 0)], third);
}

struct CopyRefusalCase {
    std::string name;
    int alternatives;
    int activitiesOfSecond;
    std::string source; // alternative and activity typed
    std::string caption;
    std::string focus;
    std::string after; // the two boxes afterwards
};

class BidItemCopyRefusalTest : public BidItemsDialogTest,
                               public ::testing::WithParamInterface<CopyRefusalCase> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, BidItemCopyRefusalTest,
    ::testing::Values(CopyRefusalCase{"alternative_3_of_2", 2, 3, "3 1", "Alternative Error",
                                      "CopyFromAlternative", "1 1"},
                      CopyRefusalCase{"alternative_0", 2, 3, "0 2", "Alternative Error",
                                      "CopyFromAlternative", "1 2"},
                      CopyRefusalCase{"activity_4_of_3", 2, 3, "2 4", "Work Zone Error",
                                      "CopyFromActivity", "2 1"},
                      // A project file may declare more than there are slots.
                      CopyRefusalCase{"declared_alternative_without_slot", 7, 3, "5 1",
                                      "Alternative Error", "CopyFromAlternative", "1 1"},
                      CopyRefusalCase{"declared_activity_without_slot", 2, 12, "2 11",
                                      "Work Zone Error", "CopyFromActivity", "2 1"}),
    ByCaseName());

TEST_P(BidItemCopyRefusalTest, RefusesTheSourceAndCopiesNothing) {
    const CopyRefusalCase& c = GetParam();
    project_->NumberOfAlternatives = c.alternatives;
    project_->AlternativeActivityCount[1] = c.activitiesOfSecond;
    Open();
    Box(0).Quantity = "3";
    dialog_->LeaveQuantity(0, effects_);
    const auto before = dialog_->Rows();
    const double totalBefore = dialog_->Total();

    const auto space = c.source.find(' ');
    dialog_->Boxes().CopyAlternative = c.source.substr(0, space);
    dialog_->Boxes().CopyActivity = c.source.substr(space + 1);
    dialog_->CopyBidItemsFrom(effects_);

    EXPECT_EQ(effects_.TakeMessage(c.caption).Text,
              c.caption == "Alternative Error"
                  ? "The alternative number is not within the\nnumber of alternatives "
                    "specified for the project"
                  : "The work zone number is not within the\nnumber of work zones for this "
                    "alternative");
    EXPECT_EQ(effects_.Events,
              (std::vector<std::string>{"message:" + c.caption, "focus:" + c.focus}));
    EXPECT_EQ(dialog_->Boxes().CopyAlternative + " " + dialog_->Boxes().CopyActivity, c.after);
    EXPECT_EQ(dialog_->Rows(), before);
    EXPECT_EQ(dialog_->Total(), totalBefore);
}

TEST_F(BidItemsDialogTest, CopyTakesTheStoredRowsAndOkStoresThemWithTheirSum) {
    Open();
    dialog_->Boxes().CopyAlternative = "2";
    dialog_->Boxes().CopyActivity = "3";
    dialog_->CopyBidItemsFrom(effects_);

    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        EXPECT_EQ(dialog_->Rows()[r], StoredRow(kSourceSlot, r)) << r;
    }
    EXPECT_EQ(dialog_->Total(), StoredSum(kSourceSlot));

    ASSERT_TRUE(dialog_->PressOk(effects_));
    ASSERT_TRUE(dialog_->StoreInto(*project_));
    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        EXPECT_EQ(StoredRow(kShownSlot, r), StoredRow(kSourceSlot, r)) << r;
    }
    EXPECT_EQ(project_->ActivityBidItemTotal[kShownSlot], StoredSum(kSourceSlot));
    EXPECT_EQ(project_->ActivityBidItemTotal[kSourceSlot], 0.0);
}

TEST_F(BidItemsDialogTest, CopyingTheActivityOntoItselfReloadsItsStoredRows) {
    Open();
    Box(4).UnitPrice = "99";
    dialog_->LeaveUnitPrice(4, effects_);
    dialog_->Boxes().CopyActivity = "2";
    dialog_->CopyBidItemsFrom(effects_);

    EXPECT_EQ(dialog_->Rows()[4], StoredRow(kShownSlot, 4));
    EXPECT_EQ(dialog_->Total(), StoredSum(kShownSlot));
}

TEST_F(BidItemsDialogTest, OkStoresTheRowsAndTheirTotalAndNothingElse) {
    project_->BidItemUnits[BidItemSlot(kShownSlot, 8)] = 9; // no entry of the list
    auto expected = std::make_unique<Project>(*project_);
    Open();
    Box(8).Unit = -1; // what a list shows for it; kept
    Box(0).Quantity = "4";
    dialog_->LeaveQuantity(0, effects_);
    Box(9).Unit = 5;
    Box(9).Code = "-3";
    Box(9).Description = "Traffic control";
    ASSERT_TRUE(dialog_->PressOk(effects_));
    ASSERT_TRUE(dialog_->StoreInto(*project_));

    const int first = BidItemSlot(kShownSlot, 0);
    expected->BidItemQuantities[first] = 4.0;
    expected->BidItemCosts[first] = 4.0 * 2.0;
    expected->BidItemUnits[first + 9] = 5;
    expected->BidItemCodes[first + 9] = -3;
    expected->BidItemDescriptions[first + 9] = "Traffic control";
    expected->ActivityBidItemTotal[kShownSlot] = StoredSum(kShownSlot);
    const Project& p = *project_;
    EXPECT_EQ(p.BidItemQuantities, expected->BidItemQuantities);
    EXPECT_EQ(p.BidItemUnits, expected->BidItemUnits);
    EXPECT_EQ(p.BidItemCodes, expected->BidItemCodes);
    EXPECT_EQ(p.BidItemDescriptions, expected->BidItemDescriptions);
    EXPECT_EQ(p.BidItemUnitPrices, expected->BidItemUnitPrices);
    EXPECT_EQ(p.BidItemCosts, expected->BidItemCosts);
    EXPECT_EQ(p.ActivityBidItemTotal, expected->ActivityBidItemTotal);
}

TEST_F(BidItemsDialogTest, CancelAfterEditsAndACopyLeavesTheProjectUntouched) {
    const auto before = std::make_unique<Project>(*project_);
    Open();
    Box(2).Quantity = "-1";
    dialog_->LeaveQuantity(2, effects_);
    effects_.TakeMessage("Quantity Error");
    dialog_->Boxes().CopyAlternative = "2";
    dialog_->Boxes().CopyActivity = "3";
    dialog_->CopyBidItemsFrom(effects_);
    dialog_.reset(); // Cancel: nothing is taken back

    EXPECT_EQ(project_->BidItemQuantities, before->BidItemQuantities);
    EXPECT_EQ(project_->BidItemCosts, before->BidItemCosts);
    EXPECT_EQ(project_->ActivityBidItemTotal, before->ActivityBidItemTotal);
}

TEST_F(BidItemsDialogTest, TheTotalIsSummedInRowOrder) {
    // Against 1e16 each cost of 1 is lost in turn (the spacing of doubles
    // there is 2), so in row order the total is exactly 0; an order that
    // adds the ones first gives 8.
    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        project_->BidItemCosts[BidItemSlot(kShownSlot, r)] = 1.0;
    }
    project_->BidItemCosts[BidItemSlot(kShownSlot, 0)] = 1e16;
    project_->BidItemCosts[BidItemSlot(kShownSlot, 9)] = -1e16;
    Open();
    EXPECT_EQ(dialog_->Total(), 0.0);
}

TEST_F(BidItemsDialogTest, NumbersThatNameNoSlotOrRowReadAndStoreNothing) {
    const auto before = std::make_unique<Project>(*project_);
    for (const auto& [alternative, activity] :
         std::vector<std::pair<int, int>>{{5, 1}, {0, 1}, {1, 11}, {1, 0}, {-3, -3}}) {
        project_->CurrentAlternative = alternative;
        project_->CurrentActivity = activity;
        Open();
        EXPECT_FALSE(dialog_->HasSlot());
        EXPECT_EQ(dialog_->Rows()[0], BidItemRow{});
        EXPECT_TRUE(dialog_->PressOk(effects_));
        EXPECT_FALSE(dialog_->StoreInto(*project_));
    }
    EXPECT_EQ(project_->BidItemCosts, before->BidItemCosts);

    for (const int row : {-1, 10, 400}) {
        dialog_->LeaveQuantity(row, effects_);
        dialog_->LeaveUnitPrice(row, effects_);
    }
    EXPECT_TRUE(effects_.Events.empty());
}

// Effects whose message box, while it is open, makes the window report
// another box losing the focus, as a real message box does.
class FocusStealingEffects final : public FormEffects {
public:
    void ShowMessage(std::string_view, std::string_view caption, MessageIcon) override {
        Captions.emplace_back(caption);
        if (OnMessage) {
            OnMessage();
        }
    }
    void MoveFocus(std::string_view) override {}
    void ShowControl(std::string_view, bool) override {}
    void EnableControl(std::string_view, bool) override {}
    bool AskYesNo(std::string_view, std::string_view) override { return true; }

    std::function<void()> OnMessage;
    std::vector<std::string> Captions;
};

TEST_F(BidItemsDialogTest, AHandlerDoesNothingWhileAnotherRuns) {
    Open();
    FocusStealingEffects effects;
    effects.OnMessage = [&] { dialog_->LeaveUnitPrice(6, effects); };
    Box(6).UnitPrice = "-2"; // would be refused if its handler ran now
    Box(1).Quantity = "-1";
    dialog_->LeaveQuantity(1, effects);

    EXPECT_EQ(effects.Captions, std::vector<std::string>{"Quantity Error"});
    EXPECT_EQ(dialog_->Rows()[6].UnitPrice, -2.0); // read, but its check never ran

    effects.OnMessage = nullptr;
    dialog_->LeaveUnitPrice(6, effects); // the next time it runs
    EXPECT_EQ(dialog_->Rows()[6].UnitPrice, 1.0);
}

} // namespace
} // namespace wexa::forms
