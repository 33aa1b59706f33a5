#pragma once

#include "dialogs/TimeRelatedCostsDialog.h"
#include "ui/ItemsDialogFrame.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace wexa::ui {

// "Costs Dependent on Time of Construction": unit, description and unit
// price of the main form's current activity's three time-related items. On
// OK the opener takes the arrays back with Logic().StoreInto.
class CTimeRelatedCostsDialog final : public ItemsDialogFrame {
    Q_OBJECT
public:
    CTimeRelatedCostsDialog(forms::TimeRelatedInputs inputs, Prompts& prompts,
                            QWidget* parent = nullptr);

    [[nodiscard]] forms::TimeRelatedCostsDialog& Logic() { return logic_; }

private:
    struct RowControls {
        QComboBox* Unit;
        QLineEdit* Description;
        QLineEdit* UnitPrice;
    };

    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::TimeRelatedCostsDialog logic_;
    std::array<RowControls, kTimeItemsPerActivity> rows_{};
    QLineEdit* alternative_;
    QLineEdit* activity_;
};

} // namespace wexa::ui
