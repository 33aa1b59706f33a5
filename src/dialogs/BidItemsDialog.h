#pragma once

#include "dialogs/ItemsDialog.h"
#include "forms/FormEffects.h"
#include "model/Project.h"

#include <array>
#include <string>
#include <tuple>

namespace wexa::forms {

struct BidItemRow {
    double Quantity = 0.0;
    Int32 Unit = 0; // position in BidItemsLabel::Units
    Int32 Code = 0;
    std::string Description;
    double UnitPrice = 0.0;
    double Cost = 0.0;

    friend bool operator==(const BidItemRow&, const BidItemRow&) = default;
};

// The project's bid item storage, as the dialog is handed it and hands it
// back.
struct BidItemArrays {
    PerBidItem<double> Quantities{};
    PerBidItem<Int32> Units{};
    PerBidItem<Int32> Codes{};
    PerBidItem<std::string> Descriptions;
    PerBidItem<double> UnitPrices{};
    PerBidItem<double> Costs{};
    PerActivity<double> Totals{};

    [[nodiscard]] static BidItemArrays CopyOf(const Project& project);
    void CopyInto(Project& project) const;
};

// A row's values and their stored elements (see ItemsDialog).
[[nodiscard]] inline auto RowValues(BidItemRow& row) {
    return std::tie(row.Quantity, row.Unit, row.Code, row.Description, row.UnitPrice, row.Cost);
}
[[nodiscard]] inline auto StoredValues(BidItemArrays& arrays, int item) {
    return std::tie(arrays.Quantities[item], arrays.Units[item], arrays.Codes[item],
                    arrays.Descriptions[item], arrays.UnitPrices[item], arrays.Costs[item]);
}

// What the main form hands over: its current alternative and activity, the
// declared numbers of alternatives and activities, and the arrays.
struct BidItemsInputs {
    [[nodiscard]] static BidItemsInputs FromForm(const Project& project);

    int Alternative = 1;
    int Activity = 1;
    int NumberOfAlternatives = 1;
    PerAlternative<Int32> AlternativeActivityCount{};
    BidItemArrays Arrays;
};

// What the controls hold.
struct BidItemsBoxes {
    struct Row {
        std::string Quantity;
        int Unit = 0; // the list's position, -1 for none
        std::string Code;
        std::string Description;
        std::string UnitPrice;
        std::string Cost; // read-only
    };
    std::string Alternative; // read-only
    std::string Activity;    // read-only
    std::string Total;       // read-only
    std::array<Row, kBidItemsPerActivity> Rows;
    std::string CopyAlternative;
    std::string CopyActivity;
};

// The logic of the "Bid Items" dialog: the ten bid items of one activity,
// their costs and total, and the copy of another activity's stored rows.
// Ownership, driving, OK and StoreInto are those of ItemsDialog. The
// handlers besides OK are the two number boxes of a row losing the focus and
// the copy button; changing a unit, code or description computes nothing
// (those values are read with the next handler).
class BidItemsDialog final : public ItemsDialog<BidItemRow, BidItemArrays, BidItemsBoxes> {
public:
    // Opening: the activity's ten rows with their costs as stored (not
    // recomputed), the total as their sum, the copy source 1 and 1.
    explicit BidItemsDialog(BidItemsInputs inputs);

    // The quantity or unit-price box of a row (0..9) lost the focus: a
    // negative value is refused (message, focus back, 1.0 in its place); the
    // row's cost becomes quantity x unit price and the total is summed again
    // in row order. Nothing for a row outside 0..9.
    void LeaveQuantity(int row, FormEffects& effects);
    void LeaveUnitPrice(int row, FormEffects& effects);

    // "Copy Bid Items to Present Activity": the stored rows of the source
    // activity (costs as stored) replace the ten rows and the total is
    // summed again. A source alternative outside the project's, or an
    // activity outside that alternative's, is refused and set to 1, and
    // nothing is copied.
    void CopyBidItemsFrom(FormEffects& effects);

    // The total shown beside "Bid Items Total Cost: $": the ten costs summed
    // in row order. OK stores it as the activity's total.
    [[nodiscard]] double Total() const { return total_; }

private:
    struct RowNumber;
    void LeaveRowNumber(int row, const RowNumber& box, FormEffects& effects);
    [[nodiscard]] bool SourceIsValid(FormEffects& effects);
    void SumTotal();
    void Confirm() override;
    void ReadBoxes(BoxReader& reader) override;
    void WriteBoxes() override;

    int numberOfAlternatives_;
    PerAlternative<Int32> activityCounts_;
    double total_ = 0.0;
    Int32 copyAlternative_ = 1;
    Int32 copyActivity_ = 1;
};

} // namespace wexa::forms
