#pragma once

#include "dialogs/BidItemsDialog.h"
#include "ui/ItemsDialogFrame.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace wexa::ui {

// "Bid Items": the ten bid items of the main form's current activity, their
// costs and total, and the copy of another activity's rows. On OK the
// opener takes the arrays back with Logic().StoreInto.
class CBidItemsDialog final : public ItemsDialogFrame {
    Q_OBJECT
public:
    CBidItemsDialog(forms::BidItemsInputs inputs, Prompts& prompts, QWidget* parent = nullptr);

    [[nodiscard]] forms::BidItemsDialog& Logic() { return logic_; }

private:
    struct RowControls {
        QLineEdit* Quantity;
        QComboBox* Unit;
        QLineEdit* Code;
        QLineEdit* Description;
        QLineEdit* UnitPrice;
        QLineEdit* Cost;
    };

    QWidget* RowsGroup();
    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::BidItemsDialog logic_;
    std::array<RowControls, kBidItemsPerActivity> rows_{};
    QLineEdit* alternative_;
    QLineEdit* activity_;
    QLineEdit* total_;
    QLineEdit* copyAlternative_;
    QLineEdit* copyActivity_;
};

} // namespace wexa::ui
