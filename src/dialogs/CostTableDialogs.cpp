#include "dialogs/CostTableDialogs.h"

#include "dialogs/CostTableDialogsText.h"
#include "model/RoundValue.h"

namespace wexa::forms {

namespace {

namespace control = CostTableControl;

// A table's columns and values by class, in the order of the controls.
template <typename T> auto AddedTimeColumns(T& table) {
    return std::array{&table.AddedTimePassengerCar, &table.AddedTimeSingleUnitTruck,
                      &table.AddedTimeCombinationTruck};
}
template <typename T> auto AddedCostColumns(T& table) {
    return std::array{&table.AddedCostPassengerCar, &table.AddedCostSingleUnitTruck,
                      &table.AddedCostCombinationTruck};
}
template <typename T> auto IdlingCosts(T& table) {
    return std::array{&table.IdlingCostPassengerCar, &table.IdlingCostSingleUnitTruck,
                      &table.IdlingCostCombinationTruck};
}
template <typename T> auto DelayRates(T& rates) {
    return std::array{&rates.DelayRatePassengerCar, &rates.DelayRateSingleUnitTruck,
                      &rates.DelayRateCombinationTruck};
}

void Escalate(double& value, double factor) {
    value *= factor;
    RoundValue(value, 1);
}

} // namespace

void EscalateCosts(AddedTimeCostTable& table, double factor) {
    for (double* idling : IdlingCosts(table)) {
        *idling *= factor;
    }
    for (SpeedTable* column : AddedCostColumns(table)) {
        for (double& cost : *column) {
            Escalate(cost, factor);
        }
    }
}

void EscalateCosts(DelayCostRates& rates, double factor) {
    for (double* rate : DelayRates(rates)) {
        Escalate(*rate, factor);
    }
}

template <typename Table, typename BoxesT>
CostTableDialog<Table, BoxesT>::CostTableDialog(const Table& table)
    : TableDialog<Table, BoxesT>(table) {}

template <typename Table, typename BoxesT>
void CostTableDialog<Table, BoxesT>::ResetCostDefaults(FormEffects& /*effects*/) {
    // Every box is replaced, so none is read: a text that is no number does
    // not stop the reset. The CPI boxes keep what they hold, read or not.
    const CpiBoxes typed = this->Boxes().Cpi;
    if (this->HandleUnread([this] { this->EditValues() = Table::Defaults(); })) {
        this->Boxes().Cpi = typed;
    }
}

template <typename Table, typename BoxesT>
void CostTableDialog<Table, BoxesT>::ApplyCpiEscalation(FormEffects& effects) {
    this->Handle(effects, [&](bool allRead) {
        if (!allRead) {
            return;
        }
        if (!(referenceCpi_ > 0.0)) {
            Refuse(effects, CostTableMessage::ReferenceCpi, control::ReferenceCpi);
            return;
        }
        EscalateCosts(this->EditValues(), newCpi_ / referenceCpi_);
    });
}

template <typename Table, typename BoxesT>
bool CostTableDialog<Table, BoxesT>::PressOk(FormEffects& effects) {
    return this->Handle(effects, [](bool /*allRead*/) {});
}

template <typename Table, typename BoxesT>
void CostTableDialog<Table, BoxesT>::ReadCpi(BoxReader& reader) {
    reader.Read(this->Boxes().Cpi.ReferenceCpi, referenceCpi_, control::ReferenceCpi);
    reader.Read(this->Boxes().Cpi.NewCpi, newCpi_, control::NewCpi);
}

template <typename Table, typename BoxesT> void CostTableDialog<Table, BoxesT>::WriteCpi() {
    this->Boxes().Cpi = {BoxText(referenceCpi_), BoxText(newCpi_)};
}

template class CostTableDialog<AddedTimeCostTable, AddedTimeCostBoxes>;
template class CostTableDialog<DelayCostRates, DelayCostRatesBoxes>;

AddedTimeCostDialog::AddedTimeCostDialog(const AddedTimeCostTable& table) : CostTableDialog(table) {
    WriteBoxes();
}

void AddedTimeCostDialog::ReadBoxes(BoxReader& reader) {
    AddedTimeCostTable& table = EditValues();
    const AddedTimeCostBoxes& boxes = Boxes();
    for (int c = 0; c < 3; ++c) {
        SpeedTable& times = *AddedTimeColumns(table)[c];
        SpeedTable& costs = *AddedCostColumns(table)[c];
        for (int k = 0; k < kSpeedRows; ++k) {
            reader.Read(boxes.AddedTime[c][k], times[k], control::AddedTime(c, k));
            reader.Read(boxes.AddedCost[c][k], costs[k], control::AddedCost(c, k));
        }
        reader.Read(boxes.IdlingCost[c], *IdlingCosts(table)[c], control::IdlingCost(c));
    }
    ReadCpi(reader);
}

void AddedTimeCostDialog::WriteBoxes() {
    const AddedTimeCostTable& table = Values();
    AddedTimeCostBoxes& boxes = Boxes();
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < kSpeedRows; ++k) {
            boxes.AddedTime[c][k] = BoxText((*AddedTimeColumns(table)[c])[k]);
            boxes.AddedCost[c][k] = BoxText((*AddedCostColumns(table)[c])[k]);
        }
        boxes.IdlingCost[c] = BoxText(*IdlingCosts(table)[c]);
    }
    WriteCpi();
}

DelayCostRatesDialog::DelayCostRatesDialog(const DelayCostRates& rates) : CostTableDialog(rates) {
    WriteBoxes();
}

void DelayCostRatesDialog::ReadBoxes(BoxReader& reader) {
    for (int c = 0; c < 3; ++c) {
        reader.Read(Boxes().DelayRate[c], *DelayRates(EditValues())[c], control::DelayRate(c));
    }
    ReadCpi(reader);
}

void DelayCostRatesDialog::WriteBoxes() {
    for (int c = 0; c < 3; ++c) {
        Boxes().DelayRate[c] = BoxText(*DelayRates(Values())[c]);
    }
    WriteCpi();
}

} // namespace wexa::forms
