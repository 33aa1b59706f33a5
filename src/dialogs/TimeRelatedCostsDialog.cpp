#include "dialogs/TimeRelatedCostsDialog.h"

#include "dialogs/NonNegativeCheck.h"
#include "dialogs/TimeRelatedCostsDialogText.h"
#include "forms/DialogBoxes.h"

#include <utility>

namespace wexa::forms {

TimeItemArrays TimeItemArrays::CopyOf(const Project& project) {
    return {project.TimeItemUnits, project.TimeItemDescriptions, project.TimeItemUnitPrices};
}

void TimeItemArrays::CopyInto(Project& project) const {
    project.TimeItemUnits = Units;
    project.TimeItemDescriptions = Descriptions;
    project.TimeItemUnitPrices = UnitPrices;
}

TimeRelatedInputs TimeRelatedInputs::FromForm(const Project& project) {
    return {project.CurrentAlternative, project.CurrentActivity, TimeItemArrays::CopyOf(project)};
}

TimeRelatedCostsDialog::TimeRelatedCostsDialog(TimeRelatedInputs inputs)
    : ItemsDialog(inputs.Alternative, inputs.Activity, std::move(inputs.Arrays), &TimeItemSlot) {
    Write();
}

void TimeRelatedCostsDialog::LeaveUnitPrice(int row, FormEffects& effects) {
    if (row < 0 || row >= kTimeItemsPerActivity) {
        return;
    }
    Handle(effects, [&](bool /*allRead*/) {
        ReplaceNegative(EditRows()[row].UnitPrice, kTimeItemUnitPriceRefusal,
                        TimeItemUnitPriceControl(row), effects);
    });
}

void TimeRelatedCostsDialog::ReadBoxes(BoxReader& reader) {
    for (int r = 0; r < kTimeItemsPerActivity; ++r) {
        const TimeRelatedBoxes::Row& box = Boxes().Rows[r];
        TimeItemRow& row = EditRows()[r];
        BoxReader::ReadList(box.Unit, row.Unit);
        row.Description = box.Description;
        reader.Read(box.UnitPrice, row.UnitPrice, TimeItemUnitPriceControl(r));
    }
}

void TimeRelatedCostsDialog::WriteBoxes() {
    for (int r = 0; r < kTimeItemsPerActivity; ++r) {
        const TimeItemRow& row = Rows()[r];
        Boxes().Rows[r] = {row.Unit, row.Description, BoxText(row.UnitPrice)};
    }
}

} // namespace wexa::forms
