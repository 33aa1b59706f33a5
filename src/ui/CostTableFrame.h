#pragma once

#include "dialogs/CostTableDialogs.h"
#include "ui/ItemsDialogFrame.h"

#include <functional>

class QGroupBox;
class QLayout;
class QLineEdit;

namespace wexa::ui {

// What the two cost-rate dialogs share on screen: the "Cost Escalation"
// group with its two CPI boxes and "Apply", and the row of "Reset
// Defaults", "OK" and "Cancel".
class CostTableFrame : public ItemsDialogFrame {
public:
    CostTableFrame(Prompts& prompts, QWidget* parent);

protected:
    // "Cost Escalation": "Reference CPI", "New CPI" and "Apply", which runs
    // `apply` as a handler.
    QGroupBox* EscalationGroup(std::function<void()> apply);
    // "Reset Defaults" running `reset` as a handler, then "OK" and "Cancel"
    // (OkCancel).
    QLayout* ClosingRow(std::function<void()> reset, std::function<bool()> confirm);

    void CollectCpi(forms::CpiBoxes& boxes) const;
    void DisplayCpi(const forms::CpiBoxes& boxes);

private:
    QLineEdit* referenceCpi_;
    QLineEdit* newCpi_;
};

} // namespace wexa::ui
