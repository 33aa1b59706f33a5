#pragma once

#include "dialogs/HourlyDistributionDialog.h"
#include "ui/ItemsDialogFrame.h"

#include <array>

class QGroupBox;
class QLineEdit;

namespace wexa::ui {

// "Hourly Traffic Distributions and Directional Split": the share of the
// AADT in each hour and its inbound and outbound shares, their sum, and the
// table saved to or imported from a distribution file. The opener hands it
// a copy of the project's table and, on OK, takes it back with
// Logic().StoreInto.
class CHourlyDistributionDialog final : public ItemsDialogFrame {
    Q_OBJECT
public:
    CHourlyDistributionDialog(const HourlyTrafficDistribution& table, Prompts& prompts,
                              QWidget* parent = nullptr);

    [[nodiscard]] forms::HourlyDistributionDialog& Logic() { return logic_; }

private:
    struct RowControls {
        QLineEdit* AADT;
        QLineEdit* Inbound;
        QLineEdit* Outbound;
    };

    // The group of twelve hours from `firstHour` on.
    QGroupBox* HoursGroup(std::string_view title, int firstHour);
    QLayout* SumRow();
    QLayout* FileRow();
    void CollectBoxes() override;
    void DisplayBoxes() override;

    forms::HourlyDistributionDialog logic_;
    std::array<RowControls, kHours> rows_{};
    QLineEdit* total_;
    QLineEdit* offBy_;
};

} // namespace wexa::ui
