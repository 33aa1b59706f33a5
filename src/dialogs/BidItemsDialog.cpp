#include "dialogs/BidItemsDialog.h"

#include "dialogs/BidItemsDialogText.h"
#include "dialogs/NonNegativeCheck.h"
#include "forms/DialogBoxes.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace wexa::forms {

namespace {

// The project's bid item arrays and the dialog's copies of them, in the same
// order, as tuples of references: taking the copies and handing them back
// follow one list.
template <typename P> auto ProjectArrays(P& project) {
    return std::tie(project.BidItemQuantities, project.BidItemUnits, project.BidItemCodes,
                    project.BidItemDescriptions, project.BidItemUnitPrices, project.BidItemCosts,
                    project.ActivityBidItemTotal);
}
template <typename Arrays> auto CopiedArrays(Arrays& arrays) {
    return std::tie(arrays.Quantities, arrays.Units, arrays.Codes, arrays.Descriptions,
                    arrays.UnitPrices, arrays.Costs, arrays.Totals);
}

// A copy-source number must lie in 1..count; otherwise its refusal and 1 in
// its place.
bool KeepWithin(Int32& number, int count, const MessageText& refusal, std::string_view control,
                FormEffects& effects) {
    if (number >= 1 && number <= count) {
        return true;
    }
    Refuse(effects, refusal, control);
    number = 1;
    return false;
}

} // namespace

BidItemArrays BidItemArrays::CopyOf(const Project& project) {
    BidItemArrays arrays;
    CopiedArrays(arrays) = ProjectArrays(project);
    return arrays;
}

void BidItemArrays::CopyInto(Project& project) const {
    ProjectArrays(project) = CopiedArrays(*this);
}

BidItemsInputs BidItemsInputs::FromForm(const Project& project) {
    return {project.CurrentAlternative, project.CurrentActivity, project.NumberOfAlternatives,
            project.AlternativeActivityCount, BidItemArrays::CopyOf(project)};
}

// A number box of a row: its value must not be negative, and leaving it
// prices the row again.
struct BidItemsDialog::RowNumber {
    double BidItemRow::*Value;
    MessageText Refusal;
    std::string (*Control)(int row);
};

BidItemsDialog::BidItemsDialog(BidItemsInputs inputs)
    : ItemsDialog(inputs.Alternative, inputs.Activity, std::move(inputs.Arrays), &BidItemSlot),
      numberOfAlternatives_(inputs.NumberOfAlternatives),
      activityCounts_(inputs.AlternativeActivityCount) {
    SumTotal();
    Write();
}

void BidItemsDialog::LeaveQuantity(int row, FormEffects& effects) {
    static constexpr RowNumber kQuantity{&BidItemRow::Quantity, BidItemsMessage::Quantity,
                                         &BidItemsControl::Quantity};
    LeaveRowNumber(row, kQuantity, effects);
}

void BidItemsDialog::LeaveUnitPrice(int row, FormEffects& effects) {
    static constexpr RowNumber kUnitPrice{&BidItemRow::UnitPrice, BidItemsMessage::UnitPrice,
                                          &BidItemsControl::UnitPrice};
    LeaveRowNumber(row, kUnitPrice, effects);
}

void BidItemsDialog::LeaveRowNumber(int row, const RowNumber& box, FormEffects& effects) {
    if (row < 0 || row >= kBidItemsPerActivity) {
        return;
    }
    Handle(effects, [&](bool /*allRead*/) {
        BidItemRow& edited = EditRows()[row];
        ReplaceNegative(edited.*box.Value, box.Refusal, box.Control(row), effects);
        edited.Cost = edited.Quantity * edited.UnitPrice;
        SumTotal();
    });
}

void BidItemsDialog::CopyBidItemsFrom(FormEffects& effects) {
    Handle(effects, [&](bool allRead) {
        if (allRead && SourceIsValid(effects)) {
            Load(copyAlternative_, copyActivity_);
            SumTotal();
        }
    });
}

bool BidItemsDialog::SourceIsValid(FormEffects& effects) {
    // A project file may declare more alternatives or activities than there
    // are slots: only those both declared and stored can be copied.
    const int alternatives = std::clamp(numberOfAlternatives_, 0, kMaxAlternatives);
    if (!KeepWithin(copyAlternative_, alternatives, BidItemsMessage::Alternative,
                    BidItemsControl::CopyAlternative, effects)) {
        return false;
    }
    const int activities =
        std::clamp(activityCounts_[copyAlternative_ - 1], 0, kActivitiesPerAlternative);
    return KeepWithin(copyActivity_, activities, BidItemsMessage::WorkZone,
                      BidItemsControl::CopyActivity, effects);
}

void BidItemsDialog::Confirm() {
    ItemsDialog::Confirm();
    SumTotal();
    if (HasSlot()) {
        EditArrays().Totals[Slot()] = total_;
    }
}

void BidItemsDialog::SumTotal() {
    const RowArray& rows = Rows();
    total_ = rows[0].Cost;
    for (int row = 1; row < kBidItemsPerActivity; ++row) {
        total_ += rows[row].Cost;
    }
}

void BidItemsDialog::ReadBoxes(BoxReader& reader) {
    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        const BidItemsBoxes::Row& box = Boxes().Rows[r];
        BidItemRow& row = EditRows()[r];
        reader.Read(box.Quantity, row.Quantity, BidItemsControl::Quantity(r));
        BoxReader::ReadList(box.Unit, row.Unit);
        reader.Read(box.Code, row.Code, BidItemsControl::Code(r));
        row.Description = box.Description;
        reader.Read(box.UnitPrice, row.UnitPrice, BidItemsControl::UnitPrice(r));
    }
    reader.Read(Boxes().CopyAlternative, copyAlternative_, BidItemsControl::CopyAlternative);
    reader.Read(Boxes().CopyActivity, copyActivity_, BidItemsControl::CopyActivity);
}

void BidItemsDialog::WriteBoxes() {
    BidItemsBoxes& boxes = Boxes();
    for (int r = 0; r < kBidItemsPerActivity; ++r) {
        const BidItemRow& row = Rows()[r];
        boxes.Rows[r] = {BoxText(row.Quantity),  row.Unit,
                         BoxText(row.Code),      row.Description,
                         BoxText(row.UnitPrice), BoxText(row.Cost)};
    }
    boxes.Total = BoxText(total_);
    boxes.CopyAlternative = BoxText(copyAlternative_);
    boxes.CopyActivity = BoxText(copyActivity_);
}

} // namespace wexa::forms
