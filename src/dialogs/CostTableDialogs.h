#pragma once

#include "dialogs/TableDialog.h"
#include "forms/FormEffects.h"
#include "model/CostTables.h"

#include <array>
#include <string>

namespace wexa::forms {

// The "Cost Escalation" boxes both cost dialogs carry. They are not part of
// the project and start at 152.4 whenever a dialog opens.
struct CpiBoxes {
    std::string ReferenceCpi;
    std::string NewCpi;
};

// The cost tables multiplied by the ratio of two consumer price indices:
// every money value times `factor`. Added costs and values of time are then
// rounded to two decimals (RoundValue); idling costs keep every digit, and
// added times are hours and stay.
void EscalateCosts(AddedTimeCostTable& table, double factor);
void EscalateCosts(DelayCostRates& rates, double factor);

// What the two cost dialogs share: "Reset Defaults", "Apply" and "OK" on a
// copy of their table (ownership and driving are those of TableDialog).
// Table is AddedTimeCostTable or DelayCostRates; BoxesT holds a member
// `Cpi` (CpiBoxes).
template <typename Table, typename BoxesT>
class CostTableDialog : public TableDialog<Table, BoxesT> {
public:
    // "Reset Defaults": every value of the table as shipped, whatever its box
    // held (a text that is no number included, with no message); the CPI
    // boxes keep their texts.
    void ResetCostDefaults(FormEffects& effects);

    // "Apply": the table escalated by New CPI / Reference CPI (EscalateCosts),
    // once more with every press; the CPI boxes stay. A Reference CPI that is
    // not above 0 is refused (message, focus on it) and nothing changes.
    void ApplyCpiEscalation(FormEffects& effects);

    // "OK": true, and the window takes the table, when every text was read.
    // No value is checked against a range.
    [[nodiscard]] bool PressOk(FormEffects& effects);

protected:
    explicit CostTableDialog(const Table& table);

    // The CPI boxes, read and shown along with the table's.
    void ReadCpi(BoxReader& reader);
    void WriteCpi();

private:
    static constexpr double kOpeningCpi = 152.4;
    double referenceCpi_ = kOpeningCpi;
    double newCpi_ = kOpeningCpi;
};

// What the controls of "Added Time, Vehicle Running and Idling Costs" hold;
// classes in the order of CostTableControl::ClassNames, rows by speed.
struct AddedTimeCostBoxes {
    std::array<std::array<std::string, kSpeedRows>, 3> AddedTime;
    std::array<std::array<std::string, kSpeedRows>, 3> AddedCost;
    std::array<std::string, 3> IdlingCost;
    CpiBoxes Cpi;
};

// The logic of "Added Time, Vehicle Running and Idling Costs": 105 editable
// values (six columns of 17 speeds and three idling costs).
class AddedTimeCostDialog final : public CostTableDialog<AddedTimeCostTable, AddedTimeCostBoxes> {
public:
    explicit AddedTimeCostDialog(const AddedTimeCostTable& table);

private:
    void ReadBoxes(BoxReader& reader) override;
    void WriteBoxes() override;
};

// What the controls of "Delay Cost Rates" hold, by class.
struct DelayCostRatesBoxes {
    std::array<std::string, 3> DelayRate;
    CpiBoxes Cpi;
};

// The logic of "Delay Cost Rates": the value of time of the three classes.
class DelayCostRatesDialog final : public CostTableDialog<DelayCostRates, DelayCostRatesBoxes> {
public:
    explicit DelayCostRatesDialog(const DelayCostRates& rates);

private:
    void ReadBoxes(BoxReader& reader) override;
    void WriteBoxes() override;
};

} // namespace wexa::forms
