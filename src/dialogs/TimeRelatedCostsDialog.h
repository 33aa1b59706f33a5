#pragma once

#include "dialogs/ItemsDialog.h"
#include "forms/FormEffects.h"
#include "model/Project.h"

#include <array>
#include <string>
#include <tuple>

namespace wexa::forms {

struct TimeItemRow {
    Int32 Unit = kPerDay; // position in TimeItemUnitEntries
    std::string Description;
    double UnitPrice = 0.0;

    friend bool operator==(const TimeItemRow&, const TimeItemRow&) = default;
};

// The project's time-related item storage, as the dialog is handed it and
// hands it back.
struct TimeItemArrays {
    PerTimeItem<Int32> Units{};
    PerTimeItem<std::string> Descriptions;
    PerTimeItem<double> UnitPrices{};

    [[nodiscard]] static TimeItemArrays CopyOf(const Project& project);
    void CopyInto(Project& project) const;
};

// What the controls hold.
struct TimeRelatedBoxes {
    struct Row {
        int Unit = 0; // the list's position, -1 for none
        std::string Description;
        std::string UnitPrice;
    };
    std::string Alternative; // read-only
    std::string Activity;    // read-only
    std::array<Row, kTimeItemsPerActivity> Rows;
};

// A row's values and their stored elements (see ItemsDialog).
[[nodiscard]] inline auto RowValues(TimeItemRow& row) {
    return std::tie(row.Unit, row.Description, row.UnitPrice);
}
[[nodiscard]] inline auto StoredValues(TimeItemArrays& arrays, int item) {
    return std::tie(arrays.Units[item], arrays.Descriptions[item], arrays.UnitPrices[item]);
}

// What the main form hands over: its current alternative and activity and
// the arrays.
struct TimeRelatedInputs {
    [[nodiscard]] static TimeRelatedInputs FromForm(const Project& project);

    int Alternative = 1;
    int Activity = 1;
    TimeItemArrays Arrays;
};

// The logic of the "Costs Dependent on Time of Construction" dialog: unit,
// description and unit price of one activity's three time-related items.
// Ownership, driving, OK and StoreInto are those of ItemsDialog. The dialog
// computes no cost: the cost follows from the stored values
// (ActivityTimeRelatedCost).
class TimeRelatedCostsDialog final
    : public ItemsDialog<TimeItemRow, TimeItemArrays, TimeRelatedBoxes> {
public:
    // Opening: the activity's three stored rows.
    explicit TimeRelatedCostsDialog(TimeRelatedInputs inputs);

    // The unit-price box of a row (0..2) lost the focus: a negative price is
    // refused (message, focus back) and that row's price becomes 1.0. Nothing
    // for a row outside 0..2.
    void LeaveUnitPrice(int row, FormEffects& effects);

private:
    void ReadBoxes(BoxReader& reader) override;
    void WriteBoxes() override;
};

} // namespace wexa::forms
