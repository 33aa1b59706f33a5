#pragma once

#include "dialogs/CostTableDialogs.h"
#include "ui/CostTableFrame.h"

#include <array>

class QGridLayout;
class QLineEdit;

namespace wexa::ui {

// "Added Time, Vehicle Running and Idling Costs": the added time and cost
// per 1000 stops by initial speed and the idling costs of the three vehicle
// classes. The opener hands it a copy of the project's table and, on OK,
// takes it back with Logic().StoreInto.
class CAddedTimeCostDialog final : public CostTableFrame {
    Q_OBJECT
public:
    CAddedTimeCostDialog(const AddedTimeCostTable& table, Prompts& prompts,
                         QWidget* parent = nullptr);

    [[nodiscard]] forms::AddedTimeCostDialog& Logic() { return logic_; }

private:
    using Column = std::array<QLineEdit*, kSpeedRows>;

    QWidget* TableGrid();
    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::AddedTimeCostDialog logic_;
    std::array<Column, 3> times_{};
    std::array<Column, 3> costs_{};
    std::array<QLineEdit*, 3> idling_{};
};

// "Delay Cost Rates": the value of time of the three vehicle classes. Opened
// and closed as CAddedTimeCostDialog.
class CDelayCostRatesDialog final : public CostTableFrame {
    Q_OBJECT
public:
    CDelayCostRatesDialog(const DelayCostRates& rates, Prompts& prompts, QWidget* parent = nullptr);

    [[nodiscard]] forms::DelayCostRatesDialog& Logic() { return logic_; }

private:
    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::DelayCostRatesDialog logic_;
    std::array<QLineEdit*, 3> rates_{};
};

} // namespace wexa::ui
