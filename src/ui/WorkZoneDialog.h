#pragma once

#include "dialogs/WorkZoneDialogForm.h"
#include "ui/ItemsDialogFrame.h"

#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wexa::ui {

// "Work Zone User Costs": the daily timing of the main form's current
// activity and what its work zone costs the road users. The dialog prices
// the activity as it opens; on OK the opener takes the timing and the total
// back with Logic().StoreInto, Cancel leaves the project as it was.
//
// Enter in a box runs that box's check rather than closing the dialog: a
// user types an hour and presses Enter to see it taken, not to end the
// dialog. Enter on a focused button presses it; Esc cancels.
class CWorkZoneDialog final : public ItemsDialogFrame {
    Q_OBJECT
public:
    CWorkZoneDialog(forms::WorkZoneDialogInputs inputs, Prompts& prompts,
                    QWidget* parent = nullptr);

    [[nodiscard]] forms::WorkZoneDialogForm& Logic() { return form_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using Leave = void (forms::WorkZoneDialogForm::*)(forms::FormEffects&);

    QLayout* ActivityRows();
    QWidget* TimingGroup();
    QLayout* DirectionRow();
    QWidget* CostGroup();
    QLayout* ClosingRow();
    // Each box as wide as the widest text it can be given.
    void SizeBoxes();
    QPushButton* Button(std::string_view text, const char* whatsThis, std::function<void()> act);
    // The box's check runs when the user leaves it or presses Enter in it.
    void WatchBox(QLineEdit* box, Leave leave);
    void GraphQueueLength();
    // Greys the cost summary and says why, or shows it as current.
    void ShowFiguresOutOfDate(bool outOfDate);
    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::WorkZoneDialogForm form_;
    QLineEdit* alternative_;
    QLineEdit* activity_;
    QLineEdit* year_;
    QLineEdit* aadt_;
    QLineEdit* requiredTime_;
    QLineEdit* mobilization_;
    QLineEdit* startHour_;
    QLineEdit* hoursInEffect_;
    QLineEdit* stopHour_;
    QLineEdit* days_;
    QLineEdit* inbound_;
    QLineEdit* outbound_;
    std::array<QLineEdit*, kCostComponentCount> costs_{};
    std::array<QLineEdit*, kCostComponentCount> percents_{};
    QLineEdit* total_;
    QLineEdit* totalPercent_;
    QLabel* outOfDate_ = nullptr;
};

} // namespace wexa::ui
